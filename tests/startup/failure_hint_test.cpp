// The standard-error line of a failed run, as composed from a return code:
// the driver's SQLSTATE and message on one line, what the driver manager's
// lists tell about the data source, the return code with the exit status the
// shell sees, and never the password. (The program's own runs are tested
// with the program.)
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "export/failure_hint.h"
#include "tests/common/odbc_test_env.h"
#include "tests/runtime/scoped_env.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

ExportRequest request(const std::string& dsn, const std::string& password = "pw") {
    ExportRequest r;
    r.inputFile = L"in.inp";
    r.database = HQSTRING(dsn);
    r.user = L"user";
    r.password = HQSTRING(password);
    return r;
}

HQRC connectFailure(const std::string& sqlState, const std::string& message) {
    HQRC rc(2009, -9999, DomainODBC);
    rc.location = L"HQOdbc::connect";
    rc.sqlState = HQSTRING(sqlState);
    rc.nativeMessage = HQSTRING(message);
    return rc;
}

DataSourceInfo sqliteSource(const std::string& database) {
    DataSourceInfo info;
    info.defined = true;
    info.driver = "SQLite3";
    info.driverInstalled = true;
    info.installedDrivers = {"SQLite3"};
    info.database = database;
    return info;
}

const char* const kImMessage =
    "[unixODBC][Driver Manager]Data source name not found and no default driver specified";

} // namespace

TEST(FailureHint, UnknownDataSourceNamesTheFilesTheDriverManagerReads) {
    ScopedEnv ini("ODBCINI", "/home/u/my.ini");
    ScopedEnv sys("ODBCSYSINI", std::nullopt);
    const DataSourceInfo unknown; // not defined
    const std::string hint =
        startHint(connectFailure("IM002", kImMessage),
                  "Could not connect to the control database NODSN as user user.", request("NODSN"),
                  &unknown);
    EXPECT_EQ(hint, "qrt2exp2: Could not connect to the control database NODSN as user user. "
                    "SQLSTATE IM002: " +
                        std::string(kImMessage) +
                        ". Data source \"NODSN\" is not defined in /home/u/my.ini (ODBCINI) nor in "
                        "/etc/odbc.ini. (return code 2009, exit status 217)");
}

TEST(FailureHint, SqliteDataSourceWithoutItsFileSaysSo) {
    const auto dir = qrt_test::makeTempDir("hint_missing_file");
    const std::string file = (dir / "none" / "control.db").string();
    const DataSourceInfo info = sqliteSource(file);
    const std::string hint = startHint(connectFailure("S1000", "[unixODBC][SQLite]connect failed"),
                                       "", request("LITE"), &info);
    EXPECT_THAT(hint,
                HasSubstr("SQLSTATE S1000: [unixODBC][SQLite]connect failed. Its database file " +
                          file + " does not exist."));
    // a file that is there draws no such remark, and nor does a data source
    // that was not looked up
    std::ofstream(dir / "control.db") << "x";
    const DataSourceInfo present = sqliteSource((dir / "control.db").string());
    EXPECT_THAT(startHint(connectFailure("S1000", "x"), "", request("LITE"), &present),
                Not(HasSubstr("database file")));
    EXPECT_EQ(startHint(connectFailure("S1000", "x"), "", request("LITE"), nullptr),
              "qrt2exp2: SQLSTATE S1000: x. (return code 2009, exit status 217)");
}

TEST(FailureHint, DriverMessageIsOneLineAndNeverShowsThePassword) {
    const std::string hint = startHint(
        connectFailure("08001", "FATAL:  password \"Pw-77\" refused\n\tfor user \"qrt\"\n"), "",
        request("PG", "Pw-77"), nullptr);
    EXPECT_EQ(hint, "qrt2exp2: SQLSTATE 08001: FATAL: password \"***\" refused for user \"qrt\". "
                    "(return code 2009, exit status 217)");
    // a failure without message text or driver words names its place
    HQRC bare(2012, 0, DomainODBC);
    bare.location = L"HQOdbcConnect::setSchemaPrefix";
    EXPECT_EQ(startHint(bare, "", request("X"), nullptr),
              "qrt2exp2: the start failed in HQOdbcConnect::setSchemaPrefix. (return code 2012, "
              "exit status 220)");
}

TEST(FailureHint, ExportFailureGivesPlaceMessageCodeAndStatus) {
    HQRC rc(13101, 0, DomainExport);
    rc.location = L"export_tagfile";
    EXPECT_EQ(exportHint(rc, "The input file x.inp could not be opened for reading.", "pw"),
              "qrt2exp2: the export failed in export_tagfile: The input file x.inp could not be "
              "opened for reading. (return code 13101, exit status 45)");
    HQRC fetch(2015, 7, DomainODBC);
    fetch.location = L"HQOdbcCursor::fetch";
    fetch.sqlState = L"HY000";
    fetch.nativeMessage = L"disk I/O error";
    EXPECT_EQ(exportHint(fetch, "", "pw"), "qrt2exp2: the export failed in HQOdbcCursor::fetch: "
                                           "SQLSTATE HY000: disk I/O error. (return code 2015, "
                                           "exit status 223)");
}
