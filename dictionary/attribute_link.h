// AttributeLink: a join or filter condition between two columns, used by
// steps and star schemas, with its row expression and literal operands.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class Attribute;
class BusinessView;
class StarSchema;

struct AttributeLinkFields {
    HQSTRING Type;
    HQSTRING OperatorExp;
    int16_t useANDSep = 0;
    int32_t orderNo = 0;
    HQSTRING OperExp2;

    static const ColumnTable<AttributeLinkFields>& columns();
};

class AttributeLink : public DIRRecord<AttributeLinkFields> {
public:
    AttributeLink();

    HQRC retrieve(const HQSTRING& name);
    // The links of a star schema, in the order they were last stored.
    HQRC listFirstStarSchema(const DIRId& starSchema);

    // Leading decimal number of the stored Type text (0 when none).
    int32_t getTypeNumber() const { return controldb::leadingNumber(f_.Type); }
    HQSTRING getRowExpression(HQRC& rc) { return rowExpression_.getValue(rc); }
    HQSTRING getLiteral1(HQRC& rc) { return literal1_.getValue(rc); }
    HQSTRING getLiteral2(HQRC& rc) { return literal2_.getValue(rc); }

    // Its first and second column, its step, its star schema; null with 3104
    // when the object was never read.
    RelatedObject<Attribute> getAttribute1{*this, rel::AttLink1_TO_Attr_Rel, RelationSide::Source,
                                           L"getAttribute1"};
    RelatedObject<Attribute> getAttribute2{*this, rel::AttLink2_TO_Attr_Rel, RelationSide::Source,
                                           L"getAttribute2"};
    RelationList<BusinessView> getBusinessViewList{*this, rel::BV_TO_AttLink_Rel,
                                                   RelationSide::Source, L"getBusinessViewList"};
    RelationList<StarSchema> getStarSchemaList{*this, rel::StarSchema_TO_AttLnk,
                                               RelationSide::Source, L"getStarSchemaList"};

private:
    DIRString rowExpression_;
    DIRString literal1_;
    DIRString literal2_;
};
