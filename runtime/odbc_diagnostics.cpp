// Return codes of the call-level-interface layer built from the interface's
// diagnostic records.
#include "runtime/odbc_diagnostics.h"

#include <cstdio>

#include "runtime/platform.h"

namespace odbcdiag {

HQRC layerError(int32_t code, const HQSTRING& location, const HQSTRING& token1,
                const HQSTRING& token2) {
    HQRC rc(code, 0, DomainODBC);
    rc.location = location;
    rc.commandLine = hq::GetCommandLine();
    rc.hostName = hq::hostName();
    rc.token1 = token1;
    rc.token2 = token2;
    return rc;
}

HQRC noDataResult(int32_t code, const HQSTRING& location, const HQSTRING& token1,
                  const HQSTRING& token2) {
    HQRC rc = layerError(code, location, token1, token2);
    rc.nativeCode = SQL_NO_DATA;
    rc.sqlState = kNoDataState;
    return rc;
}

HQRC severalStatements(int32_t code, const HQSTRING& location, const HQSTRING& statement) {
    HQRC rc = layerError(code, location, statement, L"");
    rc.nativeCode = -9999;
    rc.sqlState = L"42000";
    rc.nativeMessage = L"The text holds more than one statement (a \";\" outside quotes); it was "
                       L"not sent.";
    return rc;
}

HQRC readDiagnostics(SQLRETURN lastRc, SQLHENV env, SQLHDBC dbc, SQLHSTMT stmt,
                     const HQSTRING& location, int32_t code, const HQSTRING& token1,
                     const HQSTRING& token2, bool stopAtNoData) {
    HQRC result(0, 0, DomainWhsSrv);
    if (lastRc == SQL_SUCCESS)
        return result;
    bool any = false;
    for (;;) {
        SQLCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLCHAR message[1025] = {};
        SQLSMALLINT length = 0;
        if (SQLError(env, dbc, stmt, state, &native, message, sizeof message, &length) !=
            SQL_SUCCESS)
            break;
        any = true;
        const HQSTRING sqlState(reinterpret_cast<const char*>(state));
        if (stopAtNoData && sqlState == kNoDataState)
            return noDataResult(code, location, token1, token2);
        result = layerError(code, location, token1, token2);
        result.nativeCode = native != 0 ? native : -9999;
        result.sqlState = sqlState;
        result.nativeMessage = HQSTRING(reinterpret_cast<const char*>(message));
    }
    if (!any && (lastRc == SQL_ERROR || lastRc == SQL_INVALID_HANDLE)) {
        result = layerError(code, location, token1, token2);
        result.nativeCode = lastRc;
    }
    return result;
}

FirstRecord firstConnectionRecord(SQLHENV env, SQLHDBC dbc) {
    SQLCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLCHAR message[1025] = {};
    SQLSMALLINT length = 0;
    FirstRecord record;
    const SQLRETURN r =
        SQLError(env, dbc, SQL_NULL_HSTMT, state, &native, message, sizeof message, &length);
    if (r == SQL_NO_DATA) {
        record.sqlState = L"00000";
        return record;
    }
    if (r != SQL_SUCCESS && r != SQL_SUCCESS_WITH_INFO) {
        record.sqlState = L"HY000";
        return record;
    }
    record.sqlState = HQSTRING(reinterpret_cast<const char*>(state));
    record.nativeCode = native;
    record.message = HQSTRING(reinterpret_cast<const char*>(message));
    return record;
}

HQSTRING numberToken(long value) {
    char text[32];
    std::snprintf(text, sizeof text, "%ld", value);
    return HQSTRING(text);
}

} // namespace odbcdiag
