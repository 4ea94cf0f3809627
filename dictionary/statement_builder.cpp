// Statement texts and the column and parameter lists of the builders.
#include "dictionary/statement_builder.h"

#include <algorithm>

HQRC DIRSelect::addCol(const HQSTRING& column, SQLSMALLINT bufferType, SQLPOINTER value,
                       SQLLEN bufferLength, SQLLEN* indicator) {
    cols_.push_back(DIRSelectCol{column, bufferType, value, bufferLength, indicator});
    text_.clear();
    return HQRC();
}

HQRC DIRSelect::addParm(SQLUSMALLINT number, SQLSMALLINT kind, SQLSMALLINT bufferType,
                        SQLSMALLINT sqlType, SQLULEN columnSize, SQLSMALLINT decimalDigits,
                        SQLPOINTER value, SQLLEN bufferLength, SQLLEN* lengthWord) {
    parms_.push_back(DIRSelectParm{
        {kind, bufferType, sqlType, columnSize, decimalDigits, value, bufferLength, lengthWord},
        number});
    return HQRC();
}

HQRC DIRSelect::addTextParm(SQLSMALLINT sqlType, SQLULEN columnSize, SQLLEN bufferLength,
                            const std::string& bytes) {
    std::string& value = parmValues_.emplace_back(bytes);
    SQLLEN& length = parmLengths_.emplace_back(static_cast<SQLLEN>(value.size()));
    const SQLLEN buffer = std::max<SQLLEN>(bufferLength, static_cast<SQLLEN>(value.size()) + 1);
    return addParm(static_cast<SQLUSMALLINT>(parms_.size() + 1), SQL_PARAM_INPUT, SQL_C_CHAR,
                   sqlType, columnSize, 0, value.data(), buffer, &length);
}

const HQSTRING& DIRSelect::text() const {
    if (!text_.empty())
        return text_;
    text_ = L"SELECT " + commonColumns_;
    for (const DIRSelectCol& col : cols_)
        text_.append(L", ").append(col.column);
    text_.append(L" FROM ")
        .append(table_)
        .append(L" ")
        .append(condition_)
        .append(L" FOR FETCH ONLY");
    return text_;
}

HQRC DIRInsert::add(const HQSTRING& column, SQLSMALLINT kind, SQLSMALLINT bufferType,
                    SQLSMALLINT sqlType, SQLULEN columnSize, SQLSMALLINT decimalDigits,
                    SQLPOINTER value, SQLLEN bufferLength, SQLLEN* lengthWord) {
    elems_.push_back(DIRInsertElem{
        {kind, bufferType, sqlType, columnSize, decimalDigits, value, bufferLength, lengthWord},
        column});
    return HQRC();
}

WriteValue WriteValue::text(std::string bytes) {
    return {SQL_C_CHAR, SQL_VARCHAR, std::move(bytes), false};
}

WriteValue WriteValue::int32(int32_t value) {
    const SQLINTEGER v = value;
    return {SQL_C_SLONG, SQL_INTEGER, std::string(reinterpret_cast<const char*>(&v), sizeof v),
            false};
}

WriteValue WriteValue::int16(int16_t value) {
    const SQLSMALLINT v = value;
    return {SQL_C_SSHORT, SQL_SMALLINT, std::string(reinterpret_cast<const char*>(&v), sizeof v),
            false};
}

WriteValue WriteValue::stamp(const SQL_TIMESTAMP_STRUCT& value) {
    return {SQL_C_TIMESTAMP, SQL_TIMESTAMP,
            std::string(reinterpret_cast<const char*>(&value), sizeof value), false};
}

WriteValue WriteValue::binary(std::string bytes) {
    return {SQL_C_BINARY, SQL_VARBINARY, std::move(bytes), false};
}

WriteValue WriteValue::nullOf(SQLSMALLINT cType, SQLSMALLINT sqlType) {
    return {cType, sqlType, std::string(), true};
}

DIRParmBinding WriteValues::bind(const WriteValue& value) {
    std::string& bytes = bytes_.emplace_back(value.bytes);
    const bool character = value.cType == SQL_C_CHAR || value.cType == SQL_C_BINARY;
    SQLLEN& length =
        lengths_.emplace_back(value.null ? SQL_NULL_DATA : static_cast<SQLLEN>(bytes.size()));
    DIRParmBinding binding;
    binding.bufferType = value.cType;
    binding.sqlType = value.sqlType;
    switch (value.cType) {
    case SQL_C_TIMESTAMP:
        binding.columnSize = 19;
        break;
    case SQL_C_SLONG:
        binding.columnSize = 10;
        break;
    case SQL_C_SSHORT:
        binding.columnSize = 5;
        break;
    default: // a size of 0 is refused by some drivers, also for an empty value
        binding.columnSize = std::max<SQLULEN>(1, bytes.size());
        break;
    }
    if (value.null && !character)
        bytes.assign(value.cType == SQL_C_TIMESTAMP ? sizeof(SQL_TIMESTAMP_STRUCT) : 8, '\0');
    binding.value = bytes.data();
    binding.bufferLength = character ? static_cast<SQLLEN>(bytes.size()) : 0;
    binding.lengthWord = &length;
    return binding;
}

HQRC DIRInsert::addValue(const HQSTRING& column, const WriteValue& value) {
    const DIRParmBinding b = values_.bind(value);
    return add(column, b.kind, b.bufferType, b.sqlType, b.columnSize, b.decimalDigits, b.value,
               b.bufferLength, b.lengthWord);
}

HQSTRING DIRInsert::insertText() const {
    HQSTRING columns =
        L"INSERT INTO " + table_ + L"(qrtid, updated_by, update_ts, name, short_description";
    HQSTRING markers = L") VALUES (?, ?, ?, ?, ?";
    for (const DIRInsertElem& elem : elems_) {
        columns += L", " + elem.column;
        markers += L", ?";
    }
    return columns + markers + L")";
}

HQSTRING DIRInsert::updateText(bool stampIsNull) const {
    HQSTRING text = L"UPDATE " + table_ +
                    L" SET updated_by = ?, update_ts = ?, name = ?, short_description = ?";
    for (const DIRInsertElem& elem : elems_)
        text += L", " + elem.column + L" = ?";
    return text + (stampIsNull ? L"WHERE qrtid = ? AND update_ts IS NULL"
                               : L"WHERE qrtid = ? AND update_ts = ?");
}

HQSTRING deleteIdText(const HQSTRING& table) {
    return L"DELETE FROM " + table + L" WHERE qrtid = ?";
}
