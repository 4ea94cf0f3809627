// Warehouse users: column table, retrievals and list conditions.
#include "dictionary/hq_user.h"

#include "dictionary/relation_getters.h"

namespace {
using F = HQUserFields;
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

HQUser::HQUser()
    : DIRRecord(kInfo), groups_(*this, L"User_TO_SecGr_Rel", 0, DIRObjectType::SecurityGroup, 0),
      notifyingSteps_(*this, L"BV_NOTIFY_USERS", 1, DIRObjectType::BusinessView, 0) {}

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
    return listFirstWhere(L"listFirstBySecurityGroup",
                          L" where qrtid in (select source_qrtid from " +
                              controldb::schemaPrefix() +
                              L".relationship where relation_name = 'User_TO_SecGr_Rel' and "
                              L"target_qrtid = ?)",
                          {QueryParm::id(group)});
}

HQRC HQUser::listFirstByNotificationBV(const DIRId& step) {
    return listFirstWhere(L"listFirstByNotificationBV",
                          L" where qrtid in (select target_qrtid from " +
                              controldb::schemaPrefix() +
                              L".relationship where relation_name = 'BV_NOTIFY_USERS' and "
                              L"source_qrtid = ?)",
                          {QueryParm::id(step)});
}

HQRC HQUser::listFirstUnEncrypted() {
    return listFirstWhere(L"listFirstUnEncrypted", L" where encrypted = 0", {});
}

HQRC HQUser::listFirstEncryptedNonBinary() {
    return listFirstWhere(L"listFirstEncryptedNonBinary", L" where encrypted = 1", {});
}

RelationCollection<SecurityGroup>* HQUser::getSecurityGroupList(HQRC& rc) {
    return guardedList(*this, groups_, L"getSecurityGroupList", rc);
}
