// The program against a control database it cannot reach or read: the
// connection failure text on standard output, the connection's code as exit
// status, and one line on standard error that says what to fix (the
// SQLSTATE and the driver's message, what is wrong with the data source),
// never the password.
#include <gtest/gtest.h>

#include "tests/common/odbc_test_env.h"
#include "tests/startup/child_process.h"

namespace {

// The text of "QRT2IMP2_STR2" in the installed message file.
std::string connectFailedText() {
    std::ifstream in(QRT_STAGE_DIR "/bin/qztnxolv.str", std::ios::binary);
    std::string line;
    while (std::getline(in, line) && line != "QRT2IMP2_STR2") {
    }
    std::getline(in, line);
    return line + "\n";
}

const std::string kPassword = "pw-Secret-9";

// Runs the program on an input file of dir with the given data source.
ChildResult runOn(const std::filesystem::path& dir, const std::string& dsn) {
    std::ofstream(dir / "input.txt") << "<IR>\nSALES\n";
    return ChildProcess(QRT_PROGRAM, {(dir / "input.txt").string(), dsn, "user", kPassword},
                        std::string(QRT_STAGE_DIR))
        .finish();
}

// The standard-error line of a failed connect: one line, the given text in
// it, and no password anywhere.
void expectConnectFailure(const ChildResult& r, int32_t code, const std::string& part) {
    EXPECT_EQ(r.status, code % 256);
    EXPECT_EQ(r.out, connectFailedText());
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find(part), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("(return code " + std::to_string(code) + ", exit status " +
                         std::to_string(code % 256) + ")\n"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.out.find(kPassword), std::string::npos);
    EXPECT_EQ(r.err.find(kPassword), std::string::npos);
}

} // namespace

TEST(ProgramConnect, UnknownDataSourceEndsWith2009AndSaysWhereItWasLookedFor) {
    const auto dir = qrt_test::makeTempDir("program_connect");
    const auto ini = qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTLITE", dir / "control.db"));
    const ChildResult r = runOn(dir, "NO_SUCH_DSN");
    expectConnectFailure(r, 2009, "SQLSTATE IM002: ");
    EXPECT_NE(r.err.find("Data source \"NO_SUCH_DSN\" is not defined in " + ini.string() +
                         " (ODBCINI) nor in /etc/odbc.ini (ODBCSYSINI)."),
              std::string::npos)
        << r.err;
}

TEST(ProgramConnect, DataSourceWithAnUnknownDriverNamesTheDriver) {
    const auto dir = qrt_test::makeTempDir("program_driver");
    qrt_test::useOdbcIni(
        dir, "[QRTODD]\nDriver=SQLite 3\nDatabase=" + (dir / "control.db").string() + "\n\n");
    expectConnectFailure(runOn(dir, "QRTODD"), 2009,
                         "names the driver \"SQLite 3\", which is not installed (installed: ");
}

TEST(ProgramConnect, MissingDatabaseFileIsNamed) {
    const auto dir = qrt_test::makeTempDir("program_nofile");
    const auto noFolder = dir / "missing" / "control.db";
    const auto noFile = dir / "absent.db";
    const auto created = dir / "created.db";
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTNOFOLDER", noFolder) + "[QRTNOCREAT]\n" +
                                  "Driver=SQLite3\nDatabase=" + noFile.string() +
                                  "\nNoCreat=1\n\n" + qrt_test::sqliteDsn("QRTCREATE", created));
    // a file the driver cannot make, or is told not to make: the connect fails
    expectConnectFailure(runOn(dir, "QRTNOFOLDER"), 2009,
                         "Its database file " + noFolder.string() + " does not exist.");
    expectConnectFailure(runOn(dir, "QRTNOCREAT"), 2009,
                         "Its database file " + noFile.string() + " does not exist.");
    // otherwise the driver makes an empty file, which has no configuration table
    expectConnectFailure(runOn(dir, "QRTCREATE"), 2014,
                         "Its database file " + created.string() +
                             " is empty: the SQLite driver created it because it did not exist");
}

TEST(ProgramConnect, DatabaseWithoutConfigurationTableEndsWithTheLoadCode) {
    const auto dir = qrt_test::makeTempDir("program_noconf");
    ASSERT_TRUE(qrt_test::sqliteExec(dir / "control.db", "CREATE TABLE x (a INTEGER);"));
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTLITE", dir / "control.db"));
    const ChildResult r = runOn(dir, "QRTLITE");
    // the prepare of the configuration read fails
    expectConnectFailure(r, 2014,
                         "no such table: QRT.configuration (1). Reading the table "
                         "QRT.configuration failed: check prefix= (the schema of the control "
                         "tables) and that data source \"QRTLITE\" holds the control tables");
    EXPECT_EQ(r.err.find("is empty"), std::string::npos);
}
