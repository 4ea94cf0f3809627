// HQOdbcConnect: one connection of the environment with its own statement
// handle, eight numbered cursor slots and the dialect of the connected DBMS.
#include "runtime/odbc.h"
#include "runtime/odbc_diagnostics.h"
#include "runtime/os_factory.h"
#include "runtime/sql_statement_guard.h"
#include "runtime/trace.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <vector>

using namespace odbcdiag;

HQOdbcConnect::HQOdbcConnect() : allocMutex_(HQabsFactory::Instance().CreateMutexSemaphore(L"")) {
    for (int i = 0; i < kSlots; ++i) {
        slots_[i].setConnection(this);
        slotMutex_[i] = HQabsFactory::Instance().CreateMutexSemaphore(L"");
    }
}

HQOdbcConnect::~HQOdbcConnect() {
    disconnect();
}

HQRC HQOdbcConnect::getRetcode(const HQSTRING& location, int32_t code, SQLHSTMT stmt,
                               const HQSTRING& token1, const HQSTRING& token2) {
    return readDiagnostics(lastRc_, henv_, hdbc_, stmt, location, code, token1, token2, false);
}

namespace {
// A value of a connection string: as it is, or in braces (a "}" in it
// doubled) when it holds a character that would end or open a value.
std::string connectionValue(const std::string& value) {
    if (value.find_first_of(";{}") == std::string::npos && value.find('=') == std::string::npos &&
        (value.empty() || (value.front() != ' ' && value.back() != ' ')))
        return value;
    std::string quoted = "{";
    for (const char c : value) {
        quoted += c;
        if (c == '}')
            quoted += '}';
    }
    return quoted + "}";
}
} // namespace

std::string HQOdbcConnect::connectionString(const HQSTRING& database, const HQSTRING& user,
                                            const HQSTRING& password) const {
    // The limits come before the user and the password: a driver that reads
    // only simple values finds them whatever the password holds. "Timeout" is
    // the SQLite driver's busy wait (from the first statement of its connect
    // on), "KeepaliveTime" and "KeepaliveInterval" the PostgreSQL driver's
    // probes of a silent server; drivers ignore what they do not know.
    // "Protocol=7.4-1" has the PostgreSQL driver leave a failed statement's
    // transaction to the server, as the server itself does: at its default
    // it wraps every statement inside a transaction in a savepoint of its
    // own, a second round trip per statement.
    std::string pwd = password.toMultiByte();
    std::string text = "DSN=" + connectionValue(database.toMultiByte()) +
                       ";Timeout=" + std::to_string(lockTimeout_.count()) +
                       ";KeepaliveTime=" + std::to_string(kKeepaliveIdle.count()) +
                       ";KeepaliveInterval=" + std::to_string(kKeepaliveInterval.count()) +
                       ";Protocol=7.4-1" + ";UID=" + connectionValue(user.toMultiByte()) + ";PWD=";
    std::string value = connectionValue(pwd);
    text += value;
    std::fill(pwd.begin(), pwd.end(), '\0');
    std::fill(value.begin(), value.end(), '\0');
    return text;
}

HQRC HQOdbcConnect::connect(const HQSTRING& database, const HQSTRING& user,
                            const HQSTRING& password) {
    // A connection that is open is closed first: connecting again means
    // connecting afresh, possibly to another database.
    if (state_ >= 2) {
        if (HQRC rc = disconnect(); rc.code != 0)
            return rc;
    }
    if (state_ == 0) {
        lastRc_ = SQLAllocConnect(henv_, &hdbc_);
        if (lastRc_ != SQL_SUCCESS && lastRc_ != SQL_SUCCESS_WITH_INFO) {
            hdbc_ = SQL_NULL_HDBC;
            HQRC rc = layerError(kAllocConnect, L"HQOdbcConnect::connect", database, user);
            rc.nativeCode = lastRc_;
            return rc;
        }
        state_ = 1;
    }
    // A server that does not answer ends the connect after the login timeout.
    lastRc_ = SQLSetConnectOption(hdbc_, SQL_LOGIN_TIMEOUT,
                                  static_cast<SQLULEN>((lockTimeout_.count() + 999) / 1000));
    if (lastRc_ != SQL_SUCCESS && lastRc_ != SQL_SUCCESS_WITH_INFO) {
        HQRC rc =
            getRetcode(L"HQOdbcConnect::connect", kAllocConnect, SQL_NULL_HSTMT, database, user);
        rc.code = kAllocConnect;
        rc.domain = DomainODBC;
        return rc;
    }
    std::string text = connectionString(database, user, password);
    lastRc_ = SQLDriverConnect(hdbc_, nullptr, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS,
                               nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    std::fill(text.begin(), text.end(), '\0'); // it holds the password
    // The connection is judged by the SQLSTATE of the first diagnostic record:
    // a good connect leaves none ("00000").
    FirstRecord record = firstConnectionRecord(henv_, hdbc_);
    if (record.sqlState == L"00000" && lastRc_ != SQL_SUCCESS && lastRc_ != SQL_SUCCESS_WITH_INFO)
        record.sqlState = L"HY000"; // failed without saying why
    if (record.sqlState != L"00000") {
        // A connect that succeeded with a warning is refused too; the handle
        // goes back to "allocated".
        if (lastRc_ == SQL_SUCCESS || lastRc_ == SQL_SUCCESS_WITH_INFO)
            SQLDisconnect(hdbc_);
        HQRC rc = layerError(kConnect, L"HQOdbc::connect", database, user);
        rc.nativeCode = record.nativeCode != 0 ? record.nativeCode : -9999;
        rc.sqlState = record.sqlState;
        rc.nativeMessage = record.message;
        return rc;
    }
    state_ = 2;
    autoCommit_ = true; // every new connection commits each statement

    // The DBMS decides the dialect of every statement sent on the connection.
    SQLCHAR name[128] = {};
    SQLSMALLINT length = 0;
    dbmsName_.clear();
    lastRc_ = SQLGetInfo(hdbc_, SQL_DBMS_NAME, name, sizeof name, &length);
    if (lastRc_ != SQL_SUCCESS) {
        HQRC rc = getRetcode(L"HQOdbcConnect::connect", kConnect, SQL_NULL_HSTMT, database, user);
        rc.code = kConnect;
        rc.domain = DomainODBC;
        disconnect();
        return rc;
    }
    dbmsName_ = HQSTRING(reinterpret_cast<const char*>(name));
    dbms_ = static_cast<int>(dialectOfDbms(dbmsName_));

    lastRc_ = SQLAllocStmt(hdbc_, &hstmt_);
    if (lastRc_ != SQL_SUCCESS && lastRc_ != SQL_SUCCESS_WITH_INFO) {
        hstmt_ = SQL_NULL_HSTMT;
        HQRC rc = getRetcode(L"HQOdbcConnect::connect", kAllocStmt, SQL_NULL_HSTMT, database, L"");
        rc.code = kAllocStmt;
        rc.domain = DomainODBC;
        return rc;
    }
    state_ = 3;
    if (HQRC rc = limitWaits(); rc.code != 0)
        return rc;
    return attachSchemaPrefix();
}

HQRC HQOdbcConnect::limitWaits() {
    const std::wstring ms = std::to_wstring(lockTimeout_.count());
    std::vector<std::wstring> statements;
    switch (dialect()) {
    case SqlDialect::SQLite:
        // Replaces the driver's own busy wait.
        statements = {L"PRAGMA busy_timeout = " + ms};
        break;
    case SqlDialect::PostgreSQL:
        statements = {L"SET lock_timeout = " + ms,
                      L"SET statement_timeout = " + std::to_wstring(kStatementTimeout.count())};
        break;
    case SqlDialect::Native:
        break;
    }
    for (const std::wstring& statement : statements) {
        HQRC rc = executeStmt(statement, 0);
        if (rc.code != 0)
            return rc.AddComment(L"HQOdbcConnect::connect");
    }
    return HQRC();
}

HQRC HQOdbcConnect::connectOptionManual() {
    lastRc_ = SQLSetConnectOption(hdbc_, SQL_AUTOCOMMIT, SQL_AUTOCOMMIT_OFF);
    if (lastRc_ != SQL_SUCCESS)
        return getRetcode(L"HQOdbcConnect::connectOptionManual", kAllocConnect, SQL_NULL_HSTMT, L"",
                          L"");
    autoCommit_ = false;
    return HQRC();
}

HQRC HQOdbcConnect::setAutoCommit(bool on) {
    lastRc_ =
        SQLSetConnectOption(hdbc_, SQL_AUTOCOMMIT, on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF);
    if (lastRc_ != SQL_SUCCESS) {
        HQRC rc =
            getRetcode(L"HQOdbcConnect::setAutoCommit", kAllocConnect, SQL_NULL_HSTMT, L"", L"");
        rc.code = kAllocConnect;
        rc.domain = DomainODBC;
        return rc;
    }
    autoCommit_ = on;
    return HQRC();
}

HQRC HQOdbcConnect::disconnect() {
    HQRC result;
    inSnapshot_ = false; // the server ends the transaction with the session
    if (state_ == 3) {
        lastRc_ = SQLFreeStmt(hstmt_, SQL_DROP);
        if (lastRc_ != SQL_SUCCESS)
            return getRetcode(L"HQOdbcConnect::disconnect", kFreeStmt, L"", L"");
        hstmt_ = SQL_NULL_HSTMT;
        state_ = 2;
    }
    // Idle prepared cursors first (their handles go with them), then the slot
    // cursors and every other cursor still holding a handle of this
    // connection: a driver may refuse to disconnect while a statement is open.
    dropIdleCursors();
    allocMutex_->Acquire();
    const std::vector<HQOdbcCursor*> cursors(cursorsWithHandle_.begin(), cursorsWithHandle_.end());
    allocMutex_->Release();
    for (HQOdbcCursor* cursor : cursors) {
        const HQRC rc = cursor->free();
        if (rc.code != 0)
            result.AddComment(L"From HQOdbcConnect::disconnect");
    }
    if (state_ == 2) {
        lastRc_ = SQLDisconnect(hdbc_);
        if (lastRc_ == SQL_ERROR &&
            getRetcode(L"HQOdbcConnect::disconnect", kDisconnect, SQL_NULL_HSTMT, L"", L"")
                    .sqlState == L"25000") {
            // Work left open under manual commit is discarded, then the
            // connection is closed.
            SQLTransact(henv_, hdbc_, SQL_ROLLBACK);
            lastRc_ = SQLDisconnect(hdbc_);
        }
        if (lastRc_ != SQL_SUCCESS && lastRc_ != SQL_SUCCESS_WITH_INFO)
            return getRetcode(L"HQOdbcConnect::disconnect", kDisconnect, SQL_NULL_HSTMT, L"", L"");
        state_ = 1;
    }
    if (state_ == 1) {
        lastRc_ = SQLFreeConnect(hdbc_);
        if (lastRc_ != SQL_SUCCESS)
            return getRetcode(L"HQOdbcConnect::disconnect", kFreeConnect, SQL_NULL_HSTMT, L"", L"");
        hdbc_ = SQL_NULL_HDBC;
        state_ = 0;
    }
    return result;
}

HQRC HQOdbcConnect::executeStmt(const HQSTRING& statement, int noDataOk) {
    std::string text = wideToMultiByte(adaptStatement(statement));
    if (componentTraceOn(ComponentEnum::HQOdbc)) {
        componentTrace(ComponentEnum::HQOdbc, "------------ Executing:\n");
        componentTrace(ComponentEnum::HQOdbc, text + "\n");
    }
    if (state_ != 3)
        return layerError(kExecDirect, L"HQOdbcConnect::executeStmt", statement, L"");
    if (!holdsOneStatement(statement))
        return severalStatements(kExecDirect, L"HQOdbcConnect::executeStmt", statement);
    // The own handle is reused: a result set left by the previous statement
    // is closed first.
    lastRc_ = SQLFreeStmt(hstmt_, SQL_CLOSE);
    if (lastRc_ != SQL_SUCCESS && lastRc_ != SQL_SUCCESS_WITH_INFO) {
        HQRC rc = getRetcode(L"HQOdbcConnect::executeStmt", kFreeStmt, statement, L"");
        rc.code = kFreeStmt;
        rc.domain = DomainODBC;
        return rc;
    }
    ++*executionCounter(statement);
    lastRc_ = SQLExecDirect(hstmt_, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
    if (lastRc_ == SQL_SUCCESS)
        return HQRC();
    if (noDataOk == 1) {
        if (lastRc_ == SQL_NO_DATA)
            return HQRC();
        if (lastRc_ == SQL_SUCCESS_WITH_INFO) {
            HQRC rc = getRetcode(L"HQOdbcConnect::executeStmt", kExecDirect, statement, L"");
            return rc.sqlState == kNoDataState ? HQRC() : rc;
        }
    }
    if (lastRc_ == SQL_NO_DATA)
        return noDataResult(kExecDirect, L"HQOdbcConnect::executeStmt", statement, L"");
    HQRC rc = getRetcode(L"HQOdbcConnect::executeStmt", kExecDirect, statement, L"");
    rc.code = kExecDirect; // a warning without a record is still refused
    rc.domain = DomainODBC;
    return rc;
}

HQRC HQOdbcConnect::commit() {
    lastRc_ = SQLTransact(henv_, hdbc_, SQL_COMMIT);
    if (lastRc_ != SQL_SUCCESS)
        return getRetcode(L"HQOdbcConnect::commit", kTransact, SQL_NULL_HSTMT, L"", L"");
    return HQRC();
}

HQRC HQOdbcConnect::rollback() {
    lastRc_ = SQLTransact(henv_, hdbc_, SQL_ROLLBACK);
    if (lastRc_ != SQL_SUCCESS)
        return getRetcode(L"HQOdbcConnect::rollback", kTransact, SQL_NULL_HSTMT, L"", L"");
    return HQRC();
}

HQRC HQOdbcConnect::beginReadSnapshot() {
    const ReadSnapshotStatements* statements = readSnapshotStatements(dialect());
    if (inSnapshot_ || statements == nullptr)
        return HQRC();
    resetStatementCounts();
    HQRC rc = executeStmt(HQSTRING(statements->begin), 0);
    if (rc.code != 0)
        return rc.AddComment(L"HQOdbcConnect::beginReadSnapshot");
    inSnapshot_ = true;
    return rc;
}

HQRC HQOdbcConnect::endReadSnapshot() {
    if (!inSnapshot_)
        return HQRC();
    inSnapshot_ = false;
    HQRC rc = executeStmt(HQSTRING(readSnapshotStatements(dialect())->end), 0);
    traceStatementCounts();
    if (rc.code != 0)
        rc.AddComment(L"HQOdbcConnect::endReadSnapshot");
    return rc;
}

namespace {
// Bounds of the idle cursors kept: distinct statement texts, cursors per text.
constexpr size_t kMaxIdleTexts = 256;
constexpr size_t kMaxIdlePerText = 8;
} // namespace

std::unique_ptr<HQOdbcCursor> HQOdbcConnect::takeCursor(const HQSTRING& statement) {
    {
        const std::lock_guard lock(idleMutex_);
        if (auto found = idle_.find(statement); found != idle_.end() && !found->second.empty()) {
            std::unique_ptr<HQOdbcCursor> cursor = std::move(found->second.back());
            found->second.pop_back();
            return cursor;
        }
    }
    return std::make_unique<HQOdbcCursor>(this);
}

void HQOdbcConnect::giveBack(const HQSTRING& statement, std::unique_ptr<HQOdbcCursor> cursor) {
    // A cursor without a handle was freed by a disconnect: nothing to keep.
    if (cursor == nullptr || cursor->state() < 2 || cursor->getConnection() != this)
        return;
    if (cursor->close().code != 0)
        return;
    const std::lock_guard lock(idleMutex_);
    auto found = idle_.find(statement);
    if (found == idle_.end()) {
        if (idle_.size() >= kMaxIdleTexts)
            return;
        found = idle_.emplace(statement, std::vector<std::unique_ptr<HQOdbcCursor>>()).first;
    }
    if (found->second.size() < kMaxIdlePerText)
        found->second.push_back(std::move(cursor));
}

void HQOdbcConnect::dropIdleCursors() {
    std::unordered_map<std::wstring, std::vector<std::unique_ptr<HQOdbcCursor>>> idle;
    {
        const std::lock_guard lock(idleMutex_);
        idle.swap(idle_);
    }
    // Destroyed here, outside the lock: each frees its statement handle.
}

HQOdbcCursor* HQOdbcConnect::getCursor(int slot, HQRC& rc) {
    if (slot < 0 || slot >= kSlots) {
        rc = layerError(99, L"HQOdbcConnect::getCursor", odbcdiag::numberToken(slot), L"");
        return nullptr;
    }
    if (HQRC r = slotMutex_[slot]->Acquire(); r.code != 0) {
        rc = r.AddComment(L"HQOdbcConnect::getCursor");
        return nullptr;
    }
    return &slots_[slot];
}

HQRC HQOdbcConnect::dropCursor(int slot) {
    if (slot < 0 || slot >= kSlots)
        return layerError(99, L"HQOdbcConnect::dropCursor", odbcdiag::numberToken(slot), L"");
    HQRC rc = slotMutex_[slot]->Release();
    if (rc.code != 0)
        rc.AddComment(L"HQOdbcConnect::dropCursor");
    return rc;
}

std::wstring HQOdbcConnect::adaptStatement(const std::wstring& statement) const {
    return adaptSql(dialect(), statement);
}

HQRC HQOdbcConnect::setSchemaPrefix(const HQSTRING& prefix) {
    schemaPrefix_ = prefix;
    return state_ == 3 ? attachSchemaPrefix() : HQRC();
}

HQRC HQOdbcConnect::attachSchemaPrefix() {
    if (dialect() != SqlDialect::SQLite || schemaPrefix_.empty())
        return HQRC();
    // The databases the connection already knows, and the file of "main".
    HQOdbcCursor list(this);
    HQRC rc = list.prepare(L"PRAGMA database_list");
    char name[256] = {};
    char file[4096] = {};
    SQLLEN nameLen = 0, fileLen = 0;
    if (rc.code == 0)
        rc = list.bindCol(2, SQL_C_CHAR, name, sizeof name, &nameLen);
    if (rc.code == 0)
        rc = list.bindCol(3, SQL_C_CHAR, file, sizeof file, &fileLen);
    HQSTRING mainFile;
    const std::string prefix = schemaPrefix_.toMultiByte();
    while (rc.code == 0 && list.fetch(rc)) {
        const std::string n = nameLen == SQL_NULL_DATA ? std::string() : std::string(name);
        if (equalsIgnoreCase(n, prefix))
            return HQRC(); // attached already (or "main" itself)
        if (n == "main" && fileLen != SQL_NULL_DATA)
            mainFile = HQSTRING(file);
    }
    if (rc.code != 0)
        return rc.AddComment(L"HQOdbcConnect::setSchemaPrefix");
    if (mainFile.empty())
        return layerError(kExecDirect, L"HQOdbcConnect::setSchemaPrefix",
                          L"ATTACH (the database has no file)", schemaPrefix_);
    HQSTRING quotedFile;
    for (wchar_t c : mainFile) {
        quotedFile += c;
        if (c == L'\'')
            quotedFile += c;
    }
    HQSTRING quotedPrefix;
    for (wchar_t c : schemaPrefix_) {
        quotedPrefix += c;
        if (c == L'"')
            quotedPrefix += c;
    }
    rc = executeStmt(L"ATTACH DATABASE '" + quotedFile + L"' AS \"" + quotedPrefix + L"\"", 0);
    if (rc.code != 0)
        rc.AddComment(L"HQOdbcConnect::setSchemaPrefix");
    return rc;
}

uint64_t* HQOdbcConnect::executionCounter(const std::wstring& text) {
    if (auto found = executions_.find(text); found != executions_.end())
        return &found->second;
    const std::wstring& key = executions_.size() < kCountedTexts ? text : std::wstring(kOtherTexts);
    return &executions_.try_emplace(key, 0).first->second;
}

std::vector<HQOdbcConnect::StatementCount> HQOdbcConnect::statementCounts() const {
    std::vector<StatementCount> counts;
    for (const auto& [text, executions] : executions_)
        if (executions != 0)
            counts.push_back({text, executions});
    std::sort(counts.begin(), counts.end(), [](const StatementCount& a, const StatementCount& b) {
        return a.executions != b.executions ? a.executions > b.executions : a.text < b.text;
    });
    return counts;
}

uint64_t HQOdbcConnect::statementsExecuted() const {
    uint64_t total = 0;
    for (const auto& entry : executions_)
        total += entry.second;
    return total;
}

void HQOdbcConnect::resetStatementCounts() {
    // The counters stay where they are: prepared cursors keep pointing at them.
    for (auto& entry : executions_)
        entry.second = 0;
}

void HQOdbcConnect::traceStatementCounts() const {
    if (!componentTraceOn(ComponentEnum::HQOdbc))
        return;
    std::string lines =
        "------------ Statements executed: " + std::to_string(statementsExecuted()) + "\n";
    for (const StatementCount& count : statementCounts()) {
        char number[32];
        std::snprintf(number, sizeof number, "%10" PRIu64 " ", count.executions);
        lines += number + wideToMultiByte(count.text) + "\n";
    }
    componentTrace(ComponentEnum::HQOdbc, lines);
}
