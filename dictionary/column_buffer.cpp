// Allocation and binding of the buffers of a class's column table.
#include <algorithm>
#include <cstring>

#include "dictionary/column_table.h"
#include "dictionary/statement_builder.h"
#include "runtime/fetched_value.h"

namespace {
size_t boundSize(const ColumnDesc& c, const NameLimits& limits) {
    switch (c.kind) {
    case ColumnKind::Int32:
    case ColumnKind::Int16:
        return fetched::kNumberTextSize; // fetched as text, checked and parsed here
    case ColumnKind::Stamp:
        return sizeof(SQL_TIMESTAMP_STRUCT);
    default:
        break;
    }
    switch (c.size) {
    case kSchemaNameSize:
        return static_cast<size_t>(limits.schema) + 1;
    case kTableNameSize:
        return static_cast<size_t>(limits.table) + 1;
    case kColumnNameSize:
        return static_cast<size_t>(limits.column) + 1;
    default:
        return static_cast<size_t>(c.size);
    }
}

SQLSMALLINT bufferType(ColumnKind kind) {
    switch (kind) {
    case ColumnKind::Stamp:
        return SQL_C_TIMESTAMP;
    case ColumnKind::Binary:
    case ColumnKind::SecretBinary:
        return SQL_C_BINARY;
    default:
        return SQL_C_CHAR;
    }
}

bool isFixedSize(ColumnKind kind) {
    return kind == ColumnKind::Stamp;
}
} // namespace

size_t columnRoom(const ColumnDesc& column, const NameLimits& limits) {
    const size_t bound = boundSize(column, limits);
    return bufferType(column.kind) == SQL_C_BINARY ? bound : bound - 1;
}

namespace columnwrite {
WriteValue text(const HQSTRING& value) {
    return WriteValue::text(value.toMultiByte());
}

WriteValue int32(int32_t value) {
    return WriteValue::int32(value);
}

WriteValue int16(int16_t value) {
    return WriteValue::int16(value);
}

WriteValue stamp(const TimeStamp& value) {
    SQL_TIMESTAMP_STRUCT record{};
    value.toOdbc(record);
    return WriteValue::stamp(record);
}

WriteValue binary(const std::string& value) {
    return WriteValue::binary(value);
}

WriteValue secret(ColumnKind kind, const HQSTRING& plain, size_t room) {
    const std::string bytes = plain.toMultiByte();
    if (kind == ColumnKind::SecretBinary)
        return bytes.empty() ? WriteValue::nullOf(SQL_C_BINARY, SQL_VARBINARY)
                             : WriteValue::binary(encipherBinary(bytes));
    if (bytes.empty() || bytes.size() > room)
        return WriteValue::nullOf(SQL_C_CHAR, SQL_VARCHAR);
    return WriteValue::text(encipherText(bytes));
}
} // namespace columnwrite

ColumnBuffer::ColumnBuffer(std::span<const ColumnDesc> columns, const NameLimits& limits)
    : columns_(columns), indicators_(columns.size(), SQL_NULL_DATA) {
    buffers_.reserve(columns.size());
    for (const ColumnDesc& c : columns)
        buffers_.emplace_back(boundSize(c, limits), '\0');
}

void ColumnBuffer::addTo(DIRSelect& select) {
    for (size_t i = 0; i < columns_.size(); ++i) {
        const ColumnKind kind = columns_[i].kind;
        select.addCol(columns_[i].name, bufferType(kind), buffers_[i].data(),
                      isFixedSize(kind) ? 0 : boundLength(i), &indicators_[i]);
    }
}

std::string_view ColumnBuffer::bytes(size_t i) const {
    const std::vector<char>& buffer = buffers_[i];
    if (bufferType(columns_[i].kind) != SQL_C_BINARY)
        return controldb::fetchedText(buffer.data(), buffer.size() - 1, indicators_[i]);
    const SQLLEN length = std::clamp<SQLLEN>(indicators_[i], 0, boundLength(i));
    return {buffer.data(), static_cast<size_t>(length)};
}

int32_t ColumnBuffer::int32(size_t i) const {
    return static_cast<int32_t>(fetched::integerOf(bytes(i)));
}

int16_t ColumnBuffer::int16(size_t i) const {
    return static_cast<int16_t>(fetched::integerOf(bytes(i)));
}

std::wstring ColumnBuffer::misfit(size_t i) const {
    if (isNull(i))
        return {};
    const ColumnKind kind = columns_[i].kind;
    if (isFixedSize(kind))
        return {};
    const size_t room = buffers_[i].size() - (bufferType(kind) == SQL_C_BINARY ? 0 : 1);
    std::wstring reason = bufferType(kind) == SQL_C_BINARY
                              ? fetched::binaryMisfit(indicators_[i], room)
                              : fetched::textMisfit(indicators_[i], room);
    if (reason.empty() && kind == ColumnKind::Int32)
        reason = fetched::integerMisfit(bytes(i), INT32_MIN, INT32_MAX);
    if (reason.empty() && kind == ColumnKind::Int16)
        reason = fetched::integerMisfit(bytes(i), INT16_MIN, INT16_MAX);
    return reason;
}

bool ColumnBuffer::fits() const {
    // The length words alone answer for all but numbers (what misfit checks,
    // without making its texts).
    for (size_t i = 0; i < columns_.size(); ++i) {
        const ColumnKind kind = columns_[i].kind;
        if (isNull(i) || isFixedSize(kind))
            continue;
        const size_t room = buffers_[i].size() - (bufferType(kind) == SQL_C_BINARY ? 0 : 1);
        if (!fetched::bytesFit(indicators_[i], room))
            return false;
        if ((kind == ColumnKind::Int32 || kind == ColumnKind::Int16) && !misfit(i).empty())
            return false;
    }
    return true;
}

HQRC ColumnBuffer::verify(const HQSTRING& location, const HQSTRING& table,
                          const HQSTRING& rowId) const {
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (const std::wstring reason = misfit(i); !reason.empty())
            return fetched::misfit(location, table, columns_[i].name, rowId, reason);
    }
    return HQRC();
}

const SQL_TIMESTAMP_STRUCT& ColumnBuffer::stamp(size_t i) const {
    return *reinterpret_cast<const SQL_TIMESTAMP_STRUCT*>(buffers_[i].data());
}

void ColumnBuffer::saveTo(std::string& image) const {
    for (size_t i = 0; i < columns_.size(); ++i) {
        const std::vector<char>& buffer = buffers_[i];
        const ColumnKind kind = columns_[i].kind;
        // What a reader can see of the buffer: a text up to its terminator,
        // a byte string up to its length word, a fixed-size value whole.
        size_t used = buffer.size();
        if (bufferType(kind) == SQL_C_BINARY)
            used = static_cast<size_t>(std::clamp<SQLLEN>(indicators_[i], 0, boundLength(i)));
        else if (!isFixedSize(kind))
            used = ::strnlen(buffer.data(), buffer.size());
        fetched::saveBuffer(image, indicators_[i], std::string_view(buffer.data(), used));
    }
}

bool ColumnBuffer::restoreFrom(std::string_view& image) {
    for (size_t i = 0; i < columns_.size(); ++i) {
        if (!fetched::restoreBuffer(image, indicators_[i], buffers_[i].data(), buffers_[i].size()))
            return false;
    }
    return true;
}
