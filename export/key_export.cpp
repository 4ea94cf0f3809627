// Export of primary keys, foreign keys and key maps: their records, the
// key-map walk shared by both kinds of key, and the two column passes of a
// key map.
#include "export/key_export.h"

#include "dictionary/attribute.h"
#include "dictionary/data_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "export/column_passes.h"
#include "export/export_registry.h"
#include "export/list_walk.h"
#include "export/property_table.h"
#include "export/table_export.h"

namespace {

using F = PropertyForm;

// Both kinds of key write the same properties (no long description).
using KeyRow = PropertyRow<Key>;
const KeyRow kKeyProperties[] = {
    KeyRow::name(),
    KeyRow::shortDescription(),
    KeyRow::identifier(keyid_key),
};

const ExportRecord<Key> kPrimaryKeyRecord{DIRObjectType::PrimaryKey, kKeyProperties,
                                          FromOwner::Contain};
const ExportRecord<Key> kForeignKeyRecord{DIRObjectType::ForeignKey, kKeyProperties};

using MapRow = PropertyRow<KeyMap>;
const MapRow kKeyMapProperties[] = {
    MapRow::name(),
    MapRow::shortDescription(),
    MapRow::field(mapseqno_key, F::Decimal, &KeyMap::Fields::orderNo),
    MapRow::identifier(mapid_key),
};

const ExportRecord<KeyMap> kKeyMapRecord{DIRObjectType::KeyMap, kKeyMapProperties};

// The two column passes of a key map, in this order: the column of the
// primary-key side, then the column of the foreign-key side.
const ColumnPass<KeyMap> kColumnPasses[] = {
    {&KeyMap::getPKeyAttribute, NameNType2::MapPCol},
    {&KeyMap::getFKeyAttribute, NameNType2::MapFCol},
};

// The key maps of a key, each with ownerType as the source of its CONTAIN
// record.
void exportKeyMaps(Key& key, Euit_ParmList& keyKeys, DIRObjectType ownerType) {
    KeyMap map;
    walkRows(map, map.listFirstByRef(key), WalkEnd::RaiseErrors,
             [&](KeyMap& each) { export_KeyMap(&each, keyKeys, ownerType); });
}

} // namespace

void export_PrimaryKey(PrimaryKey* key, Euit_ParmList& tableKeys) {
    Euit_ParmList keyKeys;
    if (!writeNewRecord<Key>(kPrimaryKeyRecord, *key, keyKeys,
                             {DIRObjectType::DataResource, &tableKeys}))
        return;
    exportKeyMaps(*key, keyKeys, DIRObjectType::PrimaryKey);
    Tag_File::write_chkpid();
}

void export_ForeignKey(ForeignKey* key, Euit_ParmList& tableKeys) {
    Euit_ParmList keyKeys;
    if (!writeNewRecord<Key>(kForeignKeyRecord, *key, keyKeys))
        return;

    // The referenced table is written before the foreign key refers to it.
    HQRC rc;
    PrimaryKey* primaryKey = key->getPrimaryKey(rc);
    raiseIfFailed(rc);
    if (primaryKey) {
        DataResource* referenced = primaryKey->getDataResource(rc);
        raiseIfFailed(rc);
        if (referenced)
            raiseIfFailed(export_DataRes(referenced));
        Euit_ParmList primaryKeys;
        Tag_ExpList::getInstance().getKeys(primaryKey, primaryKeys);
        writeLink(DIRObjectType::ForeignKey, keyKeys, DIRObjectType::PrimaryKey, primaryKeys);
    }
    writeContain(DIRObjectType::DataResource, tableKeys, DIRObjectType::ForeignKey, keyKeys);
    exportKeyMaps(*key, keyKeys, DIRObjectType::ForeignKey);
    Tag_File::write_chkpid();
}

void export_KeyMap(KeyMap* map, Euit_ParmList& ownerKeys, DIRObjectType ownerType) {
    Euit_ParmList mapKeys;
    if (!writeNewRecord(kKeyMapRecord, *map, mapKeys))
        return;
    writeColumnPasses<KeyMap>(*map, DIRObjectType::KeyMap, mapKeys, kColumnPasses,
                              {.contain = true, .columnRecordFirst = true});
    writeContain(ownerType, ownerKeys, DIRObjectType::KeyMap, mapKeys);
    Tag_File::write_chkpid();
}
