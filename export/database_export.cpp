// Export of databases: the property table of a "DATABASE" record, the walks
// over its agent sites, security groups and tables.
#include "export/database_export.h"

#include <array>

#include "dictionary/agent_site.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/security_group.h"
#include "export/agent_site_export.h"
#include "export/export_registry.h"
#include "export/property_table.h"
#include "export/security_group_export.h"
#include "export/table_export.h"
#include "export/tag_vocabulary.h"

namespace {

using Row = PropertyRow<InformationResource>;
using IR = InformationResource;
using F = PropertyForm;

constexpr int databaseType = 4;
constexpr int securityGroupType = 7;
constexpr int programType = 17;

// The password is never written.
const std::array<Row, 20> databaseProperties = {{
    {DIRBname_key, F::Wrapped, [](IR& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {dbname_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.fields().dbName; }},
    {shrtdesc_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {longdesc_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC& rc) -> PropertyValue { return o.getLongDescription(rc); }},
    {dbtype_key, F::Decimal, [](IR& o, HQRC&) -> PropertyValue { return long{o.fields().dbType}; }},
    {dbetype_key, F::Decimal,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.fields().subdbType}; }},
    {iswh_key, F::YesIfNonZero,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.fields().isWarehouse}; }},
    {userid_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.fields().userId; }},
    {contact_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.fields().contact; }},
    {useodbc_key, F::YesIfNonZero,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.fields().useODBCConnectStr}; }},
    {odbcstr_key, F::Wrapped,
     [](IR& o, HQRC&) -> PropertyValue { return o.getODBCConnectString(0); },
     [](IR& o) { return o.fields().useODBCConnectStr != 0; }},
    {codepage_key, F::Decimal,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.fields().codePage}; }},
    {server_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.fields().hostName; }},
    {preaccmd_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.fields().preAccCmd; }},
    {postacmd_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.fields().postAccCmd; }},
    {retrycnt_key, F::Decimal,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.fields().defaultRetryCount}; }},
    {retryint_key, F::Decimal,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.fields().defaultRetryIntrv}; }},
    {version_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.fields().dbVersion; }},
    {dbmsserv_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.fields().dbmsServerName; }},
    {dfltdel_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getDefaultDelimiter(); }},
}};

// The agent sites of the database: target sites of a warehouse, source sites
// of any other database.
void exportAgentSites(InformationResource* ir, Euit_ParmList& databaseKeys) {
    AgentSite site;
    HQRC rc = ir->fields().isWarehouse != 0 ? site.listFirstByTar(ir->getId())
                                            : site.listFirstBySrc(ir->getId());
    while (rc.code == 0) {
        raiseIfFailed(export_AgentSite_forIR(&site, databaseKeys));
        rc = site.listNext();
    }
    endOfWalk(rc);
}

// The security groups of the database, each with a LINK from the database.
void exportSecurityGroups(InformationResource* ir, Euit_ParmList& databaseKeys) {
    HQRC rc;
    RelationCollection<SecurityGroup>* groups = ir->fields().isWarehouse != 0
                                                    ? ir->getSecurityGroupTargetList(rc)
                                                    : ir->getSecurityGroupSourceList(rc);
    raiseIfFailed(rc);
    for (SecurityGroup* group = groups->getFirst(rc); group && rc.code == 0;
         group = groups->getNext(rc)) {
        raiseIfFailed(export_SCG_root(group));
        Euit_ParmList groupKeys;
        Tag_ExpList::getInstance().getKeys(group, groupKeys);
        writeLink(databaseType, databaseKeys, securityGroupType, groupKeys);
        Tag_File::write_chkpid();
    }
    endOfWalk(rc);
}

} // namespace

HQRC export_InfoRes(InformationResource* ir) {
    Euit_ParmList databaseKeys;
    if (Tag_ExpList::getInstance().addElem(ir, databaseKeys) != 0) {
        return exportOk();
    }
    writeObjectRecord<InformationResource>(databaseType, databaseProperties, *ir, databaseKeys);
    Tag_File::write_chkpid();
    exportAgentSites(ir, databaseKeys);
    exportSecurityGroups(ir, databaseKeys);
    return exportOk();
}

HQRC export_InfoRes_forUDP(InformationResource* ir, Euit_ParmList& programKeys) {
    raiseIfFailed(export_InfoRes(ir));
    Euit_ParmList databaseKeys;
    Tag_ExpList::getInstance().getKeys(ir, databaseKeys);
    writeContain(programType, programKeys, databaseType, databaseKeys);
    Tag_File::write_chkpid();
    return exportOk();
}

HQRC export_IR_root(InformationResource* ir) {
    HQRC rc = export_InfoRes(ir);
    if (rc.code != 0) {
        return rc;
    }
    RelationCollection<DataResource>* tables = ir->getDataResourceList(rc);
    raiseIfFailed(rc);
    for (DataResource* table = tables->getFirst(rc); table && rc.code == 0;
         table = tables->getNext(rc)) {
        rc = export_DataRes(table);
        if (rc.code != 0) {
            break;
        }
    }
    endOfWalk(rc);
    return exportOk();
}
