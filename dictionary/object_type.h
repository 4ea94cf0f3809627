// The object-type numbers of the metadata classes (0..32) and their names,
// which are also the type tokens that messages and the tag vocabulary use.
#pragma once

#include <cstdint>

#include "runtime/hq_string.h"

enum class DIRObjectType : int32_t {
    None = 0,
    BusinessView = 1,
    BVAlias = 2,
    BVSchedule = 3,
    InformationResource = 4,
    DataResource = 5,
    Attribute = 6,
    SecurityGroup = 7,
    Map = 8,
    HQUser = 9,
    BVSecurity = 10,
    PIN = 11,
    AgentSite = 12,
    AggreFunc = 13,
    TrigFunc = 14,
    AttributeLink = 15,
    UserFunction = 16,
    ProgFunc = 17,
    ProgParm = 18,
    UDPGrouping = 19,
    ProgType = 20,
    CustomCalender = 21,
    CalenderDate = 22,
    PrimaryKey = 23,
    ForeignKey = 24,
    KeyMap = 25,
    Subject = 26,
    FindAttributeNordbase = 27,
    SearchCriteria = 28,
    Process = 29,
    StarSchema = 30,
    OLAPCube = 31,
    DRCorrelation = 32,
};

// "None" for a number outside 1..32.
HQSTRING objectTypeToString(int32_t type);
inline HQSTRING objectTypeToString(DIRObjectType type) {
    return objectTypeToString(static_cast<int32_t>(type));
}
// Exact, case-sensitive; an unknown name gives 0.
int32_t objectTypeFromString(const HQSTRING& name);
