// Tables and files: columns, conditions, names, table space, and the stored
// or generated CREATE statement.
#include "dictionary/data_resource.h"

#include "dictionary/attribute.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "dictionary/relation_getters.h"

namespace {
using F = DataResourceFields;
const ClassInfo kInfo{DIRObjectType::DataResource, L".DataResource", L"DDDPDRES", "DRLDesc", L""};

// Replication control columns that take the second form of their expression.
bool isReplicationControlColumn(const HQSTRING& name) {
    return name == L"OLVSNAP_REJ_CODE" || name == L"OLVSNAP_APPLY_QUAL";
}
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"IRName", 81, &F::IRName),
        col(L"fileType", 81, &F::fileType),
        col(L"keyLoc", &F::keyLoc),
        col(L"keyLen", &F::keyLen),
        col(L"recLen", &F::recLen),
        col(L"pcbInd", &F::pcbInd),
        col(L"maxSegLen", &F::maxSegLen),
        col(L"blockSize", &F::blockSize),
        col(L"created", &F::created),
        col(L"TypeofCreation", 91, &F::TypeofCreation),
        secretPlain(L"password", 9, &F::password),
        col(L"NordbaseTableNameSpace", 91, &F::NordbaseTableNameSpace),
        col(L"BinaryFlag", &F::BinaryFlag),
        col(L"DIMENSION_TABLE", &F::DIMENSION_TABLE),
        col(L"FACT_TABLE", &F::FACT_TABLE),
        col(L"INPARTTBSP", &F::INPARTTBSP),
        col(L"REPL_ENABLED", &F::REPL_ENABLED),
        col(L"KSDSFlag", &F::KSDSFlag),
        col(L"FirstLineNames", &F::FirstLineNames),
        col(L"charDelm", 2, &F::charDelm),
        col(L"viewFlag", &F::viewFlag),
        col(L"aliasFlag", &F::aliasFlag),
        col(L"largeSchemaName", kSchemaNameSize, &F::largeSchemaName),
        col(L"largeTableName", kTableNameSize, &F::largeTableName),
        col(L"persistentFlag", &F::persistentFlag),
        col(L"max_editions", &F::max_editions),
        col(L"grantToPublic", &F::grantToPublic),
        col(L"lastColSeqNmCreate", &F::lastColSeqNmCreate),
        col(L"lastColSeqNmAlter", &F::lastColSeqNmAlter),
        col(L"createTarTab", &F::createTarTab),
        col(L"PrimaryKeyNew", &F::PrimaryKeyNew),
        col(L"AutoGenCreateStmt", &F::AutoGenCreateStmt),
        col(L"tableCreated", &F::tableCreated),
        col(L"CDTableSchema", 129, &F::CDTableSchema),
        col(L"CDTableName", 129, &F::CDTableName),
        col(L"BEFORE_IMG_PREFIX", 5, &F::BEFORE_IMG_PREFIX),
        col(L"NordbaseTableNameIndex", 91, &F::NordbaseTableNameIndex),
        col(L"dbNameM7R", 9, &F::dbNameM7R),
        col(L"highestStatus", &F::highestStatus),
    };
    return table;
}

DataResource::DataResource()
    : DIRRecord(kInfo), createStmt_(*this, "DRcreate"), alterStmt_(*this, "DRalter"),
      attributes_(*this, L"DR_TO_Attr_Rel", 0, DIRObjectType::Attribute, 0),
      database_(*this, L"IR_TO_DR_Rel", 1, DIRObjectType::InformationResource, 1),
      inputOf_(*this, L"BV_TO_Input_DR", 1, DIRObjectType::BusinessView, 0),
      outputOf_(*this, L"BV_TO_Output_DR", 1, DIRObjectType::BusinessView, 0),
      udpManagedBy_(*this, L"BV_TO_UDPManagedDR", 1, DIRObjectType::BusinessView, 0),
      udpManagedCascadeBy_(*this, L"BV_TO_UDPManagedDRC", 1, DIRObjectType::BusinessView, 0),
      starSchemas_(*this, L"StarSchema_TO_DR", 1, DIRObjectType::StarSchema, 0),
      primaryKey_(*this, L"DR_TO_PrimaryKey_Rel", 0, DIRObjectType::PrimaryKey, 1),
      foreignKeys_(*this, L"DR_TO_ForeignKey_Rel", 0, DIRObjectType::ForeignKey, 0),
      processes_(*this, L"Process_TO_DR", 1, DIRObjectType::Process, 0),
      correlations_(*this, L"DR_TO_Correlation", 0, DIRObjectType::DRCorrelation, 0) {
    limits_ = NameLimits::fromConfiguration();
}

HQRC DataResource::retrieve(const HQSTRING& qualifiedName, const HQSTRING& databaseName) {
    InformationResource database;
    HQRC rc = database.retrieve(databaseName);
    if (rc.code != 0)
        return rc.AddComment(L"DataResource::retrieve");
    HQSTRING name = qualifiedName;
    if (!InformationResource::isCaseSensitive(database.fields().dbType))
        name.toUpper();
    const size_t dot = name.find(L'.');
    const HQSTRING schema = dot == HQSTRING::npos ? HQSTRING() : name.subString(0, dot);
    const HQSTRING table = dot == HQSTRING::npos ? name : name.subString(dot + 1);
    return retrieveWhere(L"retrieve",
                         L"WHERE   largeSchemaName = ? and largeTableName=? and IRName = ? "
                         L"ORDER BY largeSchemaName ,largeTableName",
                         {QueryParm::text(schema, limits_.schema + 1),
                          QueryParm::text(table, limits_.table + 1),
                          QueryParm::text(databaseName, 81)},
                         qualifiedName);
}

HQRC DataResource::listFirstByRelation(const wchar_t* operation, const wchar_t* relation,
                                       const HQSTRING& conditionStart, const DIRId& id) {
    return listFirstWhere(operation,
                          conditionStart + controldb::schemaPrefix() +
                              L".relationship where relation_name='" + relation +
                              L"' and source_qrtid = ?)",
                          {QueryParm::id(id)});
}

HQRC DataResource::listFirstByProcess(const DIRId& process) {
    return listFirstByRelation(L"listFirstByProcess", L"Process_TO_DR",
                               L"where qrtid in (select target_qrtid from ", process);
}

HQRC DataResource::listFirstStarSchema(const DIRId& starSchema) {
    return listFirstByRelation(L"listFirstStarSchema", L"StarSchema_TO_DR",
                               L"where qrtid in (select target_qrtid from ", starSchema);
}

HQRC DataResource::listFirstByBVSourceTables(const DIRId& step) {
    return listFirstWhere(L"listFirstByBVSourceTables",
                          L" where qrtid in (select target_qrtid from " +
                              controldb::schemaPrefix() +
                              L".relationship where relation_name='BV_TO_Input_DR' and "
                              L"source_qrtid =?)",
                          {QueryParm::id(step)});
}

HQRC DataResource::listFirstUDPManaged(const DIRId& step) {
    return listFirstByRelation(L"listFirstUDPManaged", L"BV_TO_UDPManagedDR",
                               L" where qrtid in (select target_qrtid from ", step);
}

HQRC DataResource::listFirstUDPManagedCascade(const DIRId& step) {
    return listFirstByRelation(L"listFirstUDPManagedCascade", L"BV_TO_UDPManagedDRC",
                               L" where qrtid in (select target_qrtid from ", step);
}

HQRC DataResource::listFirstIR(const HQSTRING& databaseName) {
    return listFirstWhere(L"listFirstIR", L" where irname = ? ",
                          {QueryParm::text(databaseName, 81)});
}

HQRC DataResource::listFirstSchema() {
    return listFirstWhere(L"listFirstSchema",
                          L" where largeSchemaName<>'' order by largeSchemaName ", {});
}

HQSTRING DataResource::getName() const {
    if (f_.largeSchemaName.empty())
        return f_.largeTableName;
    return f_.largeSchemaName + L"." + f_.largeTableName;
}

HQSTRING DataResource::getNordbaseTableNameSpace() const {
    if (f_.NordbaseTableNameIndex.empty())
        return f_.NordbaseTableNameSpace;
    return f_.NordbaseTableNameSpace + L" INDEX IN " + f_.NordbaseTableNameIndex;
}

HQSTRING DataResource::generateCreateStmt(HQRC& rc) const {
    HQSTRING text = L"CREATE TABLE " + getName() + L"(";
    Attribute column;
    HQSTRING separator;
    for (rc = column.listFirstDR(*this); rc.code == 0; rc = column.listNext()) {
        text += separator + column.getCreateTableExpression(
                                isReplicationControlColumn(column.getName()) ? 1 : 0);
        separator = L", ";
    }
    if (!isNotFound(rc))
        return L"";
    rc = HQRC();
    text += L")";
    const HQSTRING space = getNordbaseTableNameSpace();
    if (space.size() >= 2)
        text += L" IN " + space;
    return text;
}

HQSTRING DataResource::getCreateStmt(HQRC& rc) {
    if (f_.AutoGenCreateStmt != 0) {
        const HQSTRING generated = generateCreateStmt(rc);
        if (rc.code == 0) {
            createStmt_.setValue(generated);
            return generated;
        }
    }
    return createStmt_.getValue(rc);
}

HQSTRING DataResource::getNameReplaceString(const HQSTRING& text, const HQSTRING& search,
                                            const HQSTRING& replacement) {
    if (search.empty())
        return text;
    HQSTRING out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (c == search[0])
            out += replacement;
        else
            out += c;
    }
    return out;
}

InformationResource* DataResource::getInformationResource(HQRC& rc) {
    return guardedFirst(*this, database_, L"getInformationResource", rc);
}

RelationCollection<Attribute>* DataResource::getAttributeList(HQRC& rc) {
    return guardedList(*this, attributes_, L"getAttributeList", rc);
}

RelationCollection<PrimaryKey>* DataResource::getPrimaryKeyList(HQRC& rc) {
    return guardedList(*this, primaryKey_, L"getPrimaryKeyList", rc);
}

RelationCollection<ForeignKey>* DataResource::getForeignKeyList(HQRC& rc) {
    return guardedList(*this, foreignKeys_, L"getForeignKeyList", rc);
}

RelationCollection<BusinessView>* DataResource::getBusinessViewInputList(HQRC& rc) {
    return guardedList(*this, inputOf_, L"getBusinessViewInputList", rc);
}

RelationCollection<BusinessView>* DataResource::getBusinessViewOutputList(HQRC& rc) {
    return guardedList(*this, outputOf_, L"getBusinessViewOutputList", rc);
}

RelationCollection<StarSchema>* DataResource::getStarSchemaList(HQRC& rc) {
    return guardedList(*this, starSchemas_, L"getStarSchemaList", rc);
}
