// Export of columns: the property table of a "COLUMN" record.
#include "export/column_export.h"

#include <array>

#include "dictionary/attribute.h"
#include "export/export_registry.h"
#include "export/property_table.h"
#include "export/tag_vocabulary.h"

namespace {

using F = PropertyForm;

constexpr int tableType = 5;
constexpr int columnType = 6;

const std::array<PropertyRow<Attribute>, 15> columnProperties = {{
    {DIRBname_key, F::Wrapped, [](Attribute& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {shrtdesc_key, F::WrappedIfNonEmpty,
     [](Attribute& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {longdesc_key, F::WrappedIfNonEmpty,
     [](Attribute& o, HQRC& rc) -> PropertyValue { return o.getLongDescription(rc); }},
    {datatype_key, F::Text,
     [](Attribute& o, HQRC&) -> PropertyValue { return o.fields().ODBCDataType; }},
    {length_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.fields().precDigits}; }},
    {scale_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.fields().scale}; }},
    {posno_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.fields().seqNo}; }},
    {nulls_key, F::YesIfOne,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.fields().isNull}; }},
    {istext_key, F::YesIfOne,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.fields().isText}; }},
    {{}, F::EachKey},
    {nativedt_key, F::Wrapped,
     [](Attribute& o, HQRC&) -> PropertyValue { return o.fields().nativeDataType; }},
    {offset_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.fields().offset}; }},
    {ordinal_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.fields().ordinalNo}; }},
    {coltype_key, F::TextIfNonEmpty,
     [](Attribute& o, HQRC&) -> PropertyValue { return o.fields().col_Type; }},
    {edtncol_key, F::YesIfNonZero,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.fields().isEditionCol}; }},
}};

} // namespace

HQRC export_Attribute(Attribute* column, Euit_ParmList& tableKeys) {
    Euit_ParmList columnKeys;
    if (Tag_ExpList::getInstance().addElem(column, columnKeys) != 0) {
        return exportOk();
    }
    writeObjectRecord<Attribute>(columnType, columnProperties, *column, columnKeys);
    writeContain(tableType, tableKeys, columnType, columnKeys);
    Tag_File::write_chkpid();
    return exportOk();
}
