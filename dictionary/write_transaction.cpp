// Transactions of the write side and the execution of one write statement.
#include "dictionary/write_transaction.h"

#include "dictionary/control_database.h"
#include "dictionary/snapshot_store.h"
#include "runtime/odbc.h"

namespace controldb {

WriteTransaction::WriteTransaction() : outermost_(depth_ == 0) {
    ++depth_;
    if (!outermost_)
        return;
    // Rows kept for a read snapshot no longer tell what the table holds.
    SnapshotStore::close();
    HQOdbcConnect& conn = connection();
    if (conn.autoCommit()) {
        begin_ = conn.setAutoCommit(false);
        restoreAutoCommit_ = begin_.code == 0;
    }
}

WriteTransaction::~WriteTransaction() {
    --depth_;
    if (outermost_ && open_) {
        HQRC ignored;
        end(false, ignored);
    }
}

void WriteTransaction::end(bool commit, HQRC& rc) {
    open_ = false;
    HQOdbcConnect& conn = connection();
    if (commit) {
        HQRC committed = conn.commit();
        if (committed.code != 0) {
            conn.rollback();
            rc = committed.AddComment(L"WriteTransaction::finish");
        }
    } else {
        conn.rollback();
    }
    if (restoreAutoCommit_)
        conn.setAutoCommit(true);
}

HQRC WriteTransaction::finish(HQRC rc) {
    if (!outermost_ || !open_)
        return rc;
    end(rc.code == 0, rc);
    return rc;
}

HQRC executeOn(HQOdbcCursor& cursor, const HQSTRING& statement,
               const std::vector<DIRParmBinding>& bindings, SQLLEN* rows) {
    HQRC rc = cursor.prepare(statement);
    SQLUSMALLINT number = 0;
    for (const DIRParmBinding& b : bindings) {
        if (rc.code != 0)
            return rc;
        rc = cursor.bindParameter(++number, b.kind, b.bufferType, b.sqlType, b.columnSize,
                                  b.decimalDigits, b.value, b.bufferLength, b.lengthWord);
    }
    if (rc.code == 0)
        rc = cursor.executeIgnoreNDF(); // a statement that changes no row is no failure
    if (rc.code == 0 && rows != nullptr)
        rc = cursor.rowCount(*rows);
    return rc;
}

HQRC executeBound(const HQSTRING& statement, const std::vector<DIRParmBinding>& bindings,
                  SQLLEN* rows) {
    const PooledCursor pooled(statement);
    return executeOn(*pooled, pooled.text(), bindings, rows);
}

HQRC executeWrite(const HQSTRING& statement, std::initializer_list<WriteValue> values,
                  SQLLEN* rows) {
    WriteValues kept;
    std::vector<DIRParmBinding> bindings;
    bindings.reserve(values.size());
    for (const WriteValue& v : values)
        bindings.push_back(kept.bind(v));
    return executeBound(statement, bindings, rows);
}

WriteValue idValue(std::string_view id) {
    WriteValue v = WriteValue::text(std::string(id));
    v.sqlType = SQL_CHAR;
    return v;
}

} // namespace controldb
