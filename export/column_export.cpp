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
    {&DIRBname_key, F::Wrapped,
     [](Attribute& o, HQRC&) -> PropertyValue { return o.getLargeName(); }},
    {&shrtdesc_key, F::WrappedIfNonEmpty,
     [](Attribute& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {&longdesc_key, F::WrappedIfNonEmpty,
     [](Attribute& o, HQRC& rc) -> PropertyValue { return o.getLongDescription(rc); }},
    {&datatype_key, F::Text,
     [](Attribute& o, HQRC&) -> PropertyValue { return o.getODBCDataType(); }},
    {&length_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.getPrecDigits()}; }},
    {&scale_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.getScale()}; }},
    {&posno_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.getSeqNo()}; }},
    {&nulls_key, F::YesIfOne,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.getIsNull()}; }},
    {&istext_key, F::YesIfOne,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.getIsText()}; }},
    {nullptr, F::EachKey, nullptr},
    {&nativedt_key, F::Wrapped,
     [](Attribute& o, HQRC&) -> PropertyValue { return o.getNativeDataType(); }},
    {&offset_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.getOffset()}; }},
    {&ordinal_key, F::Decimal,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.getOrdinalNo()}; }},
    {&coltype_key, F::TextIfNonEmpty,
     [](Attribute& o, HQRC&) -> PropertyValue { return o.getColType(); }},
    {&edtncol_key, F::YesIfNonZero,
     [](Attribute& o, HQRC&) -> PropertyValue { return long{o.getIsEditionCol()}; }},
}};

} // namespace

HQRC export_Attribute(Attribute* column, Euit_ParmList& tableKeys) {
    Euit_ParmList columnKeys;
    if (Tag_ExpList::getInstance().addElem(column, columnKeys) != 0) {
        return HQRC(0, 0, DomainWhsSrv);
    }
    writeObjectRecord<Attribute>(columnType, columnProperties, *column, columnKeys);
    writeContain(tableType, tableKeys, columnType, columnKeys);
    writeCheckpoint();
    return HQRC(0, 0, DomainWhsSrv);
}
