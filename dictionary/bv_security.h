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

    RelationCollection<BusinessView>* getBusinessViewList(HQRC& rc);
    SecurityGroup* getSecurityGroup(HQRC& rc);

private:
    RelationCollection<BusinessView> step_;
    RelationCollection<SecurityGroup> group_;
};
