// Primary and foreign keys: the shared column table of ".Key", their
// relations and the foreign-key lists of a table.
#include "dictionary/key.h"

#include "dictionary/data_resource.h"
#include "dictionary/key_map.h"
#include "dictionary/relation_getters.h"

namespace {
using F = KeyFields;
const ClassInfo kPrimaryKeyInfo{DIRObjectType::PrimaryKey, L".Key", L"DDDPPKEY", "PKEYDesc", L""};
const ClassInfo kForeignKeyInfo{DIRObjectType::ForeignKey, L".Key", L"DDDPFKEY", "FKEYDesc", L""};
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

PrimaryKey::PrimaryKey()
    : Key(kPrimaryKeyInfo),
      table_(*this, L"DR_TO_PrimaryKey_Rel", 1, DIRObjectType::DataResource, 1),
      keyMaps_(*this, L"KeyMap_TO_PrimaryKey", 1, DIRObjectType::KeyMap, 0),
      foreignKeys_(*this, L"PrimK_TO_ForeignK", 1, DIRObjectType::ForeignKey, 0) {}

DataResource* PrimaryKey::getDataResource(HQRC& rc) {
    return guardedFirst(*this, table_, L"getDataResource", rc);
}

RelationCollection<KeyMap>* PrimaryKey::getKeyMapList(HQRC& rc) {
    return guardedList(*this, keyMaps_, L"getKeyMapList", rc);
}

RelationCollection<ForeignKey>* PrimaryKey::getForeignKeyList(HQRC& rc) {
    return guardedList(*this, foreignKeys_, L"getForeignKeyList", rc);
}

ForeignKey::ForeignKey()
    : Key(kForeignKeyInfo),
      table_(*this, L"DR_TO_ForeignKey_Rel", 1, DIRObjectType::DataResource, 1),
      keyMaps_(*this, L"KeyMap_TO_ForeignKey", 1, DIRObjectType::KeyMap, 0),
      primaryKey_(*this, L"PrimK_TO_ForeignK", 0, DIRObjectType::PrimaryKey, 1) {}

HQRC ForeignKey::listFirstByDR(const DIRId& table) {
    return listFirstWhere(L"listFirstByDR",
                          L" where qrtid in (select target_qrtid from " +
                              controldb::schemaPrefix() +
                              L".relationship where relation_name='DR_TO_ForeignKey_Rel' and "
                              L"source_qrtid = ?)",
                          {QueryParm::id(table)});
}

HQRC ForeignKey::listFirstByDRAlter(const DIRId& table) {
    return listFirstWhere(L"listFirstByDRAlter",
                          L" where qrtid in (select target_qrtid from " +
                              controldb::schemaPrefix() +
                              L".relationship where relation_name='DR_TO_ForeignKey_Rel' and "
                              L"source_qrtid = ?) and needsAlter = 1 ",
                          {QueryParm::id(table)});
}

DataResource* ForeignKey::getDataResource(HQRC& rc) {
    return guardedFirst(*this, table_, L"getDataResource", rc);
}

RelationCollection<KeyMap>* ForeignKey::getKeyMapList(HQRC& rc) {
    return guardedList(*this, keyMaps_, L"getKeyMapList", rc);
}

PrimaryKey* ForeignKey::getPrimaryKey(HQRC& rc) {
    return guardedFirst(*this, primaryKey_, L"getPrimaryKey", rc);
}

RelationCollection<PrimaryKey>* ForeignKey::getPrimaryKeyList(HQRC& rc) {
    return guardedList(*this, primaryKey_, L"getPrimaryKeyList", rc);
}
