// Keys of a table: Key (the common columns of ".Key") with its two kinds,
// PrimaryKey and ForeignKey, and their relations to the table, the key maps
// and each other.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class DataResource;
class KeyMap;
class PrimaryKey;
class ForeignKey;

struct KeyFields {
    HQSTRING IRName;
    HQSTRING DRName;
    HQSTRING typeStr;
    int16_t needsAlter = 0;
    HQSTRING largeDRSchemaName;
    HQSTRING largeDRTableName;

    static const ColumnTable<KeyFields>& columns();
};

class Key : public DIRRecord<KeyFields> {
protected:
    // Reads the name-length limits from the configuration.
    explicit Key(const ClassInfo& info);
};

class PrimaryKey : public Key {
public:
    PrimaryKey();

    DataResource* getDataResource(HQRC& rc);
    RelationCollection<KeyMap>* getKeyMapList(HQRC& rc);
    // Foreign keys that refer to this key.
    RelationCollection<ForeignKey>* getForeignKeyList(HQRC& rc);

private:
    RelationCollection<DataResource> table_;
    RelationCollection<KeyMap> keyMaps_;
    RelationCollection<ForeignKey> foreignKeys_;
};

class ForeignKey : public Key {
public:
    ForeignKey();

    // The foreign keys of a table (its "DR_TO_ForeignKey_Rel" rows).
    HQRC listFirstByDR(const DIRId& table);
    // The same, only the keys that must still be applied to the table.
    HQRC listFirstByDRAlter(const DIRId& table);

    DataResource* getDataResource(HQRC& rc);
    RelationCollection<KeyMap>* getKeyMapList(HQRC& rc);
    // The primary key this key refers to (null with code 0 when there is none).
    PrimaryKey* getPrimaryKey(HQRC& rc);
    RelationCollection<PrimaryKey>* getPrimaryKeyList(HQRC& rc);

private:
    RelationCollection<DataResource> table_;
    RelationCollection<KeyMap> keyMaps_;
    RelationCollection<PrimaryKey> primaryKey_;
};
