// Step authorities of a security group.
#include "dictionary/bv_security.h"

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

BVSecurity::BVSecurity() : DIRRecord(kInfo) {}
