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

    // Its table, its key maps, the foreign keys that refer to it; null with
    // 3104 when the object was never read.
    RelatedObject<DataResource> getDataResource{*this, rel::DR_TO_PrimaryKey_Rel,
                                                RelationSide::Target, L"getDataResource"};
    RelationList<KeyMap> getKeyMapList{*this, rel::KeyMap_TO_PrimaryKey, RelationSide::Target,
                                       L"getKeyMapList"};
    RelationList<ForeignKey> getForeignKeyList{*this, rel::PrimK_TO_ForeignK, RelationSide::Target,
                                               L"getForeignKeyList"};
};

class ForeignKey : public Key {
public:
    ForeignKey();

    // The foreign keys of a table (its "DR_TO_ForeignKey_Rel" rows).
    HQRC listFirstByDR(const DIRId& table);
    // The same, only the keys that must still be applied to the table.
    HQRC listFirstByDRAlter(const DIRId& table);

    // Its table, its key maps, the primary key it refers to (null with code 0
    // when there is none); null with 3104 when the object was never read.
    RelatedObject<DataResource> getDataResource{*this, rel::DR_TO_ForeignKey_Rel,
                                                RelationSide::Target, L"getDataResource"};
    RelationList<KeyMap> getKeyMapList{*this, rel::KeyMap_TO_ForeignKey, RelationSide::Target,
                                       L"getKeyMapList"};
    RelatedObject<PrimaryKey> getPrimaryKey{*this, rel::PrimK_TO_ForeignK, RelationSide::Source,
                                            L"getPrimaryKey"};
};
