// Maps: columns, list conditions and the vocabulary of their kinds.
#include "dictionary/map.h"

#include <array>

#include "dictionary/attribute.h"
#include "dictionary/business_view.h"

namespace {
using F = MapFields;
const ClassInfo kInfo{DIRObjectType::Map, L".map", L"DDDPMAP", "MAPLDesc", L""};

// The stored texts of the kinds, by number.
constexpr std::array<const wchar_t*, 3> kTypeTexts = {L"Token", L"Literal", L"Attribute"};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"typeOfMap", 11, &F::typeOfMap),
        col(L"BVName", 81, &F::BVName),
        col(L"seqNo", &F::seqNo),
        col(L"attr1Flags", &F::attr1Flags),
        col(L"attr2Flags", &F::attr2Flags),
        col(L"transName", 81, &F::transName),
        col(L"iAttrCRELName", 129, &F::iAttrCRELName),
    };
    return table;
}

Map::Map() : DIRRecord(kInfo), expression_(*this, "MAPexpression") {}

HQRC Map::listFirstInputAttr(const DIRId& column) {
    return listFirstRelated(L"listFirstInputAttr", rel::Attr_TO_MapIn_Rel, RelationSide::Target,
                            column);
}

HQRC Map::listFirstOutputAttr(const DIRId& column) {
    return listFirstRelated(L"listFirstOutputAttr", rel::Attr_TO_MapOut_Rel, RelationSide::Target,
                            column);
}

HQRC Map::listFirstByBV(const DIRId& step) {
    return listFirstRelated(L"listFirstByBV", rel::BV_TO_Map, RelationSide::Target, step,
                            L" ORDER BY seqNo");
}

HQSTRING Map::typeOfMapToString(int32_t type) {
    if (type < 0 || static_cast<size_t>(type) >= kTypeTexts.size())
        return L"None";
    return kTypeTexts[static_cast<size_t>(type)];
}

int32_t Map::typeOfMapFromString(const HQSTRING& text) {
    for (size_t i = 0; i < kTypeTexts.size(); ++i)
        if (text == kTypeTexts[i])
            return static_cast<int32_t>(i);
    return 0;
}

HQSTRING Map::getTypeOfMapText() const {
    for (const wchar_t* known : kTypeTexts)
        if (f_.typeOfMap == known)
            return known;
    return L"None";
}
