// What every metadata class needs from the control database around it: the
// qualified table names (configured schema prefix + "." + table), the
// connection of the run, the name-length limits of the server edition, and
// the leading number of a stored text.
#pragma once

#include <cstdint>

#include <sql.h>
#include <sqlext.h>

#include <memory>
#include <string_view>

#include "runtime/hq_string.h"
#include "runtime/return_code.h"

class HQOdbcConnect;
class HQOdbcCursor;

namespace controldb {
// The schema prefix, read afresh from the configuration on every call.
HQSTRING schemaPrefix();
// The schema prefix followed by the table part, which begins with "."
// (for example ".inforesource").
HQSTRING table(const wchar_t* dottedName);
// The first connection of the environment: the connection of the run.
HQOdbcConnect& connection();
// "(?, ?, ...)" with `count` markers: the identifiers of a batch read.
HQSTRING parameterList(size_t count);
// The number of markers for a batch of `count` identifiers: one of a few
// sizes (the last identifier repeated up to it), so that the statements of
// batch reads are prepared once each.
size_t batchSize(size_t count);
// The number a stored text begins with, read as the C library reads it:
// leading white space skipped, an optional sign, then decimal digits ("-1"
// gives -1, "12 (fixed)" 12); 0 without digits, the nearest 32-bit limit
// beyond them.
int32_t leadingNumber(const HQSTRING& text);
// The text a fetch left in a character buffer of `room` bytes (terminator
// excluded), by its length word.
std::string_view fetchedText(const char* data, size_t room, SQLLEN lengthWord);

// One numbered cursor of the connection, held from construction to
// destruction; the statement is freed before the slot is handed back.
class SlotCursor {
public:
    SlotCursor(int slot, HQRC& rc);
    ~SlotCursor();
    SlotCursor(const SlotCursor&) = delete;
    SlotCursor& operator=(const SlotCursor&) = delete;
    HQOdbcCursor* get() const { return cursor_; }

private:
    int slot_;
    HQOdbcCursor* cursor_;
};

// The one read transaction of an export run over the connection of the run.
// begin opens it (HQOdbcConnect::beginReadSnapshot); from then on every read
// sees the same committed state of the control database, and the object
// model may keep what it read for the rest of the snapshot (see
// snapshot_store.h). end forgets what was kept and ends the transaction; the
// destructor ends a snapshot still open, errors ignored. With the connection
// not open, begin does nothing: nothing will be read.
class ReadSnapshot {
public:
    ReadSnapshot() = default;
    ~ReadSnapshot();
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;
    HQRC begin();
    HQRC end();

private:
    bool open_ = false;
};

// A cursor of the connection for one statement text, taken from the
// connection's idle cursors (already prepared with that text when one is
// there) and given back, its result closed, when this ends. prepare must be
// called with the same text.
class PooledCursor {
public:
    explicit PooledCursor(HQSTRING text);
    ~PooledCursor();
    PooledCursor(const PooledCursor&) = delete;
    PooledCursor& operator=(const PooledCursor&) = delete;
    HQOdbcCursor& operator*() const { return *cursor_; }
    const HQSTRING& text() const { return text_; }

private:
    HQSTRING text_;
    std::unique_ptr<HQOdbcCursor> cursor_;
};
} // namespace controldb

// Longest schema, table and column names that the control database holds.
struct NameLimits {
    int32_t schema = 8;
    int32_t table = 80;
    int32_t column = 18;

    // The long limits (128, 255, 128) when the configuration's "DBTYPE" names
    // one of the server editions and "DBVERSION" is 6 or later.
    static NameLimits fromConfiguration();
    static NameLimits forEdition(const HQSTRING& dbType, const HQSTRING& dbVersion);
};
