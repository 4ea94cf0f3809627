// Failures before the export begins: the very first ODBC call failing takes
// the connect-failure path (no abort), and so does a connection lost while
// the configuration is read.
#include <gtest/gtest.h>

#include "tests/faults/program_run.h"

using namespace fault_test;

TEST(StartupFault, AFailingEnvironmentAllocationIsAConnectFailure) {
    const fs::path dir = qrt_test::makeTempDir("allocenv");
    export_test::writeFile(dir / "export.inp", "<IR>\nX\n");
    const ProgramRun r =
        runProgram(dir, {"export.inp", "NODSN", "qrt", "qrtpw", "feedback=feedback.txt"},
                   faultEnvironment({"QRT_FAULT_AT=1", "QRT_FAULT_MODE=error"}));
    EXPECT_EQ(r.signal, 0);
    EXPECT_EQ(r.status, 2003 & 0xff);
    EXPECT_EQ(r.out, "qrt2exp2: could not connect to the control database or read its "
                     "configuration.\n");
    EXPECT_FALSE(fs::exists(dir / "export.tag"));
}
