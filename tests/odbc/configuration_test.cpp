// The configuration store on SQLite control databases: loading with and
// without "TRACELVL" rows, the component trace, reading and writing settings,
// reloading on another database, and the writers back to the table.
#include <gtest/gtest.h>

#include "runtime/configuration.h"
#include "runtime/odbc.h"
#include "tests/common/odbc_test_env.h"

namespace {

const char* const kConfigurationTable =
    "CREATE TABLE configuration (component VARCHAR(10), name VARCHAR(20), type CHAR(1), "
    "value_char VARCHAR(199), value_int INTEGER, short_name VARCHAR(19));\n"
    "CREATE TABLE AgentSite (qrtid CHAR(10), name VARCHAR(80));\n";

class ConfigurationTest : public testing::Test {
protected:
    void SetUp() override {
        HQConfiguration::clear();
        dir_ = qrt_test::makeTempDir("configuration");
        // PLAIN: settings without trace rows; TRACED: trace rows for DDD and
        // HQOdbc, a row of an unknown component and a type other than "C".
        ASSERT_TRUE(qrt_test::sqliteExec(
            dir_ / "plain.db",
            std::string(kConfigurationTable) +
                "INSERT INTO configuration VALUES ('DDD', 'Sitename', 'C', 'HQ', 0, 'site');\n"
                "INSERT INTO configuration VALUES ('RTK', 'Retries', 'N', NULL, 3, NULL);\n"
                "INSERT INTO configuration VALUES ('Bogus', 'Orphan', 'C', 'kept', 0, '');\n"
                "INSERT INTO configuration VALUES ('Log', 'Level', 'X', 'ignored', 7, '');\n"));
        ASSERT_TRUE(qrt_test::sqliteExec(
            dir_ / "traced.db",
            std::string(kConfigurationTable) +
                "INSERT INTO configuration VALUES ('DDD', 'TRACELVL', 'N', NULL, 1, '');\n"
                "INSERT INTO configuration VALUES ('HQOdbc', 'TRACELVL', 'N', NULL, 2, '');\n"));
        qrt_test::useOdbcIni(dir_, qrt_test::sqliteDsn("PLAIN", dir_ / "plain.db") +
                                       qrt_test::sqliteDsn("TRACED", dir_ / "traced.db"));
    }
    void TearDown() override { HQConfiguration::terminate(); }

    static std::string initAndCapture(const wchar_t* db, HQRC& rc) {
        testing::internal::CaptureStdout();
        rc = HQConfiguration::init(db, L"QRT", L"tester", L"topsecret", 0);
        return testing::internal::GetCapturedStdout();
    }

    std::filesystem::path dir_;
};

} // namespace

TEST_F(ConfigurationTest, LoadsSettingsWithoutAnyTraceOutput) {
    HQRC rc;
    const std::string out = initAndCapture(L"PLAIN", rc);
    ASSERT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    HQConfiguration& conf = HQConfiguration::getInstance();
    for (int c = 0; c <= 5; ++c)
        EXPECT_EQ(conf.traceLevel(static_cast<ComponentEnum>(c)), 0);
    // Statements run on the connection write nothing either.
    testing::internal::CaptureStdout();
    EXPECT_EQ(HQOdbc::getEnv().connection(0).executeStmt(L"DELETE FROM QRT.AgentSite", 1).code, 0);
    EXPECT_EQ(out + testing::internal::GetCapturedStdout(), "");

    HQRC r;
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::DDD, L"Sitename", r), L"HQ");
    EXPECT_EQ(HQConfiguration::getShortName(ComponentEnum::DDD, L"Sitename", r), L"site");
    EXPECT_EQ(HQConfiguration::getValueInt(ComponentEnum::RTK, L"Retries", r), 3);
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::NONE, L"Orphan", r), L"kept");
    // A type other than "C" makes an integer setting.
    EXPECT_EQ(HQConfiguration::getIsString(ComponentEnum::Log, L"Level", r), 0);
    EXPECT_EQ(HQConfiguration::getValueInt(ComponentEnum::Log, L"Level", r), 7);
    EXPECT_EQ(r.code, 0);
    // The connection parameters of the run.
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::DDD, L"prefix", r), L"QRT");
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::DDD, L"dbName", r), L"PLAIN");
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::DDD, L"userid", r), L"tester");
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::DDD, L"password", r), L"topsecret");
    EXPECT_EQ(conf.prefix(), L"QRT");
    EXPECT_EQ(conf.getList(ComponentEnum::DDD).size(), 5u);
    EXPECT_EQ(r.code, 0);
}

TEST_F(ConfigurationTest, MissingAndMistypedSettingsAreReported) {
    HQRC rc;
    initAndCapture(L"PLAIN", rc);
    ASSERT_EQ(rc.code, 0);
    const size_t before = HQConfiguration::getInstance().getListAll().size();
    HQRC r;
    // Present only under another component.
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::RTK, L"Sitename", r), L"");
    EXPECT_EQ(r.code, 9162);
    EXPECT_EQ(r.domain, DomainWhsDDD);
    EXPECT_EQ(r.location, L"HQConfiguration::getValueString");
    EXPECT_EQ(r.token1, L"Sitename");
    r.Reset();
    HQConfiguration::getValueInt(ComponentEnum::DDD, L"Sitename", r);
    EXPECT_EQ(r.code, 9163);
    r.Reset();
    HQConfiguration::getValueString(ComponentEnum::RTK, L"Retries", r);
    EXPECT_EQ(r.code, 9164);
    EXPECT_EQ(HQConfiguration::setValueInt(ComponentEnum::DDD, L"Sitename", 1, L"").code, 9163);
    EXPECT_EQ(HQConfiguration::setValueString(ComponentEnum::RTK, L"Retries", L"x", L"").code,
              9164);
    EXPECT_EQ(HQConfiguration::getInstance().getListAll().size(), before);
    // Names are compared exactly.
    r.Reset();
    HQConfiguration::getValueString(ComponentEnum::DDD, L"sitename", r);
    EXPECT_EQ(r.code, 9162);
}

TEST_F(ConfigurationTest, TraceRowsSwitchTheComponentTraceOn) {
    HQRC rc;
    // The DDD level is 0 while the rows are read, so loading writes nothing.
    std::string out = initAndCapture(L"TRACED", rc);
    ASSERT_EQ(rc.code, 0);
    EXPECT_EQ(out, "");
    HQConfiguration& conf = HQConfiguration::getInstance();
    EXPECT_EQ(conf.traceLevel(ComponentEnum::DDD), 1);
    EXPECT_EQ(conf.traceLevel(ComponentEnum::HQOdbc), 2);
    testing::internal::CaptureStdout();
    EXPECT_EQ(HQOdbc::getEnv().connection(0).executeStmt(L"DELETE FROM QRT.AgentSite", 1).code, 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "------------ Executing:\nDELETE FROM QRT.AgentSite\n");
    // Loading another database with DDD traced reports the connect (and the
    // attach of the schema); the levels stay until rows set them again, and
    // each trace row loaded is announced. The password shows nowhere.
    auto attach = [&](const char* file) {
        return "------------ Executing:\nPRAGMA busy_timeout = 30000\n"
               "------------ Executing:\nATTACH DATABASE '" +
               (dir_ / file).string() + "' AS \"QRT\"\n";
    };
    out = initAndCapture(L"PLAIN", rc);
    ASSERT_EQ(rc.code, 0);
    EXPECT_EQ(out, "Calling SQLConnect\n" + attach("plain.db"));
    out = initAndCapture(L"TRACED", rc);
    ASSERT_EQ(rc.code, 0);
    EXPECT_EQ(out, "Calling SQLConnect\n" + attach("traced.db") +
                       "Set Tracelevel for DDD, value=1\nSet Tracelevel for HQOdbc, value=2\n");
    // A no-data answer on a cursor is traced for HQOdbc.
    HQOdbcCursor cursor(&HQOdbc::getEnv().connection(0));
    ASSERT_EQ(cursor.prepare(L"DELETE FROM QRT.AgentSite").code, 0);
    testing::internal::CaptureStdout();
    const HQRC noData = cursor.execute();
    out = testing::internal::GetCapturedStdout();
    if (noData.sqlState == L"02000")
        EXPECT_EQ(out, "---------- Error: No Data Found:\n");
    else
        EXPECT_EQ(out, "");
    EXPECT_EQ(out.find("topsecret"), std::string::npos);
}

TEST_F(ConfigurationTest, TraceRowsAreAnnouncedWhenDddIsTracedBeforeLoading) {
    HQConfiguration::setValueInt(ComponentEnum::DDD, L"TRACELVL", 1, L"");
    HQRC rc;
    const std::string out = initAndCapture(L"TRACED", rc);
    ASSERT_EQ(rc.code, 0);
    EXPECT_EQ(out, "Calling SQLConnect\n"
                   "Set Tracelevel for DDD, value=1\n"
                   "Set Tracelevel for HQOdbc, value=2\n");
}

TEST_F(ConfigurationTest, SameDatabaseIsReadOnceAnotherIsReloaded) {
    HQRC rc;
    initAndCapture(L"PLAIN", rc);
    ASSERT_EQ(rc.code, 0);
    // A row added behind the store's back is not seen by a second init of
    // the same database ...
    ASSERT_TRUE(qrt_test::sqliteExec(
        dir_ / "plain.db", "INSERT INTO configuration VALUES ('RTK', 'Added', 'N', NULL, 1, '');"));
    initAndCapture(L"PLAIN", rc);
    ASSERT_EQ(rc.code, 0);
    HQRC r;
    HQConfiguration::getValueInt(ComponentEnum::RTK, L"Added", r);
    EXPECT_EQ(r.code, 9162);
    // ... but another database replaces all settings.
    initAndCapture(L"TRACED", rc);
    ASSERT_EQ(rc.code, 0);
    r.Reset();
    HQConfiguration::getValueString(ComponentEnum::DDD, L"Sitename", r);
    EXPECT_EQ(r.code, 9162);
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::DDD, L"dbName", r), L"TRACED");
}

TEST_F(ConfigurationTest, FailuresCarryTheirPath) {
    HQRC rc;
    initAndCapture(L"NO_SUCH_DSN", rc);
    EXPECT_EQ(rc.code, 2009);
    EXPECT_EQ(rc.comment, L"HQConfiguration::init");
    // A schema without the table.
    ASSERT_TRUE(qrt_test::sqliteExec(dir_ / "empty.db", "CREATE TABLE x (a INTEGER);"));
    qrt_test::useOdbcIni(dir_, qrt_test::sqliteDsn("EMPTY", dir_ / "empty.db"));
    initAndCapture(L"EMPTY", rc);
    EXPECT_EQ(rc.code, 2014);
    EXPECT_TRUE(rc.comment.contains(L"HQConfiguration::load"));
    EXPECT_TRUE(rc.comment.contains(L"HQConfiguration::Init"));
}

TEST_F(ConfigurationTest, WritersStoreTheSettingsBack) {
    HQRC rc;
    initAndCapture(L"PLAIN", rc);
    ASSERT_EQ(rc.code, 0);
    HQConfiguration& conf = HQConfiguration::getInstance();
    ASSERT_EQ(conf.setValueString(ComponentEnum::Agent, L"Host", L"box1", L"h").code, 0);
    ASSERT_EQ(conf.store().code, 0);
    HQConfigurationElement e{ComponentEnum::RTK, L"Fresh", 0, L"", 42, L""};
    ASSERT_EQ(conf.storeNewVariable(e).code, 0);
    e.valueInt = 43;
    ASSERT_EQ(conf.storeVariable(e).code, 0);
    // A fresh load of the stored table sees them.
    initAndCapture(L"TRACED", rc);
    initAndCapture(L"PLAIN", rc);
    ASSERT_EQ(rc.code, 0);
    HQRC r;
    EXPECT_EQ(HQConfiguration::getValueString(ComponentEnum::Agent, L"Host", r), L"box1");
    EXPECT_EQ(HQConfiguration::getValueInt(ComponentEnum::RTK, L"Fresh", r), 43);
    EXPECT_EQ(HQConfiguration::getValueInt(ComponentEnum::RTK, L"Retries", r), 3);
    EXPECT_EQ(r.code, 0);
    // The listing hides the password.
    testing::internal::CaptureStdout();
    conf.print();
    const std::string listing = testing::internal::GetCapturedStdout();
    EXPECT_NE(listing.find("DDD Sitename C HQ (site)"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("topsecret"), std::string::npos);
}
