// What every write of the object model runs on: one transaction per
// operation (WriteTransaction, nested operations joining the outermost one)
// and the execution of one write statement with its values.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <initializer_list>
#include <vector>

#include "dictionary/statement_builder.h"
#include "runtime/hq_string.h"
#include "runtime/return_code.h"

class HQOdbcCursor;

namespace controldb {

// The writes of one operation, from construction to finish(): the outermost
// transaction of the connection commits them all when the operation
// succeeded and rolls them all back when it failed, so that a failure leaves
// the control database as it was. A transaction made while another is open
// joins it: the outermost decides. A connection that commits every statement
// on its own is switched to manual commit for the time of the transaction.
class WriteTransaction {
public:
    WriteTransaction();
    // Rolls back when finish() was never called (an exception passed).
    ~WriteTransaction();
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    // A transaction that could not begin (the connection could not be
    // switched to manual commit); the operation must not write then.
    HQRC begun() const { return begin_; }

    // Ends the operation with its result: the outermost transaction commits
    // on success (a failing commit is rolled back and becomes the result)
    // and rolls back on failure. Returns the result. A failure to switch the
    // connection back to automatic commit after a commit does not undo the
    // commit and is not the operation's failure.
    HQRC finish(HQRC rc);

    // True while a transaction is open on the connection.
    static bool isOpen() { return depth_ > 0; }

private:
    void end(bool commit, HQRC& rc);

    bool outermost_;
    bool open_ = true;
    bool restoreAutoCommit_ = false;
    HQRC begin_;
    static inline int depth_ = 0;
};

// Prepares a statement on a cursor of the connection, binds the values as
// parameters 1, 2, ... and executes it; `rows` receives the number of rows
// it changed when given.
HQRC executeWrite(const HQSTRING& statement, std::initializer_list<WriteValue> values,
                  SQLLEN* rows = nullptr);
// The same on a cursor the caller holds, with bindings made beforehand (the
// builders' elements); the statement is prepared on the cursor.
HQRC executeOn(HQOdbcCursor& cursor, const HQSTRING& statement,
               const std::vector<DIRParmBinding>& bindings, SQLLEN* rows = nullptr);
// The same on a cursor of the connection.
HQRC executeBound(const HQSTRING& statement, const std::vector<DIRParmBinding>& bindings,
                  SQLLEN* rows = nullptr);

// An identifier or a short key as a character parameter.
WriteValue idValue(std::string_view id);

} // namespace controldb
