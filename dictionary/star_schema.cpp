// Star schemas: column table, list conditions and the length-checked setters.
#include "dictionary/star_schema.h"

#include "dictionary/attribute_link.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"

namespace {
using F = StarSchemaFields;
const ClassInfo kInfo{DIRObjectType::StarSchema, L".StarSchema", L"DDDPSTAR", "StarSchemaDesc",
                      L""};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"contact", 65, &F::contact),
        col(L"hostdbname", 111, &F::hostdbname),
    };
    return table;
}

StarSchema::StarSchema() : DIRRecord(kInfo), graphicsData_(*this, "graphicsData") {}

HQRC StarSchema::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L" WHERE name = ?", {QueryParm::name(name)}, name);
}

HQRC StarSchema::listFirst() {
    return listFirstWhere(L"listFirst", L"", {});
}

HQRC StarSchema::listFirstOneDatabase() {
    return listFirstWhere(L"listFirstOneDatabase", L" where hostdbname <> '' ", {});
}

HQRC StarSchema::listFirstByDR(const DIRId& table) {
    return listFirstRelated(L"listFirstByDR", rel::StarSchema_TO_DR, RelationSide::Target, table);
}

HQRC StarSchema::setContact(const HQSTRING& text) {
    return setLimited(L"setContact", f_.contact, text, 64);
}

HQRC StarSchema::setHostDatabaseName(const HQSTRING& text) {
    return setLimited(L"setHostDatabaseName", f_.hostdbname, text, 110);
}
