// A SQLite control database for the tests of the call-level-interface layer:
// a few control tables with rows, a DSN for it and one for a missing file.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "runtime/odbc.h"
#include "tests/common/odbc_test_env.h"

// Tables and rows shared by the SQLite tests, created in the DSN's own file.
inline const char* const kSqliteControlTables = R"(
CREATE TABLE RELATIONSHIP (relation_name VARCHAR(20), source_qrtid CHAR(10), target_qrtid CHAR(10));
INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', 'IR00000001', 'DR00000001');
INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', 'IR00000001', 'DR00000002');
INSERT INTO RELATIONSHIP VALUES ('IR_TO_AgentSite', 'AS00000001', 'IR00000001');
INSERT INTO RELATIONSHIP VALUES ('IR_TO_AgentSite', 'AS00000001', 'IR00000002');
INSERT INTO RELATIONSHIP VALUES ('IR_TO_AgentSite', 'AS00000002', 'IR00000001');
CREATE TABLE attribute (qrtid CHAR(10), updated_by VARCHAR(128), update_ts TIMESTAMP,
  name VARCHAR(80), short_description VARCHAR(254), "isNull" INTEGER, "offset" INTEGER,
  seqNo INTEGER);
INSERT INTO attribute VALUES ('AT00000001', 'tester', '2001-03-07 09:05:01', 'CUST_ID', 'key', 0, -1, 1);
INSERT INTO attribute VALUES ('AT00000002', 'tester', '2001-03-07 09:05:01', 'CUST_NAME', '', 1, 10, 2);
CREATE TABLE BusinessView (qrtid CHAR(10), updated_by VARCHAR(128), update_ts TIMESTAMP,
  name VARCHAR(80), short_description VARCHAR(254), "having" SMALLINT);
INSERT INTO BusinessView VALUES ('BV00000001', 'tester', '2001-03-07 09:05:01', 'LOAD_SALES', '', 1);
CREATE TABLE AgentSite (qrtid CHAR(10), updated_by VARCHAR(128), update_ts TIMESTAMP,
  name VARCHAR(80), short_description VARCHAR(254));
INSERT INTO AgentSite VALUES ('AS00000001', 'tester', '2001-03-07 09:05:01', 'DEFAULT AGENT', '');
INSERT INTO AgentSite VALUES ('AS00000002', 'tester', '2001-03-07 09:05:01', 'REMOTE AGENT', '');
)";

class SqliteControlDb : public testing::Test {
protected:
    void SetUp() override {
        dir_ = qrt_test::makeTempDir("odbc");
        db_ = dir_ / "control.db";
        ASSERT_TRUE(qrt_test::sqliteExec(db_, kSqliteControlTables));
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
