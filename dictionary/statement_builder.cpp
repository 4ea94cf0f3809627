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

HQSTRING DIRInsert::updateText() const {
    HQSTRING text = L"UPDATE " + table_ +
                    L" SET updated_by = ?, update_ts = ?, name = ?, short_description = ?";
    for (const DIRInsertElem& elem : elems_)
        text += L", " + elem.column + L" = ?";
    return text + L"WHERE qrtid = ? AND update_ts = ?";
}

HQSTRING deleteIdText(const HQSTRING& table) {
    return L"DELETE FROM " + table + L" WHERE qrtid = ?";
}
