// AgentSite: a machine on which the warehouse runs its agents, with the
// databases, steps and programs that use it.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class BusinessView;
class InformationResource;
class ProgFunc;

struct AgentSiteFields {
    int32_t siteOS = 0;
    HQSTRING siteHostName;
    HQSTRING siteUserId;
    SecretText sitePassword;
    int16_t HQdefault = 0;
    int32_t encrypted = 0;
    HQSTRING contact;
    HQSTRING moduleName = L"QRT2AGNT";

    static const ColumnTable<AgentSiteFields>& columns();
};

class AgentSite : public DIRRecord<AgentSiteFields> {
public:
    AgentSite();

    HQRC retrieve(const HQSTRING& name);
    HQRC retrieveDefault();
    HQRC listFirst();
    // Sites related to a database through "IR_TO_AgentSite".
    HQRC listFirstBySrc(const DIRId& database);
    HQRC listFirstByTar(const DIRId& database);
    HQRC listFirstByUDP(const DIRId& program);
    HQRC listFirstBySrcTar(const DIRId& source, const DIRId& target);
    HQRC listFirstBySrcUDP(const DIRId& database, const DIRId& program);
    HQRC listFirstByTarUDP(const DIRId& database, const DIRId& program);
    HQRC listFirstBySrcTarUDP(const DIRId& source, const DIRId& target, const DIRId& program);
    // Sites serving a database of an input table and one of an output table of a step.
    HQRC listFirstAvailableAgent(const DIRId& step);
    HQRC listFirstUnEncrypted();
    HQRC listFirstEncryptedNonBinary();
    HQRC listNextUnEncrypted() { return listNext(); }

    const HQSTRING& getPassword() const { return f_.sitePassword.plainText(); }

    // 3110 when the text has more characters than its column holds.
    HQRC setSiteHostName(const HQSTRING& text);
    HQRC setSiteUserId(const HQSTRING& text);
    HQRC setSitePassword(const HQSTRING& text);
    HQRC setContact(const HQSTRING& text);
    HQRC setModuleName(const HQSTRING& text);
    void setSiteOS(int32_t os) { f_.siteOS = os; }
    void setHQdefault(int16_t flag) { f_.HQdefault = flag; }

    // The steps, databases and programs that use the site; null with 3104
    // when the object was never read.
    RelationList<BusinessView> getBusinessViewList{*this, rel::BV_TO_AgentSite,
                                                   RelationSide::Source, L"getBusinessViewList"};
    RelationList<InformationResource> getInformationResourceList{
        *this, rel::IR_TO_AgentSite, RelationSide::Source, L"getInformationResourceList"};
    RelationList<ProgFunc> getProgramList{*this, rel::UDP_TO_AgentSite, RelationSide::Target,
                                          L"getProgramList"};
};
