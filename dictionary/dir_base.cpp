// The generic engine of the object model: statement building and binding,
// fetching into an object (common columns and the class's column table),
// retrieval by condition or identifier, lists, and the object-model codes.
#include "dictionary/dir_base.h"

#include "dictionary/relation_collection.h"
#include "dictionary/snapshot_store.h"
#include "runtime/fetched_value.h"
#include "runtime/odbc.h"
#include "runtime/platform.h"

#include <array>
#include <cstring>

#include <absl/container/flat_hash_map.h>
#include <absl/container/flat_hash_set.h>

namespace {
constexpr size_t kMaxNameBytes = 80;
constexpr size_t kMaxShortDescriptionChars = 254;

HQSTRING textOf(const char* data, size_t size, SQLLEN lengthWord) {
    const std::string_view text = controldb::fetchedText(data, size - 1, lengthWord);
    return HQSTRING(text.data(), text.size());
}

// The buffers of the five common columns, in select order.
struct CommonBuffer {
    char* data;
    size_t size;
    SQLLEN* lengthWord;
    bool text;
};
std::array<CommonBuffer, 5> commonBuffers(DIRCommonColumns& c) {
    return {{{c.id, sizeof c.id, &c.idInd, true},
             {c.updatedBy, sizeof c.updatedBy, &c.updatedByInd, true},
             {reinterpret_cast<char*>(&c.updateTs), sizeof c.updateTs, &c.updateTsInd, false},
             {c.name, sizeof c.name, &c.nameInd, true},
             {c.shortDescription, sizeof c.shortDescription, &c.shortDescriptionInd, true}}};
}

// A fetched row as bytes: the common columns, then the class's columns.
// (Built in a scratch string that keeps its room from row to row, then
// copied once at its exact size.)
std::string rowImage(const DIRCommonColumns& common, const ColumnBuffer& buffer) {
    thread_local std::string scratch;
    scratch.clear();
    for (const CommonBuffer& b : commonBuffers(const_cast<DIRCommonColumns&>(common))) {
        const size_t used = b.text ? ::strnlen(b.data, b.size) : b.size;
        fetched::saveBuffer(scratch, *b.lengthWord, std::string_view(b.data, used));
    }
    buffer.saveTo(scratch);
    return std::string(scratch);
}

// Fetches the rows of an executed select and hands each one's identifier and
// image to take. A row that came with a warning ends the fetch, one without a
// usable identifier is passed over: both are left to their own retrieval,
// which reports them as it always does.
template <class Take>
HQRC fetchRowImages(DIRSelect& select, const ColumnBuffer& buffer, HQOdbcCursor& cursor,
                    Take take) {
    for (;;) {
        HQRC fetchRc;
        if (cursor.fetch(fetchRc) == 0)
            return fetchRc;
        if (fetchRc.code != 0)
            return HQRC();
        const DIRCommonColumns& c = select.common();
        if (c.idInd == SQL_NULL_DATA || !fetched::textMisfit(c.idInd, DIRId::kLength).empty())
            continue;
        take(DIRId(controldb::fetchedText(c.id, DIRId::kLength, c.idInd)), rowImage(c, buffer));
    }
}

bool restoreRow(std::string_view image, DIRCommonColumns& common, ColumnBuffer& buffer) {
    for (const CommonBuffer& b : commonBuffers(common))
        if (!fetched::restoreBuffer(image, *b.lengthWord, b.data, b.size))
            return false;
    return buffer.restoreFrom(image) && image.empty();
}
} // namespace

QueryParm QueryParm::name(const HQSTRING& name) {
    return {SQL_VARCHAR, 81, 81, name.toMultiByte()};
}

QueryParm QueryParm::id(const DIRId& id) {
    return {SQL_CHAR, DIRId::kLength, DIRId::kLength, std::string(id.data(), DIRId::kLength)};
}

QueryParm QueryParm::text(const HQSTRING& text, int32_t size) {
    return {SQL_VARCHAR, static_cast<SQLULEN>(size), size, text.toMultiByte()};
}

DIRBase::DIRBase(const ClassInfo& info) : info_(info), longDescription_(*this, info.longDescKey) {}

DIRBase::~DIRBase() = default;

HQRC DIRBase::setName(const HQSTRING& name) {
    if (name.toMultiByte().size() > kMaxNameBytes)
        return makeError(kDirTooLong, L"setName", name, L"");
    name_ = name;
    return HQRC();
}

HQRC DIRBase::setShortDescription(const HQSTRING& text) {
    if (text.size() > kMaxShortDescriptionChars)
        return makeError(kDirTooLong, L"setShortDescription", text, L"");
    shortDescription_ = text;
    return HQRC();
}

bool DIRBase::isCreated() const {
    if (state_ == 1)
        return false;
    if (state_ == 2)
        return true;
    HQRC rc = makeError(kDirInternal, L"isCreated", L"", L"");
    rc.comment = L"Unknown State";
    throw rc;
}

bool DIRBase::isNotFound(const HQRC& rc) {
    return rc.code == kDirNotFound && rc.domain == DomainWhsDDD;
}

RelationCollectionBase* DIRBase::getCollection(const Relation& relation, RelationSide side) const {
    for (RelationCollectionBase* c : collections_)
        if (&c->relation() == &relation && c->ownerSide() == side)
            return c;
    return nullptr;
}

void DIRBase::addCollection(RelationCollectionBase* collection) {
    collections_.push_back(collection);
}

HQSTRING DIRBase::getNameSingleQ(const HQSTRING& text) {
    HQSTRING out;
    out.reserve(text.size() + 2);
    for (size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] != L'\'')
            continue;
        out += L'\'';
        if (i + 1 < text.size() && text[i + 1] == L'\'')
            ++i; // an existing pair is kept as it is
    }
    return out;
}

HQSTRING DIRBase::qualified(const wchar_t* operation) const {
    return objectTypeToString(info_.type) + L"::" + operation;
}

HQRC DIRBase::makeError(int32_t code, const wchar_t* operation, const HQSTRING& token1,
                        const HQSTRING& token2) const {
    HQRC rc(code, 0, DomainWhsDDD);
    rc.location = qualified(operation);
    rc.commandLine = info_.sourceToken;
    rc.hostName = hq::hostName();
    rc.SetHQMessage(token1, token2, L"", L"", L"", L"", L"", L"", L"", L"");
    return rc;
}

HQRC DIRBase::setLimited(const wchar_t* operation, HQSTRING& field, const HQSTRING& text,
                         size_t maxChars) const {
    if (text.size() > maxChars)
        return makeError(kDirTooLong, operation, text.subString(0, 20),
                         HQSTRING(std::to_wstring(maxChars)));
    field = text;
    return HQRC();
}

HQRC DIRBase::passUp(HQRC rc, const wchar_t* operation) const {
    rc.AddComment(info_.commentPrefix + qualified(operation));
    return rc;
}

HQRC DIRBase::checkPopulated(const wchar_t* operation) const {
    if (state_ != 0)
        return HQRC();
    return makeError(kDirNotPopulated, operation, objectTypeToString(info_.type), name_);
}

void DIRBase::resetContent() {
    updatedBy_.clear();
    updateTs_ = TimeStamp();
    updateTsNull_ = false;
    id_ = DIRId();
    name_.clear();
    shortDescription_.clear();
    storedName_.clear();
    for (DIRString* text : strings_)
        text->reset();
    for (DIRBinary* data : binaries_)
        data->reset();
    for (RelationCollectionBase* collection : collections_)
        collection->reset();
    resetFields();
}

HQRC DIRBase::SQLSelect(DIRSelect& select, HQOdbcCursor& cursor) {
    HQRC rc = cursor.prepare(select.text());
    for (const DIRSelectParm& p : select.parameters()) {
        if (rc.code != 0)
            return rc;
        rc = cursor.bindParameter(p.number, p.kind, p.bufferType, p.sqlType, p.columnSize,
                                  p.decimalDigits, p.value, p.bufferLength, p.lengthWord);
    }
    DIRCommonColumns& c = select.common();
    struct Bound {
        SQLSMALLINT type;
        SQLPOINTER value;
        SQLLEN length;
        SQLLEN* indicator;
    };
    const Bound common[] = {
        {SQL_C_CHAR, c.id, sizeof c.id, &c.idInd},
        {SQL_C_CHAR, c.updatedBy, sizeof c.updatedBy, &c.updatedByInd},
        {SQL_C_TIMESTAMP, &c.updateTs, 0, &c.updateTsInd},
        {SQL_C_CHAR, c.name, sizeof c.name, &c.nameInd},
        {SQL_C_CHAR, c.shortDescription, sizeof c.shortDescription, &c.shortDescriptionInd},
    };
    SQLUSMALLINT number = 0;
    for (const Bound& b : common) {
        if (rc.code != 0)
            return rc;
        rc = cursor.bindCol(++number, b.type, b.value, b.length, b.indicator);
    }
    for (const DIRSelectCol& col : select.columns()) {
        if (rc.code != 0)
            return rc;
        rc = cursor.bindCol(++number, col.bufferType, col.value, col.bufferLength, col.indicator);
    }
    return rc;
}

HQRC DIRBase::SQLSelectId(DIRSelect& select, const DIRId& id, HQOdbcCursor& cursor) {
    select.setCondition(L"WHERE qrtid =?");
    const QueryParm parm = QueryParm::id(id);
    select.addTextParm(parm.sqlType, parm.columnSize, parm.bufferLength, parm.bytes);
    HQRC rc = SQLSelect(select, cursor);
    if (rc.code != 0)
        rc.AddComment(L"From DIRBase::SQLSelectId");
    return rc;
}

HQRC DIRBase::verifyRow(const DIRCommonColumns& c, const ColumnBuffer& buffer) const {
    // Named only in a failure.
    const auto rowId = [&c] {
        return c.idInd == SQL_NULL_DATA ? HQSTRING(L"NULL") : textOf(c.id, sizeof c.id, c.idInd);
    };
    const struct {
        const wchar_t* column;
        SQLLEN lengthWord;
        size_t room;
    } common[] = {{L"qrtid", c.idInd, sizeof c.id - 1},
                  {L"updated_by", c.updatedByInd, sizeof c.updatedBy - 1},
                  {L"name", c.nameInd, sizeof c.name - 1},
                  {L"short_description", c.shortDescriptionInd, sizeof c.shortDescription - 1}};
    HQRC rc;
    for (const auto& column : common) {
        if (const std::wstring reason = fetched::textMisfit(column.lengthWord, column.room);
            !reason.empty()) {
            rc = fetched::misfit(L"", tableName(), column.column, rowId(), reason);
            break;
        }
    }
    if (rc.code == 0 && !buffer.fits())
        rc = buffer.verify(L"", tableName(), rowId());
    if (rc.code != 0) {
        rc.location = qualified(L"SQLFetch");
        rc.commandLine = info_.sourceToken;
    }
    return rc;
}

int DIRBase::SQLFetch(DIRSelect& select, ColumnBuffer& buffer, HQOdbcCursor& cursor, HQRC& rc) {
    const int row = cursor.fetch(rc);
    if (row == 0)
        return 0;
    return takeRow(select.common(), buffer, rc) ? row : 0;
}

bool DIRBase::takeRow(const DIRCommonColumns& c, const ColumnBuffer& buffer, HQRC& rc) {
    // A row whose values do not fit their fields is not taken.
    if (HQRC misfit = verifyRow(c, buffer); misfit.code != 0) {
        rc = misfit;
        return false;
    }
    resetContent();
    if (c.idInd != SQL_NULL_DATA)
        id_.setValue(controldb::fetchedText(c.id, DIRId::kLength, c.idInd));
    if (c.updatedByInd != SQL_NULL_DATA)
        updatedBy_ = textOf(c.updatedBy, sizeof c.updatedBy, c.updatedByInd);
    if (c.updateTsInd != SQL_NULL_DATA)
        updateTs_.fromOdbc(c.updateTs);
    else
        updateTsNull_ = true;
    if (c.nameInd != SQL_NULL_DATA)
        name_ = textOf(c.name, sizeof c.name, c.nameInd);
    if (c.shortDescriptionInd != SQL_NULL_DATA)
        shortDescription_ =
            textOf(c.shortDescription, sizeof c.shortDescription, c.shortDescriptionInd);
    populateProxy(buffer);
    storedName_ = name_;
    state_ = 1;
    return true;
}

bool DIRBase::keepsRows() const {
    return selectSource().commonColumns == kCommonColumns;
}

bool DIRBase::takeKeptRow(const wchar_t* operation, const DIRId& id, HQRC& rc) {
    controldb::SnapshotStore* store = controldb::SnapshotStore::active();
    if (store == nullptr)
        return false;
    const controldb::SnapshotStore::KeptRow* kept = store->findRow(info_, id);
    if (kept == nullptr)
        return false;
    DIRCommonColumns common;
    ColumnBuffer& buffer = store->restoreBuffer(columnLayout(), limits_);
    if (!restoreRow(kept->image, common, buffer))
        return false;
    if (!takeRow(common, buffer, rc))
        rc = passUp(rc, operation);
    return true;
}

namespace {
// The rows of the objects related through `relation` to `owner` on side
// `known` that are not kept yet, appended to ids once each; false when the
// kept relationship table cannot answer for the relation.
bool missingRelated(controldb::SnapshotStore& store, const controldb::RelationRows& rows,
                    const Relation& relation, RelationSide known, const DIRId& owner,
                    const ClassInfo& memberClass, std::vector<DIRId>& ids,
                    absl::flat_hash_set<DIRId, std::hash<DIRId>>& seen) {
    std::vector<DIRId> related;
    if (!rows.related(relation, known, owner, related))
        return false;
    for (const DIRId& id : related)
        if (store.findRow(memberClass, id) == nullptr && seen.insert(id).second)
            ids.push_back(id);
    return true;
}
} // namespace

HQRC DIRBase::keepRelated(const Relation& relation, RelationSide known, const ClassInfo& ownerClass,
                          const DIRId& owner) {
    controldb::SnapshotStore* store = controldb::SnapshotStore::active();
    if (store == nullptr || !keepsRows())
        return HQRC();
    HQRC rc;
    const controldb::RelationRows* rows = store->relations(rc);
    if (rc.code != 0)
        return passUp(rc, L"keepRelated");
    if (rows == nullptr)
        return keepRowsOfOwner(relation, known, owner);
    std::vector<DIRId> ids;
    absl::flat_hash_set<DIRId, std::hash<DIRId>> seen;
    const controldb::SnapshotStore::KeptRow* ownerRow = store->findRow(ownerClass, owner);
    controldb::RowGroup* siblings = ownerRow != nullptr ? store->group(ownerRow->group) : nullptr;
    if (siblings != nullptr) {
        // Read ahead for the owner and its later siblings, unless an earlier
        // read ahead covered the owner already (what it did not find is not
        // there, or was let go, and is read alone).
        const uint32_t from = ownerRow->position;
        if (siblings->coveredUpTo(relation, known) > from)
            return HQRC();
        uint32_t upTo = from;
        for (; upTo < siblings->members.size() && ids.size() < controldb::SnapshotStore::kWindow;
             ++upTo) {
            if (!missingRelated(*store, *rows, relation, known, siblings->members[upTo], info_, ids,
                                seen))
                return keepRowsOfOwner(relation, known, owner);
        }
        siblings->cover(relation, known, upTo);
    } else if (!missingRelated(*store, *rows, relation, known, owner, info_, ids, seen)) {
        return keepRowsOfOwner(relation, known, owner);
    }
    return keepRows(ids);
}

HQRC DIRBase::keepRows(const std::vector<DIRId>& ids) {
    controldb::SnapshotStore* store = controldb::SnapshotStore::active();
    if (store == nullptr || !keepsRows() || ids.empty())
        return HQRC();
    std::vector<DIRId> members = ids;
    return keepRowsById(ids, store->newGroup(std::move(members)));
}

HQRC DIRBase::keepRowsById(const std::vector<DIRId>& ids, uint64_t group) {
    controldb::SnapshotStore* store = controldb::SnapshotStore::active();
    absl::flat_hash_map<DIRId, uint32_t, std::hash<DIRId>> positions;
    for (size_t i = 0; i < ids.size(); ++i)
        positions.emplace(ids[i], static_cast<uint32_t>(i));
    const SelectSource source = selectSource();
    for (size_t first = 0; first < ids.size(); first += controldb::SnapshotStore::kBatch) {
        const size_t count = std::min(ids.size() - first, controldb::SnapshotStore::kBatch);
        // A few batch sizes, the last identifier repeated up to the size, so
        // that the prepared statements are reused.
        const size_t size = controldb::batchSize(count);
        DIRSelect select(source.from, L" where qrtid in " + controldb::parameterList(size),
                         source.commonColumns);
        ColumnBuffer buffer(columnLayout(), limits_);
        std::vector<QueryParm> parms;
        parms.reserve(size);
        for (size_t i = 0; i < size; ++i)
            parms.push_back(QueryParm::id(ids[first + std::min(i, count - 1)]));
        completeSelect(select, buffer, parms);
        const controldb::PooledCursor pooled(select.text());
        HQOdbcCursor& cursor = *pooled;
        HQRC rc = SQLSelect(select, cursor);
        if (rc.code == 0)
            rc = fetchRowImages(select, buffer, cursor, [&](const DIRId& id, std::string image) {
                auto position = positions.find(id);
                if (position != positions.end())
                    store->keepRow(info_, id, std::move(image), group, position->second);
            });
        if (rc.code != 0)
            return passUp(rc, L"keepRelated");
    }
    return HQRC();
}

HQRC DIRBase::keepRowsOfOwner(const Relation& relation, RelationSide known, const DIRId& owner) {
    controldb::SnapshotStore* store = controldb::SnapshotStore::active();
    const SelectSource source = selectSource();
    DIRSelect select(source.from, L" where qrtid in " + relatedIdsQuery(relation, known),
                     source.commonColumns);
    ColumnBuffer buffer(columnLayout(), limits_);
    completeSelect(select, buffer, {QueryParm::id(owner)});
    const controldb::PooledCursor pooled(select.text());
    HQOdbcCursor& cursor = *pooled;
    HQRC rc = SQLSelect(select, cursor);
    std::vector<std::pair<DIRId, std::string>> fetchedRows;
    if (rc.code == 0)
        rc = fetchRowImages(select, buffer, cursor, [&](const DIRId& id, std::string image) {
            fetchedRows.emplace_back(id, std::move(image));
        });
    if (rc.code != 0)
        return passUp(rc, L"keepRelated");
    std::vector<DIRId> members;
    for (const auto& row : fetchedRows)
        members.push_back(row.first);
    const uint64_t group = store->newGroup(std::move(members));
    for (size_t i = 0; i < fetchedRows.size(); ++i)
        store->keepRow(info_, fetchedRows[i].first, std::move(fetchedRows[i].second), group,
                       static_cast<uint32_t>(i));
    return rc;
}

std::optional<HQRC> DIRBase::listFirstKept(const wchar_t* operation, const Relation& relation,
                                           RelationSide known, const DIRId& id) {
    controldb::SnapshotStore* store = controldb::SnapshotStore::active();
    const ClassInfo* ownerClass = classInfoOf(relation.typeOn(known));
    if (store == nullptr || ownerClass == nullptr || !keepsRows())
        return std::nullopt;
    closeList();
    HQRC rc = keepRelated(relation, known, *ownerClass, id);
    if (rc.code != 0)
        return passUp(rc, operation);
    const controldb::RelationRows* rows = store->relations(rc);
    std::vector<DIRId> related;
    if (rows == nullptr || !rows->related(relation, known, id, related))
        return std::nullopt;
    // In identifier order, each once: the order and the rows of the query.
    auto list = std::make_unique<KeptList>();
    for (size_t i = 0; i < related.size(); ++i) {
        if (i > 0 && related[i] == related[i - 1])
            continue;
        const controldb::SnapshotStore::KeptRow* row = store->findRow(info_, related[i]);
        if (row == nullptr)
            return std::nullopt;
        list->images.push_back(row->image);
    }
    keptList_ = std::move(list);
    return nextKept(operation);
}

HQRC DIRBase::nextKept(const wchar_t* operation) {
    KeptList& list = *keptList_;
    HQRC rc;
    if (list.next < list.images.size()) {
        DIRCommonColumns common;
        controldb::SnapshotStore* store = controldb::SnapshotStore::active();
        std::optional<ColumnBuffer> own;
        ColumnBuffer& buffer = store != nullptr ? store->restoreBuffer(columnLayout(), limits_)
                                                : own.emplace(columnLayout(), limits_);
        if (restoreRow(list.images[list.next++], common, buffer) && takeRow(common, buffer, rc))
            return rc;
        closeList();
        if (rc.code == 0)
            rc = makeError(kDirInternal, operation, L"kept row", L"");
        return passUp(rc, operation);
    }
    closeList();
    return makeError(kDirNotFound, operation, objectTypeToString(info_.type), L"");
}

void DIRBase::completeSelect(DIRSelect& select, ColumnBuffer& buffer,
                             const std::vector<QueryParm>& parms) const {
    for (const QueryParm& p : parms)
        select.addTextParm(p.sqlType, p.columnSize, p.bufferLength, p.bytes);
    buffer.addTo(select);
}

HQRC DIRBase::retrieveOne(const wchar_t* operation, const HQSTRING& condition,
                          const std::vector<QueryParm>& parms, const HQSTRING& asked,
                          const DIRId* id) {
    if (id != nullptr) {
        HQRC rc;
        if (takeKeptRow(operation, *id, rc))
            return rc;
    }
    // The select is complete before a cursor is taken: its text chooses the
    // prepared statement to reuse.
    const SelectSource source = selectSource();
    DIRSelect select(source.from, id != nullptr ? HQSTRING(L"WHERE qrtid =?") : condition,
                     source.commonColumns);
    ColumnBuffer buffer(columnLayout(), limits_);
    // By identifier, SQLSelectId adds the parameter.
    completeSelect(select, buffer, id != nullptr ? std::vector<QueryParm>() : parms);
    const controldb::PooledCursor pooled(select.text());
    HQOdbcCursor& cursor = *pooled;
    HQRC rc = id != nullptr ? SQLSelectId(select, *id, cursor) : SQLSelect(select, cursor);
    if (rc.code != 0)
        return passUp(rc, operation);
    if (SQLFetch(select, buffer, cursor, rc) != 0) {
        // A row read by identifier inside a snapshot answers the next read too.
        controldb::SnapshotStore* store = controldb::SnapshotStore::active();
        if (id != nullptr && rc.code == 0 && store != nullptr && keepsRows())
            store->keepRow(info_, *id, rowImage(select.common(), buffer), 0, 0);
        return rc;
    }
    if (rc.code != 0)
        return passUp(rc, operation);
    return makeError(kDirNotFound, operation, objectTypeToString(info_.type), asked);
}

HQRC DIRBase::retrieveWhere(const wchar_t* operation, const HQSTRING& condition,
                            const std::vector<QueryParm>& parms, const HQSTRING& asked) {
    return retrieveOne(operation, condition, parms, asked, nullptr);
}

HQRC DIRBase::retrieveId(const DIRId& id) {
    return retrieveOne(L"retrieveId", L"", {}, id.toString(), &id);
}

void DIRBase::closeList() {
    listCursor_.reset();
    listSelect_.reset();
    listBuffer_.reset();
    keptList_.reset();
}

HQRC DIRBase::listFirstWhere(const wchar_t* operation, const HQSTRING& condition,
                             const std::vector<QueryParm>& parms) {
    closeList();
    listBuffer_ = std::make_unique<ColumnBuffer>(columnLayout(), limits_);
    const SelectSource source = selectSource();
    listSelect_ = std::make_unique<DIRSelect>(source.from, condition, source.commonColumns);
    completeSelect(*listSelect_, *listBuffer_, parms);
    listCursor_ = std::make_unique<controldb::PooledCursor>(listSelect_->text());
    HQRC rc = SQLSelect(*listSelect_, **listCursor_);
    if (rc.code == 0 && SQLFetch(*listSelect_, *listBuffer_, **listCursor_, rc) != 0)
        return rc;
    closeList();
    if (rc.code != 0)
        return passUp(rc, operation);
    return makeError(kDirNotFound, operation, objectTypeToString(info_.type), L"");
}

HQRC DIRBase::listFirstRelated(const wchar_t* operation, const Relation& relation,
                               RelationSide known, const DIRId& id, std::wstring_view more) {
    if (more.empty()) {
        if (std::optional<HQRC> kept = listFirstKept(operation, relation, known, id))
            return *kept;
    }
    return listFirstWhere(operation,
                          L" where qrtid in " + relatedIdsQuery(relation, known) + HQSTRING(more),
                          {QueryParm::id(id)});
}

HQRC DIRBase::listNext() {
    if (keptList_) {
        resetContent();
        return nextKept(L"listNext");
    }
    const HQSTRING type = objectTypeToString(info_.type);
    if (!listCursor_)
        return makeError(kDirNoCursor, L"listNext", type, L"");
    if (!listBuffer_)
        return makeError(kDirNoColumnBuffer, L"listNext", type, L"");
    if (!listSelect_)
        return makeError(kDirNoStatement, L"listNext", type, L"");
    resetContent();
    HQRC rc;
    if (SQLFetch(*listSelect_, *listBuffer_, **listCursor_, rc) != 0)
        return rc;
    closeList();
    if (rc.code != 0)
        return passUp(rc, L"listNext");
    return makeError(kDirNotFound, L"listNext", type, L"");
}
