// The registry of objects already written to the tag file during one run.
// Objects are identified by the key properties the tag file uses to refer to
// them; a hash index beside the registration order keeps every lookup at
// constant cost, so a run stays linear in the number of exported objects.
// A registered object is kept as one text (its type and keys), not as a
// property list: the registry holds an entry for every exported object.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <absl/container/flat_hash_map.h>
#include <absl/container/node_hash_map.h>

#include "dictionary/dir_id.h"
#include "export/tag_property.h"
#include "runtime/hq_string.h"

class DIRBase;

// The DBNAME, OWNER and TABLES keys of one table.
using TableKeys = std::array<std::pair<std::wstring_view, HQSTRING>, 3>;

// One registry entry: the object's type and its identifying key properties.
class TagX_Obj {
public:
    // Builds the keys of obj by its object type. Throws an HQRC with code 99
    // for a type that has no key construction, and passes on unchanged the
    // failure of a navigation needed for the keys.
    explicit TagX_Obj(DIRBase* obj);

    int objType() const { return objectType; }
    const Euit_ParmList& getKeys() const { return keys; }
    Euit_ParmList takeKeys() { return std::move(keys); }

    // Text that is equal for two entries exactly when their types are equal
    // and their key lists are equal (names and values): the type, then each
    // name and value with its length in front, in the order the keys of the
    // type are always built. A character below 0x80 is kept as itself, any
    // other as 0xFF and its four bytes.
    const std::string& lookupKey() const { return lookup; }
    std::string takeLookupKey() { return std::move(lookup); }
    // The key list of a lookup text.
    static Euit_ParmList keysOf(std::string_view lookup);

    // Start time of a schedule in the key form YYYY-MM-DD-hh:mm:ss.000000,
    // from the stored year (years since 1900) and the other stored fields.
    static HQSTRING scheduleTime(int storedYear, int month, int day, int hour, int minute,
                                 int second);

private:
    void addKey(std::wstring_view name, const HQSTRING& value);
    void addWrappedKey(std::wstring_view name, const HQSTRING& value);
    void addTableKeys(DIRBase* dataResource);
    void addColumnTableKeys(DIRBase* attribute);

    int objectType = 0;
    Euit_ParmList keys;
    std::string lookup;
};

// What the registry keeps of a registered object besides its lookup text.
struct TagX_Registered {
    int objectType = 0;
    int cascadeDone = 0; // 1 once setCascadeDone was called for it
};

class Tag_ExpList {
public:
    static Tag_ExpList& getInstance();

    // The registered entry of the same type with equal keys, or null.
    TagX_Registered* inList(const TagX_Obj& entry);
    // Fills keys with the object's keys; registers the object and returns 0
    // when no equal entry exists, else returns 1.
    int addElem(DIRBase* obj, Euit_ParmList& keys);
    // Fills keys with the object's keys; registers nothing.
    void getKeys(DIRBase* obj, Euit_ParmList& keys);
    bool dddInList(DIRBase* obj);
    // 0 for an object that is not registered.
    int isCascadeDone(DIRBase* obj);
    void setCascadeDone(DIRBase* obj);
    // From position on, finds the next registered step: copies its keys and
    // sets position past it; sets position to -1 when none is left.
    void getNextBV(int& position, Euit_ParmList& keys);

    size_t entries() const { return order.size(); }
    // Forgets every entry (a new run in the same process, and tests).
    void clear();

private:
    friend class TagX_Obj;
    Tag_ExpList() = default;

    using Entry = std::pair<const std::string, TagX_Registered>;
    // Lookup text -> the registered object; the order of registration.
    absl::node_hash_map<std::string, TagX_Registered> index;
    std::vector<const Entry*> order;
    absl::flat_hash_map<DIRId, TableKeys, std::hash<DIRId>> tableKeys; // per table identifier
    absl::flat_hash_map<DIRId, DIRId, std::hash<DIRId>>
        columnTables; // column identifier -> its table's
};
