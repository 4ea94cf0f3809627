// Agent sites: column table, the list conditions and the length-checked setters.
#include "dictionary/agent_site.h"

namespace {
using F = AgentSiteFields;
// A site on which steps run is in use.
constexpr RelationEnd kInUseBy[] = {{&rel::BV_TO_AgentSite, RelationSide::Source}};
const ClassInfo kInfo{DIRObjectType::AgentSite, L".AgentSite", L"DDDPAGST", "AgentSite",
                      L"Called from ",          kInUseBy};

// The sites of a database, the sites of a program.
HQSTRING sitesOfDatabase() {
    return relatedIdsQuery(rel::IR_TO_AgentSite, RelationSide::Target);
}
HQSTRING sitesOfProgram() {
    return relatedIdsQuery(rel::UDP_TO_AgentSite, RelationSide::Source);
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

AgentSite::AgentSite() : DIRRecord(kInfo) {}

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
    return listFirstRelated(L"listFirstBySrc", rel::IR_TO_AgentSite, RelationSide::Target,
                            database);
}

HQRC AgentSite::listFirstByTar(const DIRId& database) {
    return listFirstRelated(L"listFirstByTar", rel::IR_TO_AgentSite, RelationSide::Target,
                            database);
}

HQRC AgentSite::listFirstByUDP(const DIRId& program) {
    return listFirstRelated(L"listFirstByUDP", rel::UDP_TO_AgentSite, RelationSide::Source,
                            program);
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
    // The sites of the databases that hold an input table of the step, and
    // of those that hold an output table of it.
    const auto sitesOfDatabasesHolding = [](const Relation& stepTables) {
        return relatedIdsQuery(rel::IR_TO_AgentSite, RelationSide::Target,
                               relatedIdsQuery(rel::IR_TO_DR_Rel, RelationSide::Target,
                                               relatedIdsQuery(stepTables, RelationSide::Source)));
    };
    return listFirstWhere(L"listFirstAvailableAgent",
                          L" where qrtid in " + sitesOfDatabasesHolding(rel::BV_TO_Input_DR) +
                              L" and qrtid in " + sitesOfDatabasesHolding(rel::BV_TO_Output_DR),
                          {QueryParm::id(step), QueryParm::id(step)});
}

HQRC AgentSite::listFirstUnEncrypted() {
    return listFirstWhere(L"listFirstUnEncrypted", L" where encrypted = 0", {});
}

HQRC AgentSite::listFirstEncryptedNonBinary() {
    return listFirstWhere(L"listFirstEncryptedNonBinary", L" where encrypted = 1", {});
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
