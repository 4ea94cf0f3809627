// Program groups: column table, retrievals and lists.
#include "dictionary/program_group.h"

#include <algorithm>
#include <iterator>

namespace {
using F = UDPGroupingFields;
const ClassInfo kInfo{DIRObjectType::UDPGrouping, L".UDPGROUP", L"DDDPUDPG", "UDPGDesc",
                      L"Called from "};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"HQdefaultGroup", &F::HQdefaultGroup), col(L"contact", 65, &F::contact),
        col(L"OLVDefined", &F::OLVDefined),         col(L"icon", 11, &F::icon),
        col(L"groupType", &F::groupType),           col(L"orderNo", &F::orderNo),
    };
    return table;
}

UDPGrouping::UDPGrouping() : DIRRecord(kInfo) {}

HQRC UDPGrouping::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L" WHERE name = ?", {QueryParm::name(name)}, name);
}

HQRC UDPGrouping::listFirst() {
    return listFirstWhere(L"listFirst", L" order by orderno, name", {});
}

HQRC UDPGrouping::listFirstByType(int predefined) {
    return listFirstWhere(L"listFirstByType",
                          predefined != 0 ? L" where OLVDefined = 1 order by orderno, name"
                                          : L" where OLVDefined = 0 order by orderno, name",
                          {});
}

bool UDPGrouping::isNordbaseProgramGroup() const {
    return std::any_of(std::begin(kNordbaseProgramGroups), std::end(kNordbaseProgramGroups),
                       [&](const wchar_t* group) { return getName() == group; });
}

HQRC UDPGrouping::setContact(const HQSTRING& text) {
    return setLimited(L"setContact", f_.contact, text, 64);
}
