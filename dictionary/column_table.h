// The one mechanism by which every metadata class maps its own columns: the
// class declares, once and as data, a ColumnTable of (column name, buffer
// kind, bound size, field); ColumnBuffer allocates and binds the buffers of
// any such table, and ColumnTable::populate copies a fetched row into the
// fields. A NULL column leaves its field as it is.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "dictionary/control_database.h"
#include "dictionary/password_cipher.h"
#include "dictionary/statement_builder.h"
#include "runtime/hq_string.h"
#include "runtime/time_stamp.h"

class DIRSelect;

enum class ColumnKind : uint8_t {
    Text,         // character column into a wide string
    Int32,        // signed 32-bit integer
    Int16,        // signed 16-bit integer
    Stamp,        // time stamp
    Binary,       // byte string
    SecretText,   // enciphered password, text form
    SecretBinary, // enciphered password, binary form
    SecretPlain,  // password stored as plain text
    EnumText,     // character column converted to a number by a table
};

// Bound sizes that depend on the server edition (NameLimits) plus one.
inline constexpr int32_t kSchemaNameSize = -1;
inline constexpr int32_t kTableNameSize = -2;
inline constexpr int32_t kColumnNameSize = -3;

struct ColumnDesc {
    const wchar_t* name;
    ColumnKind kind;
    int32_t size; // bound length of character and binary buffers (with terminator)
};

// The most bytes a value of a character or binary column may have: what its
// read buffer holds (a character buffer keeps one byte for the terminator).
size_t columnRoom(const ColumnDesc& column, const NameLimits& limits);

// A value that does not fit its column: the column and its room in bytes.
struct ColumnMisfit {
    const wchar_t* column;
    size_t room;
};

// The stored forms of a value, as the column kinds write them.
namespace columnwrite {
WriteValue text(const HQSTRING& value);
WriteValue int32(int32_t value);
WriteValue int16(int16_t value);
WriteValue stamp(const TimeStamp& value);
WriteValue binary(const std::string& value);
// An enciphered password; NULL for none and, in the text form, for one
// longer than the column holds (the binary form keeps it).
WriteValue secret(ColumnKind kind, const HQSTRING& plain, size_t room);
} // namespace columnwrite

// Buffers and length words for the columns of one table, bound to a select.
class ColumnBuffer {
public:
    ColumnBuffer(std::span<const ColumnDesc> columns, const NameLimits& limits);
    ColumnBuffer(const ColumnBuffer&) = delete;
    ColumnBuffer& operator=(const ColumnBuffer&) = delete;

    // Adds every column to the select, in table order.
    void addTo(DIRSelect& select);

    size_t count() const { return columns_.size(); }
    bool isNull(size_t i) const { return indicators_[i] == SQL_NULL_DATA; }
    // Fetched bytes of a character or binary column.
    std::string_view bytes(size_t i) const;
    int32_t int32(size_t i) const;
    int16_t int16(size_t i) const;
    const SQL_TIMESTAMP_STRUCT& stamp(size_t i) const;
    // Why column i of the fetched row does not fit its field (a text or byte
    // string longer than its buffer, a number that is not one or lies outside
    // the field's range); empty when it fits or is NULL.
    std::wstring misfit(size_t i) const;
    // The first column of the fetched row that does not fit, as a failure
    // naming the table, the column and the row's identifier; 0 when all fit.
    HQRC verify(const HQSTRING& location, const HQSTRING& table, const HQSTRING& rowId) const;
    // True when every column of the fetched row fits.
    bool fits() const;
    // Bound length of column i (the resolved size).
    SQLLEN boundLength(size_t i) const { return static_cast<SQLLEN>(buffers_[i].size()); }

    // The fetched row as bytes, appended to image, and back: restoreFrom
    // leaves every buffer and length word as the fetch left them, as far as
    // any reader of this buffer can tell, and consumes what saveTo wrote.
    // False when the image does not fit these columns.
    void saveTo(std::string& image) const;
    bool restoreFrom(std::string_view& image);

private:
    std::span<const ColumnDesc> columns_;
    std::vector<std::vector<char>> buffers_;
    std::vector<SQLLEN> indicators_;
};

template <class F> struct ColumnEntry {
    using Member = std::variant<HQSTRING F::*, int32_t F::*, int16_t F::*, TimeStamp F::*,
                                std::string F::*, SecretText F::*>;
    ColumnDesc desc;
    Member member;
    int32_t (*fromText)(const HQSTRING&) = nullptr;
    HQSTRING (*toText)(int32_t) = nullptr;
};

// A class's extra columns in select order, each with the field it fills.
template <class F> class ColumnTable {
public:
    ColumnTable(std::initializer_list<ColumnEntry<F>> entries) {
        for (const ColumnEntry<F>& e : entries) {
            layout_.push_back(e.desc);
            entries_.push_back(e);
        }
    }
    std::span<const ColumnDesc> layout() const { return layout_; }

    void populate(const ColumnBuffer& buffer, F& fields) const {
        for (size_t i = 0; i < entries_.size(); ++i)
            if (!buffer.isNull(i))
                store(entries_[i], buffer, i, fields);
    }

    // The first field whose value does not fit its column; none when all fit.
    std::optional<ColumnMisfit> verify(const F& fields, const NameLimits& limits) const {
        for (const ColumnEntry<F>& e : entries_) {
            const size_t room = columnRoom(e.desc, limits);
            size_t length = 0;
            switch (e.desc.kind) {
            case ColumnKind::Text:
            case ColumnKind::SecretPlain:
            case ColumnKind::EnumText:
                length = valueOf(e, fields).bytes.size();
                break;
            case ColumnKind::Binary:
                length = (fields.*std::get<std::string F::*>(e.member)).size();
                break;
            case ColumnKind::SecretBinary:
                length =
                    (fields.*std::get<SecretText F::*>(e.member)).plainText().toMultiByte().size();
                break;
            case ColumnKind::SecretText:
                // A password too long for the text form is kept by the binary form alone.
                if (!hasBinaryForm(e))
                    length = (fields.*std::get<SecretText F::*>(e.member))
                                 .plainText()
                                 .toMultiByte()
                                 .size();
                break;
            default:
                break;
            }
            if (length > room)
                return ColumnMisfit{e.desc.name, room};
        }
        return std::nullopt;
    }

    // The stored value of every column, in table order.
    template <class Sink>
    void values(const F& fields, const NameLimits& limits, Sink&& sink) const {
        for (const ColumnEntry<F>& e : entries_) {
            if (e.desc.kind == ColumnKind::SecretText || e.desc.kind == ColumnKind::SecretBinary)
                sink(e.desc.name,
                     columnwrite::secret(e.desc.kind,
                                         (fields.*std::get<SecretText F::*>(e.member)).plainText(),
                                         columnRoom(e.desc, limits)));
            else
                sink(e.desc.name, valueOf(e, fields));
        }
    }

private:
    static WriteValue valueOf(const ColumnEntry<F>& e, const F& f) {
        switch (e.desc.kind) {
        case ColumnKind::EnumText:
            return columnwrite::text(e.toText(f.*std::get<int32_t F::*>(e.member)));
        case ColumnKind::Int32:
            return columnwrite::int32(f.*std::get<int32_t F::*>(e.member));
        case ColumnKind::Int16:
            return columnwrite::int16(f.*std::get<int16_t F::*>(e.member));
        case ColumnKind::Stamp:
            return columnwrite::stamp(f.*std::get<TimeStamp F::*>(e.member));
        case ColumnKind::Binary:
            return columnwrite::binary(f.*std::get<std::string F::*>(e.member));
        case ColumnKind::SecretText:
        case ColumnKind::SecretBinary:
        case ColumnKind::SecretPlain:
            return columnwrite::text((f.*std::get<SecretText F::*>(e.member)).plainText());
        case ColumnKind::Text:
            break;
        }
        return columnwrite::text(f.*std::get<HQSTRING F::*>(e.member));
    }

    bool hasBinaryForm(const ColumnEntry<F>& text) const {
        for (const ColumnEntry<F>& e : entries_)
            if (e.desc.kind == ColumnKind::SecretBinary && e.member == text.member)
                return true;
        return false;
    }

    static void store(const ColumnEntry<F>& e, const ColumnBuffer& b, size_t i, F& f) {
        switch (e.desc.kind) {
        case ColumnKind::Text:
            f.*std::get<HQSTRING F::*>(e.member) = HQSTRING(b.bytes(i).data(), b.bytes(i).size());
            break;
        case ColumnKind::EnumText:
            f.*std::get<int32_t F::*>(e.member) =
                e.fromText(HQSTRING(b.bytes(i).data(), b.bytes(i).size()));
            break;
        case ColumnKind::Int32:
            f.*std::get<int32_t F::*>(e.member) = b.int32(i);
            break;
        case ColumnKind::Int16:
            f.*std::get<int16_t F::*>(e.member) = b.int16(i);
            break;
        case ColumnKind::Stamp:
            (f.*std::get<TimeStamp F::*>(e.member)).fromOdbc(b.stamp(i));
            break;
        case ColumnKind::Binary:
            f.*std::get<std::string F::*>(e.member) = std::string(b.bytes(i));
            break;
        case ColumnKind::SecretText:
        case ColumnKind::SecretBinary:
        case ColumnKind::SecretPlain:
            if (!b.bytes(i).empty())
                (f.*std::get<SecretText F::*>(e.member))
                    .assign(HQSTRING(plainOf(e.desc.kind, b.bytes(i))));
            break;
        }
    }

    static std::string plainOf(ColumnKind kind, std::string_view stored) {
        if (kind == ColumnKind::SecretText)
            return decipherText(stored);
        if (kind == ColumnKind::SecretBinary)
            return decipherBinary(stored);
        return std::string(stored);
    }

    std::vector<ColumnDesc> layout_;
    std::vector<ColumnEntry<F>> entries_;
};

// Entry makers: the member pointer's type selects the buffer kind.
template <class F> ColumnEntry<F> col(const wchar_t* name, int32_t size, HQSTRING F::*m) {
    return {{name, ColumnKind::Text, size}, m};
}
template <class F> ColumnEntry<F> col(const wchar_t* name, int32_t F::*m) {
    return {{name, ColumnKind::Int32, 0}, m};
}
template <class F> ColumnEntry<F> col(const wchar_t* name, int16_t F::*m) {
    return {{name, ColumnKind::Int16, 0}, m};
}
template <class F> ColumnEntry<F> col(const wchar_t* name, TimeStamp F::*m) {
    return {{name, ColumnKind::Stamp, 0}, m};
}
template <class F> ColumnEntry<F> col(const wchar_t* name, int32_t size, std::string F::*m) {
    return {{name, ColumnKind::Binary, size}, m};
}
template <class F> ColumnEntry<F> secret(const wchar_t* name, int32_t size, SecretText F::*m) {
    return {{name, ColumnKind::SecretText, size}, m};
}
template <class F>
ColumnEntry<F> secretBinary(const wchar_t* name, int32_t size, SecretText F::*m) {
    return {{name, ColumnKind::SecretBinary, size}, m};
}
template <class F> ColumnEntry<F> secretPlain(const wchar_t* name, int32_t size, SecretText F::*m) {
    return {{name, ColumnKind::SecretPlain, size}, m};
}
// A number stored as its text in a vocabulary: fromText reads it (0 for a
// text outside the vocabulary), toText writes it.
template <class F>
ColumnEntry<F> enumText(const wchar_t* name, int32_t size, int32_t F::*m,
                        int32_t (*fromText)(const HQSTRING&), HQSTRING (*toText)(int32_t)) {
    return {{name, ColumnKind::EnumText, size}, m, fromText, toText};
}
