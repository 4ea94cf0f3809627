// Reading long texts and binary data from the strings and binary-data tables.
#include "dictionary/dir_string.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "dictionary/control_database.h"
#include "dictionary/dir_base.h"
#include "runtime/odbc.h"

namespace {
constexpr SQLLEN kTextBuffer = 128000;
constexpr SQLLEN kBinaryBuffer = 131072;

// Runs "SELECT <column> FROM <table> WHERE name= ? AND qrtid = ?<order>" on a
// reused prepared cursor with the key and the owner's identifier, handing the bytes
// of every non-NULL row to onRow.
HQRC readKeyed(const wchar_t* column, const wchar_t* table, const wchar_t* order,
               const std::string& key, const DIRId& owner, SQLSMALLINT bufferType,
               SQLLEN bufferSize, const std::function<void(std::string_view)>& onRow) {
    HQRC rc;
    const controldb::PooledCursor pooled(HQSTRING(L"SELECT ") + column + L" FROM " +
                                         controldb::table(table) + L" WHERE name= ? AND qrtid = ?" +
                                         order);
    HQOdbcCursor& cursor = *pooled;
    const HQSTRING& text = pooled.text();
    SQLLEN keyLength = static_cast<SQLLEN>(key.size());
    SQLLEN idLength = DIRId::kLength;
    SQLLEN valueLength = 0;
    // Not cleared: the fetch writes what it reports through the length word.
    const std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(bufferSize);
    rc = cursor.prepare(text);
    if (rc.code == 0)
        rc = cursor.bindParameter(1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0,
                                  const_cast<char*>(key.data()), std::max<SQLLEN>(20, keyLength),
                                  &keyLength);
    if (rc.code == 0)
        rc = cursor.bindParameter(2, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_CHAR, DIRId::kLength, 0,
                                  const_cast<char*>(owner.data()), DIRId::kLength, &idLength);
    if (rc.code == 0)
        rc = cursor.bindCol(1, bufferType, buffer.get(), bufferSize, &valueLength);
    while (rc.code == 0) {
        HQRC fetchRc;
        if (cursor.fetch(fetchRc) == 0)
            return fetchRc;
        if (valueLength == SQL_NULL_DATA)
            continue;
        if (bufferType == SQL_C_BINARY)
            onRow({buffer.get(),
                   static_cast<size_t>(std::clamp<SQLLEN>(valueLength, 0, bufferSize))});
        else
            onRow(controldb::fetchedText(buffer.get(), static_cast<size_t>(bufferSize) - 1,
                                         valueLength));
    }
    return rc;
}
} // namespace

DIRString::DIRString(DIRBase& owner, const char* keyName) : owner_(owner), keyName_(keyName) {
    owner.addString(this);
}

void DIRString::setValue(const HQSTRING& value) {
    value_ = value;
    loaded_ = true;
}

void DIRString::reset() {
    value_.clear();
    loaded_ = false;
}

HQSTRING DIRString::getValue(HQRC& rc) {
    rc = HQRC();
    if (loaded_)
        return value_;
    // Rows are joined in their sequence, before conversion: a character may span two rows.
    std::string bytes;
    rc = readKeyed(L"text", L".QRTSTRINGS", L" ORDER BY seqno", keyName_, owner_.getId(),
                   SQL_C_CHAR, kTextBuffer, [&](std::string_view row) { bytes += row; });
    if (rc.code != 0) {
        rc.AddComment(L"DIRString::getValue");
        return {};
    }
    setValue(HQSTRING(bytes));
    return value_;
}

DIRBinary::DIRBinary(DIRBase& owner, const char* name) : owner_(owner), name_(name) {
    owner.addBinary(this);
}

void DIRBinary::reset() {
    data_.clear();
    loaded_ = false;
}

const std::string& DIRBinary::getData(HQRC& rc) {
    rc = HQRC();
    if (loaded_)
        return data_;
    std::string bytes;
    rc = readKeyed(L"data", L".BINARYDATA", L"", name_, owner_.getId(), SQL_C_BINARY, kBinaryBuffer,
                   [&](std::string_view row) {
                       if (bytes.empty())
                           bytes = row; // one row per name and owner
                   });
    if (rc.code != 0) {
        rc.AddComment(L"DIRBinary::getData");
        return data_;
    }
    data_ = std::move(bytes);
    loaded_ = true;
    return data_;
}
