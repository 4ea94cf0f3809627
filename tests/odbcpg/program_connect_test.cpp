// The program against the test cluster with a wrong password: the connection
// failure text and 2009 as exit status, and no trace of the password.
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
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 217); // 2009 seen by the shell
    EXPECT_EQ(r.out.find("Wrong-Pw-77"), std::string::npos);
}
