// Key maps: the key-map lists of a key and the map's key and columns.
#include "dictionary/key_map.h"

#include "dictionary/attribute.h"
#include "dictionary/key.h"

namespace {
using F = KeyMapFields;
const ClassInfo kInfo{DIRObjectType::KeyMap, L".KeyMap", L"DDDPKMAP", "KMAPDesc", L""};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{col(L"orderNo", &F::orderNo)};
    return table;
}

KeyMap::KeyMap() : DIRRecord(kInfo) {}

HQRC KeyMap::listFirstByRef(const Key& key) {
    const Relation& relation = key.getObjectType() == DIRObjectType::PrimaryKey
                                   ? rel::KeyMap_TO_PrimaryKey
                                   : rel::KeyMap_TO_ForeignKey;
    return listFirstRelated(L"listFirstByRef", relation, RelationSide::Target, key.getId());
}
