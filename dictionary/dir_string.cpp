// Reading long texts and binary data from the strings and binary-data tables.
#include "dictionary/dir_string.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "dictionary/control_database.h"
#include "dictionary/dir_base.h"
#include "dictionary/snapshot_store.h"
#include "dictionary/write_transaction.h"
#include "runtime/fetched_value.h"
#include "runtime/odbc.h"

namespace {
constexpr SQLLEN kTextBuffer = 128000;
// The most bytes one row of the strings table takes (its text column holds
// 4000 characters; a piece never has more bytes than characters allowed).
constexpr size_t kPiece = 4000;
constexpr SQLLEN kBinaryBuffer = 131072;

// The two parameters of a keyed read: the key name and the owner's
// identifier, kept alive while the statement runs.
struct KeyParms {
    std::string key;
    DIRId owner;
    SQLLEN keyLength = 0;
    SQLLEN idLength = DIRId::kLength;
};

// Prepares "SELECT <column> FROM <table> WHERE name= ? AND qrtid = ?<order>"
// on the cursor and binds the key and the owner's identifier.
HQRC prepareKeyed(HQOdbcCursor& cursor, const HQSTRING& text, KeyParms& parms) {
    parms.keyLength = static_cast<SQLLEN>(parms.key.size());
    HQRC rc = cursor.prepare(text);
    if (rc.code == 0)
        rc = cursor.bindParameter(1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0,
                                  parms.key.data(), std::max<SQLLEN>(20, parms.keyLength),
                                  &parms.keyLength);
    if (rc.code == 0)
        rc = cursor.bindParameter(2, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_CHAR, DIRId::kLength, 0,
                                  const_cast<char*>(parms.owner.data()), DIRId::kLength,
                                  &parms.idLength);
    return rc;
}

HQSTRING keyedQuery(const wchar_t* column, const wchar_t* table, const wchar_t* order = L"") {
    return HQSTRING(L"SELECT ") + column + L" FROM " + controldb::table(table) +
           L" WHERE name= ? AND qrtid = ?" + order;
}

// Reads the rows of a long text in their sequence on a reused prepared
// cursor, handing the bytes of every non-NULL row to onRow.
HQRC readText(const std::string& key, const DIRId& owner,
              const std::function<void(std::string_view)>& onRow) {
    const controldb::PooledCursor pooled(keyedQuery(L"text", L".QRTSTRINGS", L" ORDER BY seqno"));
    HQOdbcCursor& cursor = *pooled;
    KeyParms parms{key, owner};
    SQLLEN valueLength = 0;
    // Not cleared: the fetch writes what it reports through the length word.
    const std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(kTextBuffer);
    HQRC rc = prepareKeyed(cursor, pooled.text(), parms);
    if (rc.code == 0)
        rc = cursor.bindCol(1, SQL_C_CHAR, buffer.get(), kTextBuffer, &valueLength);
    while (rc.code == 0) {
        HQRC fetchRc;
        if (cursor.fetch(fetchRc) == 0)
            return fetchRc;
        // A value that does not fit is named; a row that came with another
        // warning is not taken either.
        const size_t room = static_cast<size_t>(kTextBuffer) - 1;
        if (const std::wstring reason = fetched::textMisfit(valueLength, room); !reason.empty())
            return fetched::misfit(L"readText", controldb::table(L".QRTSTRINGS"), L"text",
                                   HQSTRING(key) + L" " + owner.toString(), reason);
        if (fetchRc.code != 0)
            return fetchRc;
        if (valueLength == SQL_NULL_DATA)
            continue;
        onRow(controldb::fetchedText(buffer.get(), static_cast<size_t>(kTextBuffer) - 1,
                                     valueLength));
    }
    return rc;
}

// Reads the long texts of one key of these owners (in batches) and keeps
// them, an empty text for an owner without rows. A row that the single read
// would refuse leaves all of them to the single reads.
HQRC keepTexts(controldb::SnapshotStore& store, const std::string& key,
               const std::vector<DIRId>& owners) {
    std::unordered_map<DIRId, std::string> texts;
    for (size_t first = 0; first < owners.size(); first += controldb::SnapshotStore::kBatch) {
        const size_t count = std::min(owners.size() - first, controldb::SnapshotStore::kBatch);
        const size_t size = controldb::batchSize(count);
        const controldb::PooledCursor pooled(
            L"SELECT qrtid, text FROM " + controldb::table(L".QRTSTRINGS") +
            L" WHERE name= ? AND qrtid in " + controldb::parameterList(size) +
            L" ORDER BY qrtid, seqno");
        HQOdbcCursor& cursor = *pooled;
        std::string keyBytes = key;
        SQLLEN keyLength = static_cast<SQLLEN>(keyBytes.size());
        SQLLEN idLength = DIRId::kLength;
        HQRC rc = cursor.prepare(pooled.text());
        if (rc.code == 0)
            rc = cursor.bindParameter(1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0,
                                      keyBytes.data(), std::max<SQLLEN>(20, keyLength), &keyLength);
        for (size_t i = 0; i < size && rc.code == 0; ++i) {
            const DIRId& owner = owners[first + std::min(i, count - 1)];
            rc = cursor.bindParameter(static_cast<SQLUSMALLINT>(i + 2), SQL_PARAM_INPUT, SQL_C_CHAR,
                                      SQL_CHAR, DIRId::kLength, 0, const_cast<char*>(owner.data()),
                                      DIRId::kLength, &idLength);
        }
        char id[DIRId::kLength + 1] = {};
        SQLLEN fetchedIdLength = 0, valueLength = 0;
        const std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(kTextBuffer);
        if (rc.code == 0)
            rc = cursor.bindCol(1, SQL_C_CHAR, id, sizeof id, &fetchedIdLength);
        if (rc.code == 0)
            rc = cursor.bindCol(2, SQL_C_CHAR, buffer.get(), kTextBuffer, &valueLength);
        while (rc.code == 0) {
            HQRC fetchRc;
            if (cursor.fetch(fetchRc) == 0) {
                rc = fetchRc;
                break;
            }
            const size_t room = static_cast<size_t>(kTextBuffer) - 1;
            if (fetchRc.code != 0 || !fetched::textMisfit(valueLength, room).empty() ||
                fetchedIdLength == SQL_NULL_DATA ||
                !fetched::textMisfit(fetchedIdLength, DIRId::kLength).empty())
                return HQRC();
            if (valueLength == SQL_NULL_DATA)
                continue;
            texts[DIRId(controldb::fetchedText(id, DIRId::kLength, fetchedIdLength))].append(
                controldb::fetchedText(buffer.get(), room, valueLength));
        }
        if (rc.code != 0)
            return rc;
    }
    for (const DIRId& owner : owners) {
        auto found = texts.find(owner);
        store.keepText(key, owner, found != texts.end() ? std::move(found->second) : std::string());
    }
    return HQRC();
}

// The kept text of a key and owner: kept already, or kept now together with
// those of the owner's later siblings when the owner's row was read with a
// group and no earlier read of the group's texts of the key covered it.
std::optional<std::string> keptText(const std::string& key, const DIRBase& owner, HQRC& rc) {
    controldb::SnapshotStore* store = controldb::SnapshotStore::active();
    if (store == nullptr)
        return std::nullopt;
    if (std::optional<std::string> text = store->takeText(key, owner.getId()))
        return text;
    const controldb::SnapshotStore::KeptRow* row = store->findRow(owner.classInfo(), owner.getId());
    controldb::RowGroup* group = row != nullptr ? store->group(row->group) : nullptr;
    if (group == nullptr || group->textsUpTo(key) > row->position)
        return std::nullopt;
    const size_t upTo =
        std::min(group->members.size(), row->position + controldb::SnapshotStore::kWindow);
    const std::vector<DIRId> owners(group->members.begin() + row->position,
                                    group->members.begin() + static_cast<std::ptrdiff_t>(upTo));
    group->coverTexts(key, static_cast<uint32_t>(upTo));
    rc = keepTexts(*store, key, owners);
    if (rc.code != 0)
        return std::nullopt;
    return store->takeText(key, owner.getId());
}

// Reads the binary value of a name and owner whole, whatever its length: the
// column is not bound but read piece by piece into `value`. No row and NULL
// leave it empty.
HQRC readBinary(const std::string& name, const DIRId& owner, std::string& value) {
    const controldb::PooledCursor pooled(keyedQuery(L"data", L".BINARYDATA"));
    HQOdbcCursor& cursor = *pooled;
    KeyParms parms{name, owner};
    HQRC rc = prepareKeyed(cursor, pooled.text(), parms);
    if (rc.code != 0)
        return rc;
    // One row at most: name and owner are the table's key.
    if (cursor.fetch(rc) == 0 || rc.code != 0)
        return rc;
    const std::unique_ptr<char[]> piece = std::make_unique_for_overwrite<char[]>(kBinaryBuffer);
    for (bool more = true; more;) {
        SQLLEN length = 0;
        rc = cursor.getData(1, SQL_C_BINARY, piece.get(), kBinaryBuffer, &length, more);
        if (rc.code != 0)
            return rc;
        if (length == SQL_NULL_DATA)
            break;
        if (more && length > kBinaryBuffer && value.empty())
            value.reserve(static_cast<size_t>(length)); // the driver told the whole length
        value.append(piece.get(),
                     more ? static_cast<size_t>(kBinaryBuffer)
                          : static_cast<size_t>(std::clamp<SQLLEN>(length, 0, kBinaryBuffer)));
    }
    return rc;
}

// "DELETE FROM <table> WHERE name = ? AND qrtid = ?" for a key and owner.
HQRC deleteKeyed(const wchar_t* table, const std::string& key, const DIRId& owner) {
    return controldb::executeWrite(L"DELETE FROM " + controldb::table(table) +
                                       L" WHERE name = ? AND qrtid = ?",
                                   {WriteValue::text(key), controldb::idValue(owner.view())});
}

// The pieces of a text's bytes, each at most kPiece bytes, never cutting a
// character of the UTF-8 form.
std::vector<std::string_view> piecesOf(std::string_view bytes) {
    std::vector<std::string_view> pieces;
    for (size_t at = 0; at < bytes.size();) {
        size_t end = std::min(bytes.size(), at + kPiece);
        while (end < bytes.size() && end > at + 1 &&
               (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            --end;
        pieces.push_back(bytes.substr(at, end - at));
        at = end;
    }
    return pieces;
}
} // namespace

DIRString::DIRString(DIRBase& owner, const char* keyName) : owner_(owner), keyName_(keyName) {
    owner.addString(this);
}

void DIRString::keep(HQSTRING value) {
    value_ = std::move(value);
    loaded_ = true;
}

void DIRString::setValue(const HQSTRING& value) {
    keep(value);
    changed_ = true;
}

void DIRString::reset() {
    value_.clear();
    loaded_ = false;
    changed_ = false;
}

HQRC DIRString::store() {
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = deleteKeyed(L".QRTSTRINGS", keyName_, owner_.getId());
    const std::string bytes = value_.toMultiByte();
    int32_t seqno = 0;
    const HQSTRING insert = L"INSERT INTO " + controldb::table(L".QRTSTRINGS") +
                            L" (name, qrtid, seqno, text) values(?,?,?,?)";
    for (std::string_view piece : piecesOf(bytes)) {
        if (rc.code != 0)
            break;
        rc = controldb::executeWrite(
            insert, {WriteValue::text(keyName_), controldb::idValue(owner_.getId().view()),
                     WriteValue::int32(++seqno), WriteValue::text(std::string(piece))});
    }
    if (rc.code != 0)
        rc.AddComment(L"DIRString::store");
    rc = transaction.finish(rc);
    if (rc.code == 0)
        changed_ = false;
    return rc;
}

HQRC DIRString::remove() {
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = deleteKeyed(L".QRTSTRINGS", keyName_, owner_.getId());
    if (rc.code != 0)
        rc.AddComment(L"DIRString::remove");
    return transaction.finish(rc);
}

const HQSTRING& DIRString::getValue(HQRC& rc) {
    static const HQSTRING none;
    rc = HQRC();
    if (loaded_)
        return value_;
    // Rows are joined in their sequence, before conversion: a character may span two rows.
    if (std::optional<std::string> kept = keptText(keyName_, owner_, rc)) {
        keep(HQSTRING(*kept));
        return value_;
    }
    if (rc.code != 0) {
        rc.AddComment(L"DIRString::getValue");
        return none;
    }
    std::string bytes;
    rc = readText(keyName_, owner_.getId(), [&](std::string_view row) { bytes += row; });
    if (rc.code != 0) {
        rc.AddComment(L"DIRString::getValue");
        return none;
    }
    keep(HQSTRING(bytes));
    return value_;
}

DIRBinary::DIRBinary(DIRBase& owner, const char* name) : owner_(owner), name_(name) {
    owner.addBinary(this);
}

void DIRBinary::reset() {
    data_.clear();
    loaded_ = false;
    changed_ = false;
}

void DIRBinary::setData(std::string bytes) {
    data_ = std::move(bytes);
    loaded_ = true;
    changed_ = true;
}

HQRC DIRBinary::store() {
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = deleteKeyed(L".BINARYDATA", name_, owner_.getId());
    if (rc.code == 0 && !data_.empty())
        rc = controldb::executeWrite(L"INSERT INTO " + controldb::table(L".BINARYDATA") +
                                         L" (name, qrtid, data) values(?,?,?)",
                                     {WriteValue::text(name_),
                                      controldb::idValue(owner_.getId().view()),
                                      WriteValue::binary(data_)});
    if (rc.code != 0)
        rc.AddComment(L"DIRBinary::store");
    rc = transaction.finish(rc);
    if (rc.code == 0)
        changed_ = false;
    return rc;
}

HQRC DIRBinary::remove() {
    controldb::WriteTransaction transaction;
    HQRC rc = transaction.begun();
    if (rc.code == 0)
        rc = deleteKeyed(L".BINARYDATA", name_, owner_.getId());
    if (rc.code != 0)
        rc.AddComment(L"DIRBinary::remove");
    return transaction.finish(rc);
}

const std::string& DIRBinary::getData(HQRC& rc) {
    rc = HQRC();
    if (loaded_)
        return data_;
    std::string bytes;
    rc = readBinary(name_, owner_.getId(), bytes);
    if (rc.code != 0) {
        rc.AddComment(L"DIRBinary::getData");
        return data_;
    }
    data_ = std::move(bytes);
    loaded_ = true;
    return data_;
}
