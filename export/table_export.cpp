// Export of tables and files: the record of a "TABLES" object and the walks
// over a table's columns, primary key and foreign keys.
#include "export/table_export.h"

#include "dictionary/attribute.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "export/column_export.h"
#include "export/database_export.h"
#include "export/export_registry.h"
#include "export/key_export.h"
#include "export/list_walk.h"
#include "export/property_table.h"

namespace {

using DR = DataResource;
using Row = PropertyRow<DR>;
using F = PropertyForm;
using Fields = DR::Fields;

// The stored CREATE statement on one line: every line feed becomes a blank.
PropertyValue createStatementOnOneLine(DR& table, HQRC& rc) {
    HQSTRING statement = table.getCreateStmt(rc);
    return DataResource::getNameReplaceString(statement, L"\n", L" ");
}

const Row kTableProperties[] = {
    Row::name(),
    Row::shortDescription(),
    Row::longDescription(),
    Row::eachKey(),
    Row::field(tblisbin_key, F::YesIfOne, &Fields::BinaryFlag),
    Row::computed(tblnamsp_key, F::TextIfNonEmpty,
                  [](DR& o, HQRC&) -> PropertyValue { return o.getNordbaseTableNameSpace(); }),
    Row::computed(tblftype_key, F::Decimal,
                  [](DR& o, HQRC&) -> PropertyValue { return long{o.getFileTypeNumber()}; }),
    Row::field(tbll1nam_key, F::YesIfOne, &Fields::FirstLineNames),
    Row::field(chardelm_key, F::TextIfNonEmpty, &Fields::charDelm),
    Row::computed(creatype_key, F::Decimal,
                  [](DR& o, HQRC&) -> PropertyValue { return long{o.getTypeOfCreationNumber()}; }),
    Row::field(tabview_key, F::YesIfNonZero, &Fields::viewFlag),
    Row::field(tabalias_key, F::YesIfNonZero, &Fields::aliasFlag),
    Row::field(qrtdratn_key, F::YesIfNonZero, &Fields::persistentFlag),
    Row::field(qrtmaxed_key, F::Decimal, &Fields::max_editions),
    Row::field(qrtcregn_key, F::YesIfNonZero, &Fields::AutoGenCreateStmt),
    Row::computed(qrtcreru_key, F::Wrapped, createStatementOnOneLine,
                  [](DR& o) { return o.fields().AutoGenCreateStmt == 0; }),
    Row::field(qrtcrtar_key, F::YesIfNonZero, &Fields::createTarTab),
    Row::field(qrtgrant_key, F::YesIfNonZero, &Fields::grantToPublic),
    Row::field(idsdim_key, F::YesIfNonZero, &Fields::DIMENSION_TABLE),
    Row::field(idsfact_key, F::YesIfNonZero, &Fields::FACT_TABLE),
    Row::field(cdschema_key, F::TextIfNonEmpty, &Fields::CDTableSchema),
    Row::field(cdtabnam_key, F::TextIfNonEmpty, &Fields::CDTableName),
    Row::field(beforimg_key, F::TextIfNonEmpty, &Fields::BEFORE_IMG_PREFIX),
    Row::field(idsrepl_key, F::YesIfNonZero, &Fields::REPL_ENABLED),
    Row::field(namindex_key, F::TextIfNonEmpty, &Fields::NordbaseTableNameIndex),
    Row::field(dbnamm7r_key, F::TextIfNonEmpty, &Fields::dbNameM7R),
    Row::field(parttbsp_key, F::YesIfNonZero, &Fields::INPARTTBSP),
};

const ExportRecord<DR> kTableRecord{DIRObjectType::DataResource, kTableProperties,
                                    FromOwner::Contain, true};

// Only the first primary key is exported.
void exportPrimaryKey(DataResource& table, Euit_ParmList& tableKeys) {
    HQRC rc;
    RelationCollection<PrimaryKey>* keys = table.getPrimaryKeyList(rc);
    raiseIfFailed(rc);
    PrimaryKey* first = keys->getFirst(rc);
    raiseIfFailed(rc);
    if (first)
        export_PrimaryKey(first, tableKeys);
}

} // namespace

HQRC export_DataRes(DataResource* table) {
    Euit_ParmList tableKeys;
    if (!registerNew(*table, tableKeys))
        return HQRC();
    // The table's database comes first. A table whose database row is
    // missing is written without the CONTAIN record from it.
    HQRC rc;
    InformationResource* database = table->getInformationResource(rc);
    raiseIfFailed(rc);
    Euit_ParmList databaseKeys;
    if (database) {
        export_InfoRes(database);
        Tag_ExpList::getInstance().getKeys(database, databaseKeys);
    }
    writeRecord(kTableRecord, *table, tableKeys,
                {DIRObjectType::InformationResource, database ? &databaseKeys : nullptr});
    walkRelated(
        table->getAttributeList, WalkEnd::RaiseErrors,
        [&](Attribute& column) { export_Attribute(&column, tableKeys); }, WalkKeep::Nothing);
    exportPrimaryKey(*table, tableKeys);
    return walkRelated(
        table->getForeignKeyList, WalkEnd::ReturnErrors,
        [&](ForeignKey& key) { export_ForeignKey(&key, tableKeys); }, WalkKeep::Nothing);
}
