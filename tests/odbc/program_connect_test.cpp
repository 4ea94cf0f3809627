// The program against a control database it cannot reach: the connection
// failure text on standard output and the connection's code as exit status.
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

} // namespace

TEST(ProgramConnect, UnknownDataSourcePrintsTheTextAndEndsWith2009) {
    const auto dir = qrt_test::makeTempDir("program_connect");
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTLITE", dir / "control.db"));
    std::ofstream(dir / "input.txt") << "<IR>\nSALES\n";
    const ChildResult r =
        ChildProcess(QRT_PROGRAM,
                     {(dir / "input.txt").string(), "NO_SUCH_DSN", "user", "pw-Secret-9"},
                     std::string(QRT_STAGE_DIR))
            .finish();
    EXPECT_EQ(r.out, connectFailedText());
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 2009 % 256); // 217
    EXPECT_EQ(r.out.find("pw-Secret-9"), std::string::npos);
}

TEST(ProgramConnect, DatabaseWithoutConfigurationTableEndsWithTheLoadCode) {
    const auto dir = qrt_test::makeTempDir("program_noconf");
    ASSERT_TRUE(qrt_test::sqliteExec(dir / "control.db", "CREATE TABLE x (a INTEGER);"));
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTLITE", dir / "control.db"));
    std::ofstream(dir / "input.txt") << "<IR>\nSALES\n";
    const ChildResult r =
        ChildProcess(QRT_PROGRAM, {(dir / "input.txt").string(), "QRTLITE", "", ""},
                     std::string(QRT_STAGE_DIR))
            .finish();
    EXPECT_EQ(r.out, connectFailedText());
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 2014 % 256); // the prepare of the configuration read
}
