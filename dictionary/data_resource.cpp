// Tables and files: columns, conditions, names, table space, and the stored
// or generated CREATE statement.
#include "dictionary/data_resource.h"

#include "dictionary/attribute.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"

namespace {
using F = DataResourceFields;
// A table that steps read or write or that a star schema holds is in use;
// its columns, correlations and keys belong to it.
constexpr RelationEnd kInUseBy[] = {{&rel::BV_TO_Input_DR, RelationSide::Target},
                                    {&rel::BV_TO_Output_DR, RelationSide::Target},
                                    {&rel::BV_TO_UDPManagedDR, RelationSide::Target},
                                    {&rel::BV_TO_UDPManagedDRC, RelationSide::Target},
                                    {&rel::StarSchema_TO_DR, RelationSide::Target}};
constexpr RelationEnd kDependents[] = {{&rel::DR_TO_Attr_Rel, RelationSide::Source},
                                       {&rel::DR_TO_Correlation, RelationSide::Source},
                                       {&rel::DR_TO_PrimaryKey_Rel, RelationSide::Source},
                                       {&rel::DR_TO_ForeignKey_Rel, RelationSide::Source}};
const ClassInfo kInfo{DIRObjectType::DataResource,
                      L".DataResource",
                      L"DDDPDRES",
                      "DRLDesc",
                      L"",
                      kInUseBy,
                      kDependents};

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
    : DIRRecord(kInfo), createStmt_(*this, "DRcreate"), alterStmt_(*this, "DRalter") {
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

HQRC DataResource::listFirstByProcess(const DIRId& process) {
    return listFirstRelated(L"listFirstByProcess", rel::Process_TO_DR, RelationSide::Source,
                            process);
}

HQRC DataResource::listFirstStarSchema(const DIRId& starSchema) {
    return listFirstRelated(L"listFirstStarSchema", rel::StarSchema_TO_DR, RelationSide::Source,
                            starSchema);
}

HQRC DataResource::listFirstByBVSourceTables(const DIRId& step) {
    return listFirstRelated(L"listFirstByBVSourceTables", rel::BV_TO_Input_DR, RelationSide::Source,
                            step);
}

HQRC DataResource::listFirstUDPManaged(const DIRId& step) {
    return listFirstRelated(L"listFirstUDPManaged", rel::BV_TO_UDPManagedDR, RelationSide::Source,
                            step);
}

HQRC DataResource::listFirstUDPManagedCascade(const DIRId& step) {
    return listFirstRelated(L"listFirstUDPManagedCascade", rel::BV_TO_UDPManagedDRC,
                            RelationSide::Source, step);
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
