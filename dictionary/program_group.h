// UDPGrouping: a group of user-defined programs; the warehouse's own groups
// are predefined (OLVDefined).
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class ProgFunc;

struct UDPGroupingFields {
    int32_t HQdefaultGroup = 0; // 1 for the default group
    HQSTRING contact;
    int32_t OLVDefined = 0; // 1 for a group that comes with the warehouse
    HQSTRING icon;
    int32_t groupType = 0;
    int32_t orderNo = 0; // display order

    static const ColumnTable<UDPGroupingFields>& columns();
};

class UDPGrouping : public DIRRecord<UDPGroupingFields> {
public:
    // The groups of the database product's own programs.
    static constexpr const wchar_t* kNordbaseProgramGroups[] = {
        L"Nordbase Programs", L"Nordbase Utilities", L"Nordbase Replication"};
    // The group of SQL steps, which holds no programs.
    static constexpr const wchar_t* kSqlGroup = L"UDPGROUP_SQL";

    UDPGrouping();

    HQRC retrieve(const HQSTRING& name);
    // Every group, in display order.
    HQRC listFirst();
    // The predefined groups (predefined non-zero) or the users' own ones.
    HQRC listFirstByType(int predefined);

    bool isPredefined() const { return f_.OLVDefined != 0; }
    bool canHaveProgFuncs() const { return getName() != kSqlGroup; }
    bool isNordbaseProgramGroup() const;

    // 3110 when the contact has more than 64 characters.
    HQRC setContact(const HQSTRING& text);
    void setGroupType(int32_t type) { f_.groupType = type; }

    // The programs of the group; null with 3104 when the object was never read.
    RelationList<ProgFunc> getProgFuncList{*this, rel::UDP_TO_Grouping, RelationSide::Target,
                                           L"getProgFuncList"};
};
