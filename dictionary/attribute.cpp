// Columns: column table, conditions and the create-table expression.
#include "dictionary/attribute.h"

#include "dictionary/data_resource.h"
#include "dictionary/database_types.h"
#include "dictionary/information_resource.h"

namespace {
using F = AttributeFields;
const ClassInfo kInfo{DIRObjectType::Attribute, L".Attribute", L"DDDPATTR", "ATTRLDesc", L""};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"IRName", 81, &F::IRName),
        col(L"DRName", 81, &F::DRName),
        col(L"nativeDataType", 41, &F::nativeDataType),
        col(L"ODBCDataType", 41, &F::ODBCDataType),
        col(L"scale", &F::scale),
        col(L"precDigits", &F::precDigits),
        col(L"isText", &F::isText),
        col(L"isNull", &F::isNull),
        col(L"offset", &F::offset),
        col(L"segLevel", &F::segLevel),
        col(L"elmntName", 9, &F::elmntName),
        col(L"uomType", &F::uomType),
        col(L"uomValue", &F::uomValue),
        col(L"seqNo", &F::seqNo),
        col(L"transName", 81, &F::transName),
        col(L"largeDRSchemaName", kSchemaNameSize, &F::largeDRSchemaName),
        col(L"largeDRTableName", kTableNameSize, &F::largeDRTableName),
        col(L"largeName", kColumnNameSize, &F::largeName),
        col(L"ordinalNo", &F::ordinalNo),
        col(L"col_Type", 2, &F::col_Type),
        col(L"isEditionCol", &F::isEditionCol),
    };
    return table;
}

Attribute::Attribute() : DIRRecord(kInfo) {
    limits_ = NameLimits::fromConfiguration();
}

HQRC Attribute::retrieve(const HQSTRING& columnName, const HQSTRING& databaseName,
                         const HQSTRING& schemaName, const HQSTRING& tableName) {
    return retrieveWhere(L"retrieve",
                         L"WHERE   largeName = ? and IRName = ? and largeDRSchemaName = ? and "
                         L"largeDRTableName=?  ORDER BY largeName",
                         {QueryParm::text(columnName, limits_.column + 1),
                          QueryParm::text(databaseName, 81),
                          QueryParm::text(schemaName, limits_.schema + 1),
                          QueryParm::text(tableName, limits_.table + 1)},
                         columnName);
}

HQRC Attribute::listFirstDR(const DataResource& table) {
    const DataResourceFields& t = table.fields();
    return listFirstWhere(L"listFirstDR",
                          L" where irname = ? and largedrschemaname = ? and largedrtablename = ? "
                          L"ORDER BY seqno ",
                          {QueryParm::text(t.IRName, 81),
                           QueryParm::text(t.largeSchemaName, limits_.schema + 1),
                           QueryParm::text(t.largeTableName, limits_.table + 1)});
}

HQSTRING Attribute::getCreateTableExpression(int form) {
    const HQSTRING& type = f_.nativeDataType;
    const HQSTRING precision = std::to_wstring(f_.precDigits);
    HQSTRING text = f_.largeName + L" " + type;
    if (type == L"CHAR" || type == L"CHARACTER" || type == L"VARCHAR") {
        text += L"(" + precision + L") ";
        if (f_.isText == 0)
            text += L"FOR BIT DATA ";
    } else if (type == L"LONG VARCHAR") {
        if (f_.isText == 0)
            text += L" FOR BIT DATA ";
    } else if (type == L"ROWID") {
        text += L" GENERATED ALWAYS ";
    } else if (type == L"DECIMAL" || type == L"NUMERIC") {
        text += L"(" + precision + L"," + HQSTRING(std::to_wstring(f_.scale)) + L") ";
    } else if (type == L"BLOB" || type == L"CLOB" || type == L"DBCLOB") {
        HQRC rc;
        DataResource* table = getDataResource(rc);
        InformationResource* database =
            table != nullptr ? table->getInformationResource(rc) : nullptr;
        if (database == nullptr)
            return L"";
        const DatabaseSubType* edition = dbtypes::subType(database->fields().subdbType);
        text += L"(" + precision +
                (edition != nullptr && edition->hostEdition ? L") " : L") NOT LOGGED ");
    } else if (type == L"GRAPHIC" || type == L"VARGRAPHIC") {
        text += L"(" + precision + L") ";
    }
    if (f_.isNull == 0)
        text += L" NOT NULL ";
    if (form != 0)
        text += L" WITH DEFAULT ";
    return text;
}
