// The rows kept during a read snapshot: the relationship table read whole,
// object rows and long texts within their budgets, and the groups of
// members read together.
#include "dictionary/snapshot_store.h"

#include <algorithm>
#include <cstring>
#include <tuple>

#include "dictionary/control_database.h"
#include "runtime/odbc.h"

namespace controldb {

namespace {

std::unique_ptr<SnapshotStore>& current() {
    static std::unique_ptr<SnapshotStore> store;
    return store;
}
bool keeping = false;

// Position of a relation name in rel::all; none for a name not in it.
std::optional<uint8_t> relationIndex(std::string_view name) {
    static const std::unordered_map<std::string, uint8_t> index = [] {
        std::unordered_map<std::string, uint8_t> map;
        for (size_t i = 0; i < std::size(rel::all); ++i)
            map.emplace(wideToMultiByte(rel::all[i]->name), static_cast<uint8_t>(i));
        return map;
    }();
    auto found = index.find(std::string(name));
    if (found == index.end())
        return std::nullopt;
    return found->second;
}

// An identifier the relationship table answers for byte by byte: exactly
// 10 characters, none of them a blank or a zero byte.
bool isPlainId(const char* bytes, SQLLEN length) {
    if (length != static_cast<SQLLEN>(DIRId::kLength))
        return false;
    for (size_t i = 0; i < DIRId::kLength; ++i)
        if (bytes[i] == ' ' || bytes[i] == '\0')
            return false;
    return true;
}

} // namespace

HQRC RelationRows::load(size_t maxRows) {
    kept_ = false;
    rows_.clear();
    byTarget_.clear();
    irregular_.assign(std::size(rel::all), false);
    const PooledCursor pooled(L"SELECT relation_name, source_qrtid, target_qrtid FROM " +
                              table(L".RELATIONSHIP"));
    HQOdbcCursor& cursor = *pooled;
    // A name longer than any relation's is passed over, whatever it holds.
    char name[32] = {};
    char source[DIRId::kLength + 1] = {};
    char target[DIRId::kLength + 1] = {};
    SQLLEN nameLength = 0, sourceLength = 0, targetLength = 0;
    HQRC rc = cursor.prepare(pooled.text());
    if (rc.code == 0)
        rc = cursor.bindCol(1, SQL_C_CHAR, name, sizeof name, &nameLength);
    if (rc.code == 0)
        rc = cursor.bindCol(2, SQL_C_CHAR, source, sizeof source, &sourceLength);
    if (rc.code == 0)
        rc = cursor.bindCol(3, SQL_C_CHAR, target, sizeof target, &targetLength);
    while (rc.code == 0) {
        HQRC fetchRc;
        if (cursor.fetch(fetchRc) == 0) {
            rc = fetchRc;
            break;
        }
        if (rows_.size() >= maxRows) {
            rows_.clear();
            irregular_.clear();
            return HQRC();
        }
        if (nameLength == SQL_NULL_DATA || nameLength < 0 ||
            nameLength >= static_cast<SQLLEN>(sizeof name))
            continue;
        const std::optional<uint8_t> relation =
            relationIndex(std::string_view(name, static_cast<size_t>(nameLength)));
        if (!relation)
            continue;
        // A row that came with a warning, or whose identifiers the table
        // compares otherwise than byte by byte, leaves the relation to the table.
        if (fetchRc.code != 0 || !isPlainId(source, sourceLength) ||
            !isPlainId(target, targetLength)) {
            irregular_[*relation] = true;
            continue;
        }
        const IdKey from = keyOf(source);
        const IdKey to = keyOf(target);
        rows_.push_back({from.head, to.head, from.tail, to.tail, *relation});
    }
    if (rc.code != 0) {
        rows_.clear();
        irregular_.clear();
        return rc.AddComment(L"RelationRows::load");
    }
    // Byte order of the identifiers: the order the table's queries give.
    std::sort(rows_.begin(), rows_.end(), [](const Row& a, const Row& b) {
        return std::tuple(a.relation, a.source(), a.target()) <
               std::tuple(b.relation, b.source(), b.target());
    });
    byTarget_ = rows_;
    std::sort(byTarget_.begin(), byTarget_.end(), [](const Row& x, const Row& y) {
        return std::tuple(x.relation, x.target(), x.source()) <
               std::tuple(y.relation, y.target(), y.source());
    });
    rows_.shrink_to_fit();
    byTarget_.shrink_to_fit();
    kept_ = true;
    return rc;
}

RelationRows::IdKey RelationRows::keyOf(const char* bytes) {
    IdKey key{0, 0};
    for (size_t i = 0; i < 8; ++i)
        key.head = (key.head << 8) | static_cast<unsigned char>(bytes[i]);
    key.tail = static_cast<uint16_t>((static_cast<unsigned char>(bytes[8]) << 8) |
                                     static_cast<unsigned char>(bytes[9]));
    return key;
}

DIRId RelationRows::idOf(IdKey key) {
    char bytes[DIRId::kLength];
    for (size_t i = 0; i < 8; ++i)
        bytes[i] = static_cast<char>(key.head >> (56 - 8 * i));
    bytes[8] = static_cast<char>(key.tail >> 8);
    bytes[9] = static_cast<char>(key.tail);
    return DIRId(std::string_view(bytes, DIRId::kLength));
}

bool RelationRows::related(const Relation& relation, RelationSide ownerSide, const DIRId& owner,
                           std::vector<DIRId>& out) const {
    const uint8_t index = relation.index;
    if (!kept_ || index >= irregular_.size() || irregular_[index])
        return false;
    const IdKey key = keyOf(owner.data());
    const auto before = [index, key](uint8_t relation, IdKey id) {
        return relation < index || (relation == index && id < key);
    };
    if (ownerSide == RelationSide::Source) {
        auto from = std::partition_point(rows_.begin(), rows_.end(), [&](const Row& row) {
            return before(row.relation, row.source());
        });
        for (; from != rows_.end() && from->relation == index && from->source() == key; ++from)
            out.push_back(idOf(from->target()));
    } else {
        auto from = std::partition_point(byTarget_.begin(), byTarget_.end(), [&](const Row& row) {
            return before(row.relation, row.target());
        });
        for (; from != byTarget_.end() && from->relation == index && from->target() == key; ++from)
            out.push_back(idOf(from->source()));
    }
    return true;
}

size_t SnapshotStore::RowKeyHash::operator()(const RowKey& k) const noexcept {
    return std::hash<DIRId>()(k.id) ^ (std::hash<const void*>()(k.cls) << 1);
}

size_t SnapshotStore::TextKeyHash::operator()(const TextKey& k) const noexcept {
    return std::hash<DIRId>()(k.owner) ^ (std::hash<std::string>()(k.key) << 1);
}

SnapshotStore* SnapshotStore::active() {
    return keeping ? current().get() : nullptr;
}

void SnapshotStore::open() {
    current() = std::make_unique<SnapshotStore>();
    keeping = true;
}

void SnapshotStore::close() {
    keeping = false;
    current().reset();
}

const RelationRows* SnapshotStore::relations(HQRC& rc) {
    if (!relationsTried_) {
        relationsTried_ = true;
        rc = relations_.load();
    }
    return relations_.isKept() ? &relations_ : nullptr;
}

const SnapshotStore::KeptRow* SnapshotStore::findRow(const ClassInfo& cls, const DIRId& id) {
    // A walk asks for the same row twice in a row: whether it is kept, then
    // to restore it.
    const RowKey key{&cls, id};
    if (lastFound_.known && lastFound_.key == key)
        return lastFound_.row;
    const KeptRow* row = rows_.find(key);
    lastFound_ = {true, key, row};
    return row;
}

void SnapshotStore::keepRow(const ClassInfo& cls, const DIRId& id, std::string image,
                            uint64_t group, uint32_t position) {
    // The entry's own bookkeeping (its slot and its place in the put order)
    // counted with it.
    const size_t cost = image.capacity() + 128;
    lastFound_ = {};
    rows_.put(RowKey{&cls, id}, KeptRow{std::move(image), group, position}, cost);
}

ColumnBuffer& SnapshotStore::restoreBuffer(std::span<const ColumnDesc> layout,
                                           const NameLimits& limits) {
    LayoutBuffer& kept = restoreBuffers_[layout.data()];
    if (!kept.buffer || kept.buffer->count() != layout.size() ||
        kept.limits.schema != limits.schema || kept.limits.table != limits.table ||
        kept.limits.column != limits.column) {
        kept.limits = limits;
        kept.buffer = std::make_unique<ColumnBuffer>(layout, limits);
    }
    return *kept.buffer;
}

uint64_t SnapshotStore::newGroup(std::vector<DIRId> members) {
    ++lastGroup_;
    RowGroup& group = groups_[lastGroup_ % kGroupsKept];
    group = RowGroup{};
    group.members = std::move(members);
    return lastGroup_;
}

RowGroup* SnapshotStore::group(uint64_t number) {
    if (number == 0 || number > lastGroup_ || lastGroup_ - number >= kGroupsKept)
        return nullptr;
    return &groups_[number % kGroupsKept];
}

uint32_t RowGroup::coveredUpTo(const Relation& relation, RelationSide side) const {
    for (const Covered& c : relations)
        if (c.relation == &relation && c.side == side)
            return c.upTo;
    return 0;
}

void RowGroup::cover(const Relation& relation, RelationSide side, uint32_t upTo) {
    for (Covered& c : relations) {
        if (c.relation == &relation && c.side == side) {
            c.upTo = std::max(c.upTo, upTo);
            return;
        }
    }
    relations.push_back({&relation, side, upTo});
}

uint32_t RowGroup::textsUpTo(std::string_view key) const {
    for (const auto& [k, upTo] : texts)
        if (k == key)
            return upTo;
    return 0;
}

void RowGroup::coverTexts(std::string_view key, uint32_t upTo) {
    for (auto& [k, covered] : texts) {
        if (k == key) {
            covered = std::max(covered, upTo);
            return;
        }
    }
    texts.emplace_back(std::string(key), upTo);
}

std::optional<std::string> SnapshotStore::takeText(std::string_view key, const DIRId& owner) {
    return texts_.take(TextKey{std::string(key), owner});
}

void SnapshotStore::keepText(std::string_view key, const DIRId& owner, std::string bytes) {
    const size_t cost = bytes.capacity() + key.size() + 128;
    texts_.put(TextKey{std::string(key), owner}, std::move(bytes), cost);
}

} // namespace controldb
