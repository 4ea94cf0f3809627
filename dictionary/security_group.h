// SecurityGroup: a group of users granted user functions, access to source
// and target databases, and authorities on steps.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class InformationResource;
class UserFunction;
class HQUser;
class Subject;
class Process;
class BusinessView;
class BVSecurity;

struct SecurityGroupFields {
    int16_t HQdefault = 0;
    HQSTRING contact;

    static const ColumnTable<SecurityGroupFields>& columns();
};

class SecurityGroup : public DIRRecord<SecurityGroupFields> {
public:
    SecurityGroup();

    HQRC retrieve(const HQSTRING& name);
    HQRC retrieveDefault();
    HQRC listFirst();
    HQRC listFirstBySubject(const DIRId& subject);
    HQRC listFirstByNotificationBV(const DIRId& step);
    HQRC listFirstByProcess(const DIRId& process);
    HQRC listFirstTargetIRAlpha(const DIRId& database);

    HQRC setContact(const HQSTRING& text);
    // The default group of the warehouse is always in use.
    bool isInUse(HQRC& rc) override;

    // Its user functions, users, the databases it may read from and write
    // to, its step authorities; null with 3104 when the object was never read.
    RelationList<UserFunction> getUserFunctionList{*this, rel::UserFun_TO_SecGr_Rel,
                                                   RelationSide::Target, L"getUserFunctionList"};
    RelationList<HQUser> getUserList{*this, rel::User_TO_SecGr_Rel, RelationSide::Target,
                                     L"getUserList"};
    RelationList<InformationResource> getSourceIRList{*this, rel::IR_TO_SecGR_Rel,
                                                      RelationSide::Target, L"getSourceIRList"};
    RelationList<InformationResource> getTargetIRList{*this, rel::IR_TO_SecGrTar_Rel,
                                                      RelationSide::Target, L"getTargetIRList"};
    RelationList<BVSecurity> getBVSecurityList{*this, rel::SecGrp_TO_BVSecurity,
                                               RelationSide::Source, L"getBVSecurityList"};

private:
    // The groups related to the object id (a subject, a step, a process) in
    // name order.
    HQRC listFirstRelatedByName(const wchar_t* operation, const Relation& relation,
                                const DIRId& id);

    RelationCollection<Subject> subjects_{*this, rel::COLL_TO_SG, RelationSide::Target};
    RelationCollection<Process> processes_{*this, rel::Process_TO_SG, RelationSide::Target};
    RelationCollection<BusinessView> notifyingSteps_{*this, rel::BV_NOTIFY_GROUPS,
                                                     RelationSide::Target};
    RelationCollection<BusinessView> updatableSteps_{*this, rel::BV_TO_UpdateSG,
                                                     RelationSide::Target};
};
