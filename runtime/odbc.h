// The SQL call-level-interface layer: the process-wide environment (HQOdbc),
// its connections (HQOdbcConnect) and statement handles (HQOdbcCursor). All
// database access of the program goes through these three classes.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "runtime/return_code.h"
#include "runtime/sql_dialect.h"

class HQOdbcConnect;
class HQabsMutexSemaphore;

// One statement handle. State: 0 none, 1 allocated, 2 prepared, 3 open.
class HQOdbcCursor {
public:
    HQOdbcCursor() = default;
    explicit HQOdbcCursor(HQOdbcConnect* connection) : connection_(connection) {}
    ~HQOdbcCursor(); // frees the handle, errors ignored
    HQOdbcCursor(const HQOdbcCursor&) = delete;
    HQOdbcCursor& operator=(const HQOdbcCursor&) = delete;

    void setConnection(HQOdbcConnect* connection) { connection_ = connection; }
    HQOdbcConnect* getConnection() const { return connection_; }

    HQRC prepare(const HQSTRING& statement);
    HQRC bindParameter(SQLUSMALLINT number, SQLSMALLINT kind, SQLSMALLINT bufferType,
                       SQLSMALLINT sqlType, SQLULEN columnSize, SQLSMALLINT decimalDigits,
                       SQLPOINTER value, SQLLEN bufferLength, SQLLEN* lengthWord);
    HQRC bindCol(SQLUSMALLINT number, SQLSMALLINT bufferType, SQLPOINTER value, SQLLEN bufferLength,
                 SQLLEN* lengthWord);
    // Reads the next piece of column `number` of the fetched row into value
    // (SQLGetData, for a column that is not bound). `more` tells that the
    // value goes on beyond this piece, which then fills the buffer (less the
    // terminator of a character buffer); the length word gives the piece's
    // length, SQL_NULL_DATA for NULL, and 0 once the value was read whole.
    // A warning other than a truncated piece is a failure (2015).
    HQRC getData(SQLUSMALLINT number, SQLSMALLINT bufferType, SQLPOINTER value, SQLLEN bufferLength,
                 SQLLEN* lengthWord, bool& more);
    HQRC execute();
    HQRC executeIgnoreNDF();
    // The number of rows the last executed INSERT, UPDATE or DELETE changed.
    HQRC rowCount(SQLLEN& rows);
    // Nonzero when a row is in the bound buffers; the first call executes.
    int fetch(HQRC& rc);
    HQRC free();
    // Closes an open result and drops the column and parameter bindings; the
    // prepared statement stays for the next execution.
    HQRC close();
    HQRC testConnect();
    HQSTRING stateChar() const;
    int state() const { return state_; }
    SQLHSTMT handle() const { return hstmt_; }

    HQRC getRetcode(const HQSTRING& location, int32_t code, SQLHSTMT stmt, const HQSTRING& token1,
                    const HQSTRING& token2);
    HQRC getRetcode(const HQSTRING& location, int32_t code, const HQSTRING& token1,
                    const HQSTRING& token2) {
        return getRetcode(location, code, hstmt_, token1, token2);
    }

private:
    // Counts an execution of the prepared statement (HQOdbcConnect::statementCounts).
    void countExecution() const;

    SQLHSTMT hstmt_ = SQL_NULL_HSTMT;
    int state_ = 0;
    HQOdbcConnect* connection_ = nullptr;
    SQLRETURN lastRc_ = 0;
    uint64_t* executions_ = nullptr; // the counter of the prepared text, from prepare on
};

// One connection of the environment. State: 0 nothing, 1 handle allocated,
// 2 connected, 3 connected with its own statement handle.
class HQOdbcConnect {
public:
    static constexpr int kSlots = 8;

    HQOdbcConnect();
    ~HQOdbcConnect();
    HQOdbcConnect(const HQOdbcConnect&) = delete;
    HQOdbcConnect& operator=(const HQOdbcConnect&) = delete;

    HQRC connect(const HQSTRING& database, const HQSTRING& user, const HQSTRING& password);
    HQRC connectOptionManual();
    // Switches the commit of every single statement on or off; off, the
    // statements stay in one transaction until commit or rollback.
    HQRC setAutoCommit(bool on);
    bool autoCommit() const { return autoCommit_; }
    HQRC disconnect();
    HQRC executeStmt(const HQSTRING& statement, int noDataOk);
    HQRC commit();
    HQRC rollback();

    // One read-only transaction in which every read sees the same committed
    // state of the database, from the first read after the begin to the end
    // (SQLite: a deferred transaction; PostgreSQL: REPEATABLE READ, READ
    // ONLY). A DBMS without such statements (Native) gets none and
    // inReadSnapshot stays false. Begin resets the statement counts; end
    // traces them. A disconnect ends the snapshot too.
    HQRC beginReadSnapshot();
    HQRC endReadSnapshot();
    bool inReadSnapshot() const { return inSnapshot_; }

    HQOdbcCursor* getCursor(int slot, HQRC& rc);
    HQRC dropCursor(int slot);

    // Statements kept prepared for reuse, by their text. takeCursor hands out
    // an idle cursor of this connection that was prepared with exactly this
    // text (a fresh one when there is none); its prepare keeps that statement.
    // giveBack closes the cursor's result and keeps it for the next taker of
    // the same text. disconnect drops every idle cursor.
    std::unique_ptr<HQOdbcCursor> takeCursor(const HQSTRING& statement);
    void giveBack(const HQSTRING& statement, std::unique_ptr<HQOdbcCursor> cursor);

    HQRC getRetcode(const HQSTRING& location, int32_t code, SQLHSTMT stmt, const HQSTRING& token1,
                    const HQSTRING& token2);
    HQRC getRetcode(const HQSTRING& location, int32_t code, const HQSTRING& token1,
                    const HQSTRING& token2) {
        return getRetcode(location, code, hstmt_, token1, token2);
    }

    // How often each statement text (as the program wrote it, before the
    // dialect's changes) was executed on this connection since the last
    // reset: a query by its cursor's execute, any other statement by
    // executeStmt. Most executed first, equal counts by text. Beyond
    // kCountedTexts distinct texts the rest are counted together under
    // kOtherTexts.
    struct StatementCount {
        std::wstring text;
        uint64_t executions;
    };
    static constexpr size_t kCountedTexts = 1024;
    static constexpr std::wstring_view kOtherTexts = L"(other statements)";
    std::vector<StatementCount> statementCounts() const;
    uint64_t statementsExecuted() const;
    void resetStatementCounts();
    // The counts as trace lines of the "HQOdbc" component: a total, then one
    // line per text; nothing while that trace is off.
    void traceStatementCounts() const;

    int state() const { return state_; }
    SQLHDBC handle() const { return hdbc_; }
    HQabsMutexSemaphore& allocationMutex() { return *allocMutex_; }

    // Adapts a statement written in the control database's native dialect to
    // the DBMS behind this connection (known after connect).
    std::wstring adaptStatement(const std::wstring& statement) const;

    // Names the schema that qualifies the control tables ("<prefix>.<table>").
    // A DBMS without schemas inside one database file (SQLite) gets the DSN's
    // own database file attached under that name, now if connected, else
    // right after the next connect. HQConfiguration::init calls it.
    HQRC setSchemaPrefix(const HQSTRING& prefix);
    const HQSTRING& schemaPrefix() const { return schemaPrefix_; }
    SqlDialect dialect() const { return static_cast<SqlDialect>(dbms_); }
    // SQL_DBMS_NAME as read right after connect.
    const HQSTRING& dbmsName() const { return dbmsName_; }

    // Longest wait for a lock held by another session (SQLite's busy wait,
    // PostgreSQL's lock_timeout), also the login timeout (rounded up to whole
    // seconds). Applied by the next connect.
    static constexpr std::chrono::milliseconds kDefaultLockTimeout{30000};
    // Longest run of one statement on a server that has such a limit.
    static constexpr std::chrono::milliseconds kStatementTimeout{300000};
    // Probes of a server that has gone silent: after this idle time, then at
    // this interval (drivers that know them).
    static constexpr std::chrono::seconds kKeepaliveIdle{30};
    static constexpr std::chrono::seconds kKeepaliveInterval{10};
    void setLockTimeout(std::chrono::milliseconds timeout) { lockTimeout_ = timeout; }
    std::chrono::milliseconds lockTimeout() const { return lockTimeout_; }

private:
    friend class HQOdbcCursor;
    friend class HQOdbc;
    HQRC attachSchemaPrefix();
    // "DSN=...;...;UID=...;PWD=..." with the time limits of the connection.
    std::string connectionString(const HQSTRING& database, const HQSTRING& user,
                                 const HQSTRING& password) const;
    // Sets the session's lock and statement time limits after a connect.
    HQRC limitWaits();
    void dropIdleCursors();
    // The execution counter of a statement text (stable while the connection lives).
    uint64_t* executionCounter(const std::wstring& text);

    SQLHENV henv_ = SQL_NULL_HENV; // of the environment that owns this connection
    // Every cursor holding a statement handle of this connection (guarded by
    // the allocation mutex); disconnect frees them all.
    std::unordered_set<HQOdbcCursor*> cursorsWithHandle_;
    HQSTRING dbmsName_;
    HQSTRING schemaPrefix_;
    SQLHDBC hdbc_ = SQL_NULL_HDBC;
    SQLHSTMT hstmt_ = SQL_NULL_HSTMT;
    std::array<HQOdbcCursor, kSlots> slots_;
    std::array<std::unique_ptr<HQabsMutexSemaphore>, kSlots> slotMutex_;
    SQLRETURN lastRc_ = 0;
    int state_ = 0;
    std::unique_ptr<HQabsMutexSemaphore> allocMutex_;
    int dbms_ = 0; // dialect of the connected DBMS, set by connect
    bool inSnapshot_ = false;
    bool autoCommit_ = true;
    std::chrono::milliseconds lockTimeout_ = kDefaultLockTimeout;
    // Idle prepared cursors by statement text (last member: destroyed first).
    std::mutex idleMutex_;
    std::unordered_map<std::wstring, std::vector<std::unique_ptr<HQOdbcCursor>>> idle_;
    std::unordered_map<std::wstring, uint64_t> executions_; // by statement text
};

// The process-wide environment with its two connections.
class HQOdbc {
public:
    static HQOdbc& getEnv();
    static void free();

    HQOdbc();                  // throws HQRC 2003
    ~HQOdbc() noexcept(false); // throws HQRC 2004
    HQOdbc(const HQOdbc&) = delete;
    HQOdbc& operator=(const HQOdbc&) = delete;

    HQOdbcConnect& connection(int n = 0) { return connections_[n]; }
    SQLHENV handle() const { return henv_; }

private:
    // Disconnects both connections (errors ignored) and frees the environment.
    HQRC releaseHandles();

    SQLHENV henv_ = SQL_NULL_HENV;
    std::array<HQOdbcConnect, 2> connections_;
    int allocated_ = 0;
};
