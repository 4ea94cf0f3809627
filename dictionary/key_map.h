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

    // Its key (of one kind or the other) and its column on the primary-key
    // and on the foreign-key side; null with code 0 when there is none, null
    // with 3104 when the object was never read.
    RelatedObject<PrimaryKey> getPrimaryKey{*this, rel::KeyMap_TO_PrimaryKey, RelationSide::Source,
                                            L"getPrimaryKey"};
    RelatedObject<ForeignKey> getForeignKey{*this, rel::KeyMap_TO_ForeignKey, RelationSide::Source,
                                            L"getForeignKey"};
    RelatedObject<Attribute> getPKeyAttribute{*this, rel::Attr_TO_PKeyMap_Rel, RelationSide::Source,
                                              L"getPKeyAttribute"};
    RelatedObject<Attribute> getFKeyAttribute{*this, rel::Attr_TO_FKeyMap_Rel, RelationSide::Source,
                                              L"getFKeyAttribute"};
};
