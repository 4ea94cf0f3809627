// The call-level-interface layer, the dialect adaptation and the configuration
// store against the throwaway PostgreSQL cluster of the test suite.
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/configuration.h"
#include "runtime/odbc.h"
#include "tests/common/control_statements.h"
#include "tests/common/odbc_test_env.h"

namespace {

// The tests keep to a schema of their own in the shared cluster.
const std::wstring kSchema = L"QRTODBC";

std::wstring inSchema(std::wstring statement) {
    for (size_t at = statement.find(L"QRT."); at != std::wstring::npos;
         at = statement.find(L"QRT.", at + kSchema.size()))
        statement.replace(at, 3, kSchema);
    return statement;
}

class PostgresTest : public testing::Test {
protected:
    void SetUp() override {
        HQConfiguration::clear();
        dir_ = qrt_test::makeTempDir("odbcpg");
        qrt_test::useOdbcIni(dir_, qrt_test::postgresDsn("QRTPG") +
                                       qrt_test::postgresDsn("QRTPG_NODB", "no_such_db"));
        // The control tables with the objects the statement cases read and
        // two settings, made through the object model and the configuration
        // store.
        ASSERT_TRUE(qrt_test::emptyPostgresControlSchema("QRTODBC"))
            << "test cluster not reachable";
        qrt_test::buildWarehouse("QRTPG", "QRTODBC", qrt_test::addStatementObjects, QRT_PG_USER,
                                 QRT_PG_PASSWORD);
        ASSERT_EQ(
            HQConfiguration::init(L"QRTPG", kSchema, L"" QRT_PG_USER, L"" QRT_PG_PASSWORD, 0).code,
            0);
        for (const HQConfigurationElement& setting :
             {HQConfigurationElement{ComponentEnum::DDD, L"Sitename", 1, L"HQ", 0, L"site"},
              HQConfigurationElement{ComponentEnum::RTK, L"Retries", 0, L"", 3, L""}})
            ASSERT_EQ(HQConfiguration::getInstance().storeNewVariable(setting).code, 0);
        HQConfiguration::terminate();
        HQConfiguration::clear();
    }
    void TearDown() override { HQConfiguration::terminate(); }

    HQOdbcConnect& connected() {
        HQOdbcConnect& c = HQOdbc::getEnv().connection(0);
        const HQRC rc = c.connect(L"QRTPG", L"" QRT_PG_USER, L"" QRT_PG_PASSWORD);
        EXPECT_EQ(rc.code, 0) << rc.sqlState.toMultiByte() << " " << rc.nativeMessage.toMultiByte();
        EXPECT_EQ(c.setSchemaPrefix(kSchema).code, 0);
        return c;
    }

    std::filesystem::path dir_;
};

} // namespace

TEST_F(PostgresTest, ConnectsAndLearnsTheDbms) {
    HQOdbcConnect& c = connected();
    EXPECT_EQ(c.state(), 3);
    EXPECT_EQ(c.dbmsName(), L"PostgreSQL");
    EXPECT_EQ(c.dialect(), SqlDialect::PostgreSQL);
}

TEST_F(PostgresTest, WrongPasswordDatabaseDsnOrAWarningIsRefusedWith2009) {
    HQOdbcConnect& c = HQOdbc::getEnv().connection(0);
    HQRC rc = c.connect(L"QRTPG", L"" QRT_PG_USER, L"wrong-pw-123");
    EXPECT_EQ(rc.code, 2009);
    EXPECT_EQ(rc.domain, DomainODBC);
    EXPECT_EQ(rc.location, L"HQOdbc::connect");
    EXPECT_EQ(rc.token1, L"QRTPG");
    EXPECT_EQ(rc.token2, L"" QRT_PG_USER);
    EXPECT_NE(rc.sqlState, L"00000");
    EXPECT_TRUE(rc.nativeMessage.contains(L"password")) << rc.nativeMessage.toMultiByte();
    EXPECT_FALSE(rc.nativeMessage.contains(L"wrong-pw-123"));
    EXPECT_EQ(c.state(), 1);

    rc = c.connect(L"QRTPG_NODB", L"" QRT_PG_USER, L"" QRT_PG_PASSWORD);
    EXPECT_EQ(rc.code, 2009);
    EXPECT_TRUE(rc.nativeMessage.contains(L"no_such_db")) << rc.nativeMessage.toMultiByte();

    rc = c.connect(L"QRTPG_MISSING", L"" QRT_PG_USER, L"" QRT_PG_PASSWORD);
    EXPECT_EQ(rc.code, 2009);
    EXPECT_EQ(rc.sqlState, L"IM002");

    // The driver connects but warns that a setting of the data source failed
    // (SQLSTATE 01S02): that is not a good connect either.
    qrt_test::useOdbcIni(dir_,
                         qrt_test::postgresDsn("QRTPG") +
                             "[QRTPG_WARN]\nDriver=PostgreSQL Unicode\nServername=" QRT_PG_HOST
                             "\nPort=" QRT_PG_PORT "\nDatabase=" QRT_PG_DB
                             "\nConnSettings=SET nosuchparam = 1;\n\n");
    rc = c.connect(L"QRTPG_WARN", L"" QRT_PG_USER, L"" QRT_PG_PASSWORD);
    EXPECT_EQ(rc.code, 2009);
    EXPECT_EQ(rc.sqlState.substr(0, 2), L"01") << rc.sqlState.toMultiByte();
    EXPECT_EQ(c.state(), 1);

    // The same connection still connects with the right password.
    EXPECT_EQ(c.connect(L"QRTPG", L"" QRT_PG_USER, L"" QRT_PG_PASSWORD).code, 0);
}

TEST_F(PostgresTest, ObjectModelStatementsRunUnchanged) {
    HQOdbcConnect& c = connected();
    for (const auto& k : qrt_test::kStatementCases) {
        SCOPED_TRACE(k.statement);
        HQRC rc;
        EXPECT_EQ(qrt_test::firstColumnOf(c, inSchema(k.statement), k.params, rc), k.firstColumn);
        EXPECT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    }
    // The keyword columns are written and read back through the adapter.
    EXPECT_EQ(c.executeStmt(inSchema(L"UPDATE QRT.attribute SET isNull = 1, offset = 7 WHERE "
                                     L"qrtid = 'AT00000001'"),
                            0)
                  .code,
              0);
    HQOdbcCursor check(&c);
    ASSERT_EQ(check
                  .prepare(inSchema(L"SELECT offset FROM QRT.attribute WHERE isNull = 1 AND "
                                    L"qrtid = 'AT00000001' FOR FETCH ONLY"))
                  .code,
              0);
    SQLINTEGER offset = 0;
    SQLLEN len = 0;
    ASSERT_EQ(check.bindCol(1, SQL_C_SLONG, &offset, 0, &len).code, 0);
    HQRC rc;
    ASSERT_EQ(check.fetch(rc), 1);
    EXPECT_EQ(offset, 7);
}

TEST_F(PostgresTest, CursorEdgesHoldOnPostgres) {
    HQOdbcConnect& c = connected();
    HQOdbcCursor cursor(&c);
    ASSERT_EQ(cursor.prepare(inSchema(L"SELECT name FROM QRT.agentsite WHERE name = 'NONE'")).code,
              0);
    ASSERT_EQ(cursor.prepare(inSchema(L"SELECT name FROM QRT.agentsite")).code, 0);
    char name[81];
    SQLLEN len = 0;
    ASSERT_EQ(cursor.bindCol(1, SQL_C_CHAR, name, sizeof name, &len).code, 0);
    HQRC rc;
    EXPECT_EQ(cursor.fetch(rc), 0); // the first statement, which has no rows
    EXPECT_EQ(rc.code, 0);
    ASSERT_EQ(SQLFreeStmt(cursor.handle(), SQL_CLOSE), SQL_SUCCESS);
    EXPECT_EQ(cursor.fetch(rc), 0); // not asked again
    EXPECT_EQ(rc.code, 0);

    HQOdbcCursor bad(&c);
    rc = bad.prepare(inSchema(L"SELECT nosuchcolumn FROM QRT.agentsite"));
    if (rc.code == 0) { // the driver may defer the check to execution
        HQRC fetched;
        EXPECT_EQ(bad.fetch(fetched), 0);
        rc = fetched;
    }
    EXPECT_TRUE(rc.code == 2014 || rc.code == 2011) << rc.code;
    EXPECT_EQ(rc.sqlState, L"42703");
    EXPECT_TRUE(rc.nativeMessage.contains(L"nosuchcolumn"));

    ASSERT_EQ(c.connectOptionManual().code, 0);
    ASSERT_EQ(c.executeStmt(inSchema(L"DELETE FROM QRT.agentsite"), 0).code, 0);
    ASSERT_EQ(c.rollback().code, 0);
    HQOdbcCursor count(&c);
    ASSERT_EQ(count.prepare(inSchema(L"SELECT count(*) FROM QRT.agentsite")).code, 0);
    SQLINTEGER n = 0;
    ASSERT_EQ(count.bindCol(1, SQL_C_SLONG, &n, 0, &len).code, 0);
    ASSERT_EQ(count.fetch(rc), 1);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(c.disconnect().code, 0);
}

TEST_F(PostgresTest, ConfigurationLoadsFromTheSchema) {
    testing::internal::CaptureStdout();
    HQRC rc = HQConfiguration::init(L"QRTPG", kSchema, L"" QRT_PG_USER, L"" QRT_PG_PASSWORD, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    HQRC r;
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::DDD, L"Sitename", r), L"HQ");
    EXPECT_EQ(HQConfiguration::getValueInt(ComponentEnum::RTK, L"Retries", r), 3);
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::DDD, L"prefix", r), kSchema);
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(HQConfiguration::getInstance().traceLevel(ComponentEnum::HQOdbc), 0);

    // With a trace row for HQOdbc, a reload shows every direct execution.
    HQConfiguration::terminate();
    ASSERT_TRUE(qrt_test::psqlExec(
        dir_,
        "INSERT INTO qrtodbc.configuration VALUES ('HQOdbc', 'TRACELVL', 'N', NULL, 1, '');"));
    qrt_test::useOdbcIni(dir_, qrt_test::postgresDsn("QRTPG") + qrt_test::postgresDsn("QRTPG2"));
    rc = HQConfiguration::init(L"QRTPG2", kSchema, L"" QRT_PG_USER, L"" QRT_PG_PASSWORD, 0);
    ASSERT_EQ(rc.code, 0);
    EXPECT_EQ(HQConfiguration::getInstance().traceLevel(ComponentEnum::HQOdbc), 1);
    testing::internal::CaptureStdout();
    EXPECT_EQ(HQOdbc::getEnv().connection(0).executeStmt(L"SELECT 1", 0).code, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "------------ Executing:\nSELECT 1\n");

    // A schema without the table fails the load.
    HQConfiguration::terminate();
    rc =
        HQConfiguration::init(L"QRTPG", L"no_such_schema", L"" QRT_PG_USER, L"" QRT_PG_PASSWORD, 0);
    EXPECT_NE(rc.code, 0);
    EXPECT_TRUE(rc.comment.contains(L"HQConfiguration::Init"));
}
