// Names of the object types.
#include "dictionary/object_type.h"

#include <array>

namespace {
constexpr std::array<const wchar_t*, 33> kTypeNames = {
    L"None",
    L"BusinessView",
    L"BVAlias",
    L"BVSchedule",
    L"InformationResource",
    L"DataResource",
    L"Attribute",
    L"SecurityGroup",
    L"Map",
    L"HQUser",
    L"BVSecurity",
    L"PIN",
    L"AgentSite",
    L"AggreFunc",
    L"TrigFunc",
    L"AttributeLink",
    L"UserFunction",
    L"ProgFunc",
    L"ProgParm",
    L"UDPGrouping",
    L"ProgType",
    L"CustomCalender",
    L"CalenderDate",
    L"PrimaryKey",
    L"ForeignKey",
    L"KeyMap",
    L"Subject",
    L"FindAttributeNordbase",
    L"SearchCriteria",
    L"Process",
    L"StarSchema",
    L"OLAPCube",
    L"DRCorrelation",
};
} // namespace

HQSTRING objectTypeToString(int32_t type) {
    if (type < 1 || type >= static_cast<int32_t>(kTypeNames.size()))
        return kTypeNames[0];
    return kTypeNames[type];
}

int32_t objectTypeFromString(const HQSTRING& name) {
    for (size_t i = 1; i < kTypeNames.size(); ++i)
        if (name == kTypeNames[i])
            return static_cast<int32_t>(i);
    return 0;
}
