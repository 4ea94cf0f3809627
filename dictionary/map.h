// Map: how one output column of a step is fed (from an input column, a
// literal or a token), with its expression and its input and output columns.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class Attribute;
class BusinessView;

struct MapFields {
    HQSTRING typeOfMap; // the stored kind, "Token", "Literal" or "Attribute"
    HQSTRING BVName;
    int32_t seqNo = 0;
    int32_t attr1Flags = 0;
    int32_t attr2Flags = 0;
    HQSTRING transName;
    HQSTRING iAttrCRELName;

    static const ColumnTable<MapFields>& columns();
};

class Map : public DIRRecord<MapFields> {
public:
    // Kinds of map.
    enum class MapType : int32_t { Token = 0, Literal = 1, Attribute = 2 };

    Map();

    // The maps whose input (output) column is the column `column`.
    HQRC listFirstInputAttr(const DIRId& column);
    HQRC listFirstOutputAttr(const DIRId& column);
    // The maps of a step, in the order of their output columns.
    HQRC listFirstByBV(const DIRId& step);

    // The kind as a number; 0 (as "Token") for a stored text that is none of
    // the three.
    int32_t getTypeOfMap() const { return typeOfMapFromString(f_.typeOfMap); }
    // The kind as a text; "None" for a stored text that is none of the three.
    HQSTRING getTypeOfMapText() const;
    // "Token", "Literal", "Attribute" for 0, 1, 2; "None" for any other number.
    static HQSTRING typeOfMapToString(int32_t type);
    // 0, 1, 2 for the three texts (exact); 0 for any other text.
    static int32_t typeOfMapFromString(const HQSTRING& text);

    // The expression that computes the output column, read on first use.
    HQSTRING getExpression(HQRC& rc) { return expression_.getValue(rc); }

    // Its input column, output column and step; null with code 0 when there
    // is none, null with 3104 when the map was never read.
    RelatedObject<Attribute> getInputAttribute{*this, rel::Attr_TO_MapIn_Rel, RelationSide::Source,
                                               L"getInputAttribute"};
    RelatedObject<Attribute> getOutputAttribute{*this, rel::Attr_TO_MapOut_Rel,
                                                RelationSide::Source, L"getOutputAttribute"};
    RelatedObject<BusinessView> getBusinessView{*this, rel::BV_TO_Map, RelationSide::Source,
                                                L"getBusinessView"};

private:
    DIRString expression_;
};
