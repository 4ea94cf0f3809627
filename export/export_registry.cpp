// The registry of exported objects: key construction per object type and the
// registration order with its hash index.
#include "export/export_registry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include "dictionary/attribute.h"
#include "dictionary/bv_schedule.h"
#include "dictionary/data_resource.h"
#include "dictionary/dir_base.h"
#include "dictionary/hq_user.h"
#include "dictionary/information_resource.h"
#include "dictionary/map.h"
#include "dictionary/program.h"
#include "export/export_error.h"
#include "export/tag_vocabulary.h"
#include "export/tag_writer.h"
#include "runtime/return_code.h"

namespace {

HQRC invalidType() {
    HQRC rc(99, 0, DomainWhsSrv);
    rc.location = L"TagX_Obj::TagX_Obj";
    rc.commandLine = L"tagxlist";
    rc.nativeMessage = L"Internal error: invalid DIRBase::objectType.";
    return rc;
}

// How the keys of one object type are made (the keys column of the
// object-type table). None: the type has no registry entry.
enum class KeyKind {
    None,
    Name,
    Database,
    Table,
    Column,
    UserId,
    LinkId,
    ParmId,
    KeyId,
    MapId,
    Schedule,
    MapStep, // the step name of a map and its place in the step
    ProgramKey,
};

#define QRT_OBJECT_TYPE(number, name, cls, keys, ...) KeyKind::keys,
constexpr KeyKind kKeyKinds[] = {
#include "dictionary/object_types.def"
};
#undef QRT_OBJECT_TYPE

// The key of the kinds that name an object by its identifier.
std::wstring_view identifierKey(KeyKind kind) {
    switch (kind) {
    case KeyKind::LinkId:
        return atldirid_key;
    case KeyKind::ParmId:
        return prmid_key;
    case KeyKind::KeyId:
        return keyid_key;
    default:
        return mapid_key;
    }
}

} // namespace

HQSTRING TagX_Obj::scheduleTime(int storedYear, int month, int day, int hour, int minute,
                                int second) {
    return BVSchedule::timeText(storedYear, month, day, hour, minute, second) + L".000000";
}

void TagX_Obj::addKey(std::wstring_view name, const HQSTRING& value) {
    keys.insertElem(HQSTRING(name), value);
    stored.emplace_back(HQSTRING(name).stripped(HQSTRING::both), value.stripped(HQSTRING::both));
}

void TagX_Obj::addWrappedKey(std::wstring_view name, const HQSTRING& value) {
    HQSTRING wrapped(value);
    wrap_parens(wrapped);
    addKey(name, wrapped);
}

// DBNAME, OWNER and TABLES of a table or file. They depend only on the
// table's row and its database's row, which an export run does not change, so
// they are worked out once per table and run: the navigation to the database
// of a table reached through a key map would otherwise read the database's
// whole table list each time.
void TagX_Obj::addTableKeys(DIRBase* object) {
    auto* table = static_cast<DataResource*>(object);
    auto& cache = Tag_ExpList::getInstance().tableKeys;
    const bool cacheable = !table->getId().isUnset();
    if (cacheable) {
        if (auto found = cache.find(table->getId()); found != cache.end()) {
            for (const auto& [name, value] : found->second) {
                addKey(name, value);
            }
            return;
        }
    }

    HQRC rc;
    InformationResource* database = table->getInformationResource(rc);
    raiseIfFailed(rc);
    // A table without its database row keeps an empty database name and is
    // treated as non-relational.
    HQSTRING databaseName = database ? database->getName() : HQSTRING();
    const int32_t dbType = database ? database->fields().dbType : 0;
    HQSTRING name = table->getName();
    size_t dot = InformationResource::isRelational(dbType) ? name.find(L'.') : HQSTRING::npos;
    HQSTRING owner = dot == HQSTRING::npos ? HQSTRING() : name.subString(0, dot);
    HQSTRING tableName = dot == HQSTRING::npos ? name : name.subString(dot + 1);
    wrap_parens(databaseName);
    wrap_parens(tableName);

    TableKeys values = {{{dbname_key, databaseName}, {owner_key, owner}, {tables_key, tableName}}};
    for (const auto& [key, value] : values) {
        addKey(key, value);
    }
    if (cacheable) {
        cache.emplace(table->getId(), std::move(values));
    }
}

// The table keys of a column, from its table. Like the table keys themselves
// they do not change during a run, so the table of each column is kept: a column is
// keyed several times (its record, the key maps that name it), and each time
// the way to its table reads the relationship table and, for a column reached
// through a key map, materialises the table anew.
void TagX_Obj::addColumnTableKeys(DIRBase* object) {
    auto* column = static_cast<Attribute*>(object);
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    const bool cacheable = !column->getId().isUnset();
    if (cacheable) {
        if (auto found = registry.columnTables.find(column->getId());
            found != registry.columnTables.end()) {
            for (const auto& [name, value] : registry.tableKeys.at(found->second)) {
                addKey(name, value);
            }
            return;
        }
    }
    HQRC rc;
    DataResource* table = column->getDataResource(rc);
    raiseIfFailed(rc);
    if (table == nullptr) {
        // A column without its table row: empty table keys.
        addWrappedKey(dbname_key, HQSTRING());
        addKey(owner_key, HQSTRING());
        addWrappedKey(tables_key, HQSTRING());
        return;
    }
    addTableKeys(table);
    if (cacheable && registry.tableKeys.contains(table->getId())) {
        registry.columnTables.emplace(column->getId(), table->getId());
    }
}

TagX_Obj::TagX_Obj(DIRBase* obj) : objectType(static_cast<int>(obj->getObjectType())) {
    KeyKind kind = objectType >= 0 && objectType < static_cast<int>(std::size(kKeyKinds))
                       ? kKeyKinds[static_cast<size_t>(objectType)]
                       : KeyKind::None;
    switch (kind) {
    case KeyKind::None:
        throw invalidType();
    case KeyKind::Name:
        addWrappedKey(DIRBname_key, obj->getName());
        break;
    case KeyKind::Database: {
        auto* database = static_cast<InformationResource*>(obj);
        addWrappedKey(DIRBname_key, database->getName());
        addWrappedKey(dbname_key, database->fields().dbName);
        break;
    }
    case KeyKind::Table:
        addTableKeys(obj);
        break;
    case KeyKind::Column:
        addColumnTableKeys(obj);
        addKey(columns_key, static_cast<Attribute*>(obj)->getName());
        break;
    case KeyKind::Schedule: {
        // The owner's name: a schedule is identified with its step or process.
        auto* schedule = static_cast<BVSchedule*>(obj);
        HQRC rc;
        const HQSTRING owner = schedule->getOwnerName(rc);
        raiseIfFailed(rc);
        const BVScheduleFields& f = schedule->fields();
        addWrappedKey(DIRBname_key, owner);
        addKey(schtype_key, HQSTRING(std::to_wstring(f.schedType)));
        addKey(schtime_key,
               scheduleTime(f.year, f.monthOfYear, f.dayOfMonth, f.hour, f.minute, f.second));
        break;
    }
    case KeyKind::MapStep: {
        auto* map = static_cast<Map*>(obj);
        addWrappedKey(mapbvnam_key, map->fields().BVName);
        addKey(mapseqno_key, HQSTRING(std::to_wstring(map->fields().seqNo)));
        break;
    }
    case KeyKind::UserId:
        addWrappedKey(usrid_key, static_cast<HQUser*>(obj)->fields().userid);
        break;
    case KeyKind::ProgramKey:
        addKey(pgmunkey_key, static_cast<UDPBaseFunc*>(obj)->getUniqueKey());
        break;
    case KeyKind::LinkId:
    case KeyKind::ParmId:
    case KeyKind::KeyId:
    case KeyKind::MapId:
        addKey(identifierKey(kind), obj->getId().toString());
        break;
    }

    // The lookup text: the type, then each name and value with its length in
    // front, sorted by name so that the order of the keys does not matter.
    // Kept in bytes: a character below 0x80 as itself, any other as 0xFF and
    // its four bytes, so that equal texts still mean equal keys.
    std::sort(stored.begin(), stored.end());
    lookup = std::to_string(objectType) + "|";
    for (const auto& [name, value] : stored) {
        for (const std::wstring* part : {&name, &value}) {
            lookup.append(std::to_string(part->size())).append(":");
            for (const wchar_t c : *part) {
                const auto code = static_cast<uint32_t>(c);
                if (code < 0x80) {
                    lookup.push_back(static_cast<char>(code));
                    continue;
                }
                lookup.push_back('\xFF');
                for (int shift = 24; shift >= 0; shift -= 8) {
                    lookup.push_back(static_cast<char>((code >> shift) & 0xFF));
                }
            }
        }
    }
    lookup.shrink_to_fit();
    // Only the lookup text is needed from here on; a registry holds an entry
    // for every exported object.
    std::vector<std::pair<HQSTRING, HQSTRING>>().swap(stored);
}

Tag_ExpList& Tag_ExpList::getInstance() {
    static Tag_ExpList instance;
    return instance;
}

TagX_Obj* Tag_ExpList::inList(const TagX_Obj& entry) {
    auto found = index.find(entry.lookupKey());
    return found == index.end() ? nullptr : order[found->second].get();
}

int Tag_ExpList::addElem(DIRBase* obj, Euit_ParmList& keys) {
    auto entry = std::make_unique<TagX_Obj>(obj);
    keys = entry->getKeys();
    if (inList(*entry)) {
        return 1;
    }
    order.push_back(std::move(entry));
    try {
        index.emplace(order.back()->lookupKey(), order.size() - 1);
    } catch (...) {
        order.pop_back();
        throw;
    }
    return 0;
}

void Tag_ExpList::getKeys(DIRBase* obj, Euit_ParmList& keys) {
    TagX_Obj entry(obj);
    keys = entry.getKeys();
}

bool Tag_ExpList::dddInList(DIRBase* obj) {
    TagX_Obj entry(obj);
    return inList(entry) != nullptr;
}

int Tag_ExpList::isCascadeDone(DIRBase* obj) {
    TagX_Obj entry(obj);
    TagX_Obj* registered = inList(entry);
    return registered ? registered->cascadeDone : 0;
}

void Tag_ExpList::setCascadeDone(DIRBase* obj) {
    TagX_Obj entry(obj);
    if (TagX_Obj* registered = inList(entry)) {
        registered->cascadeDone = 1;
    }
}

void Tag_ExpList::getNextBV(int& position, Euit_ParmList& keys) {
    for (size_t i = position < 0 ? order.size() : static_cast<size_t>(position); i < order.size();
         ++i) {
        if (order[i]->objType() == 1) {
            keys = order[i]->getKeys();
            position = static_cast<int>(i) + 1;
            return;
        }
    }
    position = -1;
}

void Tag_ExpList::clear() {
    tableKeys.clear();
    columnTables.clear();
    index.clear();
    order.clear();
}
