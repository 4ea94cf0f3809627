// Export of tables and files: the property table of a "TABLES" record and the
// walks over a table's columns, primary key and foreign keys.
#include "export/table_export.h"

#include <array>

#include "dictionary/attribute.h"
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
    {DIRBname_key, F::Wrapped, [](DR& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {shrtdesc_key, F::WrappedIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {longdesc_key, F::WrappedIfNonEmpty,
     [](DR& o, HQRC& rc) -> PropertyValue { return o.getLongDescription(rc); }},
    {{}, F::EachKey},
    {tblisbin_key, F::YesIfOne,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().BinaryFlag}; }},
    {tblnamsp_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.getNordbaseTableNameSpace(); }},
    {tblftype_key, F::Decimal,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getFileTypeNumber()}; }},
    {tbll1nam_key, F::YesIfOne,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().FirstLineNames}; }},
    {chardelm_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.fields().charDelm; }},
    {creatype_key, F::Decimal,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.getTypeOfCreationNumber()}; }},
    {tabview_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().viewFlag}; }},
    {tabalias_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().aliasFlag}; }},
    {qrtdratn_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().persistentFlag}; }},
    {qrtmaxed_key, F::Decimal,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().max_editions}; }},
    {qrtcregn_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().AutoGenCreateStmt}; }},
    {qrtcreru_key, F::Wrapped, createStatementOnOneLine,
     [](DR& o) { return o.fields().AutoGenCreateStmt == 0; }},
    {qrtcrtar_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().createTarTab}; }},
    {qrtgrant_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().grantToPublic}; }},
    {idsdim_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().DIMENSION_TABLE}; }},
    {idsfact_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().FACT_TABLE}; }},
    {cdschema_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.fields().CDTableSchema; }},
    {cdtabnam_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.fields().CDTableName; }},
    {beforimg_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.fields().BEFORE_IMG_PREFIX; }},
    {idsrepl_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().REPL_ENABLED}; }},
    {namindex_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.fields().NordbaseTableNameIndex; }},
    {dbnamm7r_key, F::TextIfNonEmpty,
     [](DR& o, HQRC&) -> PropertyValue { return o.fields().dbNameM7R; }},
    {parttbsp_key, F::YesIfNonZero,
     [](DR& o, HQRC&) -> PropertyValue { return long{o.fields().INPARTTBSP}; }},
}};

// A failure to read the columns is raised.
void exportColumns(DataResource* table, Euit_ParmList& tableKeys) {
    HQRC rc;
    RelationCollection<Attribute>* columns = table->getAttributeList(rc);
    raiseIfFailed(rc);
    for (Attribute* column = columns->getFirst(rc); column && rc.code == 0;
         column = columns->getNext(rc)) {
        if (export_Attribute(column, tableKeys).code != 0) {
            break;
        }
    }
    endOfWalk(rc);
}

// Only the first primary key is exported.
void exportPrimaryKey(DataResource* table, Euit_ParmList& tableKeys) {
    HQRC rc;
    RelationCollection<PrimaryKey>* keys = table->getPrimaryKeyList(rc);
    raiseIfFailed(rc);
    PrimaryKey* first = keys->getFirst(rc);
    raiseIfFailed(rc);
    if (first) {
        export_PrimaryKey(first, tableKeys);
    }
}

HQRC exportForeignKeys(DataResource* table, Euit_ParmList& tableKeys) {
    HQRC rc;
    RelationCollection<ForeignKey>* keys = table->getForeignKeyList(rc);
    if (rc.code == 0) {
        for (ForeignKey* key = keys->getFirst(rc); key && rc.code == 0; key = keys->getNext(rc)) {
            rc = export_ForeignKey(key, tableKeys);
            if (rc.code != 0) {
                break;
            }
        }
    }
    return rc.code == 3142 ? exportOk() : rc;
}

} // namespace

HQRC export_DataRes(DataResource* table) {
    Euit_ParmList tableKeys;
    if (Tag_ExpList::getInstance().addElem(table, tableKeys) != 0) {
        return exportOk();
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
    Tag_File::write_chkpid();
    exportColumns(table, tableKeys);
    exportPrimaryKey(table, tableKeys);
    return exportForeignKeys(table, tableKeys);
}
