// Attribute links: column table, conditions and the two linked columns.
#include "dictionary/attribute_link.h"

#include "dictionary/attribute.h"

namespace {
using F = AttributeLinkFields;
const ClassInfo kInfo{DIRObjectType::AttributeLink, L".attributelink", L"DDDPATTL", "ALLDesc", L""};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"Type", 41, &F::Type),         col(L"OperatorExp", 2, &F::OperatorExp),
        col(L"useANDSep", &F::useANDSep),   col(L"orderNo", &F::orderNo),
        col(L"OperExp2", 11, &F::OperExp2),
    };
    return table;
}

AttributeLink::AttributeLink()
    : DIRRecord(kInfo), rowExpression_(*this, "ATTLRowexpression"),
      literal1_(*this, "ATTLLiteral1"), literal2_(*this, "ATTLLiteral2") {}

HQRC AttributeLink::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ? ORDER BY name", {QueryParm::name(name)},
                         name);
}

HQRC AttributeLink::listFirstStarSchema(const DIRId& starSchema) {
    return listFirstRelated(L"listFirstStarSchema", rel::StarSchema_TO_AttLnk, RelationSide::Target,
                            starSchema, L" ORDER BY update_TS");
}
