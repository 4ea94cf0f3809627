// Databases: columns, conditions, connect string, delimiter and the stored
// vocabularies of database types and sub-types.
#include "dictionary/information_resource.h"

#include "dictionary/agent_site.h"
#include "dictionary/data_resource.h"
#include "dictionary/database_types.h"
#include "dictionary/security_group.h"
#include "dictionary/write_transaction.h"

namespace {
using F = InformationResourceFields;
// A database that steps name as their source or target is in use; its
// tables belong to it.
constexpr RelationEnd kInUseBy[] = {{&rel::BV_TO_SourceIR, RelationSide::Target},
                                    {&rel::BV_TO_TargetIR, RelationSide::Target}};
constexpr RelationEnd kDependents[] = {{&rel::IR_TO_DR_Rel, RelationSide::Source}};
const ClassInfo kInfo{DIRObjectType::InformationResource,
                      L".inforesource",
                      L"DDDPIR",
                      "IRLDesc",
                      L"",
                      kInUseBy,
                      kDependents};

} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"dbName", 41, &F::dbName),
        enumText(L"dbType", 41, &F::dbType, &InformationResource::dbaseTypeFromString,
                 &InformationResource::dbaseTypeToString),
        enumText(L"subdbType", 41, &F::subdbType, &InformationResource::sdbTypeFromString,
                 &InformationResource::sdbTypeToString),
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

InformationResource::InformationResource() : DIRRecord(kInfo) {}

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

HQRC InformationResource::updateDR() {
    return controldb::executeWrite(
        L"UPDATE " + controldb::table(L".dataresource") + L" SET IRname = ? WHERE qrtid in " +
            relatedIdsQuery(rel::IR_TO_DR_Rel, RelationSide::Source),
        {columnwrite::text(getName()), controldb::idValue(getId().view())});
}

HQRC InformationResource::updateAttr() {
    return controldb::executeWrite(
        L"UPDATE " + controldb::table(L".attribute") + L" SET IRname = ? WHERE qrtid in " +
            relatedIdsQuery(rel::DR_TO_Attr_Rel, RelationSide::Source,
                            relatedIdsQuery(rel::IR_TO_DR_Rel, RelationSide::Source)),
        {columnwrite::text(getName()), controldb::idValue(getId().view())});
}

HQRC InformationResource::updateParticular() {
    if (getName() == storedName())
        return HQRC();
    HQRC rc = updateDR();
    if (rc.code == 0)
        rc = updateAttr();
    return rc.code != 0 ? passUp(rc, L"updateParticular") : rc;
}

HQSTRING InformationResource::getODBCConnectString(int mask) const {
    if (f_.useODBCConnectStr != 0)
        return f_.ODBCConnectString;
    const DatabaseType* type = dbtypes::typeOfSubType(f_.subdbType);
    const HQSTRING password = mask != 0 ? HQSTRING(L"********") : f_.password.plainText();
    switch (type == nullptr ? ConnectForm::None : type->connect) {
    case ConnectForm::UserPassword:
        if (f_.userId.empty())
            return L"DSN=" + f_.dbName;
        return L"DSN=" + f_.dbName + L";UID=" + f_.userId + L";PWD=" + password;
    case ConnectForm::LoginKeywords:
        if (f_.userId.empty())
            return L"DSN=" + f_.dbName + L";";
        return L"DSN=" + f_.dbName + L";LOGINID=" + f_.userId + L";LOGINPWD=" + password + L";";
    case ConnectForm::None:
        break;
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
    const DatabaseSubType* sub = dbtypes::subType(sdbType);
    return sub == nullptr ? 0 : sub->type;
}

bool InformationResource::isCaseSensitive(int32_t type) {
    const DatabaseType* row = dbtypes::type(type);
    return row != nullptr && row->caseSensitive;
}

bool InformationResource::isRelational(int32_t type) {
    const DatabaseType* row = dbtypes::type(type);
    return row != nullptr && row->relational;
}

HQSTRING InformationResource::sdbTypeToString(int32_t sdbType) {
    return dbtypes::subTypeText(sdbType);
}
int32_t InformationResource::sdbTypeFromString(const HQSTRING& text) {
    return dbtypes::subTypeFromText(text);
}
HQSTRING InformationResource::dbaseTypeToString(int32_t type) {
    return dbtypes::typeText(type);
}
int32_t InformationResource::dbaseTypeFromString(const HQSTRING& text) {
    return dbtypes::typeFromText(text);
}
