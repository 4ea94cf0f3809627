// BVSecurity: the authorities of one security group on one step.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class BusinessView;
class SecurityGroup;

struct BVSecurityFields {
    int32_t AESviewAuthority = 0;
    int32_t readAuthority = 0;
    int32_t updateAuthority = 0;

    static const ColumnTable<BVSecurityFields>& columns();
};

class BVSecurity : public DIRRecord<BVSecurityFields> {
public:
    BVSecurity();

    // Its step and its group; null with 3104 when the object was never read.
    RelationList<BusinessView> getBusinessViewList{*this, rel::BV_TO_Security, RelationSide::Target,
                                                   L"getBusinessViewList"};
    RelatedObject<SecurityGroup> getSecurityGroup{*this, rel::SecGrp_TO_BVSecurity,
                                                  RelationSide::Target, L"getSecurityGroup"};
};
