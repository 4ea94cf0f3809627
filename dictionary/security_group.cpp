// Security groups: column table, list conditions and related objects.
#include "dictionary/security_group.h"

#include "dictionary/relation_getters.h"

namespace {
using F = SecurityGroupFields;
const ClassInfo kInfo{DIRObjectType::SecurityGroup, L".SecurityGroup", L"DDDPSECG", "SECGROUPLDesc",
                      L"Called from "};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{col(L"HQdefault", &F::HQdefault),
                                      col(L"contact", 65, &F::contact)};
    return table;
}

SecurityGroup::SecurityGroup()
    : DIRRecord(kInfo),
      sourceDatabases_(*this, L"IR_TO_SecGR_Rel", 1, DIRObjectType::InformationResource, 0),
      targetDatabases_(*this, L"IR_TO_SecGrTar_Rel", 1, DIRObjectType::InformationResource, 0),
      userFunctions_(*this, L"UserFun_TO_SecGr_Rel", 1, DIRObjectType::UserFunction, 0),
      users_(*this, L"User_TO_SecGr_Rel", 1, DIRObjectType::HQUser, 0),
      subjects_(*this, L"COLL_TO_SG", 1, DIRObjectType::Subject, 0),
      processes_(*this, L"Process_TO_SG", 1, DIRObjectType::Process, 0),
      notifyingSteps_(*this, L"BV_NOTIFY_GROUPS", 1, DIRObjectType::BusinessView, 0),
      updatableSteps_(*this, L"BV_TO_UpdateSG", 1, DIRObjectType::BusinessView, 0),
      stepAuthorities_(*this, L"SecGrp_TO_BVSecurity", 0, DIRObjectType::BVSecurity, 0) {}

HQRC SecurityGroup::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ?", {QueryParm::name(name)}, name);
}

HQRC SecurityGroup::retrieveDefault() {
    return retrieveWhere(L"retrieveDefault", L"WHERE   HQdefault = 1", {}, L"");
}

HQRC SecurityGroup::listFirst() {
    return listFirstWhere(L"listFirst", L" order by name ", {});
}

HQRC SecurityGroup::listFirstByRelation(const wchar_t* operation, const wchar_t* relation,
                                        const DIRId& id) {
    return listFirstWhere(operation,
                          L" where qrtid in (select target_qrtid from " +
                              controldb::schemaPrefix() + L".relationship where relation_name='" +
                              relation + L"' and source_qrtid=?) ORDER BY name",
                          {QueryParm::id(id)});
}

HQRC SecurityGroup::listFirstBySubject(const DIRId& subject) {
    return listFirstByRelation(L"listFirstBySubject", L"COLL_TO_SG", subject);
}

HQRC SecurityGroup::listFirstByNotificationBV(const DIRId& step) {
    return listFirstByRelation(L"listFirstByNotificationBV", L"BV_NOTIFY_GROUPS", step);
}

HQRC SecurityGroup::listFirstByProcess(const DIRId& process) {
    return listFirstByRelation(L"listFirstByProcess", L"Process_TO_SG", process);
}

HQRC SecurityGroup::listFirstTargetIRAlpha(const DIRId& database) {
    return listFirstWhere(L"listFirstTargetIRAlpha",
                          L" where qrtid in (select target_qrtid from " +
                              controldb::schemaPrefix() +
                              L".relationship where relation_name='IR_TO_SecGrTar_Rel' and "
                              L"source_qrtid=?) order by name ",
                          {QueryParm::id(database)});
}

HQRC SecurityGroup::setContact(const HQSTRING& text) {
    return setLimited(L"setContact", f_.contact, text, 64);
}

RelationCollection<UserFunction>* SecurityGroup::getUserFunctionList(HQRC& rc) {
    return guardedList(*this, userFunctions_, L"getUserFunctionList", rc);
}

RelationCollection<HQUser>* SecurityGroup::getUserList(HQRC& rc) {
    return guardedList(*this, users_, L"getUserList", rc);
}

RelationCollection<InformationResource>* SecurityGroup::getSourceIRList(HQRC& rc) {
    return guardedList(*this, sourceDatabases_, L"getSourceIRList", rc);
}

RelationCollection<InformationResource>* SecurityGroup::getTargetIRList(HQRC& rc) {
    return guardedList(*this, targetDatabases_, L"getTargetIRList", rc);
}

RelationCollection<BVSecurity>* SecurityGroup::getBVSecurityList(HQRC& rc) {
    return guardedList(*this, stepAuthorities_, L"getBVSecurityList", rc);
}
