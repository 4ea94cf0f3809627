// Faults on PostgreSQL, each with the control tables under a prefix of its
// own: statements injected through the schema prefix never reach the server,
// a table locked by another session ends the run after the lock timeout, and
// a value longer than its field is refused as on SQLite.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "runtime/configuration.h"
#include "runtime/odbc.h"
#include "tests/faults/program_run.h"
#include "tests/faults_pg/pg_support.h"

using namespace fault_test;
using namespace pg_test;

namespace {
const fs::path kSample = fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql";

std::vector<std::string> arguments(const std::string& prefix) {
    return {"export.inp",           "QRTPG", QRT_PG_USER, QRT_PG_PASSWORD, "prefix=" + prefix,
            "feedback=feedback.txt"};
}
} // namespace

TEST(PostgresFaults, StatementsInjectedThroughThePrefixNeverReachTheServer) {
    const fs::path dir = qrt_test::makeTempDir("pg-inject");
    ASSERT_TRUE(loadPostgres(dir, "QRTINJ", {kSample})) << export_test::readFile(dir / "load.log");
    ASSERT_EQ(psql(dir, "CREATE TABLE qrtinj.canary (a INTEGER);"), "");
    qrt_test::useOdbcIni(dir, qrt_test::postgresDsn("QRTPG"));
    export_test::writeFile(dir / "export.inp", "<IR>\nSALESDB\n");

    for (const std::string& prefix :
         {std::string("qrtinj.configuration;drop table qrtinj.canary"),
          std::string("qrtinj.configuration; DROP TABLE qrtinj.canary --"),
          std::string("qrtinj;drop table qrtinj.canary;")}) {
        const ProgramRun r = runProgram(dir, arguments(prefix), {});
        EXPECT_EQ(r.status, 1) << prefix;
        EXPECT_EQ(r.out.rfind("Usage: qrt2exp2 ", 0), 0u) << r.out;
        EXPECT_EQ(r.tag, "");
    }
    EXPECT_EQ(psql(dir, "SELECT COUNT(*) FROM qrtinj.canary;"), "0\n");

    // The layer itself sends no text with two statements either.
    HQOdbcConnect& c = HQOdbc::getEnv().connection(0);
    ASSERT_EQ(c.connect(L"QRTPG", HQSTRING(QRT_PG_USER), HQSTRING(QRT_PG_PASSWORD)).code, 0);
    EXPECT_EQ(c.executeStmt(L"SELECT 1; DROP TABLE qrtinj.canary", 0).code, 2012);
    HQOdbcCursor cursor(&c);
    EXPECT_EQ(cursor.prepare(L"SELECT 1;DROP TABLE qrtinj.canary").code, 2014);
    HQOdbc::free();
    EXPECT_EQ(psql(dir, "SELECT COUNT(*) FROM qrtinj.canary;"), "0\n");
}

TEST(PostgresFaults, ALockedTableEndsTheRunAfterTheLockTimeout) {
    const fs::path dir = qrt_test::makeTempDir("pg-lock");
    ASSERT_TRUE(loadPostgres(dir, "QRTLOCK", {kSample})) << export_test::readFile(dir / "load.log");
    qrt_test::useOdbcIni(dir, qrt_test::postgresDsn("QRTPG"));

    // Every connection waits 30 s for a lock unless told otherwise.
    HQOdbcConnect& c = HQOdbc::getEnv().connection(0);
    ASSERT_EQ(c.connect(L"QRTPG", HQSTRING(QRT_PG_USER), HQSTRING(QRT_PG_PASSWORD)).code, 0);
    HQOdbcCursor show(&c);
    char value[32] = {};
    SQLLEN length = 0;
    HQRC rc = show.prepare(L"SHOW lock_timeout");
    ASSERT_EQ(rc.code, 0);
    ASSERT_EQ(show.bindCol(1, SQL_C_CHAR, value, sizeof value, &length).code, 0);
    ASSERT_EQ(show.fetch(rc), 1);
    EXPECT_STREQ(value, "30s");
    show.free();
    HQOdbc::free();

    // Another session holds the configuration table while its input is open.
    const std::string command = pgVariables() + "psql -X -q > /dev/null 2>&1";
    std::FILE* holder = ::popen(command.c_str(), "w");
    ASSERT_NE(holder, nullptr);
    std::fputs("BEGIN;\nLOCK TABLE qrtlock.configuration IN ACCESS EXCLUSIVE MODE;\n", holder);
    std::fflush(holder);
    for (int i = 0; i < 500; ++i) {
        if (psql(dir, "SELECT COUNT(*) FROM pg_locks WHERE relation = "
                      "'qrtlock.configuration'::regclass AND granted;") == "1\n")
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }

    HQOdbc::getEnv().connection(0).setLockTimeout(std::chrono::milliseconds(1500));
    HQConfiguration::clear();
    const auto start = std::chrono::steady_clock::now();
    rc = HQConfiguration::init(L"QRTPG", L"QRTLOCK", HQSTRING(QRT_PG_USER),
                               HQSTRING(QRT_PG_PASSWORD), 0);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fputs("ROLLBACK;\n", holder);
    ::pclose(holder);
    HQConfiguration::terminate();

    EXPECT_NE(rc.code, 0);
    EXPECT_EQ(rc.sqlState, L"55P03") << rc.nativeMessage.toMultiByte();
    EXPECT_NE(rc.nativeMessage.toMultiByte().find("lock timeout"), std::string::npos)
        << rc.nativeMessage.toMultiByte();
    EXPECT_GE(seconds, 1.4);
    EXPECT_LT(seconds, 10.0);
}

TEST(PostgresFaults, AValueLongerThanItsFieldIsRefusedAsOnSqlite) {
    const fs::path dir = qrt_test::makeTempDir("pg-fit");
    ASSERT_TRUE(loadPostgres(dir, "QRTFIT", {kSample})) << export_test::readFile(dir / "load.log");
    // 200 characters fit the column, but not their 400 bytes the buffer of 254.
    ASSERT_EQ(psql(dir, "UPDATE qrtfit.DataResource SET short_description = repeat('\xc3\xa9', "
                        "200) WHERE qrtid = '0000000201';"),
              "");
    qrt_test::useOdbcIni(dir, qrt_test::postgresDsn("QRTPG"));
    export_test::writeFile(dir / "export.inp", "<IR>\nSALESDB\n");
    const ProgramRun r = runProgram(dir, arguments("QRTFIT"), {});
    EXPECT_EQ(r.status, 3150 & 0xff) << r.out;
    EXPECT_EQ(classify(r, "", ""), "failure path 3150");
    EXPECT_NE(r.feedback.find(":MESSAGE.Column short_description of table QRTFIT.DataResource in "
                              "the row with identifier 0000000201 holds a value that does not "
                              "fit its field: 400 bytes where 254 fit.\n"),
              std::string::npos)
        << r.feedback;
}
