// Export of databases: the record of a "DATABASE" object, the walks over its
// agent sites, security groups and tables.
#include "export/database_export.h"

#include "dictionary/agent_site.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/security_group.h"
#include "export/agent_site_export.h"
#include "export/export_registry.h"
#include "export/list_walk.h"
#include "export/property_table.h"
#include "export/security_group_export.h"
#include "export/table_export.h"

namespace {

using IR = InformationResource;
using Row = PropertyRow<IR>;
using F = PropertyForm;
using Fields = IR::Fields;

// The password is never written.
const Row kDatabaseProperties[] = {
    Row::name(),
    Row::field(dbname_key, F::TextIfNonEmpty, &Fields::dbName),
    Row::shortDescription(),
    Row::longDescription(),
    Row::field(dbtype_key, F::Decimal, &Fields::dbType),
    Row::field(dbetype_key, F::Decimal, &Fields::subdbType),
    Row::field(iswh_key, F::YesIfNonZero, &Fields::isWarehouse),
    Row::field(userid_key, F::TextIfNonEmpty, &Fields::userId),
    Row::field(contact_key, F::WrappedIfNonEmpty, &Fields::contact),
    Row::field(useodbc_key, F::YesIfNonZero, &Fields::useODBCConnectStr),
    Row::computed(
        odbcstr_key, F::Wrapped,
        [](IR& o, HQRC&) -> PropertyValue { return o.getODBCConnectString(0); },
        [](IR& o) { return o.fields().useODBCConnectStr != 0; }),
    Row::field(codepage_key, F::Decimal, &Fields::codePage),
    Row::field(server_key, F::TextIfNonEmpty, &Fields::hostName),
    Row::field(preaccmd_key, F::WrappedIfNonEmpty, &Fields::preAccCmd),
    Row::field(postacmd_key, F::WrappedIfNonEmpty, &Fields::postAccCmd),
    Row::field(retrycnt_key, F::Decimal, &Fields::defaultRetryCount),
    Row::field(retryint_key, F::Decimal, &Fields::defaultRetryIntrv),
    Row::field(version_key, F::TextIfNonEmpty, &Fields::dbVersion),
    Row::field(dbmsserv_key, F::TextIfNonEmpty, &Fields::dbmsServerName),
    Row::computed(dfltdel_key, F::TextIfNonEmpty,
                  [](IR& o, HQRC&) -> PropertyValue { return o.getDefaultDelimiter(); }),
};

const ExportRecord<IR> kDatabaseRecord{DIRObjectType::InformationResource, kDatabaseProperties,
                                       FromOwner::None, true};

// The agent sites of the database: target sites of a warehouse, source sites
// of any other database.
void exportAgentSites(IR& ir, Euit_ParmList& databaseKeys) {
    AgentSite site;
    const HQRC first = ir.fields().isWarehouse != 0 ? site.listFirstByTar(ir.getId())
                                                    : site.listFirstBySrc(ir.getId());
    walkRows(site, first, WalkEnd::RaiseErrors,
             [&](AgentSite& each) { export_AgentSite_forIR(&each, databaseKeys); });
}

// The security groups of the database, each with a LINK from the database.
void exportSecurityGroups(IR& ir, const Euit_ParmList& databaseKeys) {
    auto& groups = ir.fields().isWarehouse != 0 ? ir.getSecurityGroupTargetList
                                                : ir.getSecurityGroupSourceList;
    walkRelated(groups, WalkEnd::RaiseErrors, [&](SecurityGroup& group) {
        export_SCG_root(&group);
        Euit_ParmList groupKeys;
        Tag_ExpList::getInstance().getKeys(&group, groupKeys);
        writeLink(DIRObjectType::InformationResource, databaseKeys, DIRObjectType::SecurityGroup,
                  groupKeys);
        Tag_File::write_chkpid();
    });
}

} // namespace

void export_InfoRes(InformationResource* ir) {
    Euit_ParmList databaseKeys;
    if (!writeNewRecord(kDatabaseRecord, *ir, databaseKeys))
        return;
    exportAgentSites(*ir, databaseKeys);
    exportSecurityGroups(*ir, databaseKeys);
}

void export_InfoRes_forUDP(InformationResource* ir, Euit_ParmList& programKeys) {
    export_InfoRes(ir);
    Euit_ParmList databaseKeys;
    Tag_ExpList::getInstance().getKeys(ir, databaseKeys);
    writeContain(DIRObjectType::ProgFunc, programKeys, DIRObjectType::InformationResource,
                 databaseKeys);
    Tag_File::write_chkpid();
}

void export_IR_root(InformationResource* ir) {
    export_InfoRes(ir);
    walkRelated(
        ir->getDataResourceList, WalkEnd::RaiseErrors,
        [](DataResource& table) { return export_DataRes(&table); }, WalkKeep::Nothing);
}
