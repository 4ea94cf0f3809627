// DataResource: a table, view or file of a database, with its storage
// details, warehouse flags, stored CREATE/ALTER statements, columns and keys.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class InformationResource;
class Attribute;
class PrimaryKey;
class ForeignKey;
class BusinessView;
class StarSchema;
class Process;
class DRCorrelation;

struct DataResourceFields {
    HQSTRING IRName;
    HQSTRING fileType;
    int32_t keyLoc = 0;
    int32_t keyLen = 0;
    int32_t recLen = 0;
    int32_t pcbInd = 0;
    int32_t maxSegLen = 0;
    int32_t blockSize = 0;
    TimeStamp created;
    HQSTRING TypeofCreation;
    SecretText password;
    HQSTRING NordbaseTableNameSpace;
    int32_t BinaryFlag = 0;
    int32_t DIMENSION_TABLE = 0;
    int32_t FACT_TABLE = 0;
    int32_t INPARTTBSP = 0;
    int32_t REPL_ENABLED = 0;
    int32_t KSDSFlag = 0;
    int32_t FirstLineNames = 0;
    HQSTRING charDelm;
    int32_t viewFlag = 0;
    int32_t aliasFlag = 0;
    HQSTRING largeSchemaName;
    HQSTRING largeTableName;
    int16_t persistentFlag = 0;
    int32_t max_editions = 0;
    int16_t grantToPublic = 0;
    int32_t lastColSeqNmCreate = 0;
    int32_t lastColSeqNmAlter = 0;
    int16_t createTarTab = 0;
    int16_t PrimaryKeyNew = 0;
    int16_t AutoGenCreateStmt = 0;
    int16_t tableCreated = 0;
    HQSTRING CDTableSchema;
    HQSTRING CDTableName;
    HQSTRING BEFORE_IMG_PREFIX;
    HQSTRING NordbaseTableNameIndex;
    HQSTRING dbNameM7R;
    int32_t highestStatus = 0;

    static const ColumnTable<DataResourceFields>& columns();
};

class DataResource : public DIRRecord<DataResourceFields> {
public:
    // Reads the name-length limits from the configuration.
    DataResource();

    // A table by its qualified name ("schema.table" or "table") in a database.
    HQRC retrieve(const HQSTRING& qualifiedName, const HQSTRING& databaseName);
    HQRC listFirstByProcess(const DIRId& process);
    HQRC listFirstStarSchema(const DIRId& starSchema);
    HQRC listFirstByBVSourceTables(const DIRId& step);
    HQRC listFirstUDPManaged(const DIRId& step);
    HQRC listFirstUDPManagedCascade(const DIRId& step);
    HQRC listFirstIR(const HQSTRING& databaseName);
    HQRC listFirstSchema();

    // "schema.table", or the table name alone when the schema is empty.
    HQSTRING getName() const;
    // The table space, followed by " INDEX IN " and the index table space when there is one.
    HQSTRING getNordbaseTableNameSpace() const;
    // The stored CREATE statement, or the generated one when AutoGenCreateStmt is set.
    HQSTRING getCreateStmt(HQRC& rc);
    HQSTRING getAlterStmt(HQRC& rc) { return alterStmt_.getValue(rc); }
    // Every occurrence of the single character `search` replaced by `replacement`.
    static HQSTRING getNameReplaceString(const HQSTRING& text, const HQSTRING& search,
                                         const HQSTRING& replacement);
    // Leading decimal number of the stored file type and type of creation (0 when none).
    int32_t getFileTypeNumber() const { return controldb::leadingNumber(f_.fileType); }
    int32_t getTypeOfCreationNumber() const { return controldb::leadingNumber(f_.TypeofCreation); }
    const HQSTRING& getPassword() const { return f_.password.plainText(); }
    // Write side: the table and what belongs to it (see DIRBase::destroyId).
    HQRC destroyID(const DIRId& id) { return destroyId(id); }
    void setCreateStmt(const HQSTRING& text) { createStmt_.setValue(text); }

    // Its database, columns, primary key (at most one), foreign keys, the
    // steps that read and write it, its star schemas; null with 3104 when the
    // object was never read.
    RelatedObject<InformationResource> getInformationResource{
        *this, rel::IR_TO_DR_Rel, RelationSide::Target, L"getInformationResource"};
    RelationList<Attribute> getAttributeList{*this, rel::DR_TO_Attr_Rel, RelationSide::Source,
                                             L"getAttributeList"};
    RelationList<PrimaryKey> getPrimaryKeyList{*this, rel::DR_TO_PrimaryKey_Rel,
                                               RelationSide::Source, L"getPrimaryKeyList"};
    RelationList<ForeignKey> getForeignKeyList{*this, rel::DR_TO_ForeignKey_Rel,
                                               RelationSide::Source, L"getForeignKeyList"};
    RelationList<BusinessView> getBusinessViewInputList{
        *this, rel::BV_TO_Input_DR, RelationSide::Target, L"getBusinessViewInputList"};
    RelationList<BusinessView> getBusinessViewOutputList{
        *this, rel::BV_TO_Output_DR, RelationSide::Target, L"getBusinessViewOutputList"};
    RelationList<StarSchema> getStarSchemaList{*this, rel::StarSchema_TO_DR, RelationSide::Target,
                                               L"getStarSchemaList"};

private:
    HQSTRING generateCreateStmt(HQRC& rc) const;

    DIRString createStmt_;
    DIRString alterStmt_;
    RelationCollection<BusinessView> udpManagedBy_{*this, rel::BV_TO_UDPManagedDR,
                                                   RelationSide::Target};
    RelationCollection<BusinessView> udpManagedCascadeBy_{*this, rel::BV_TO_UDPManagedDRC,
                                                          RelationSide::Target};
    RelationCollection<Process> processes_{*this, rel::Process_TO_DR, RelationSide::Target};
    RelationCollection<DRCorrelation> correlations_{*this, rel::DR_TO_Correlation,
                                                    RelationSide::Source};
};
