// Primary and foreign keys: the shared column table of ".Key", their
// relations and the foreign-key lists of a table.
#include "dictionary/key.h"

#include "dictionary/data_resource.h"
#include "dictionary/key_map.h"

namespace {
using F = KeyFields;
// The key maps of a key belong to it.
constexpr RelationEnd kPrimaryKeyMaps[] = {{&rel::KeyMap_TO_PrimaryKey, RelationSide::Target}};
constexpr RelationEnd kForeignKeyMaps[] = {{&rel::KeyMap_TO_ForeignKey, RelationSide::Target}};
const ClassInfo kPrimaryKeyInfo{
    DIRObjectType::PrimaryKey, L".Key", L"DDDPPKEY", "PKEYDesc", L"", {}, kPrimaryKeyMaps};
const ClassInfo kForeignKeyInfo{
    DIRObjectType::ForeignKey, L".Key", L"DDDPFKEY", "FKEYDesc", L"", {}, kForeignKeyMaps};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"IRName", 81, &F::IRName),
        col(L"DRName", 81, &F::DRName),
        col(L"typeStr", 2, &F::typeStr),
        col(L"needsAlter", &F::needsAlter),
        col(L"largeDRSchemaName", kSchemaNameSize, &F::largeDRSchemaName),
        col(L"largeDRTableName", kTableNameSize, &F::largeDRTableName),
    };
    return table;
}

Key::Key(const ClassInfo& info) : DIRRecord(info) {
    limits_ = NameLimits::fromConfiguration();
}

PrimaryKey::PrimaryKey() : Key(kPrimaryKeyInfo) {}

ForeignKey::ForeignKey() : Key(kForeignKeyInfo) {}

HQRC ForeignKey::listFirstByDR(const DIRId& table) {
    return listFirstRelated(L"listFirstByDR", rel::DR_TO_ForeignKey_Rel, RelationSide::Source,
                            table);
}

HQRC ForeignKey::listFirstByDRAlter(const DIRId& table) {
    return listFirstRelated(L"listFirstByDRAlter", rel::DR_TO_ForeignKey_Rel, RelationSide::Source,
                            table, L" and needsAlter = 1 ");
}
