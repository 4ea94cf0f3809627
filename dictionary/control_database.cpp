// Configuration-dependent parts of the control-database access.
#include "dictionary/control_database.h"

#include <algorithm>
#include <cstring>

#include "dictionary/database_types.h"
#include "dictionary/snapshot_store.h"
#include "runtime/configuration.h"
#include "runtime/odbc.h"

namespace controldb {
HQSTRING schemaPrefix() {
    HQRC rc;
    return HQConfiguration::getValueString(ComponentEnum::DDD, L"prefix", rc);
}

HQSTRING table(const wchar_t* dottedName) {
    return schemaPrefix() + dottedName;
}

HQOdbcConnect& connection() {
    return HQOdbc::getEnv().connection(0);
}

HQSTRING parameterList(size_t count) {
    HQSTRING list = L"(";
    for (size_t i = 0; i < count; ++i)
        list += i == 0 ? L"?" : L", ?";
    return list + L")";
}

size_t batchSize(size_t count) {
    for (const size_t size : {size_t{1}, size_t{8}, size_t{64}})
        if (count <= size)
            return size;
    return count <= 512 ? 512 : count;
}

std::string_view fetchedText(const char* data, size_t room, SQLLEN lengthWord) {
    size_t length = lengthWord >= 0 ? static_cast<size_t>(lengthWord) : room;
    length = std::min(length, room);
    return {data, ::strnlen(data, length)};
}

HQRC ReadSnapshot::begin() {
    HQOdbcConnect& conn = connection();
    if (open_ || conn.state() != 3)
        return HQRC();
    HQRC rc = conn.beginReadSnapshot();
    if (rc.code != 0)
        return rc.AddComment(L"ReadSnapshot::begin");
    open_ = true;
    // Only a snapshot of the DBMS's own makes rows safe to keep.
    if (conn.inReadSnapshot())
        SnapshotStore::open();
    return rc;
}

HQRC ReadSnapshot::end() {
    if (!open_)
        return HQRC();
    open_ = false;
    SnapshotStore::close();
    HQRC rc = connection().endReadSnapshot();
    if (rc.code != 0)
        rc.AddComment(L"ReadSnapshot::end");
    return rc;
}

ReadSnapshot::~ReadSnapshot() {
    try {
        end();
    } catch (...) {
        // nothing more can be done about it at this point
    }
}

SlotCursor::SlotCursor(int slot, HQRC& rc) : slot_(slot) {
    HQOdbcConnect& conn = connection();
    cursor_ = conn.getCursor(slot, rc);
    if (cursor_ != nullptr && cursor_->getConnection() == nullptr)
        cursor_->setConnection(&conn);
}

SlotCursor::~SlotCursor() {
    if (cursor_ == nullptr)
        return;
    cursor_->free();
    connection().dropCursor(slot_);
}

PooledCursor::PooledCursor(HQSTRING text)
    : text_(std::move(text)), cursor_(connection().takeCursor(text_)) {}

PooledCursor::~PooledCursor() {
    // A cursor still holding a statement belongs to a live connection (a
    // disconnect frees every handle first).
    if (cursor_->state() >= 2 && cursor_->getConnection() != nullptr)
        cursor_->getConnection()->giveBack(text_, std::move(cursor_));
}

int32_t leadingNumber(const HQSTRING& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || (text[i] >= L'\t' && text[i] <= L'\r')))
        ++i;
    const bool negative = i < text.size() && text[i] == L'-';
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+'))
        ++i;
    int64_t value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > INT64_C(1) << 32)
            break; // beyond either limit already
    }
    if (negative)
        value = -value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}
} // namespace controldb

NameLimits NameLimits::forEdition(const HQSTRING& dbType, const HQSTRING& dbVersion) {
    const DatabaseSubType* edition = dbtypes::subType(dbtypes::subTypeFromText(dbType));
    const int32_t longFromVersion = controldb::leadingNumber(L"06.01.0000");
    if (edition != nullptr && edition->longNames &&
        controldb::leadingNumber(dbVersion) >= longFromVersion)
        return NameLimits{128, 255, 128};
    return NameLimits{};
}

NameLimits NameLimits::fromConfiguration() {
    // Every object asks when it is made: worked out again only after the
    // settings changed.
    static uint64_t workedOutAt = UINT64_MAX;
    static NameLimits limits;
    if (const uint64_t now = HQConfiguration::changeCount(); now != workedOutAt) {
        HQRC rc;
        const HQSTRING dbType = HQConfiguration::getValueString(ComponentEnum::DDD, L"DBTYPE", rc);
        const HQSTRING dbVersion =
            HQConfiguration::getValueString(ComponentEnum::DDD, L"DBVERSION", rc);
        limits = forEdition(dbType, dbVersion);
        workedOutAt = now;
    }
    return limits;
}
