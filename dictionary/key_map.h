// KeyMap: one column of a key, in key order, with its key and its column.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class Key;
class PrimaryKey;
class ForeignKey;
class Attribute;

struct KeyMapFields {
    int32_t orderNo = 0;

    static const ColumnTable<KeyMapFields>& columns();
};

class KeyMap : public DIRRecord<KeyMapFields> {
public:
    KeyMap();

    // The key maps of a primary or foreign key.
    HQRC listFirstByRef(const Key& key);

    PrimaryKey* getPrimaryKey(HQRC& rc);
    ForeignKey* getForeignKey(HQRC& rc);
    // The column of the map on the primary-key side ("Attr_TO_PKeyMap_Rel").
    Attribute* getPKeyAttribute(HQRC& rc);
    // The column of the map on the foreign-key side ("Attr_TO_FKeyMap_Rel").
    Attribute* getFKeyAttribute(HQRC& rc);

private:
    RelationCollection<PrimaryKey> primaryKey_;
    RelationCollection<ForeignKey> foreignKey_;
    RelationCollection<Attribute> pkeyAttribute_;
    RelationCollection<Attribute> fkeyAttribute_;
};
