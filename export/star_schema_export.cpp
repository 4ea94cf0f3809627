// Export of star schemas and their join links: the two records, the walk over
// the schema's tables and links, and the column passes of a column join.
#include "export/star_schema_export.h"

#include "dictionary/attribute.h"
#include "dictionary/attribute_link.h"
#include "dictionary/data_resource.h"
#include "dictionary/star_schema.h"
#include "export/column_passes.h"
#include "export/export_registry.h"
#include "export/list_walk.h"
#include "export/property_table.h"
#include "export/table_export.h"

namespace {

using F = PropertyForm;

using SchemaRow = PropertyRow<StarSchema>;
const SchemaRow kStarSchemaProperties[] = {
    SchemaRow::name(),
    SchemaRow::shortDescription(),
    SchemaRow::longDescription(),
    SchemaRow::field(contact_key, F::WrappedIfNonEmpty, &StarSchema::Fields::contact),
    SchemaRow::field(hostdbnm_key, F::WrappedIfNonEmpty, &StarSchema::Fields::hostdbname),
};

const ExportRecord<StarSchema> kStarSchemaRecord{DIRObjectType::StarSchema, kStarSchemaProperties,
                                                 FromOwner::None, true};

// Kinds of link by their type number: a column join names two columns and an
// operator; a row join and a row filter carry a row expression; other types
// carry neither.
constexpr int32_t kColumnJoin = 0;
bool isColumnJoin(AttributeLink& link) {
    return link.getTypeNumber() == kColumnJoin;
}
bool carriesRowExpression(AttributeLink& link) {
    const int32_t type = link.getTypeNumber();
    return type == 1 || type == 2;
}

using LinkRow = PropertyRow<AttributeLink>;
const LinkRow kAttributeLinkProperties[] = {
    LinkRow::name(),
    LinkRow::computed(
        atltype_key, F::Decimal,
        [](AttributeLink& o, HQRC&) -> PropertyValue { return long{o.getTypeNumber()}; }),
    LinkRow::identifier(atldirid_key),
    LinkRow::computed(
        atloprx_key, F::Wrapped,
        [](AttributeLink& o, HQRC&) -> PropertyValue { return o.fields().OperatorExp; },
        isColumnJoin),
    LinkRow::computed(
        atlrowx_key, F::WrappedIfNonEmpty,
        [](AttributeLink& o, HQRC& rc) -> PropertyValue { return o.getRowExpression(rc); },
        carriesRowExpression),
};

const ExportRecord<AttributeLink> kAttributeLinkRecord{
    DIRObjectType::AttributeLink, kAttributeLinkProperties, FromOwner::Contain, true};

// The two column passes of a column join, in this order: its first column,
// then its second.
const ColumnPass<AttributeLink> kLinkColumnPasses[] = {
    {&AttributeLink::getAttribute1, NameNType2::ATLAttr1},
    {&AttributeLink::getAttribute2, NameNType2::ATLAttr2},
};

} // namespace

HQRC export_Schema(StarSchema* schema) {
    Euit_ParmList schemaKeys;
    if (!writeNewRecord(kStarSchemaRecord, *schema, schemaKeys))
        return HQRC();

    DataResource table;
    walkRows(table, table.listFirstStarSchema(schema->getId()), WalkEnd::RaiseErrors,
             [&](DataResource& each) {
                 raiseIfFailed(export_DataRes(&each));
                 Euit_ParmList tableKeys;
                 Tag_ExpList::getInstance().getKeys(&each, tableKeys);
                 writeContain(DIRObjectType::StarSchema, schemaKeys, DIRObjectType::DataResource,
                              tableKeys);
                 Tag_File::write_chkpid();
             });

    // The links come after the tables, so that every column they name is
    // already in the file.
    AttributeLink link;
    return walkRows(link, link.listFirstStarSchema(schema->getId()), WalkEnd::ReturnErrors,
                    [&](AttributeLink& each) {
                        export_AttributeLink(&each, schemaKeys, DIRObjectType::StarSchema);
                    });
}

void export_AttributeLink(AttributeLink* link, Euit_ParmList& ownerKeys, DIRObjectType ownerType) {
    Euit_ParmList linkKeys;
    if (!writeNewRecord(kAttributeLinkRecord, *link, linkKeys, {ownerType, &ownerKeys}))
        return;
    if (isColumnJoin(*link))
        writeColumnPasses<AttributeLink>(*link, DIRObjectType::AttributeLink, linkKeys,
                                         kLinkColumnPasses,
                                         {.contain = false, .columnRecordFirst = false});
    Tag_File::write_chkpid();
}
