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

    RelationCollection<UserFunction>* getUserFunctionList(HQRC& rc);
    RelationCollection<HQUser>* getUserList(HQRC& rc);
    RelationCollection<InformationResource>* getSourceIRList(HQRC& rc);
    RelationCollection<InformationResource>* getTargetIRList(HQRC& rc);
    RelationCollection<BVSecurity>* getBVSecurityList(HQRC& rc);

private:
    HQRC listFirstByRelation(const wchar_t* operation, const wchar_t* relation, const DIRId& id);

    RelationCollection<InformationResource> sourceDatabases_;
    RelationCollection<InformationResource> targetDatabases_;
    RelationCollection<UserFunction> userFunctions_;
    RelationCollection<HQUser> users_;
    RelationCollection<Subject> subjects_;
    RelationCollection<Process> processes_;
    RelationCollection<BusinessView> notifyingSteps_;
    RelationCollection<BusinessView> updatableSteps_;
    RelationCollection<BVSecurity> stepAuthorities_;
};
