// Agent sites: column table, the list conditions and the length-checked setters.
#include "dictionary/agent_site.h"

#include "dictionary/relation_getters.h"

namespace {
using F = AgentSiteFields;
const ClassInfo kInfo{DIRObjectType::AgentSite, L".AgentSite", L"DDDPAGST", "AgentSite",
                      L"Called from "};

// "(select <pick>_qrtid from <schema>.relationship where relation_name='<relation>' and
//  <match>_qrtid<op>?)"
HQSTRING relationSubquery(const wchar_t* pick, const wchar_t* relation, const wchar_t* match) {
    return HQSTRING(L"(select ") + pick + L"_qrtid from " + controldb::schemaPrefix() +
           L".relationship where relation_name='" + relation + L"' and " + match + L"?)";
}
HQSTRING sitesOfDatabase() {
    return relationSubquery(L"source", L"IR_TO_AgentSite", L"target_qrtid = ");
}
HQSTRING sitesOfProgram() {
    return relationSubquery(L"target", L"UDP_TO_AgentSite", L"source_qrtid =");
}
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"siteOS", &F::siteOS),
        col(L"siteHostName", 201, &F::siteHostName),
        col(L"siteUserId", 129, &F::siteUserId),
        secret(L"sitePassword", 15, &F::sitePassword),
        col(L"HQdefault", &F::HQdefault),
        secretBinary(L"BinarySitePassword", 513, &F::sitePassword),
        col(L"encrypted", &F::encrypted),
        col(L"contact", 65, &F::contact),
        col(L"moduleName", 255, &F::moduleName),
    };
    return table;
}

AgentSite::AgentSite()
    : DIRRecord(kInfo), steps_(*this, L"BV_TO_AgentSite", 0, DIRObjectType::BusinessView, 0),
      databases_(*this, L"IR_TO_AgentSite", 0, DIRObjectType::InformationResource, 0),
      programs_(*this, L"UDP_TO_AgentSite", 1, DIRObjectType::ProgFunc, 0) {}

HQRC AgentSite::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ?", {QueryParm::name(name)}, name);
}

HQRC AgentSite::retrieveDefault() {
    return retrieveWhere(L"retrieveDefault", L"WHERE   HQdefault = 1", {}, L"");
}

HQRC AgentSite::listFirst() {
    return listFirstWhere(L"listFirst", L"", {});
}

HQRC AgentSite::listFirstBySrc(const DIRId& database) {
    return listFirstWhere(L"listFirstBySrc", L" where qrtid in " + sitesOfDatabase(),
                          {QueryParm::id(database)});
}

HQRC AgentSite::listFirstByTar(const DIRId& database) {
    return listFirstWhere(L"listFirstByTar", L" where qrtid in " + sitesOfDatabase(),
                          {QueryParm::id(database)});
}

HQRC AgentSite::listFirstByUDP(const DIRId& program) {
    return listFirstWhere(L"listFirstByUDP",
                          L" where qrtid in " +
                              relationSubquery(L"target", L"UDP_TO_AgentSite", L"source_qrtid=") +
                              L" ",
                          {QueryParm::id(program)});
}

HQRC AgentSite::listFirstBySrcTar(const DIRId& source, const DIRId& target) {
    return listFirstWhere(L"listFirstBySrcTar",
                          L" where qrtid in (" + sitesOfDatabase() + L"INTERSECT " +
                              sitesOfDatabase() + L")",
                          {QueryParm::id(source), QueryParm::id(target)});
}

HQRC AgentSite::listFirstBySrcUDP(const DIRId& database, const DIRId& program) {
    return listFirstWhere(L"listFirstBySrcUDP",
                          L" where qrtid in (" + sitesOfDatabase() + L" INTERSECT " +
                              sitesOfProgram() + L")",
                          {QueryParm::id(database), QueryParm::id(program)});
}

HQRC AgentSite::listFirstByTarUDP(const DIRId& database, const DIRId& program) {
    return listFirstWhere(L"listFirstByTarUDP",
                          L" where qrtid in (" + sitesOfDatabase() + L" INTERSECT " +
                              sitesOfProgram() + L")",
                          {QueryParm::id(database), QueryParm::id(program)});
}

HQRC AgentSite::listFirstBySrcTarUDP(const DIRId& source, const DIRId& target,
                                     const DIRId& program) {
    return listFirstWhere(L"listFirstBySrcTarUDP",
                          L" where qrtid in ((" + sitesOfDatabase() + L"INTERSECT " +
                              sitesOfDatabase() + L") INTERSECT " + sitesOfProgram() + L")",
                          {QueryParm::id(source), QueryParm::id(target), QueryParm::id(program)});
}

HQRC AgentSite::listFirstAvailableAgent(const DIRId& step) {
    const HQSTRING rel = controldb::schemaPrefix() + L".relationship ";
    const HQSTRING condition =
        L" where qrtid in (select T1.source_qrtid from " + rel + L"T1, " + rel + L"T2, " + rel +
        L"T3 " + L" where T1.relation_name='IR_TO_AgentSite' and " +
        L"\t T1.target_qrtid = T2.source_qrtid and " + L"\t T2.relation_name='IR_TO_DR_Rel' and " +
        L"\t T2.target_qrtid = T3.target_qrtid  and\t" +
        L"\t T3.relation_name='BV_TO_Input_DR' and " + L"\t T3.source_qrtid=? )" +
        L"and qrtid in (select T4.source_qrtid from " + rel + L"T4, " + rel + L"T5, " + rel +
        L"T6 " + L"where T4.relation_name='IR_TO_AgentSite' and" +
        L"\t T4.target_qrtid = T5.source_qrtid and " + L"\t T5.relation_name='IR_TO_DR_Rel' and " +
        L"\t T5.target_qrtid = T6.target_qrtid and " +
        L"\t T6.relation_name='BV_TO_Output_DR' and " + L"\t T6.source_qrtid=?)";
    return listFirstWhere(L"listFirstAvailableAgent", condition,
                          {QueryParm::id(step), QueryParm::id(step)});
}

HQRC AgentSite::listFirstUnEncrypted() {
    return listFirstWhere(L"listFirstUnEncrypted", L" where encrypted = 0", {});
}

HQRC AgentSite::listFirstEncryptedNonBinary() {
    return listFirstWhere(L"listFirstEncryptedNonBinary", L" where encrypted = 1", {});
}

bool AgentSite::isInUse(HQRC& rc) {
    return steps_.entries(rc) > 0;
}

HQRC AgentSite::setSiteHostName(const HQSTRING& text) {
    return setLimited(L"setSiteHostName", f_.siteHostName, text, 200);
}

HQRC AgentSite::setSiteUserId(const HQSTRING& text) {
    return setLimited(L"setSiteUserId", f_.siteUserId, text, 128);
}

HQRC AgentSite::setSitePassword(const HQSTRING& text) {
    if (text.size() > 14) // the text itself is never put into a return code
        return makeError(kDirTooLong, L"setSitePassword", L"", L"14");
    f_.sitePassword.assign(text);
    return HQRC();
}

HQRC AgentSite::setContact(const HQSTRING& text) {
    return setLimited(L"setContact", f_.contact, text, 64);
}

HQRC AgentSite::setModuleName(const HQSTRING& text) {
    return setLimited(L"setModuleName", f_.moduleName, text, 254);
}

RelationCollection<BusinessView>* AgentSite::getBusinessViewList(HQRC& rc) {
    return guardedList(*this, steps_, L"getBusinessViewList", rc);
}

RelationCollection<InformationResource>* AgentSite::getInformationResourceList(HQRC& rc) {
    return guardedList(*this, databases_, L"getInformationResourceList", rc);
}

RelationCollection<ProgFunc>* AgentSite::getProgramList(HQRC& rc) {
    return guardedList(*this, programs_, L"getProgramList", rc);
}
