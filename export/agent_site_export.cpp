// Export of agent sites: the record of a "QRTAGENT" object and the link
// wrappers, one per owner kind.
#include "export/agent_site_export.h"

#include "dictionary/agent_site.h"
#include "export/export_registry.h"
#include "export/property_table.h"

namespace {

using Row = PropertyRow<AgentSite>;
using F = PropertyForm;
using Fields = AgentSite::Fields;

// The site's password is never written.
const Row kAgentSiteProperties[] = {
    Row::name(),
    Row::shortDescription(),
    Row::longDescription(),
    Row::field(contact_key, F::WrappedIfNonEmpty, &Fields::contact),
    Row::field(agtostyp_key, F::Decimal, &Fields::siteOS),
    Row::field(agthost_key, F::TextIfNonEmpty, &Fields::siteHostName),
    Row::field(agtusrid_key, F::TextIfNonEmpty, &Fields::siteUserId),
    Row::field(agtmodnm_key, F::TextIfNonEmpty, &Fields::moduleName),
};

const ExportRecord<AgentSite> kAgentSiteRecord{DIRObjectType::AgentSite, kAgentSiteProperties};

// The site (once per run) and a LINK from its owner to it.
void exportSiteWithLink(DIRObjectType ownerType, AgentSite* site, const Euit_ParmList& ownerKeys) {
    export_AgentSite(site);
    Euit_ParmList siteKeys;
    Tag_ExpList::getInstance().getKeys(site, siteKeys);
    writeLink(ownerType, ownerKeys, DIRObjectType::AgentSite, siteKeys);
    Tag_File::write_chkpid();
}

} // namespace

void export_AgentSite(AgentSite* site) {
    Euit_ParmList siteKeys;
    writeNewRecord(kAgentSiteRecord, *site, siteKeys);
}

void export_AgentSite_forIR(AgentSite* site, Euit_ParmList& databaseKeys) {
    exportSiteWithLink(DIRObjectType::InformationResource, site, databaseKeys);
}

void export_AgentSite_forBV(AgentSite* site, Euit_ParmList& stepKeys) {
    exportSiteWithLink(DIRObjectType::BusinessView, site, stepKeys);
}

void export_AgentSite_forUDP(AgentSite* site, Euit_ParmList& programKeys) {
    exportSiteWithLink(DIRObjectType::ProgFunc, site, programKeys);
}
