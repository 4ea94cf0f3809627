// Export of tables and files: the property table of a "TABLES" record and the
// walks over a table's columns, primary key and foreign keys.
#include "export/table_export.h"

#include <array>

#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "export/column_export.h"
#include "export/database_export.h"
#include "export/export_registry.h"
#include "export/key_export.h"
#include "export/property_table.h"
#include "export/tag_vocabulary.h"

namespace {

using DR = DataResource;
using F = PropertyForm;

constexpr int databaseType = 4;
constexpr int tableType = 5;

// The stored CREATE statement on one line: every line feed becomes a blank.
PropertyValue createStatementOnOneLine(DR& table, HQRC& rc) {
    HQSTRING statement = table.getCreateStmt(rc);
    return DataResource::getNameReplaceString(statement, L"\n", L" ");
}

const std::array<PropertyRow<DR>, 27> tableProperties = {{
    {&DIRBname_key, F::Wrapped, [](DR& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {&shrtdesc_key, F::WrappedIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {&longdesc_key, F::WrappedIfNonEmpty,
     [](DR& o, HQRC& rc) -> PropertyValue { return o.getLongDescription(rc); }},
    {nullptr, F::EachKey, nullptr},
    {&tblisbin_key, F::YesIfOne,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getBinaryFlag()}; }},
    {&tblnamsp_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getNordbaseTableNameSpace(); }},
    {&tblftype_key, F::Decimal,
     [](DR& o, HQRC&) -> PropertyValue { return leadingNumber(o.getFileType()); }},
    {&tbll1nam_key, F::YesIfOne,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getFirstLineNames()}; }},
    {&chardelm_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getCharDelm(); }},
    {&creatype_key, F::Decimal,
     [](DR& o, HQRC&) -> PropertyValue { return leadingNumber(o.getTypeofCreation()); }},
    {&tabview_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getViewFlag()}; }},
    {&tabalias_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getAliasFlag()}; }},
    {&qrtdratn_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getPersistentFlag()}; }},
    {&qrtmaxed_key, F::Decimal,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getMaxEditions()}; }},
    {&qrtcregn_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getAutoGenCreateStmt()}; }},
    {&qrtcreru_key, F::Wrapped, createStatementOnOneLine,
     [](DR& o) { return o.getAutoGenCreateStmt() == 0; }},
    {&qrtcrtar_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getCreateTarTab()}; }},
    {&qrtgrant_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getGrantToPublic()}; }},
    {&idsdim_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getDimensionTableFlag()}; }},
    {&idsfact_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getFactTableFlag()}; }},
    {&cdschema_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getCDTableSchema(); }},
    {&cdtabnam_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getCDTableName(); }},
    {&beforimg_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getBeforeImgPrefix(); }},
    {&idsrepl_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getReplFlag()}; }},
    {&namindex_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getTableIndex(); }},
    {&dbnamm7r_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getDbNameM7R(); }},
    {&parttbsp_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getInPartTbsp()}; }},
}};

void exportColumns(DataResource* table, Euit_ParmList& tableKeys) {
    HQRC rc;
    auto& columns = table->getAttributeList(rc);
    if (rc.code != 0) {
        return; // a failure to get the collection skips the walk
    }
    for (DIRBase* member = columns.getFirstBase(rc); member && rc.code == 0;
         member = columns.getNextBase(rc)) {
        if (export_Attribute(static_cast<Attribute*>(member), tableKeys).code != 0) {
            break;
        }
    }
}

// Only the first primary key is exported.
void exportPrimaryKey(DataResource* table, Euit_ParmList& tableKeys) {
    HQRC rc;
    auto& keys = table->getPrimaryKeyList(rc);
    raiseIfFailed(rc);
    DIRBase* first = keys.getFirstBase(rc);
    raiseIfFailed(rc);
    if (first) {
        export_PrimaryKey(static_cast<PrimaryKey*>(first), tableKeys);
    }
}

HQRC exportForeignKeys(DataResource* table, Euit_ParmList& tableKeys) {
    HQRC rc;
    auto& keys = table->getForeignKeyList(rc);
    if (rc.code == 0) {
        for (DIRBase* member = keys.getFirstBase(rc); member && rc.code == 0;
             member = keys.getNextBase(rc)) {
            rc = export_ForeignKey(static_cast<ForeignKey*>(member), tableKeys);
            if (rc.code != 0) {
                break;
            }
        }
    }
    return rc.code == 3142 ? HQRC(0, 0, DomainWhsSrv) : rc;
}

} // namespace

HQRC export_DataRes(DataResource* table) {
    Euit_ParmList tableKeys;
    if (Tag_ExpList::getInstance().addElem(table, tableKeys) != 0) {
        return HQRC(0, 0, DomainWhsSrv);
    }
    // The table's database comes first (its result is not tested). A table
    // whose database row is missing is written without the CONTAIN record
    // from it.
    HQRC rc;
    InformationResource* database = table->getInformationResource(rc);
    raiseIfFailed(rc);
    Euit_ParmList databaseKeys;
    if (database) {
        export_InfoRes(database);
        Tag_ExpList::getInstance().getKeys(database, databaseKeys);
    }
    writeObjectRecord<DataResource>(tableType, tableProperties, *table, tableKeys);
    if (database) {
        writeContain(databaseType, databaseKeys, tableType, tableKeys);
    }
    writeCheckpoint();
    exportColumns(table, tableKeys);
    exportPrimaryKey(table, tableKeys);
    return exportForeignKeys(table, tableKeys);
}
