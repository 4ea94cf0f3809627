// A SQLite control database for the tests of the call-level-interface layer:
// the control tables with a few objects, a DSN for it and one for a missing
// file.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "runtime/odbc.h"
#include "tests/common/control_statements.h"
#include "tests/common/odbc_test_env.h"
#include "tests/common/warehouse_builder.h"

// The control database shared by the SQLite tests, built once per process
// through the object model with the objects the statement cases read.
inline const std::filesystem::path& sqliteMasterDatabase() {
    static const std::filesystem::path master = [] {
        const std::filesystem::path dir = qrt_test::makeTempDir("odbc-master");
        const std::filesystem::path file = dir / "control.db";
        EXPECT_TRUE(qrt_test::emptySqliteControlDatabase(file));
        qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTLITEMASTER", file));
        qrt_test::buildWarehouse("QRTLITEMASTER", "QRT", qrt_test::addStatementObjects);
        return file;
    }();
    return master;
}

class SqliteControlDb : public testing::Test {
protected:
    void SetUp() override {
        dir_ = qrt_test::makeTempDir("odbc");
        db_ = dir_ / "control.db";
        std::filesystem::copy_file(sqliteMasterDatabase(), db_,
                                   std::filesystem::copy_options::overwrite_existing);
        qrt_test::useOdbcIni(dir_,
                             qrt_test::sqliteDsn("QRTLITE", db_) +
                                 qrt_test::sqliteDsn("QRTNOWHERE", dir_ / "no/such/dir/x.db"));
    }
    void TearDown() override { HQOdbc::free(); }

    // The first connection, connected to the test database with "QRT" as the
    // schema of the control tables.
    HQOdbcConnect& connected() {
        HQOdbcConnect& c = HQOdbc::getEnv().connection(0);
        const HQRC rc = c.connect(L"QRTLITE", L"", L"");
        EXPECT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
        EXPECT_EQ(c.setSchemaPrefix(L"QRT").code, 0);
        return c;
    }

    std::filesystem::path dir_;
    std::filesystem::path db_;
};
