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
    {&DIRBname_key, F::Wrapped, [](IR& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {&dbname_key, F::TextIfNonEmpty, [](IR& o, HQRC&) -> PropertyValue { return o.getDbName(); }},
    {&shrtdesc_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {&longdesc_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC& rc) -> PropertyValue { return o.getLongDescription(rc); }},
    {&dbtype_key, F::Decimal, [](IR& o, HQRC&) -> PropertyValue { return long{o.getDbType()}; }},
    {&dbetype_key, F::Decimal,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.getSubdbType()}; }},
    {&iswh_key, F::YesIfNonZero,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.getIsWarehouse()}; }},
    {&userid_key, F::TextIfNonEmpty, [](IR& o, HQRC&) -> PropertyValue { return o.getUserId(); }},
    {&contact_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getContact(); }},
    {&useodbc_key, F::YesIfNonZero,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.getUseODBCConnectStr()}; }},
    {&odbcstr_key, F::Wrapped,
     [](IR& o, HQRC&) -> PropertyValue { return o.getODBCConnectString(0); },
     [](IR& o) { return o.getUseODBCConnectStr() != 0; }},
    {&codepage_key, F::Decimal,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.getCodePage()}; }},
    {&server_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getHostName(); }},
    {&preaccmd_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getPreAccCmd(); }},
    {&postacmd_key, F::WrappedIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getPostAccCmd(); }},
    {&retrycnt_key, F::Decimal,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.getDefaultRetryCount()}; }},
    {&retryint_key, F::Decimal,
     [](IR& o, HQRC&) -> PropertyValue { return long{o.getDefaultRetryIntrv()}; }},
    {&version_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getDbVersion(); }},
    {&dbmsserv_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getDbmsServerName(); }},
    {&dfltdel_key, F::TextIfNonEmpty,
     [](IR& o, HQRC&) -> PropertyValue { return o.getDefaultDelimiter(); }},
}};

// The agent sites of the database: target sites of a warehouse, source sites
// of any other database.
void exportAgentSites(InformationResource* ir, Euit_ParmList& databaseKeys) {
    AgentSite site;
    HQRC rc = ir->getIsWarehouse() != 0 ? site.listFirstByTar(ir->getId())
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
    auto& groups = ir->getIsWarehouse() != 0 ? ir->getSecurityGroupTargetList(rc)
                                             : ir->getSecurityGroupSourceList(rc);
    raiseIfFailed(rc);
    for (DIRBase* member = groups.getFirstBase(rc); member && rc.code == 0;
         member = groups.getNextBase(rc)) {
        auto* group = static_cast<SecurityGroup*>(member);
        raiseIfFailed(export_SCG_root(group));
        Euit_ParmList groupKeys;
        Tag_ExpList::getInstance().getKeys(group, groupKeys);
        writeLink(databaseType, databaseKeys, securityGroupType, groupKeys);
        writeCheckpoint();
    }
    endOfWalk(rc);
}

} // namespace

HQRC export_InfoRes(InformationResource* ir) {
    Euit_ParmList databaseKeys;
    if (Tag_ExpList::getInstance().addElem(ir, databaseKeys) != 0) {
        return HQRC(0, 0, DomainWhsSrv);
    }
    writeObjectRecord<InformationResource>(databaseType, databaseProperties, *ir, databaseKeys);
    writeCheckpoint();
    exportAgentSites(ir, databaseKeys);
    exportSecurityGroups(ir, databaseKeys);
    return HQRC(0, 0, DomainWhsSrv);
}

HQRC export_InfoRes_forUDP(InformationResource* ir, Euit_ParmList& programKeys) {
    raiseIfFailed(export_InfoRes(ir));
    Euit_ParmList databaseKeys;
    Tag_ExpList::getInstance().getKeys(ir, databaseKeys);
    writeContain(programType, programKeys, databaseType, databaseKeys);
    writeCheckpoint();
    return HQRC(0, 0, DomainWhsSrv);
}

HQRC export_IR_root(InformationResource* ir) {
    HQRC rc = export_InfoRes(ir);
    if (rc.code != 0) {
        return rc;
    }
    auto& tables = ir->getDataResourceList(rc);
    raiseIfFailed(rc);
    for (DIRBase* member = tables.getFirstBase(rc); member && rc.code == 0;
         member = tables.getNextBase(rc)) {
        rc = export_DataRes(static_cast<DataResource*>(member));
        if (rc.code != 0) {
            break;
        }
    }
    endOfWalk(rc);
    return HQRC(0, 0, DomainWhsSrv);
}
