// Export of agent sites: the property table of a "QRTAGENT" record and the
// link wrappers, one data row per owner kind.
#include "export/agent_site_export.h"

#include <array>

#include "dictionary/agent_site.h"
#include "export/export_registry.h"
#include "export/property_table.h"
#include "export/tag_vocabulary.h"

namespace {

using Row = PropertyRow<AgentSite>;
using F = PropertyForm;

constexpr int agentSiteType = 12;

// The site's password is never written.
const std::array<Row, 8> agentSiteProperties = {{
    {DIRBname_key, F::Wrapped, [](AgentSite& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {shrtdesc_key, F::WrappedIfNonEmpty,
     [](AgentSite& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {longdesc_key, F::WrappedIfNonEmpty,
     [](AgentSite& o, HQRC& rc) -> PropertyValue { return o.getLongDescription(rc); }},
    {contact_key, F::WrappedIfNonEmpty,
     [](AgentSite& o, HQRC&) -> PropertyValue { return o.fields().contact; }},
    {agtostyp_key, F::Decimal,
     [](AgentSite& o, HQRC&) -> PropertyValue { return long{o.fields().siteOS}; }},
    {agthost_key, F::TextIfNonEmpty,
     [](AgentSite& o, HQRC&) -> PropertyValue { return o.fields().siteHostName; }},
    {agtusrid_key, F::TextIfNonEmpty,
     [](AgentSite& o, HQRC&) -> PropertyValue { return o.fields().siteUserId; }},
    {agtmodnm_key, F::TextIfNonEmpty,
     [](AgentSite& o, HQRC&) -> PropertyValue { return o.fields().moduleName; }},
}};

// One link wrapper: the owner's type, and whether a failing site export is
// raised.
struct SiteLink {
    int ownerType;
    bool raiseSiteFailure;
};

constexpr SiteLink fromDatabase{4, false};
constexpr SiteLink fromStep{1, false};
constexpr SiteLink fromProgram{17, true};

HQRC exportSiteWithLink(const SiteLink& link, AgentSite* site, Euit_ParmList& ownerKeys) {
    HQRC rc = export_AgentSite(site);
    if (link.raiseSiteFailure) {
        raiseIfFailed(rc);
    }
    Euit_ParmList siteKeys;
    Tag_ExpList::getInstance().getKeys(site, siteKeys);
    writeLink(link.ownerType, ownerKeys, agentSiteType, siteKeys);
    Tag_File::write_chkpid();
    return exportOk();
}

} // namespace

HQRC export_AgentSite(AgentSite* site) {
    Euit_ParmList siteKeys;
    if (Tag_ExpList::getInstance().addElem(site, siteKeys) != 0) {
        return exportOk();
    }
    writeObjectRecord<AgentSite>(agentSiteType, agentSiteProperties, *site, siteKeys);
    return exportOk();
}

HQRC export_AgentSite_forIR(AgentSite* site, Euit_ParmList& databaseKeys) {
    return exportSiteWithLink(fromDatabase, site, databaseKeys);
}

HQRC export_AgentSite_forBV(AgentSite* site, Euit_ParmList& stepKeys) {
    return exportSiteWithLink(fromStep, site, stepKeys);
}

HQRC export_AgentSite_forUDP(AgentSite* site, Euit_ParmList& programKeys) {
    return exportSiteWithLink(fromProgram, site, programKeys);
}
