// HQOdbcCursor: one statement handle and its state machine (none, allocated,
// prepared, open).
#include "runtime/odbc.h"
#include "runtime/odbc_diagnostics.h"
#include "runtime/os_mutex.h"
#include "runtime/sql_statement_guard.h"
#include "runtime/trace.h"

using namespace odbcdiag;

namespace {
// Native error of a prepare warning that still counts as success.
constexpr int32_t kPrepareWarningNative = 437;
// Statement option: deferred prepare (a driver that does not know it refuses it).
constexpr SQLUSMALLINT kDeferPrepare = 1277;

bool succeeded(SQLRETURN r) {
    return r == SQL_SUCCESS || r == SQL_SUCCESS_WITH_INFO;
}
} // namespace

HQOdbcCursor::~HQOdbcCursor() {
    free();
}

HQRC HQOdbcCursor::getRetcode(const HQSTRING& location, int32_t code, SQLHSTMT stmt,
                              const HQSTRING& token1, const HQSTRING& token2) {
    HQRC rc;
    if (lastRc_ == SQL_NO_DATA) {
        rc = noDataResult(code, location, token1, token2);
    } else {
        const SQLHENV env = connection_ ? connection_->henv_ : SQL_NULL_HENV;
        const SQLHDBC dbc = connection_ ? connection_->hdbc_ : SQL_NULL_HDBC;
        rc = readDiagnostics(lastRc_, env, dbc, stmt, location, code, token1, token2, true);
    }
    if (rc.sqlState == kNoDataState)
        componentTrace(ComponentEnum::HQOdbc, "---------- Error: No Data Found:\n");
    return rc;
}

HQRC HQOdbcCursor::testConnect() {
    if (!connection_)
        return layerError(kNoConnection, L"HQOdbcCursor::testConnect", L"", L"");
    return HQRC();
}

HQSTRING HQOdbcCursor::stateChar() const {
    static const wchar_t* const kNames[] = {L"None", L"allocated", L"prepared", L"open"};
    return state_ >= 0 && state_ <= 3 ? HQSTRING(kNames[state_]) : HQSTRING(L"???");
}

HQRC HQOdbcCursor::prepare(const HQSTRING& statement) {
    if (HQRC rc = testConnect(); rc.code != 0)
        return rc.AddComment(L"From HQOdbcCursor::prepare - stmt=" + statement);
    if (!holdsOneStatement(statement))
        return severalStatements(kPrepare, L"HQOdbcCursor::prepare", statement);
    if (state_ == 0) {
        HQabsMutexSemaphore& mutex = connection_->allocationMutex();
        if (HQRC rc = mutex.Acquire(); rc.code != 0)
            return rc.AddComment(L"HQOdbcCursor::prepare - SQLAllocStmt");
        lastRc_ = SQLAllocStmt(connection_->hdbc_, &hstmt_);
        const bool allocated = succeeded(lastRc_);
        if (allocated)
            connection_->cursorsWithHandle_.insert(this);
        if (HQRC rc = mutex.Release(); rc.code != 0)
            return rc.AddComment(L"HQOdbcCursor::prepare - SQLAllocStmt");
        if (!allocated) {
            hstmt_ = SQL_NULL_HSTMT;
            HQRC rc = connection_->getRetcode(L"HQOdbcConnect::prepare", kAllocStmt, SQL_NULL_HSTMT,
                                              statement, L"");
            rc.code = kAllocStmt;
            rc.domain = DomainODBC;
            rc.location = L"HQOdbcConnect::prepare";
            return rc;
        }
        state_ = 1;
    }
    if (state_ == 1) {
        SQLSetStmtOption(hstmt_, kDeferPrepare, 0);
        executions_ = connection_->executionCounter(statement);
        std::string text = wideToMultiByte(connection_->adaptStatement(statement));
        lastRc_ = SQLPrepare(hstmt_, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS);
        if (lastRc_ != SQL_SUCCESS) {
            HQRC rc = getRetcode(L"HQOdbcCursor::prepare", kPrepare, statement, L"");
            const bool acceptedWarning =
                lastRc_ == SQL_SUCCESS_WITH_INFO && rc.nativeCode == kPrepareWarningNative;
            if (!acceptedWarning) {
                rc.code = kPrepare;
                rc.domain = DomainODBC;
                return rc;
            }
        }
        state_ = 2;
        return HQRC();
    }
    if (state_ == 3) {
        // Closing the open result keeps the statement of the first prepare.
        lastRc_ = SQLFreeStmt(hstmt_, SQL_CLOSE);
        if (lastRc_ != SQL_SUCCESS)
            return getRetcode(L"HQOdbcCursor::prepare", kFreeStmt, statement, L"");
        state_ = 2;
    }
    return HQRC();
}

HQRC HQOdbcCursor::bindParameter(SQLUSMALLINT number, SQLSMALLINT kind, SQLSMALLINT bufferType,
                                 SQLSMALLINT sqlType, SQLULEN columnSize, SQLSMALLINT decimalDigits,
                                 SQLPOINTER value, SQLLEN bufferLength, SQLLEN* lengthWord) {
    if (state_ == 0)
        return layerError(kNoStatementHandle, L"HQOdbcCursor::bindParameter", numberToken(number),
                          numberToken(kind));
    lastRc_ = SQLBindParameter(hstmt_, number, kind, bufferType, sqlType, columnSize, decimalDigits,
                               value, bufferLength, lengthWord);
    if (lastRc_ != SQL_SUCCESS) {
        HQRC rc = getRetcode(L"HQOdbcCursor::bindParameter", kBindParameter, numberToken(number),
                             numberToken(kind));
        if (rc.code != 0 || !succeeded(lastRc_))
            return rc;
    }
    return HQRC();
}

HQRC HQOdbcCursor::bindCol(SQLUSMALLINT number, SQLSMALLINT bufferType, SQLPOINTER value,
                           SQLLEN bufferLength, SQLLEN* lengthWord) {
    if (state_ == 0)
        return layerError(kNoStatementHandle, L"HQOdbcCursor::bindCol", numberToken(number),
                          numberToken(bufferType));
    lastRc_ = SQLBindCol(hstmt_, number, bufferType, value, bufferLength, lengthWord);
    if (lastRc_ != SQL_SUCCESS) {
        HQRC rc = getRetcode(L"HQOdbcCursor::bindCol", kBindCol, numberToken(number),
                             numberToken(bufferType));
        if (rc.code != 0 || !succeeded(lastRc_))
            return rc;
    }
    return HQRC();
}

HQRC HQOdbcCursor::getData(SQLUSMALLINT number, SQLSMALLINT bufferType, SQLPOINTER value,
                           SQLLEN bufferLength, SQLLEN* lengthWord, bool& more) {
    constexpr const wchar_t* where = L"HQOdbcCursor::getData";
    more = false;
    if (state_ != 3)
        return layerError(kNoStatementHandle, where, numberToken(number), numberToken(bufferType));
    lastRc_ = SQLGetData(hstmt_, number, bufferType, value, bufferLength, lengthWord);
    switch (lastRc_) {
    case SQL_SUCCESS:
        return HQRC();
    case SQL_NO_DATA:
        *lengthWord = 0; // the whole value was read by earlier calls
        return HQRC();
    case SQL_SUCCESS_WITH_INFO: {
        HQRC rc = getRetcode(where, kFetch, numberToken(number), numberToken(bufferType));
        if (rc.sqlState == L"01004") { // truncated: this piece is full, more follows
            more = true;
            return HQRC();
        }
        rc.code = kFetch;
        rc.domain = DomainODBC;
        return rc;
    }
    default: {
        HQRC rc = getRetcode(where, kFetch, numberToken(number), numberToken(bufferType));
        rc.code = kFetch;
        rc.domain = DomainODBC;
        return rc;
    }
    }
}

void HQOdbcCursor::countExecution() const {
    if (executions_ != nullptr)
        ++*executions_;
}

HQRC HQOdbcCursor::execute() {
    countExecution();
    lastRc_ = SQLExecute(hstmt_);
    if (state_ >= 1)
        state_ = 3;
    if (lastRc_ == SQL_SUCCESS)
        return HQRC();
    HQRC rc = getRetcode(L"HQOdbcCursor::execute", kExecute, L"", L"");
    rc.code = kExecute; // warnings and no data are failures here
    rc.domain = DomainODBC;
    return rc;
}

HQRC HQOdbcCursor::executeIgnoreNDF() {
    countExecution();
    lastRc_ = SQLExecute(hstmt_);
    if (state_ >= 1)
        state_ = 3;
    if (lastRc_ == SQL_SUCCESS || lastRc_ == SQL_NO_DATA)
        return HQRC();
    HQRC rc = getRetcode(L"HQOdbcCursor::executeIgnoreNDF", kExecute, L"", L"");
    if (lastRc_ == SQL_SUCCESS_WITH_INFO && rc.sqlState == kNoDataState)
        return HQRC();
    rc.code = kExecute;
    rc.domain = DomainODBC;
    return rc;
}

HQRC HQOdbcCursor::rowCount(SQLLEN& rows) {
    rows = 0;
    lastRc_ = SQLRowCount(hstmt_, &rows);
    if (lastRc_ == SQL_SUCCESS)
        return HQRC();
    HQRC rc = getRetcode(L"HQOdbcCursor::rowCount", kExecute, L"", L"");
    rc.code = kExecute;
    rc.domain = DomainODBC;
    return rc;
}

int HQOdbcCursor::fetch(HQRC& rc) {
    constexpr const wchar_t* where = L"HQOdbcCursor::fetch";
    if (state_ == 2) {
        // The first fetch executes the prepared statement.
        countExecution();
        lastRc_ = SQLExecute(hstmt_);
        if (lastRc_ != SQL_SUCCESS) {
            const HQRC e = getRetcode(where, kExecute, L"", L"");
            if (e.code != 0) {
                rc = e;
                return 0;
            }
        }
        state_ = 3;
    }
    if (lastRc_ == SQL_NO_DATA)
        return rc.code; // at the end: the interface is not asked again
    if (lastRc_ == SQL_SUCCESS_WITH_INFO) {
        const HQRC e = getRetcode(where, kFetch, L"", L"");
        if (e.sqlState == kNoDataState) {
            rc.Reset();
            return 0;
        }
        rc = e;
    }
    lastRc_ = SQLFetch(hstmt_);
    switch (lastRc_) {
    case SQL_SUCCESS:
        return 1;
    case SQL_NO_DATA:
        return rc.code;
    case SQL_SUCCESS_WITH_INFO: {
        const HQRC e = getRetcode(where, kFetch, L"", L"");
        if (e.sqlState == kNoDataState) {
            rc.Reset();
            return 0;
        }
        rc = e;
        return rc.code;
    }
    default:
        rc = getRetcode(where, kFetch, L"", L"");
        rc.code = kFetch;
        rc.domain = DomainODBC;
        return 0;
    }
}

HQRC HQOdbcCursor::close() {
    if (hstmt_ == SQL_NULL_HSTMT)
        return HQRC();
    lastRc_ = SQLFreeStmt(hstmt_, SQL_CLOSE);
    if (succeeded(lastRc_))
        lastRc_ = SQLFreeStmt(hstmt_, SQL_UNBIND);
    if (succeeded(lastRc_))
        lastRc_ = SQLFreeStmt(hstmt_, SQL_RESET_PARAMS);
    if (!succeeded(lastRc_)) {
        HQRC rc = getRetcode(L"HQOdbcCursor::close", kFreeStmt, L"", L"");
        rc.code = kFreeStmt;
        rc.domain = DomainODBC;
        return rc;
    }
    if (state_ == 3)
        state_ = 2;
    return HQRC();
}

HQRC HQOdbcCursor::free() {
    if (hstmt_ == SQL_NULL_HSTMT) {
        state_ = 0;
        return HQRC();
    }
    HQabsMutexSemaphore* mutex = connection_ ? &connection_->allocationMutex() : nullptr;
    if (mutex) {
        if (HQRC rc = mutex->Acquire(); rc.code != 0)
            return rc.AddComment(L"HQOdbcCursor::free");
    }
    lastRc_ = SQLFreeStmt(hstmt_, SQL_DROP);
    const SQLRETURN dropRc = lastRc_;
    if (connection_)
        connection_->cursorsWithHandle_.erase(this);
    HQRC rc;
    if (dropRc != SQL_SUCCESS) {
        rc = getRetcode(L"HQOdbcCursor::free", kFreeStmt, L"", L"");
        rc.code = kFreeStmt;
        rc.domain = DomainODBC;
    }
    hstmt_ = SQL_NULL_HSTMT;
    executions_ = nullptr;
    if (mutex) {
        if (HQRC r = mutex->Release(); r.code != 0)
            return r.AddComment(L"HQOdbcCursor::free");
    }
    state_ = 0;
    return rc;
}
