// Reading long texts and binary data from the strings and binary-data tables.
#include "dictionary/dir_string.h"

#include <algorithm>
#include <vector>

#include "dictionary/control_database.h"
#include "dictionary/dir_base.h"
#include "runtime/odbc.h"

namespace {
constexpr SQLLEN kTextBuffer = 128000;
constexpr SQLLEN kBinaryBuffer = 131072;
constexpr int kStringSlot = 0;
constexpr int kBinarySlot = 7;

// Prepares "SELECT <column> FROM <table> WHERE name= ? AND qrtid = ?" with the
// key and the owner's identifier bound; both values must outlive the fetches.
HQRC prepareKeyed(HQOdbcCursor& cursor, const wchar_t* column, const wchar_t* table,
                  const std::string& key, SQLLEN& keyLength, const DIRId& owner, SQLLEN& idLength) {
    const HQSTRING text = HQSTRING(L"SELECT ") + column + L" FROM " + controldb::table(table) +
                          L" WHERE name= ? AND qrtid = ?";
    HQRC rc = cursor.prepare(text);
    if (rc.code != 0)
        return rc;
    keyLength = static_cast<SQLLEN>(key.size());
    rc = cursor.bindParameter(1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0,
                              const_cast<char*>(key.data()), std::max<SQLLEN>(20, keyLength),
                              &keyLength);
    if (rc.code != 0)
        return rc;
    idLength = DIRId::kLength;
    return cursor.bindParameter(2, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_CHAR, DIRId::kLength, 0,
                                const_cast<char*>(owner.data()), DIRId::kLength, &idLength);
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
    controldb::SlotCursor slot(kStringSlot, rc);
    if (slot.get() == nullptr) {
        rc.AddComment(L"DIRString::getValue");
        return {};
    }
    HQOdbcCursor& cursor = *slot.get();
    const DIRId owner = owner_.getId();
    SQLLEN keyLength = 0, idLength = 0, textLength = 0;
    std::vector<char> buffer(kTextBuffer, '\0');
    rc = prepareKeyed(cursor, L"text", L".QRTSTRINGS", keyName_, keyLength, owner, idLength);
    if (rc.code == 0)
        rc = cursor.bindCol(1, SQL_C_CHAR, buffer.data(), kTextBuffer, &textLength);
    std::string bytes; // rows are joined before conversion: a character may span two rows
    while (rc.code == 0) {
        HQRC fetchRc;
        if (cursor.fetch(fetchRc) == 0) {
            rc = fetchRc;
            break;
        }
        if (textLength != SQL_NULL_DATA)
            bytes += controldb::fetchedText(buffer.data(), kTextBuffer - 1, textLength);
    }
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
    controldb::SlotCursor slot(kBinarySlot, rc);
    if (slot.get() == nullptr) {
        rc.AddComment(L"DIRBinary::getData");
        return data_;
    }
    HQOdbcCursor& cursor = *slot.get();
    const DIRId owner = owner_.getId();
    SQLLEN nameLength = 0, idLength = 0, dataLength = 0;
    std::vector<char> buffer(kBinaryBuffer, '\0');
    rc = prepareKeyed(cursor, L"data", L".BINARYDATA", name_, nameLength, owner, idLength);
    if (rc.code == 0)
        rc = cursor.bindCol(1, SQL_C_BINARY, buffer.data(), kBinaryBuffer, &dataLength);
    if (rc.code == 0 && cursor.fetch(rc) != 0 && dataLength != SQL_NULL_DATA)
        data_.assign(buffer.data(),
                     static_cast<size_t>(std::clamp<SQLLEN>(dataLength, 0, kBinaryBuffer)));
    if (rc.code != 0) {
        rc.AddComment(L"DIRBinary::getData");
        return data_;
    }
    loaded_ = true;
    return data_;
}
