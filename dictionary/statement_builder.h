// The SQL statement builders of the object model: DIRSelect (a query on one
// control table: the five common columns, the class's extra columns, the
// condition and its parameters) and DIRInsert (the extra columns an insert or
// update writes), with the exact statement texts they produce.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "runtime/hq_string.h"
#include "runtime/return_code.h"

// One extra result column.
struct DIRSelectCol {
    HQSTRING column;
    SQLSMALLINT bufferType = SQL_C_CHAR;
    SQLPOINTER value = nullptr;
    SQLLEN bufferLength = 0;
    SQLLEN* indicator = nullptr;
};

// How one value is bound as a parameter.
struct DIRParmBinding {
    SQLSMALLINT kind = SQL_PARAM_INPUT;
    SQLSMALLINT bufferType = SQL_C_CHAR;
    SQLSMALLINT sqlType = SQL_VARCHAR;
    SQLULEN columnSize = 0;
    SQLSMALLINT decimalDigits = 0;
    SQLPOINTER value = nullptr;
    SQLLEN bufferLength = 0;
    SQLLEN* lengthWord = nullptr; // null for a terminated character string
};

// One input parameter (numbered from 1).
struct DIRSelectParm : DIRParmBinding {
    SQLUSMALLINT number = 0;
};

// Result buffers of the five columns every object table begins with.
struct DIRCommonColumns {
    char id[11] = {};
    SQLLEN idInd = 0;
    char updatedBy[129] = {};
    SQLLEN updatedByInd = 0;
    SQL_TIMESTAMP_STRUCT updateTs = {};
    SQLLEN updateTsInd = 0;
    char name[81] = {};
    SQLLEN nameInd = 0;
    char shortDescription[255] = {};
    SQLLEN shortDescriptionInd = 0;
};

// The five common columns as a query on one table names them.
inline constexpr const wchar_t* kCommonColumns =
    L"qrtid, updated_by, update_ts, name, short_description";

// A query on one control table. Holds addresses of bound buffers: neither
// copied nor moved once columns or parameters are added. A query that reads
// one object from several tables names them in `table` (the FROM part) and
// says in `commonColumns` where the five common columns come from.
class DIRSelect {
public:
    DIRSelect(HQSTRING table, HQSTRING condition, HQSTRING commonColumns = kCommonColumns)
        : table_(std::move(table)), condition_(std::move(condition)),
          commonColumns_(std::move(commonColumns)) {}
    DIRSelect(const DIRSelect&) = delete;
    DIRSelect& operator=(const DIRSelect&) = delete;

    HQRC addCol(const HQSTRING& column, SQLSMALLINT bufferType, SQLPOINTER value,
                SQLLEN bufferLength, SQLLEN* indicator);
    HQRC addParm(SQLUSMALLINT number, SQLSMALLINT kind, SQLSMALLINT bufferType, SQLSMALLINT sqlType,
                 SQLULEN columnSize, SQLSMALLINT decimalDigits, SQLPOINTER value,
                 SQLLEN bufferLength, SQLLEN* lengthWord);
    // Appends the next character parameter with a copy of its value that this
    // select keeps; the value is bound with its byte length, never relying on
    // a terminator.
    HQRC addTextParm(SQLSMALLINT sqlType, SQLULEN columnSize, SQLLEN bufferLength,
                     const std::string& bytes);

    // "SELECT qrtid, updated_by, update_ts, name, short_description[, col...]
    //  FROM <table> <condition> FOR FETCH ONLY" (the common columns as given)
    const HQSTRING& text() const;

    const HQSTRING& table() const { return table_; }
    const HQSTRING& condition() const { return condition_; }
    void setCondition(const HQSTRING& condition) {
        if (condition != condition_)
            text_.clear();
        condition_ = condition;
    }
    const std::vector<DIRSelectCol>& columns() const { return cols_; }
    const std::vector<DIRSelectParm>& parameters() const { return parms_; }
    DIRCommonColumns& common() { return common_; }
    const DIRCommonColumns& common() const { return common_; }

private:
    HQSTRING table_;
    HQSTRING condition_;
    HQSTRING commonColumns_;
    mutable HQSTRING text_; // built on first use, until a column or the condition changes
    DIRCommonColumns common_;
    std::vector<DIRSelectCol> cols_;
    std::vector<DIRSelectParm> parms_;
    std::deque<std::string> parmValues_; // stable addresses of owned values
    std::deque<SQLLEN> parmLengths_;
};

// One value to write, held by value until the statement runs: its C and SQL
// types, and its bytes (numbers and time stamps in their C layout).
struct WriteValue {
    SQLSMALLINT cType = SQL_C_CHAR;
    SQLSMALLINT sqlType = SQL_VARCHAR;
    std::string bytes;
    bool null = false;

    // A character value (multibyte bytes).
    static WriteValue text(std::string bytes);
    static WriteValue int32(int32_t value);
    static WriteValue int16(int16_t value);
    static WriteValue stamp(const SQL_TIMESTAMP_STRUCT& value);
    static WriteValue binary(std::string bytes);
    // The SQL NULL of a column of the given types.
    static WriteValue nullOf(SQLSMALLINT cType, SQLSMALLINT sqlType);
};

// The values of a statement's parameters, kept at stable addresses, with
// the bindings that point at them.
class WriteValues {
public:
    // Keeps a copy of the value and gives its binding.
    DIRParmBinding bind(const WriteValue& value);

private:
    std::deque<std::string> bytes_;
    std::deque<SQLLEN> lengths_;
};

// One extra column to write.
struct DIRInsertElem : DIRParmBinding {
    HQSTRING column;
};

// The extra columns of an insert or update of one control table. Holds
// addresses of the values it keeps: neither copied nor moved once values are
// added.
class DIRInsert {
public:
    explicit DIRInsert(HQSTRING table) : table_(std::move(table)) {}
    DIRInsert(const DIRInsert&) = delete;
    DIRInsert& operator=(const DIRInsert&) = delete;

    HQRC add(const HQSTRING& column, SQLSMALLINT kind, SQLSMALLINT bufferType, SQLSMALLINT sqlType,
             SQLULEN columnSize, SQLSMALLINT decimalDigits, SQLPOINTER value, SQLLEN bufferLength,
             SQLLEN* lengthWord);
    // Appends a column with a copy of its value that this insert keeps.
    HQRC addValue(const HQSTRING& column, const WriteValue& value);

    // "INSERT INTO <table>(qrtid, updated_by, update_ts, name, short_description[, col...])
    //  VALUES (?, ?, ?, ?, ?[, ?...])"
    HQSTRING insertText() const;
    // "UPDATE <table> SET updated_by = ?, update_ts = ?, name = ?,
    //  short_description = ?[, col = ?...]WHERE qrtid = ? AND update_ts = ?";
    // for a row read without a time stamp the last test is "update_ts IS NULL"
    // and takes no value.
    HQSTRING updateText(bool stampIsNull = false) const;

    const HQSTRING& table() const { return table_; }
    const std::vector<DIRInsertElem>& elements() const { return elems_; }

private:
    HQSTRING table_;
    std::vector<DIRInsertElem> elems_;
    WriteValues values_;
};

// "DELETE FROM <table> WHERE qrtid = ?"
HQSTRING deleteIdText(const HQSTRING& table);
