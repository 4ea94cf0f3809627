// InformationResource: a source or target database (or flat-file or host data
// store) with its connection details, its database type and sub-type, and its
// tables, security groups and agent sites.
#pragma once

#include <cstdint>
#include <span>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class DataResource;
class SecurityGroup;
class AgentSite;
class ProgFunc;
class BusinessView;

struct InformationResourceFields {
    HQSTRING dbName;
    int32_t dbType = 0;    // dbaseType value of the stored type text
    int32_t subdbType = 0; // sdbType value of the stored sub-type text
    HQSTRING userId;
    SecretText password;
    int32_t isWarehouse = 0;
    int32_t defaultRetryIntrv = 0;
    int32_t defaultRetryCount = 0;
    HQSTRING contact;
    HQSTRING location;
    int32_t useODBCConnectStr = 0;
    HQSTRING ODBCConnectString;
    HQSTRING LUName;
    HQSTRING PartnerName;
    int32_t codePage = 0;
    HQSTRING HighLevelQualifier;
    HQSTRING mountString;
    HQSTRING serverName;
    HQSTRING serverAttribute;
    HQSTRING hostName;
    HQSTRING preAccCmd;
    HQSTRING postAccCmd;
    HQSTRING localCommand;
    int32_t encrypted = 0;
    HQSTRING dbVersion;
    HQSTRING dbmsServerName;
    HQSTRING DELIMITER;
    int32_t transRegistered = 0;
    int32_t transFenced = 0;

    static const ColumnTable<InformationResourceFields>& columns();
};

class InformationResource : public DIRRecord<InformationResourceFields> {
public:
    // Database types.
    enum class dbaseType : int32_t {
        NordbaseFamily = 1,
        Oracle = 20,
        Sybase = 30,
        MSSQLServer = 40,
        Informix = 50,
        GenericODBC = 60,
        FFLan = 70,
        QSAF = 80,
        HDX = 90,
    };

    InformationResource();

    // "WHERE   name = ? ORDER BY name"; 3142 with "InformationResource" and the name.
    HQRC retrieve(const HQSTRING& name);
    HQRC listFirst();
    HQRC listFirstdbType(const HQSTRING& typeText);
    HQRC listFirstWarehouse();
    HQRC listFirstUnEncrypted();
    HQRC listFirstEncryptedNonBinary();
    // hostAndDb: host name and database name joined by ".".
    HQRC listFirstBySystemDB(const HQSTRING& hostAndDb, const HQSTRING& subTypeText);

    // Its tables, its security groups with source and with target access, its
    // agent sites; null with 3104 when the object was never read.
    RelationList<DataResource> getDataResourceList{*this, rel::IR_TO_DR_Rel, RelationSide::Source,
                                                   L"getDataResourceList"};
    RelationList<SecurityGroup> getSecurityGroupSourceList{
        *this, rel::IR_TO_SecGR_Rel, RelationSide::Source, L"getSecurityGroupSourceList"};
    RelationList<SecurityGroup> getSecurityGroupTargetList{
        *this, rel::IR_TO_SecGrTar_Rel, RelationSide::Source, L"getSecurityGroupTargetList"};
    RelationList<AgentSite> getAgentSiteList{*this, rel::IR_TO_AgentSite, RelationSide::Target,
                                             L"getAgentSiteList"};

    // Write side: the database and what belongs to it (see DIRBase::destroyId).
    HQRC destroyID(const DIRId& id) { return destroyId(id); }
    // Keep the database name that its tables and their columns carry in step
    // with its name.
    HQRC updateDR();
    HQRC updateAttr();
    // Sets the password, stored enciphered by create and update.
    void setPassword(const HQSTRING& plain) { f_.password.assign(plain); }

    // The connect string; mask nonzero hides the password.
    HQSTRING getODBCConnectString(int mask) const;
    // The field delimiter; "`" for a flat-file database without one.
    HQSTRING getDefaultDelimiter() const;
    const HQSTRING& getPassword() const { return f_.password.plainText(); }

    // The database type of a sub-type; 0 for an unknown sub-type.
    static int32_t dbaseTypeFromsdbType(int32_t sdbType);
    static bool isCaseSensitive(int32_t dbaseType);
    // True for the types whose table names carry an owner before the first ".".
    static bool isRelational(int32_t dbaseType);
    // Texts of the stored vocabularies (dictionary/database_types.h); a text
    // that matches no entry gives 0.
    static HQSTRING sdbTypeToString(int32_t sdbType);
    static int32_t sdbTypeFromString(const HQSTRING& text);
    static HQSTRING dbaseTypeToString(int32_t dbaseType);
    static int32_t dbaseTypeFromString(const HQSTRING& text);

protected:
    // After a rename: updateDR and updateAttr.
    HQRC updateParticular() override;

private:
    RelationCollection<ProgFunc> programs_{*this, rel::UDP_TO_IR, RelationSide::Target};
    RelationCollection<BusinessView> sourceOfSteps_{*this, rel::BV_TO_SourceIR,
                                                    RelationSide::Target};
    RelationCollection<BusinessView> targetOfSteps_{*this, rel::BV_TO_TargetIR,
                                                    RelationSide::Target};
};
