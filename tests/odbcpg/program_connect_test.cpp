// The program against the test cluster with a wrong password: the connection
// failure text and 2009 as exit status, the server's refusal on standard
// error, and no trace of the password.
#include <gtest/gtest.h>

#include "tests/common/odbc_test_env.h"
#include "tests/startup/child_process.h"

TEST(ProgramConnectPg, WrongPasswordPrintsTheTextAndEndsWith2009) {
    const auto dir = qrt_test::makeTempDir("program_pg");
    qrt_test::useOdbcIni(dir, qrt_test::postgresDsn("QRTPG"));
    std::ofstream(dir / "input.txt") << "<IR>\nSALES\n";
    const ChildResult r = ChildProcess(QRT_PROGRAM,
                                       {(dir / "input.txt").string(), "QRTPG", QRT_PG_USER,
                                        "Wrong-Pw-77", "prefix=QRTODBC"},
                                       std::string(QRT_STAGE_DIR))
                              .finish();
    std::ifstream in(QRT_STAGE_DIR "/bin/qztnxolv.str");
    std::string line;
    while (std::getline(in, line) && line != "QRT2IMP2_STR2") {
    }
    std::getline(in, line);
    EXPECT_EQ(r.out, line + "\n");
    EXPECT_EQ(r.status, 217); // 2009 seen by the shell
    // one line: the driver's SQLSTATE and the server's refusal, code and status
    EXPECT_EQ(
        r.err.find("qrt2exp2: Could not connect to the control database QRTPG as user " QRT_PG_USER
                   ". SQLSTATE 08001: "),
        0u)
        << r.err;
    EXPECT_NE(r.err.find("password authentication failed for user \"" QRT_PG_USER "\""),
              std::string::npos);
    EXPECT_EQ(r.err.find("\n"), r.err.size() - 1);
    EXPECT_NE(r.err.find("(return code 2009, exit status 217)\n"), std::string::npos);
    EXPECT_EQ(r.out.find("Wrong-Pw-77"), std::string::npos);
    EXPECT_EQ(r.err.find("Wrong-Pw-77"), std::string::npos);
}
