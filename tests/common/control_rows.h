// Test helper: the raw rows of a query on the control database, read on the
// connection of the object model, every value as its stored bytes ("<NULL>"
// for NULL). For looking at what the write side stored, behind the object
// model's back.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/control_database.h"
#include "runtime/odbc.h"

namespace qrt_test {

inline const std::string kNull = "<NULL>";

// The rows of a query; the table names in it are written "<prefix>.<table>"
// by the caller (controldb::table). Binary columns come as their bytes.
inline std::vector<std::vector<std::string>> queryRows(const std::wstring& sql) {
    std::vector<std::vector<std::string>> rows;
    HQOdbcCursor cursor(&controldb::connection());
    HQRC rc = cursor.prepare(sql);
    EXPECT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    SQLSMALLINT columns = 0;
    if (rc.code != 0 || SQLNumResultCols(cursor.handle(), &columns) != SQL_SUCCESS)
        return rows;
    while (cursor.fetch(rc) != 0) {
        std::vector<std::string>& row = rows.emplace_back();
        for (SQLUSMALLINT c = 1; c <= columns; ++c) {
            SQLCHAR name[256];
            SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
            SQLULEN size = 0;
            SQLDescribeCol(cursor.handle(), c, name, sizeof name, &nameLength, &type, &size,
                           &digits, &nullable);
            const bool binary =
                type == SQL_BINARY || type == SQL_VARBINARY || type == SQL_LONGVARBINARY;
            std::string value;
            bool isNull = false;
            for (bool more = true; more;) {
                char piece[4096];
                SQLLEN length = 0;
                rc = cursor.getData(c, binary ? SQL_C_BINARY : SQL_C_CHAR, piece, sizeof piece,
                                    &length, more);
                if (rc.code != 0 || length == SQL_NULL_DATA) {
                    isNull = length == SQL_NULL_DATA;
                    break;
                }
                const size_t room = binary ? sizeof piece : sizeof piece - 1;
                value.append(piece, more ? room : static_cast<size_t>(length));
            }
            row.push_back(isNull ? kNull : value);
        }
    }
    EXPECT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    return rows;
}

// The single value a query gives ("" when it gives no row).
inline std::string queryValue(const std::wstring& sql) {
    const auto rows = queryRows(sql);
    return rows.empty() || rows[0].empty() ? std::string() : rows[0][0];
}

// The number of rows of a control table that a condition selects.
inline long countRows(const wchar_t* table, const HQSTRING& where = HQSTRING()) {
    HQSTRING sql = L"SELECT COUNT(*) FROM " + controldb::table(table);
    if (!where.empty())
        sql += L" WHERE " + where;
    const std::string n = queryValue(sql);
    return std::strtol(n.c_str(), nullptr, 10);
}

// The whole content of a SQLite database file as SQL text (sqlite3 .dump),
// for comparing a database before and after an operation.
inline std::string sqliteDump(const std::filesystem::path& file) {
    const std::string command = "sqlite3 '" + file.string() + "' .dump";
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[65536];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

} // namespace qrt_test
