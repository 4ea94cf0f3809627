// Export of columns: the record of a "COLUMN" object.
#include "export/column_export.h"

#include "dictionary/attribute.h"
#include "export/property_table.h"

namespace {

using Row = PropertyRow<Attribute>;
using F = PropertyForm;
using Fields = Attribute::Fields;

const Row kColumnProperties[] = {
    Row::name(),
    Row::shortDescription(),
    Row::longDescription(),
    Row::field(datatype_key, F::Text, &Fields::ODBCDataType),
    Row::field(length_key, F::Decimal, &Fields::precDigits),
    Row::field(scale_key, F::Decimal, &Fields::scale),
    Row::field(posno_key, F::Decimal, &Fields::seqNo),
    Row::field(nulls_key, F::YesIfOne, &Fields::isNull),
    Row::field(istext_key, F::YesIfOne, &Fields::isText),
    Row::eachKey(),
    Row::field(nativedt_key, F::Wrapped, &Fields::nativeDataType),
    Row::field(offset_key, F::Decimal, &Fields::offset),
    Row::field(ordinal_key, F::Decimal, &Fields::ordinalNo),
    Row::field(coltype_key, F::TextIfNonEmpty, &Fields::col_Type),
    Row::field(edtncol_key, F::YesIfNonZero, &Fields::isEditionCol),
};

const ExportRecord<Attribute> kColumnRecord{DIRObjectType::Attribute, kColumnProperties,
                                            FromOwner::Contain, true};

} // namespace

void export_Attribute(Attribute* column, Euit_ParmList& tableKeys) {
    Euit_ParmList columnKeys;
    writeNewRecord(kColumnRecord, *column, columnKeys, {DIRObjectType::DataResource, &tableKeys});
}
