// Attribute links: column table, conditions and the two linked columns.
#include "dictionary/attribute_link.h"

#include "dictionary/attribute.h"
#include "dictionary/relation_getters.h"

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
      literal1_(*this, "ATTLLiteral1"), literal2_(*this, "ATTLLiteral2"),
      attribute1_(*this, L"AttLink1_TO_Attr_Rel", 0, DIRObjectType::Attribute, 1),
      attribute2_(*this, L"AttLink2_TO_Attr_Rel", 0, DIRObjectType::Attribute, 1),
      step_(*this, L"BV_TO_AttLink_Rel", 0, DIRObjectType::BusinessView, 1),
      starSchema_(*this, L"StarSchema_TO_AttLnk", 0, DIRObjectType::StarSchema, 1) {}

HQRC AttributeLink::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ? ORDER BY name", {QueryParm::name(name)},
                         name);
}

HQRC AttributeLink::listFirstStarSchema(const DIRId& starSchema) {
    return listFirstWhere(L"listFirstStarSchema",
                          L" where qrtid in (select source_qrtid from " +
                              controldb::schemaPrefix() +
                              L".relationship where relation_name='StarSchema_TO_AttLnk' and "
                              L"target_qrtid = ?) ORDER BY update_TS",
                          {QueryParm::id(starSchema)});
}

Attribute* AttributeLink::getAttribute1(HQRC& rc) {
    return guardedFirst(*this, attribute1_, L"getAttribute1", rc);
}

Attribute* AttributeLink::getAttribute2(HQRC& rc) {
    return guardedFirst(*this, attribute2_, L"getAttribute2", rc);
}

RelationCollection<BusinessView>* AttributeLink::getBusinessViewList(HQRC& rc) {
    return guardedList(*this, step_, L"getBusinessViewList", rc);
}

RelationCollection<StarSchema>* AttributeLink::getStarSchemaList(HQRC& rc) {
    return guardedList(*this, starSchema_, L"getStarSchemaList", rc);
}
