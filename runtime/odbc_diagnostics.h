// Helpers shared by the call-level-interface classes: the return code of a
// failing call, filled from the interface's diagnostic records.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include "runtime/return_code.h"

namespace odbcdiag {

// Message numbers of the layer.
enum Code : int32_t {
    kNoStatementHandle = 2001,
    kNoConnection = 2002,
    kAllocEnv = 2003,
    kFreeEnv = 2004,
    kAllocConnect = 2005,
    kFreeConnect = 2006,
    kAllocStmt = 2007,
    kFreeStmt = 2008,
    kConnect = 2009,
    kDisconnect = 2010,
    kExecute = 2011,
    kExecDirect = 2012,
    kTransact = 2013,
    kPrepare = 2014,
    kFetch = 2015,
    kExtendedFetch = 2016,
    kBindParameter = 2017,
    kBindCol = 2018,
};

inline constexpr wchar_t kNoDataState[] = L"02000";

// A return code of the layer (domain "ODBC") naming its place, with the
// command text and host name of the process and two tokens.
HQRC layerError(int32_t code, const HQSTRING& location, const HQSTRING& token1,
                const HQSTRING& token2);

// The no-data result: code, native code 100, SQLSTATE "02000".
HQRC noDataResult(int32_t code, const HQSTRING& location, const HQSTRING& token1,
                  const HQSTRING& token2);

// The refusal of a statement text that holds more than one statement; it is
// never sent.
HQRC severalStatements(int32_t code, const HQSTRING& location, const HQSTRING& statement);

// Reads the diagnostic records of the handles with SQLError until it reports
// no more; each record overwrites the result, so the last one wins. With
// stopAtNoData a record with SQLSTATE "02000" ends the loop and gives the
// no-data result. A failed call (lastRc an error) that left no record still
// yields `code`, so that no failure reads as success.
HQRC readDiagnostics(SQLRETURN lastRc, SQLHENV env, SQLHDBC dbc, SQLHSTMT stmt,
                     const HQSTRING& location, int32_t code, const HQSTRING& token1,
                     const HQSTRING& token2, bool stopAtNoData);

// The first diagnostic record of a connection, or SQLSTATE "00000" when the
// driver manager has none (SQL_NO_DATA from SQLError).
struct FirstRecord {
    HQSTRING sqlState;
    int32_t nativeCode = 0;
    HQSTRING message;
};
FirstRecord firstConnectionRecord(SQLHENV env, SQLHDBC dbc);

// Writes a number as the layer's "%ld" tokens do.
HQSTRING numberToken(long value);

} // namespace odbcdiag
