// Warehouse users: column table, retrievals and list conditions.
#include "dictionary/hq_user.h"

#include "runtime/configuration.h"

namespace {
using F = HQUserFields;
// The user id of the logged-on user, empty while none is set.
HQSTRING& loggedOnUser() {
    static HQSTRING userid;
    return userid;
}
const ClassInfo kInfo{DIRObjectType::HQUser, L".HQUser", L"DDDPUSER", "USERLDesc", L"Called from "};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"userid", 129, &F::userid),
        secret(L"password", 21, &F::password),
        col(L"lockOutInd", &F::lockOutInd),
        col(L"HQdefault", &F::HQdefault),
        col(L"encrypted", &F::encrypted),
        secretBinary(L"BinaryPassword", 513, &F::password),
        col(L"EmailAddress", 513, &F::EmailAddress),
        col(L"MailServer", 256, &F::MailServer),
        col(L"contact", 65, &F::contact),
    };
    return table;
}

HQUser::HQUser() : DIRRecord(kInfo) {}

HQRC HQUser::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ?", {QueryParm::name(name)}, name);
}

HQRC HQUser::retrieveByUserID(const HQSTRING& userId) {
    return retrieveWhere(L"retrieveByUserID", L"WHERE   userid = ?", {QueryParm::text(userId, 129)},
                         userId);
}

HQRC HQUser::retrieveDefault() {
    return retrieveWhere(L"retrieveDefault", L"WHERE   HQdefault = 1", {}, L"");
}

HQRC HQUser::listFirst() {
    return listFirstWhere(L"listFirst", L"", {});
}

HQRC HQUser::listFirstBySecurityGroup(const DIRId& group) {
    return listFirstRelated(L"listFirstBySecurityGroup", rel::User_TO_SecGr_Rel,
                            RelationSide::Target, group);
}

HQRC HQUser::listFirstByNotificationBV(const DIRId& step) {
    return listFirstRelated(L"listFirstByNotificationBV", rel::BV_NOTIFY_USERS,
                            RelationSide::Source, step);
}

HQRC HQUser::listFirstUnEncrypted() {
    return listFirstWhere(L"listFirstUnEncrypted", L" where encrypted = 0", {});
}

HQRC HQUser::listFirstEncryptedNonBinary() {
    return listFirstWhere(L"listFirstEncryptedNonBinary", L" where encrypted = 1", {});
}

void HQUser::setLoggedOnUser(const HQUser& user) {
    loggedOnUser() = user.fields().userid;
}

bool HQUser::isLoggedOnUser() const {
    return !loggedOnUser().empty() && loggedOnUser() == f_.userid;
}

HQSTRING HQUser::loggedOnUserId() {
    if (!loggedOnUser().empty())
        return loggedOnUser();
    HQRC rc;
    return HQConfiguration::getValueString(ComponentEnum::DDD, L"userid", rc);
}
