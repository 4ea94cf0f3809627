// Export of primary keys, foreign keys and key maps: their property tables,
// the key-map walk shared by both kinds of key, and the two column passes of
// a key map.
#include "export/key_export.h"

#include <array>

#include "dictionary/attribute.h"
#include "dictionary/data_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "export/export_registry.h"
#include "export/property_table.h"
#include "export/table_export.h"
#include "export/tag_vocabulary.h"

namespace {

using F = PropertyForm;

constexpr int tableType = 5;
constexpr int columnType = 6;
constexpr int primaryKeyType = 23;
constexpr int foreignKeyType = 24;
constexpr int keyMapType = 25;
constexpr int mapPrimaryColumnType = 143;
constexpr int mapForeignColumnType = 144;

// Both kinds of key write the same properties (no long description).
const std::array<PropertyRow<Key>, 3> keyProperties = {{
    {DIRBname_key, F::Wrapped, [](Key& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {shrtdesc_key, F::WrappedIfNonEmpty,
     [](Key& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {keyid_key, F::Text, [](Key& o, HQRC&) -> PropertyValue { return o.getId().toString(); }},
}};

const std::array<PropertyRow<KeyMap>, 4> keyMapProperties = {{
    {DIRBname_key, F::Wrapped, [](KeyMap& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {shrtdesc_key, F::WrappedIfNonEmpty,
     [](KeyMap& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {mapseqno_key, F::Decimal,
     [](KeyMap& o, HQRC&) -> PropertyValue { return long{o.fields().orderNo}; }},
    {mapid_key, F::Text, [](KeyMap& o, HQRC&) -> PropertyValue { return o.getId().toString(); }},
}};

// The two column passes of a key map, in this order: the column of the
// primary-key side, then the column of the foreign-key side.
struct ColumnPass {
    RelatedObject<Attribute> KeyMap::*column;
    int relationType;
};

const std::array<ColumnPass, 2> columnPasses = {{
    {&KeyMap::getPKeyAttribute, mapPrimaryColumnType},
    {&KeyMap::getFKeyAttribute, mapForeignColumnType},
}};

// The key maps of a key, each with ownerType as the source of its CONTAIN
// record. The walk's end code is not reported.
void exportKeyMaps(Key* key, Euit_ParmList& keyKeys, int ownerType) {
    KeyMap map;
    HQRC rc = map.listFirstByRef(*key);
    while (rc.code == 0) {
        if (export_KeyMap(&map, keyKeys, ownerType).code != 0) {
            break;
        }
        rc = map.listNext();
    }
}

} // namespace

HQRC export_PrimaryKey(PrimaryKey* key, Euit_ParmList& tableKeys) {
    Euit_ParmList keyKeys;
    if (Tag_ExpList::getInstance().addElem(key, keyKeys) != 0) {
        return exportOk();
    }
    writeObjectRecord<Key>(primaryKeyType, keyProperties, *key, keyKeys);
    writeContain(tableType, tableKeys, primaryKeyType, keyKeys);
    exportKeyMaps(key, keyKeys, primaryKeyType);
    Tag_File::write_chkpid();
    return exportOk();
}

HQRC export_ForeignKey(ForeignKey* key, Euit_ParmList& tableKeys) {
    Euit_ParmList keyKeys;
    if (Tag_ExpList::getInstance().addElem(key, keyKeys) != 0) {
        return exportOk();
    }
    writeObjectRecord<Key>(foreignKeyType, keyProperties, *key, keyKeys);

    // The referenced table is written before the foreign key refers to it.
    HQRC rc;
    PrimaryKey* primaryKey = key->getPrimaryKey(rc);
    raiseIfFailed(rc);
    if (primaryKey) {
        DataResource* referenced = primaryKey->getDataResource(rc);
        raiseIfFailed(rc);
        if (referenced) {
            raiseIfFailed(export_DataRes(referenced));
        }
        Euit_ParmList primaryKeys;
        Tag_ExpList::getInstance().getKeys(primaryKey, primaryKeys);
        writeLink(foreignKeyType, keyKeys, primaryKeyType, primaryKeys);
    }
    writeContain(tableType, tableKeys, foreignKeyType, keyKeys);
    exportKeyMaps(key, keyKeys, foreignKeyType);
    Tag_File::write_chkpid();
    return exportOk();
}

HQRC export_KeyMap(KeyMap* map, Euit_ParmList& ownerKeys, int ownerType) {
    Euit_ParmList mapKeys;
    if (Tag_ExpList::getInstance().addElem(map, mapKeys) != 0) {
        return exportOk();
    }
    writeObjectRecord<KeyMap>(keyMapType, keyMapProperties, *map, mapKeys);
    for (const ColumnPass& pass : columnPasses) {
        HQRC rc;
        Attribute* column = (map->*pass.column)(rc);
        raiseIfFailed(rc);
        if (!column) {
            continue;
        }
        Euit_ParmList columnKeys;
        Tag_ExpList::getInstance().getKeys(column, columnKeys);
        export_relinstance(pass.relationType, mapKeys);
        writeContain(pass.relationType, mapKeys, columnType, columnKeys);
        writeContain(keyMapType, mapKeys, pass.relationType, mapKeys);
    }
    writeContain(ownerType, ownerKeys, keyMapType, mapKeys);
    Tag_File::write_chkpid();
    return exportOk();
}
