// What the object model keeps, while the read snapshot of an export run is
// open, of the rows it read: inside one snapshot no row changes, so a row
// read once can answer later reads. Three kinds are kept:
//  - the relationship table, read whole in one statement the first time a
//    relation collection loads (RelationRows);
//  - rows of object tables, by class and identifier: every row a retrieval
//    by identifier fetched, and the rows of all members of a relation
//    collection, fetched in one statement when a walk over its members
//    begins (a "group");
//  - long texts of the strings table, by key name and owner: the texts of
//    one key for all members of a group, fetched in one statement the first
//    time one member's text of that key is asked for.
// Rows and texts are kept within a byte budget, the oldest going first; whatever is not kept is
// read from the table as before. Outside a snapshot nothing is kept and every read goes to the
// table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include <absl/container/flat_hash_map.h>

#include "dictionary/column_table.h"
#include "dictionary/dir_id.h"
#include "dictionary/relation.h"
#include "runtime/return_code.h"

struct ClassInfo;

namespace controldb {

// A map within a byte budget: the entries kept longest go first once the
// values' costs exceed the budget. (Rows are read ahead just before they are
// used, so the oldest are the ones least likely to be asked for again.) The
// values sit in an open-addressing table; a pointer find returns stays valid
// until the next put.
template <class Key, class Value, class Hash = std::hash<Key>> class BoundedCache {
public:
    explicit BoundedCache(size_t budget) : budget_(budget) {}

    // The value of key; null when not kept.
    Value* find(const Key& key) {
        auto found = index_.find(key);
        return found == index_.end() ? nullptr : &found->second.value;
    }
    // Keeps value under key (replacing an earlier one, which makes it the
    // newest) with its cost in bytes.
    void put(const Key& key, Value value, size_t cost) {
        auto [at, added] = index_.try_emplace(key);
        if (!added)
            used_ -= at->second.cost;
        at->second = Kept{std::move(value), cost, ++lastPut_};
        order_.push_back({key, lastPut_});
        used_ += cost;
        while (used_ > budget_ && index_.size() > 1)
            dropOldest();
        dropStaleOrder();
    }
    // The value of key, no longer kept; none when not kept.
    std::optional<Value> take(const Key& key) {
        auto found = index_.find(key);
        if (found == index_.end())
            return std::nullopt;
        std::optional<Value> value(std::move(found->second.value));
        used_ -= found->second.cost;
        index_.erase(found);
        dropStaleOrder();
        return value;
    }
    void erase(const Key& key) { take(key); }
    void clear() {
        index_.clear();
        order_.clear();
        used_ = 0;
    }
    size_t size() const { return index_.size(); }
    size_t bytes() const { return used_; }

private:
    struct Kept {
        Value value;
        size_t cost = 0;
        uint64_t put = 0; // which put kept it
    };
    // The order of the puts; an entry whose key was erased or put again
    // since is stale and passed over.
    struct Put {
        Key key;
        uint64_t put;
    };
    bool isCurrent(const Put& p) const {
        auto found = index_.find(p.key);
        return found != index_.end() && found->second.put == p.put;
    }
    void dropOldest() {
        while (!order_.empty()) {
            const Put oldest = std::move(order_.front());
            order_.pop_front();
            auto found = index_.find(oldest.key);
            if (found != index_.end() && found->second.put == oldest.put) {
                used_ -= found->second.cost;
                index_.erase(found);
                return;
            }
        }
    }
    // Stale entries of the order are let go once they outnumber the kept
    // ones, so that the order stays within a small multiple of the entries.
    void dropStaleOrder() {
        if (order_.size() <= 2 * index_.size() + 1024)
            return;
        std::deque<Put> current;
        for (Put& p : order_)
            if (isCurrent(p))
                current.push_back(std::move(p));
        order_ = std::move(current);
    }

    size_t budget_;
    size_t used_ = 0;
    uint64_t lastPut_ = 0;
    std::deque<Put> order_; // oldest first
    absl::flat_hash_map<Key, Kept, Hash> index_;
};

// The relationship table, read whole: for every relation of the relation
// table (rel::all) its rows, sorted for a lookup from either side.
class RelationRows {
public:
    // More rows than this and the table is not kept (48 bytes a row).
    static constexpr size_t kMaxRows = 2'000'000;

    // Reads every row. A table of more than maxRows rows is not kept
    // (isKept false); rows of relations that are not in the relation table
    // are passed over.
    HQRC load(size_t maxRows = kMaxRows);
    bool isKept() const { return kept_; }
    // Appends to out the identifiers related through `relation` to the
    // object `owner` on side `ownerSide`, in identifier order, a repeated
    // row repeated. False when the relation holds a row that only the table
    // can answer for as it would (an identifier that is NULL, not 10
    // characters, or holds a blank): the caller reads the table then.
    bool related(const Relation& relation, RelationSide ownerSide, const DIRId& owner,
                 std::vector<DIRId>& out) const;
    size_t rows() const { return rows_.size(); }

private:
    // An identifier's 10 bytes as two unsigned numbers, first byte most
    // significant: compared as numbers they compare as the database compares
    // the bytes.
    struct IdKey {
        uint64_t head;
        uint16_t tail;
        auto operator<=>(const IdKey&) const = default;
    };
    static IdKey keyOf(const char* bytes);
    static DIRId idOf(IdKey key);
    struct Row { // 24 bytes: the keys' parts side by side
        uint64_t sourceHead;
        uint64_t targetHead;
        uint16_t sourceTail;
        uint16_t targetTail;
        uint8_t relation; // index in rel::all
        IdKey source() const { return {sourceHead, sourceTail}; }
        IdKey target() const { return {targetHead, targetTail}; }
    };
    static_assert(sizeof(Row) == 24);
    bool kept_ = false;
    std::vector<Row> rows_;       // by relation, source, target
    std::vector<Row> byTarget_;   // the same rows by relation, target, source
    std::vector<bool> irregular_; // per relation
};

// Rows read together, in the order they were asked for: the members of the
// objects that a walk reached (a window over the members of the owners'
// own group), or the members of one owner. A member's position in its group
// tells which of its later siblings a read ahead can cover.
struct RowGroup {
    std::vector<DIRId> members;
    // How far (member positions) the rows related through a relation on a
    // side, and the long texts of a key, were read ahead.
    struct Covered {
        const Relation* relation;
        RelationSide side;
        uint32_t upTo;
    };
    std::vector<Covered> relations;
    std::vector<std::pair<std::string, uint32_t>> texts;

    uint32_t coveredUpTo(const Relation& relation, RelationSide side) const;
    void cover(const Relation& relation, RelationSide side, uint32_t upTo);
    uint32_t textsUpTo(std::string_view key) const;
    void coverTexts(std::string_view key, uint32_t upTo);
};

class SnapshotStore {
public:
    static constexpr size_t kRowBudget = size_t{16} << 20;
    static constexpr size_t kTextBudget = size_t{8} << 20;
    static constexpr size_t kGroupsKept = 4096;
    // Rows a read ahead gathers at most (it ends with the owner that passes
    // it), and the identifiers in one statement.
    static constexpr size_t kWindow = 1024;
    static constexpr size_t kBatch = 512;

    // The store of the open snapshot while it keeps rows; null otherwise.
    static SnapshotStore* active();
    // Begins and ends keeping rows (ReadSnapshot; a write of this process
    // ends it too: what was kept may be stale).
    static void open();
    static void close();

    // The relationship table, read on first use; null when it is not kept.
    // A failed read is returned in rc (and the table is read per relation
    // from then on).
    const RelationRows* relations(HQRC& rc);

    // Rows: the bytes of a fetched row (see DIRBase) of the class by identifier.
    struct KeptRow {
        std::string image;
        uint64_t group = 0;    // 0: read alone
        uint32_t position = 0; // in the group
    };
    const KeptRow* findRow(const ClassInfo& cls, const DIRId& id);
    void keepRow(const ClassInfo& cls, const DIRId& id, std::string image, uint64_t group,
                 uint32_t position);

    // The buffer a kept row of this column layout is restored into, one per
    // layout and reused from row to row (a restore overwrites all a reader
    // of the buffer sees).
    ColumnBuffer& restoreBuffer(std::span<const ColumnDesc> layout, const NameLimits& limits);

    // Groups: a new group (numbered from 1) of these members, and a group by
    // number while it is among the last kGroupsKept.
    uint64_t newGroup(std::vector<DIRId> members);
    RowGroup* group(uint64_t number);

    // Texts: the bytes of a long text by key name and owner, handed out once
    // (a later read of it goes to the table).
    std::optional<std::string> takeText(std::string_view key, const DIRId& owner);
    void keepText(std::string_view key, const DIRId& owner, std::string bytes);

private:
    struct RowKey {
        const ClassInfo* cls;
        DIRId id;
        bool operator==(const RowKey&) const = default;
    };
    struct RowKeyHash {
        size_t operator()(const RowKey& k) const noexcept;
    };
    struct TextKey {
        std::string key;
        DIRId owner;
        bool operator==(const TextKey&) const = default;
    };
    struct TextKeyHash {
        size_t operator()(const TextKey& k) const noexcept;
    };

    struct LayoutBuffer {
        NameLimits limits;
        std::unique_ptr<ColumnBuffer> buffer;
    };

    bool relationsTried_ = false;
    RelationRows relations_;
    BoundedCache<RowKey, KeptRow, RowKeyHash> rows_{kRowBudget};
    // The last answer of findRow, until the next keepRow.
    struct LastFound {
        bool known = false;
        RowKey key{};
        const KeptRow* row = nullptr;
    } lastFound_;
    BoundedCache<TextKey, std::string, TextKeyHash> texts_{kTextBudget};
    std::vector<RowGroup> groups_ = std::vector<RowGroup>(kGroupsKept); // ring by number
    uint64_t lastGroup_ = 0;
    std::unordered_map<const ColumnDesc*, LayoutBuffer> restoreBuffers_; // by layout
};

} // namespace controldb
