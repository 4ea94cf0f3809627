// Writes of the object model that fail half way: each ODBC call of a write
// operation (a delete with dependent objects, a create with long texts and
// relation rows, an update that renames) is made to fail in turn, alone or
// as a lost connection. Every run must end with the control database exactly
// as before the operation, or, where the failure was absorbed, exactly as
// after the operation's clean run; never a crash or a hang.
#include <gtest/gtest.h>

#include <regex>

#include "dictionary/attribute.h"
#include "dictionary/data_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "tests/common/control_rows.h"
#include "tests/common/warehouse_builder.h"
#include "tests/faults/program_run.h"

using namespace fault_test;

namespace {

// The first line in which two dumps differ, for a readable failure.
std::string firstDifference(const std::string& a, const std::string& b) {
    const std::vector<std::string> x = linesOf(a), y = linesOf(b);
    for (size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
        const std::string l = i < x.size() ? x[i] : "(end)";
        const std::string r = i < y.size() ? y[i] : "(end)";
        if (l != r)
            return "line " + std::to_string(i + 1) + ":\n  " + l + "\n  " + r;
    }
    return "none";
}

#if defined(__SANITIZE_ADDRESS__)
constexpr int kStep = 5;
#else
constexpr int kStep = 1;
#endif

class WriteFaults : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        dir_ = new fs::path(qrt_test::makeTempDir("writefaults"));
        const fs::path master = *dir_ / "master.db";
        ASSERT_TRUE(
            export_test::loadSqlite(master, {fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"}));
        qrt_test::useOdbcIni(*dir_, qrt_test::sqliteDsn("QRTMASTER", master) +
                                        qrt_test::sqliteDsn("QRTWORK", *dir_ / "work.db"));
        // A table of SALESDB that nothing uses, with what belongs to it.
        qrt_test::buildWarehouse("QRTMASTER", "QRT", [](qrt_test::WarehouseBuilder& b) {
            b.add<DataResource>("0000009201", L"SALES.SCRATCH", [](DataResource& t) {
                t.setLongDescription(L"goes away");
                t.setCreateStmt(L"CREATE TABLE SALES.SCRATCH (A INTEGER)");
            });
            b.add<Attribute>("0000009301", L"A", [](Attribute& a) { a.setLongDescription(L"A"); });
            b.add<PrimaryKey>("0000009401", L"PK_SCRATCH");
            b.add<KeyMap>("0000009501", L"PK_SCRATCH_1");
            b.relate(rel::IR_TO_DR_Rel, "0000000101", "0000009201");
            b.relate(rel::DR_TO_Attr_Rel, "0000009201", "0000009301");
            b.relate(rel::DR_TO_PrimaryKey_Rel, "0000009201", "0000009401");
            b.relate(rel::KeyMap_TO_PrimaryKey, "0000009501", "0000009401");
            b.relate(rel::Attr_TO_PKeyMap_Rel, "0000009501", "0000009301");
        });
        masterDump_ = new std::string(masked(qrt_test::sqliteDump(master)));
    }
    static void TearDownTestSuite() {
        delete dir_;
        delete masterDump_;
    }

    // Runs the operation on a fresh copy of the master database; the dump of
    // the copy afterwards, with the time stamps that the write side stored
    // (those with fractions) masked: they differ from run to run.
    static std::string runOnCopy(const std::vector<std::string>& env, ProgramRun& run) {
        const fs::path work = *dir_ / "work.db";
        fs::copy_file(*dir_ / "master.db", work, fs::copy_options::overwrite_existing);
        fs::remove(work.string() + "-journal");
        const StartedProgram started = startOperation(env);
        run = finishProgram(started, std::chrono::seconds(60), [] {});
        return masked(qrt_test::sqliteDump(work));
    }

    static std::string masked(const std::string& dump) {
        static const std::regex written(R"('\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d+')");
        return std::regex_replace(dump, written, "'(written)'");
    }

    static StartedProgram startOperation(const std::vector<std::string>& extra) {
        StartedProgram started{-1, *dir_, std::chrono::steady_clock::now()};
        std::vector<std::string> env = environmentWith(extra);
        const std::vector<std::string> argv = {QRT_WRITE_OPERATION, "QRTWORK", GetParam()};
        const std::string out = (*dir_ / "stdout.txt").string();
        const std::string err = (*dir_ / "stderr.txt").string();
        started.pid = fork();
        if (started.pid == 0) {
            const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(o, 1);
            ::dup2(e, 2);
            execProgram(argv, env);
        }
        return started;
    }

    static inline fs::path* dir_ = nullptr;
    static inline std::string* masterDump_ = nullptr;
};

TEST_P(WriteFaults, EveryFailingCallLeavesTheDatabaseAsBeforeOrAsAfter) {
    const fs::path counter = *dir_ / "counter";
    const fs::path log = *dir_ / "calls.log";
    fs::remove(counter);
    fs::remove(log);
    ProgramRun clean;
    const std::string after = runOnCopy(faultEnvironment({"QRT_FAULT_COUNTER=" + counter.string(),
                                                          "QRT_FAULT_LOG=" + log.string()}),
                                        clean);
    ASSERT_EQ(clean.status, 0) << clean.out << clean.err;
    ASSERT_NE(after, *masterDump_);
    ASSERT_EQ(runOnCopy({}, clean), after) << "the clean run differs from run to run";
    const std::vector<std::string> calls = linesOf(export_test::readFile(log));
    ASSERT_GT(calls.size(), 20u);

    int failed = 0;
    for (size_t at = 1; at <= calls.size(); at += kStep) {
        for (const char* mode : {"error", "lost"}) {
            if (std::string(mode) == "lost" && at % 3 != 0)
                continue; // the lost connection at every third call
            ProgramRun run;
            const std::string dump =
                runOnCopy(faultEnvironment({"QRT_FAULT_AT=" + std::to_string(at),
                                            "QRT_FAULT_MODE=" + std::string(mode)}),
                          run);
            const std::string what = calls[at - 1] + " (" + mode + ")";
            ASSERT_FALSE(run.timedOut) << what;
            ASSERT_EQ(run.signal, 0) << what << run.err;
            ASSERT_TRUE(run.status == 0 || run.status == 1) << what << run.out << run.err;
            if (run.status == 1) {
                ++failed;
                EXPECT_TRUE(dump == *masterDump_)
                    << what << ": " << run.out << firstDifference(dump, *masterDump_);
            } else {
                EXPECT_TRUE(dump == after) << what << ": absorbed, but the result differs "
                                           << firstDifference(dump, after);
            }
        }
    }
    EXPECT_GT(failed, 0);
}

INSTANTIATE_TEST_SUITE_P(Operations, WriteFaults,
                         ::testing::Values("destroy-table", "create-table", "rename-database"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
