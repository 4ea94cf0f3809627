// Databases: columns, conditions, connect string, delimiter and the stored
// vocabularies of database types and sub-types.
#include "dictionary/information_resource.h"

#include <algorithm>

#include "dictionary/agent_site.h"
#include "dictionary/data_resource.h"
#include "dictionary/relation_getters.h"
#include "dictionary/security_group.h"

namespace {
using F = InformationResourceFields;
const ClassInfo kInfo{DIRObjectType::InformationResource, L".inforesource", L"DDDPIR", "IRLDesc",
                      L""};

// The stored vocabularies (docs/stored_vocabularies.md): class 1 database
// types, class 0 sub-types. The first entry of a value gives its text; later
// entries are older texts that map to the same value.
struct EnumEntry {
    int enumClass;
    int32_t value;
    const wchar_t* text;
};
constexpr EnumEntry kEnumTable[] = {
    {1, 1, L"Nordbase Family"},
    {1, 20, L"Oracle"},
    {1, 30, L"Sybase"},
    {1, 40, L"Microsoft SQLServer"},
    {1, 50, L"Informix"},
    {1, 60, L"Generic ODBC"},
    {1, 70, L"Flat File LAN"},
    {1, 80, L"QSAF"},
    {1, 90, L"HDX"},
    {0, 18, L"Nordbase Family"},
    {0, 20, L"Oracle"},
    {0, 30, L"Sybase"},
    {0, 40, L"Microsoft SQL Server"},
    {0, 50, L"Informix"},
    {0, 60, L"User Defined ODBC"},
    {0, 70, L"Flat File LAN Local Command"},
    {0, 71, L"Flat File LAN FTP Copy"},
    {0, 80, L"QSAF"},
    {0, 90, L"HDX"},
    {0, 1, L"Nordbase/NT"},
    {0, 2, L"Nordbase/6000"},
    {0, 3, L"Nordbase/MVS"},
    {0, 4, L"Nordbase/VM"},
    {0, 5, L"Nordbase/400"},
    {0, 6, L"Nordbase/HPUX"},
    {0, 7, L"Nordbase/SUN"},
    {0, 8, L"Nordbase/SNI"},
    {0, 9, L"Nordbase/SCO"},
    {0, 11, L"Nordbase/SGI"},
    {0, 12, L"Nordbase/6000 PE"},
    {0, 14, L"Nordbase/Linux"},
    {0, 15, L"Nordbase/Linux PE"},
    {0, 16, L"Nordbase/Windows PE"},
    {0, 17, L"Nordbase/Solaris PE"},
    {0, 19, L"Nordbase/Host Connect"},
    {0, 100, L"Nordbase/zSeries"},
    {0, 101, L"Nordbase/iSeries"},
    {0, 31, L"Sybase System 11"},
    {0, 20, L"Oracle Version 7"},
    {0, 30, L"Sybase Version 10"},
    {0, 50, L"Informix Version 5"},
    {0, 40, L"Microsoft SQLServer Version 6"},
    {1, 20, L"Oracle Version 7"},
    {1, 30, L"Sybase Version 10"},
    {1, 50, L"Informix Version 5"},
    {1, 40, L"Microsoft SQLServer Version 6"},
};

HQSTRING enumToString(int enumClass, int32_t value) {
    for (const EnumEntry& e : kEnumTable)
        if (e.enumClass == enumClass && e.value == value)
            return e.text;
    return L"";
}

int32_t enumFromString(int enumClass, const HQSTRING& text) {
    for (const EnumEntry& e : kEnumTable)
        if (e.enumClass == enumClass && text == e.text)
            return e.value;
    return 0;
}

template <size_t N> bool listed(const std::array<int32_t, N>& values, int32_t value) {
    return value != 0 && std::find(values.begin(), values.end(), value) != values.end();
}
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"dbName", 41, &F::dbName),
        enumText(L"dbType", 41, &F::dbType, &InformationResource::dbaseTypeFromString),
        enumText(L"subdbType", 41, &F::subdbType, &InformationResource::sdbTypeFromString),
        col(L"userId", 129, &F::userId),
        secret(L"password", 15, &F::password),
        col(L"isWarehouse", &F::isWarehouse),
        col(L"defaultRetryIntrv", &F::defaultRetryIntrv),
        col(L"defaultRetryCount", &F::defaultRetryCount),
        col(L"contact", 65, &F::contact),
        col(L"location", 65, &F::location),
        col(L"useODBCConnectStr", &F::useODBCConnectStr),
        col(L"ODBCConnectString", 255, &F::ODBCConnectString),
        col(L"LUName", 9, &F::LUName),
        col(L"PartnerName", 9, &F::PartnerName),
        col(L"codePage", &F::codePage),
        col(L"HighLevelQualifier", 65, &F::HighLevelQualifier),
        col(L"mountString", 255, &F::mountString),
        col(L"serverName", 65, &F::serverName),
        col(L"serverAttribute", 65, &F::serverAttribute),
        col(L"hostName", 65, &F::hostName),
        col(L"preAccCmd", 65, &F::preAccCmd),
        col(L"postAccCmd", 65, &F::postAccCmd),
        col(L"localCommand", 65, &F::localCommand),
        col(L"encrypted", &F::encrypted),
        secretBinary(L"BinaryPassword", 513, &F::password),
        col(L"dbVersion", 129, &F::dbVersion),
        col(L"dbmsServerName", 129, &F::dbmsServerName),
        col(L"DELIMITER", 2, &F::DELIMITER),
        col(L"transRegistered", &F::transRegistered),
        col(L"transFenced", &F::transFenced),
    };
    return table;
}

InformationResource::InformationResource()
    : DIRRecord(kInfo), dataResources_(*this, L"IR_TO_DR_Rel", 0, DIRObjectType::DataResource, 0),
      sourceGroups_(*this, L"IR_TO_SecGR_Rel", 0, DIRObjectType::SecurityGroup, 0),
      targetGroups_(*this, L"IR_TO_SecGrTar_Rel", 0, DIRObjectType::SecurityGroup, 0),
      agentSites_(*this, L"IR_TO_AgentSite", 1, DIRObjectType::AgentSite, 0),
      programs_(*this, L"UDP_TO_IR", 1, DIRObjectType::ProgFunc, 0),
      sourceOfSteps_(*this, L"BV_TO_SourceIR", 1, DIRObjectType::BusinessView, 0),
      targetOfSteps_(*this, L"BV_TO_TargetIR", 1, DIRObjectType::BusinessView, 0) {}

HQRC InformationResource::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ? ORDER BY name", {QueryParm::name(name)},
                         name);
}

HQRC InformationResource::listFirst() {
    return listFirstWhere(L"listFirst", L" ORDER BY name ", {});
}

HQRC InformationResource::listFirstdbType(const HQSTRING& typeText) {
    return listFirstWhere(L"listFirstdbType",
                          L" where dbType = '" + getNameSingleQ(typeText) + L"' ORDER BY name", {});
}

HQRC InformationResource::listFirstWarehouse() {
    return listFirstWhere(L"listFirstWarehouse", L" where iswarehouse =1 ORDER BY name", {});
}

HQRC InformationResource::listFirstUnEncrypted() {
    return listFirstWhere(L"listFirstUnEncrypted", L" where encrypted = 0", {});
}

HQRC InformationResource::listFirstEncryptedNonBinary() {
    return listFirstWhere(L"listFirstEncryptedNonBinary", L" where encrypted = 1", {});
}

HQRC InformationResource::listFirstBySystemDB(const HQSTRING& hostAndDb,
                                              const HQSTRING& subTypeText) {
    return listFirstWhere(L"listFirstBySystemDB",
                          L" where (hostname||'.'||dbname) = ? and iswarehouse = 1 and "
                          L"subdbtype = '" +
                              getNameSingleQ(subTypeText) + L"'",
                          {QueryParm::text(hostAndDb, 106)});
}

RelationCollection<DataResource>* InformationResource::getDataResourceList(HQRC& rc) {
    return guardedList(*this, dataResources_, L"getDataResourceList", rc);
}

RelationCollection<SecurityGroup>* InformationResource::getSecurityGroupSourceList(HQRC& rc) {
    return guardedList(*this, sourceGroups_, L"getSecurityGroupSourceList", rc);
}

RelationCollection<SecurityGroup>* InformationResource::getSecurityGroupTargetList(HQRC& rc) {
    return guardedList(*this, targetGroups_, L"getSecurityGroupTargetList", rc);
}

RelationCollection<AgentSite>* InformationResource::getAgentSiteList(HQRC& rc) {
    return guardedList(*this, agentSites_, L"getAgentSiteList", rc);
}

HQSTRING InformationResource::getODBCConnectString(int mask) const {
    if (f_.useODBCConnectStr != 0)
        return f_.ODBCConnectString;
    const int32_t sub = f_.subdbType;
    const HQSTRING password = mask != 0 ? HQSTRING(L"********") : f_.password.plainText();
    const bool relational = listed(NordbaseFamily, sub) || sub == 20 || sub == 30 || sub == 31 ||
                            sub == 40 || sub == 50;
    if (relational) {
        if (f_.userId.empty())
            return L"DSN=" + f_.dbName;
        return L"DSN=" + f_.dbName + L";UID=" + f_.userId + L";PWD=" + password;
    }
    if (sub == 80 || sub == 90) {
        if (f_.userId.empty())
            return L"DSN=" + f_.dbName + L";";
        return L"DSN=" + f_.dbName + L";LOGINID=" + f_.userId + L";LOGINPWD=" + password + L";";
    }
    return L"";
}

HQSTRING InformationResource::getDefaultDelimiter() const {
    if (f_.dbType == static_cast<int32_t>(dbaseType::FFLan) &&
        (f_.DELIMITER.empty() || f_.DELIMITER[0] == L' '))
        return L"`";
    return f_.DELIMITER;
}

int32_t InformationResource::dbaseTypeFromsdbType(int32_t sdbType) {
    switch (sdbType) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 11:
    case 12:
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 100:
    case 101:
        return 1;
    case 20:
        return 20;
    case 30:
    case 31:
        return 30;
    case 40:
    case 50:
    case 60:
    case 80:
    case 90:
        return sdbType;
    case 70:
    case 71:
    case 72:
        return 70;
    default:
        return 0;
    }
}

bool InformationResource::isCaseSensitive(int32_t type) {
    return type == 30 || type == 40 || type == 50 || type == 1 || type == 60 || type == 70;
}

HQSTRING InformationResource::sdbTypeToString(int32_t sdbType) {
    return enumToString(0, sdbType);
}
int32_t InformationResource::sdbTypeFromString(const HQSTRING& text) {
    return enumFromString(0, text);
}
HQSTRING InformationResource::dbaseTypeToString(int32_t type) {
    return enumToString(1, type);
}
int32_t InformationResource::dbaseTypeFromString(const HQSTRING& text) {
    return enumFromString(1, text);
}
