// One failing ODBC call at every position of an export of a database of the
// sample warehouse: first a clean run counts the program's calls, then the
// program runs once per call number with that call failing, either alone (an
// error with a diagnostic record), or together with every later call (a lost
// connection), or, for an execute, answering "no data". Each run must take
// the failure path completely, or, where the failure is absorbed, write
// exactly the tag and feedback files of the clean run. Never a crash, a hang,
// a sanitizer report or an exit status 0 with different output.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "tests/faults/program_run.h"

using namespace fault_test;

namespace {

// Under the sanitizers a run takes several times as long: every k-th call.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kStep = 7;
#else
constexpr int kStep = 1;
#endif

class FaultInjection : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new fs::path(qrt_test::makeTempDir("faults"));
        const fs::path database = *dir_ / "control.db";
        ASSERT_TRUE(export_test::loadSqlite(database,
                                            {fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"}));
        qrt_test::useOdbcIni(*dir_, qrt_test::sqliteDsn("QRTFAULT", database));
        // One database of the sample with everything a database export
        // writes: agent sites, security groups with user functions, tables,
        // columns, primary and foreign keys with key maps, long texts.
        export_test::writeFile(*dir_ / "export.inp", "<IR>\nSALESDB\n");

        const fs::path counter = *dir_ / "counter";
        const fs::path log = *dir_ / "calls.log";
        const ProgramRun clean =
            runProgram(*dir_, arguments(),
                       faultEnvironment({"QRT_FAULT_COUNTER=" + counter.string(),
                                         "QRT_FAULT_LOG=" + log.string()}));
        ASSERT_EQ(clean.status, 0) << clean.out << clean.err;
        cleanTag_ = new std::string(export_test::maskRunLines(clean.tag));
        cleanFeedback_ = new std::string(clean.feedback);
        calls_ = new std::vector<std::string>();
        for (const std::string& line : linesOf(export_test::readFile(log)))
            calls_->push_back(line.substr(line.find(' ') + 1));
    }
    static void TearDownTestSuite() {
        delete dir_;
        delete cleanTag_;
        delete cleanFeedback_;
        delete calls_;
    }

    static std::vector<std::string> arguments() {
        return {"export.inp", "QRTFAULT", "qrt", "qrtpw", "feedback=feedback.txt"};
    }

    // Runs every k-th call number in the mode (only those of the functions
    // named, when some are) and checks every outcome.
    static void runEveryPosition(const std::string& mode,
                                 const std::vector<std::string>& functions = {}) {
        ASSERT_GT(calls_->size(), 100u);
        std::map<std::string, int> classes;
        std::vector<std::string> bad;
        double longest = 0;
        for (size_t n = 1; n <= calls_->size(); n += kStep) {
            if (!functions.empty() &&
                std::find(functions.begin(), functions.end(), (*calls_)[n - 1]) == functions.end())
                continue;
            const ProgramRun run = runProgram(
                *dir_, arguments(),
                faultEnvironment({"QRT_FAULT_AT=" + std::to_string(n), "QRT_FAULT_MODE=" + mode}),
                std::chrono::seconds(60));
            longest = std::max(longest, run.seconds);
            const std::string outcome = classify(run, *cleanTag_, *cleanFeedback_);
            ++classes[outcome == "absorbed" ? outcome + " (" + (*calls_)[n - 1] + ")" : outcome];
            if (outcome.rfind("BAD", 0) == 0)
                bad.push_back("call " + std::to_string(n) + " " + (*calls_)[n - 1] + ": " +
                              outcome + "\n" + run.out + run.err);
        }
        std::string summary = mode + " mode, " + std::to_string(calls_->size()) + " calls, step " +
                              std::to_string(kStep) + ":";
        for (const auto& [outcome, count] : classes)
            summary += "\n  " + outcome + ": " + std::to_string(count);
        std::printf("%s\n  longest run %.2f s\n", summary.c_str(), longest);
        for (const std::string& b : bad)
            ADD_FAILURE() << b;
    }

    static fs::path* dir_;
    static std::string* cleanTag_;
    static std::string* cleanFeedback_;
    static std::vector<std::string>* calls_; // function name of each call, in order
};

fs::path* FaultInjection::dir_ = nullptr;
std::string* FaultInjection::cleanTag_ = nullptr;
std::string* FaultInjection::cleanFeedback_ = nullptr;
std::vector<std::string>* FaultInjection::calls_ = nullptr;

} // namespace

TEST_F(FaultInjection, CleanRunCallsEveryKindOfFunction) {
    ASSERT_FALSE(calls_->empty());
    EXPECT_EQ(calls_->front(), "SQLAllocEnv");
    for (const char* name :
         {"SQLAllocConnect", "SQLDriverConnect", "SQLAllocStmt", "SQLPrepare", "SQLBindParameter",
          "SQLBindCol", "SQLExecute", "SQLFetch", "SQLFreeStmt", "SQLExecDirect", "SQLGetInfo"})
        EXPECT_NE(std::find(calls_->begin(), calls_->end(), name), calls_->end()) << name;
}

TEST_F(FaultInjection, EveryFailingCallTakesTheFailurePathOrChangesNothing) {
    runEveryPosition("error");
}

TEST_F(FaultInjection, ALostConnectionAtEveryCallTakesTheFailurePath) {
    runEveryPosition("lost");
}

TEST_F(FaultInjection, AnExecuteThatAnswersNoDataTakesTheFailurePath) {
    // Only a fetch ends the rows of a query; "no data" from the execute of a
    // query or of a statement of the connection is a failure.
    runEveryPosition("nodata", {"SQLExecute", "SQLExecDirect"});
}
