// Writes that fail: a tag file on a full disk or cut by a file-size limit
// ends the export with 13001 and the system's reason (never exit status 0 or
// a silent kill), while a feedback file that cannot be written leaves the
// export's result alone and says so on standard error.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>

#include "tests/faults/program_run.h"

using namespace fault_test;

namespace {

class WriteFailure : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = qrt_test::makeTempDir("writes");
        const fs::path database = dir_ / "control.db";
        loaded_ =
            export_test::loadSqlite(database, {fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"});
        qrt_test::useOdbcIni(dir_, qrt_test::sqliteDsn("QRTWRITE", database));
        export_test::writeFile(dir_ / "export.inp", "<IR>\nSALESDB\nFLATFILES\nWAREHOUSE\n");
    }
    void SetUp() override {
        ASSERT_TRUE(loaded_);
        fs::remove(dir_ / "export.tag");
    }

    static ProgramRun run(const std::string& feedback = "feedback.txt", void (*child)() = nullptr,
                          const std::string& input = "export.inp") {
        return runProgram(dir_, {input, "QRTWRITE", "qrt", "qrtpw", "feedback=" + feedback}, {},
                          std::chrono::seconds(60), child);
    }

    static inline fs::path dir_;
    static inline bool loaded_ = false;
};

} // namespace

TEST_F(WriteFailure, ATagFileOnAFullDiskEndsTheExportWith13001) {
    fs::copy_file(dir_ / "export.inp", dir_ / "full.inp", fs::copy_options::overwrite_existing);
    fs::remove(dir_ / "full.tag");
    fs::create_symlink("/dev/full", dir_ / "full.tag");
    const ProgramRun r = run("feedback.txt", nullptr, "full.inp");
    EXPECT_EQ(r.status, 13001 & 0xff) << r.out << r.err;
    EXPECT_NE(r.out.find("Return code (code/native code): 13001/" + std::to_string(ENOSPC)),
              std::string::npos)
        << r.out;
    const std::vector<std::string> feedback = linesOf(r.feedback);
    ASSERT_EQ(feedback.size(), 4u) << r.feedback;
    EXPECT_EQ(feedback[2], ":RC.13001/" + std::to_string(ENOSPC));
    EXPECT_EQ(feedback[3],
              ":MESSAGE.The tag file full.tag could not be opened or written (No space left on "
              "device).");
}

TEST_F(WriteFailure, AFileSizeLimitEndsTheExportWith13001NotWithASignal) {
    const ProgramRun whole = run();
    ASSERT_EQ(whole.status, 0);
    ASSERT_GT(whole.tag.size(), 20000u);

    const ProgramRun cut = run("feedback.txt", [] {
        const rlimit limit{20000, 20000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(cut.signal, 0);
    EXPECT_EQ(cut.status, 13001 & 0xff) << cut.out << cut.err;
    EXPECT_LE(cut.tag.size(), 20000u);
    // What was written is the beginning of the export (its complete lines).
    const std::string written =
        export_test::maskRunLines(cut.tag.substr(0, cut.tag.rfind('\n') + 1));
    EXPECT_EQ(export_test::maskRunLines(whole.tag).rfind(written, 0), 0u);
    EXPECT_NE(cut.feedback.find(":RC.13001/" + std::to_string(EFBIG) + "\n"), std::string::npos)
        << cut.feedback;
}

TEST_F(WriteFailure, AnUnwritableFeedbackFileLeavesTheResultAlone) {
    const ProgramRun r = run("/dev/full");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "qrt2exp2: the export completed successfully.\n");
    EXPECT_EQ(r.err,
              "*** Warning: the feedback file /dev/full could not be written: No space left on "
              "device\n");
    EXPECT_NE(r.tag.find(":COMMENT. End of Tag file: export.tag"), std::string::npos);
}
