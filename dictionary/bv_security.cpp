// Step authorities of a security group.
#include "dictionary/bv_security.h"

#include "dictionary/relation_getters.h"
#include "dictionary/security_group.h"

namespace {
using F = BVSecurityFields;
const ClassInfo kInfo{DIRObjectType::BVSecurity, L".BVSecurity", L"DDDPBVSE", "BVSecLDesc", L""};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"AESviewAuthority", &F::AESviewAuthority),
        col(L"readAuthority", &F::readAuthority),
        col(L"updateAuthority", &F::updateAuthority),
    };
    return table;
}

BVSecurity::BVSecurity()
    : DIRRecord(kInfo), step_(*this, L"BV_TO_Security", 1, DIRObjectType::BusinessView, 1),
      group_(*this, L"SecGrp_TO_BVSecurity", 1, DIRObjectType::SecurityGroup, 1) {}

RelationCollection<BusinessView>* BVSecurity::getBusinessViewList(HQRC& rc) {
    return guardedList(*this, step_, L"getBusinessViewList", rc);
}

SecurityGroup* BVSecurity::getSecurityGroup(HQRC& rc) {
    return guardedFirst(*this, group_, L"getSecurityGroup", rc);
}
