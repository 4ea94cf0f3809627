// Adapts the SQL texts of the object model, written in the control database's
// native dialect, to the DBMS behind a connection. One table of rules per DBMS
// drives the rewriting; a DBMS without rules gets every text unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class SqlDialect : int {
    Native = 0,     // accepts the texts as written
    SQLite = 1,     // reached through the "SQLite3" driver
    PostgreSQL = 2, // reached through psqlODBC
};

// The dialect for a DBMS name as SQLGetInfo(SQL_DBMS_NAME) reports it.
SqlDialect dialectOfDbms(std::wstring_view dbmsName);

// Column names of the control tables that the DBMS reads as keywords, each in
// the form the statement must use for it (quoted).
struct QuotedColumn {
    std::wstring_view name;   // as the object model writes it (matched ignoring case)
    std::wstring_view quoted; // what the DBMS is given instead
};
const std::vector<QuotedColumn>& quotedColumns(SqlDialect dialect);

// The statements that open and end one read-only transaction in which every
// read sees the same committed state of the database.
struct ReadSnapshotStatements {
    std::wstring_view begin;
    std::wstring_view end;
};
// Null for a DBMS without such statements (Native).
const ReadSnapshotStatements* readSnapshotStatements(SqlDialect dialect);

// Rewrites one statement for the dialect:
//  - drops the clause " FOR FETCH ONLY" where the DBMS has none;
//  - quotes the keyword column names of quotedColumns() where they stand as a
//    column (after "SELECT", ",", "(", ".", an operator, WHERE/AND/OR/SET/BY/ON);
//    the clause keyword HAVING after an expression is left alone;
//  - SQLite only: removes the parentheses around the members of INTERSECT,
//    UNION and EXCEPT, which SQLite does not accept ("((select a ...)
//    INTERSECT (select b ...))" becomes "( select a ... INTERSECT select b ...)");
//  - gives a query for objects (first result column the bare qrtid) a total
//    order: its top-level ORDER BY ends with qrtid, or it gets "ORDER BY qrtid";
//  - SQLite only: compares "update_ts = ?" after WHERE or AND by the value of the time stamps
//    ("julianday(update_ts) = julianday(?)"), whatever text form they are
//    stored in;
//  - PostgreSQL only: sorts the character columns of the control tables in
//    byte order (COLLATE "C") and NULL before every value (NULLS FIRST, or
//    NULLS LAST after DESC), as SQLite does.
// String literals and quoted identifiers are never changed.
std::wstring adaptSql(SqlDialect dialect, std::wstring_view statement);
