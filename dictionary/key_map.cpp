// Key maps: the key-map lists of a key and the map's key and columns.
#include "dictionary/key_map.h"

#include "dictionary/attribute.h"
#include "dictionary/key.h"
#include "dictionary/relation_getters.h"

namespace {
using F = KeyMapFields;
const ClassInfo kInfo{DIRObjectType::KeyMap, L".KeyMap", L"DDDPKMAP", "KMAPDesc", L""};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{col(L"orderNo", &F::orderNo)};
    return table;
}

KeyMap::KeyMap()
    : DIRRecord(kInfo),
      primaryKey_(*this, L"KeyMap_TO_PrimaryKey", 0, DIRObjectType::PrimaryKey, 1),
      foreignKey_(*this, L"KeyMap_TO_ForeignKey", 0, DIRObjectType::ForeignKey, 1),
      pkeyAttribute_(*this, L"Attr_TO_PKeyMap_Rel", 0, DIRObjectType::Attribute, 1),
      fkeyAttribute_(*this, L"Attr_TO_FKeyMap_Rel", 0, DIRObjectType::Attribute, 1) {}

HQRC KeyMap::listFirstByRef(const Key& key) {
    const wchar_t* relation = key.getObjectType() == DIRObjectType::PrimaryKey
                                  ? L"KeyMap_TO_PrimaryKey"
                                  : L"KeyMap_TO_ForeignKey";
    return listFirstWhere(L"listFirstByRef",
                          L" where qrtid in (select source_qrtid from " +
                              controldb::schemaPrefix() + L".relationship where relation_name='" +
                              relation + L"' and target_qrtid = ?)",
                          {QueryParm::id(key.getId())});
}

PrimaryKey* KeyMap::getPrimaryKey(HQRC& rc) {
    return guardedFirst(*this, primaryKey_, L"getPrimaryKey", rc);
}

ForeignKey* KeyMap::getForeignKey(HQRC& rc) {
    return guardedFirst(*this, foreignKey_, L"getForeignKey", rc);
}

Attribute* KeyMap::getPKeyAttribute(HQRC& rc) {
    return guardedFirst(*this, pkeyAttribute_, L"getPKeyAttribute", rc);
}

Attribute* KeyMap::getFKeyAttribute(HQRC& rc) {
    return guardedFirst(*this, fkeyAttribute_, L"getFKeyAttribute", rc);
}
