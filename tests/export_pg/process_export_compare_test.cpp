// The process export ("<PROC>") from SQLite and from PostgreSQL, with and
// without cascades (/s) and with source objects as relations only (/r): the
// sample warehouse's processes, those of a generated warehouse, and one input
// file naming every kind of object, give the same tag file on both, apart
// from the time and file-name lines.
#include <gtest/gtest.h>

#include "tests/export_pg/two_dbms_export.h"

using namespace export_test;

namespace {

// One warehouse loaded into SQLite and into PostgreSQL (under prefix), and
// exported from both with any input and options.
class TwoWarehouses {
public:
    TwoWarehouses(const std::string& tag, const fs::path& data, const std::string& prefix)
        : lite_(qrt_test::makeTempDir(tag + "-sqlite")), pg_(qrt_test::makeTempDir(tag + "-pg")),
          prefix_(prefix) {
        EXPECT_TRUE(loadSqlite(lite_ / "control.db", {data}))
            << readFile(lite_.string() + "/control.db.load.log");
        loadPostgres(pg_, QRT_PG_DB, prefix, data);
    }

    // Exports from both; expects the same tag file and gives the one from
    // SQLite (masked).
    std::string exportBoth(const std::string& input, const std::string& options) {
        qrt_test::useOdbcIni(lite_, qrt_test::sqliteDsn("QRTWH", lite_ / "control.db"));
        const ExportResult lite =
            runExport(lite_, "QRTWH", input, "qrt", "qrtpw", prefix_, options);
        EXPECT_EQ(lite.status, 0) << options << "\n" << lite.output;
        const std::string masked = maskRunLines(lite.tag);
        EXPECT_EQ(exportPostgres(pg_, QRT_PG_DB, prefix_, input, options), masked) << options;
        return masked;
    }

private:
    fs::path lite_;
    fs::path pg_;
    std::string prefix_;
};

// The lines of a section of an input file, from its keyword to the next one.
std::string section(const std::string& input, const std::string& keyword) {
    const size_t start = input.find(keyword + "\n");
    if (start == std::string::npos)
        return {};
    const size_t end = input.find("\n<", start);
    return input.substr(start, end == std::string::npos ? std::string::npos : end + 1 - start);
}

const fs::path kSample = fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql";

std::string sampleInput(const std::string& name) {
    return readFile(fs::path(QRT_SOURCE_DIR) / "samples" / name);
}

} // namespace

TEST(ProcessExportCompare, SampleProcessesGiveTheSameTagFileWithEverySwitch) {
    TwoWarehouses both("cmp-proc", kSample, "QRTCMPPROC");
    const std::string proc = sampleInput("export_proc.inp");
    const std::string plain = both.exportBoth(proc, "");
    const std::string cascades = both.exportBoth(proc, "/s");
    const std::string relations = both.exportBoth(proc, "/r");
    const std::string all = both.exportBoth(proc, "/s /r");
    EXPECT_EQ(countOf(plain, "Begin PROCESS Instance"), 2u);
    EXPECT_EQ(countOf(plain, "Begin QRTSCHED Instance"), 0u);
    EXPECT_EQ(countOf(cascades, "Begin QRTSCHED Instance"), 9u);
    EXPECT_EQ(countOf(cascades, "Begin BVPOSTBV Instance"), 2u);
    // The source database of the first step is written later, with the
    // process's tables.
    EXPECT_GT(relations.find("    NAME(SALESDB)\n"), plain.find("    NAME(SALESDB)\n"));
    EXPECT_EQ(countOf(all, "Begin BVFAILBV Instance"), 2u);

    const std::string weekly = sampleInput("export_weekly.inp");
    EXPECT_EQ(countOf(both.exportBoth(weekly, ""), "    QRTSQL("), 2u);
    EXPECT_EQ(countOf(both.exportBoth(weekly, "/r"), "Begin BVUDPOUT Instance"), 1u);
}

TEST(ProcessExportCompare, GeneratedProcessesGiveTheSameTagFileWithEverySwitch) {
    const fs::path dir = qrt_test::makeTempDir("cmp-proc-generated");
    ASSERT_EQ(runCommand(std::string("'" QRT_STAGE_DIR "/bin/generate_warehouse' --seed=5 "
                                     "--databases=3 --tables=4 --columns=3 --steps=25 "
                                     "--processes=7 --edge-blanks=0 '") +
                         (dir / "w.sql").string() + "' '" + (dir / "w.inp").string() +
                         "' > /dev/null"),
              0);
    const std::string input = section(readFile(dir / "w.inp"), "<PROC>");
    ASSERT_EQ(countOf(input, "\n"), 8u) << input;

    TwoWarehouses both("cmp-proc-gen", dir / "w.sql", "QRTCMPGENP");
    const std::string plain = both.exportBoth(input, "");
    both.exportBoth(input, "/r");
    const std::string cascades = both.exportBoth(input, "/s /r");
    EXPECT_EQ(countOf(plain, "Begin PROCESS Instance"), 7u);
    EXPECT_GT(countOf(plain, "Begin QRTSAVU Instance"), 15u);
    for (const char* record : {"QRTSCHED", "PRPOSTBV", "PRFAILBV", "BVPOSTBV", "BVFAILBV",
                               "BVNTFYSG", "BVPARENT", "QRTAGGRF"})
        EXPECT_GT(countOf(cascades, std::string("Begin ") + record + " Instance"), 0u) << record;
    EXPECT_GT(countOf(cascades, "    SCHMONOY(-1)\n"), 0u);
}

TEST(ProcessExportCompare, OneInputFileNamingEveryKindExportsEverySectionInOneRun) {
    TwoWarehouses both("cmp-all", kSample, "QRTCMPALL");
    const std::string tag = both.exportBoth(sampleInput("export.inp"), "/s /r");
    for (const char* comment :
         {":COMMENT. Start IR export\n", ":COMMENT. Start Process export\n",
          ":COMMENT. Start UDP export\n", ":COMMENT. Start Star Schema export\n"})
        EXPECT_EQ(countOf(tag, comment), 1u) << comment;
    for (const char* record :
         {"DATABASE", "PROCESS", "QRTSAVU", "QRTUDPGR", "STARSCHM", "QRTSCHED", "BVPOSTBV"})
        EXPECT_GT(countOf(tag, std::string("Begin ") + record + " Instance"), 0u) << record;
    // The databases come first and are written in full; the steps of the
    // processes then only relate to them.
    EXPECT_EQ(countOf(tag, "Begin DATABASE Instance"), 3u);
}
