// Lookup of relations by name and the related-identifiers subquery.
#include "dictionary/relation.h"

#include "dictionary/control_database.h"

namespace {
const wchar_t* idColumn(RelationSide side) {
    return side == RelationSide::Source ? L"source_qrtid" : L"target_qrtid";
}
// "(select <other>_qrtid from <schema>.relationship where relation_name='<name>'
// and <known>_qrtid<match>)".
HQSTRING relatedIds(const Relation& relation, RelationSide known, const HQSTRING& match) {
    return L"(select " + HQSTRING(idColumn(opposite(known))) + L" from " +
           controldb::schemaPrefix() + L".relationship where relation_name='" +
           HQSTRING(relation.name) + L"' and " + idColumn(known) + match + L")";
}
} // namespace

const Relation* rel::byName(std::wstring_view name) {
    for (const Relation* relation : all)
        if (relation->name == name)
            return relation;
    return nullptr;
}

HQSTRING relatedIdsQuery(const Relation& relation, RelationSide known) {
    return relatedIds(relation, known, L" = ?");
}

HQSTRING relatedIdsQuery(const Relation& relation, RelationSide known, const HQSTRING& knownIds) {
    return relatedIds(relation, known, L" in " + knownIds);
}

// Each relation's index is its position in the table.
static_assert([] {
    for (size_t i = 0; i < std::size(rel::all); ++i)
        if (rel::all[i]->index != i)
            return false;
    return std::size(rel::all) < UINT8_MAX;
}());
