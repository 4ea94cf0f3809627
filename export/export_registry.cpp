// The registry of exported objects: key construction per object type and the
// registration order with its hash index.
#include "export/export_registry.h"

#include <algorithm>
#include <array>
#include <charconv>
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

namespace {
void appendCounted(std::string& lookup, std::wstring_view text) {
    char count[24];
    const auto counted = std::to_chars(count, count + sizeof count, text.size());
    lookup.append(count, counted.ptr).push_back(':');
    lookup.reserve(lookup.size() + text.size());
    for (const wchar_t c : text) {
        const auto code = static_cast<uint32_t>(c);
        if (code < 0x80) {
            lookup.push_back(static_cast<char>(code));
            continue;
        }
        lookup.push_back('\xFF');
        for (int shift = 24; shift >= 0; shift -= 8)
            lookup.push_back(static_cast<char>((code >> shift) & 0xFF));
    }
}

// Reads back what appendCounted wrote at the front of text.
HQSTRING takeCounted(std::string_view& text) {
    const size_t colon = text.find(':');
    size_t count = 0;
    for (size_t i = 0; i < colon && i < text.size(); ++i)
        count = count * 10 + static_cast<size_t>(text[i] - '0');
    text.remove_prefix(colon == std::string_view::npos ? text.size() : colon + 1);
    HQSTRING out;
    for (size_t n = 0; n < count && !text.empty(); ++n) {
        if (text.front() != '\xFF' || text.size() < 5) {
            out.push_back(static_cast<wchar_t>(text.front()));
            text.remove_prefix(1);
            continue;
        }
        uint32_t code = 0;
        for (size_t i = 1; i <= 4; ++i)
            code = (code << 8) | static_cast<unsigned char>(text[i]);
        out.push_back(static_cast<wchar_t>(code));
        text.remove_prefix(5);
    }
    return out;
}
} // namespace

void TagX_Obj::addKey(std::wstring_view name, const HQSTRING& value) {
    keys.insertElem(name, value);
    // As the list keeps them: name and value without outer blanks.
    const Euit_Parm& added = keys[keys.entries() - 1];
    appendCounted(lookup, added.get_parm_name());
    appendCounted(lookup, added.get_parm_value());
}

Euit_ParmList TagX_Obj::keysOf(std::string_view lookup) {
    Euit_ParmList keys;
    lookup.remove_prefix(std::min(lookup.size(), lookup.find('|') + 1));
    while (!lookup.empty()) {
        const HQSTRING name = takeCounted(lookup);
        keys.insertElem(name, takeCounted(lookup));
    }
    return keys;
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

TagX_Obj::TagX_Obj(DIRBase* obj)
    : objectType(static_cast<int>(obj->getObjectType())), lookup(std::to_string(objectType) + "|") {
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

    lookup.shrink_to_fit();
}

Tag_ExpList& Tag_ExpList::getInstance() {
    static Tag_ExpList instance;
    return instance;
}

TagX_Registered* Tag_ExpList::inList(const TagX_Obj& entry) {
    auto found = index.find(entry.lookupKey());
    return found == index.end() ? nullptr : &found->second;
}

int Tag_ExpList::addElem(DIRBase* obj, Euit_ParmList& keys) {
    TagX_Obj entry(obj);
    keys = entry.takeKeys();
    const int type = entry.objType();
    const auto [position, added] = index.try_emplace(entry.takeLookupKey(), TagX_Registered{type});
    if (!added)
        return 1;
    try {
        order.push_back(&*position);
    } catch (...) {
        index.erase(position);
        throw;
    }
    return 0;
}

void Tag_ExpList::getKeys(DIRBase* obj, Euit_ParmList& keys) {
    TagX_Obj entry(obj);
    keys = entry.takeKeys();
}

bool Tag_ExpList::dddInList(DIRBase* obj) {
    TagX_Obj entry(obj);
    return inList(entry) != nullptr;
}

int Tag_ExpList::isCascadeDone(DIRBase* obj) {
    TagX_Obj entry(obj);
    TagX_Registered* registered = inList(entry);
    return registered ? registered->cascadeDone : 0;
}

void Tag_ExpList::setCascadeDone(DIRBase* obj) {
    TagX_Obj entry(obj);
    if (TagX_Registered* registered = inList(entry)) {
        registered->cascadeDone = 1;
    }
}

void Tag_ExpList::getNextBV(int& position, Euit_ParmList& keys) {
    for (size_t i = position < 0 ? order.size() : static_cast<size_t>(position); i < order.size();
         ++i) {
        if (order[i]->second.objectType == 1) {
            keys = TagX_Obj::keysOf(order[i]->first);
            position = static_cast<int>(i) + 1;
            return;
        }
    }
    position = -1;
}

void Tag_ExpList::clear() {
    tableKeys.clear();
    columnTables.clear();
    order.clear();
    index.clear();
}
