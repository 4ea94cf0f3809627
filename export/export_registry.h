// The registry of objects already written to the tag file during one run.
// Objects are identified by the key properties the tag file uses to refer to
// them; a hash index beside the registration order keeps every lookup at
// constant cost, so a run stays linear in the number of exported objects.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

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
    int cascadeDone = 0;

    // Text that is equal for two entries exactly when their types are equal
    // and their key lists are equal (names and values, order ignored).
    const std::string& lookupKey() const { return lookup; }

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
    std::vector<std::pair<HQSTRING, HQSTRING>> stored; // the keys as stored, while building
    std::string lookup;
};

class Tag_ExpList {
public:
    static Tag_ExpList& getInstance();

    // The first registered entry of the same type with equal keys, or null.
    TagX_Obj* inList(const TagX_Obj& entry);
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

    std::vector<std::unique_ptr<TagX_Obj>> order;
    std::unordered_map<DIRId, TableKeys> tableKeys; // per table identifier
    std::unordered_map<DIRId, DIRId> columnTables;  // column identifier -> its table's
    // Lookup key (a view of the registered entry's own text) -> position in order.
    std::unordered_map<std::string_view, size_t> index;
};
