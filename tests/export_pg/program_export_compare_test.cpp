// The program export ("<UDP>") from SQLite and from PostgreSQL: the sample
// warehouse's program groups and those of a generated warehouse give the same
// tag file on both, apart from the time and file-name lines.
#include <gtest/gtest.h>

#include "tests/export_pg/two_dbms_export.h"

using namespace export_test;

namespace {
// Exports the data file with the input from both DBMSs under the prefix;
// expects the same tag file and gives the one from SQLite.
std::string exportOnBoth(const std::string& tag, const fs::path& data, const std::string& input,
                         const std::string& prefix) {
    const ExportResult lite =
        exportSqlite(qrt_test::makeTempDir(tag + "-sqlite"), data, input, prefix);
    EXPECT_EQ(lite.status, 0) << lite.output;
    const fs::path pgDir = qrt_test::makeTempDir(tag + "-postgres");
    loadPostgres(pgDir, QRT_PG_DB, prefix, data);
    EXPECT_EQ(exportPostgres(pgDir, QRT_PG_DB, prefix, input), maskRunLines(lite.tag));
    return lite.tag;
}
} // namespace

TEST(SqlitePostgresExport, SampleProgramGroupsGiveTheSameTagFile) {
    const std::string tag =
        exportOnBoth("cmp-udp", fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql",
                     readFile(fs::path(QRT_SOURCE_DIR) / "samples/export_udp.inp"), "QRTCMPUDP");
    EXPECT_EQ(countOf(tag, "Begin QRTPROGF Instance"), 3u);
    EXPECT_EQ(countOf(tag, "Begin QRTPARM Instance"), 9u);
}

TEST(SqlitePostgresExport, GeneratedProgramGroupsGiveTheSameTagFile) {
    const fs::path dir = qrt_test::makeTempDir("cmp-udp-generated");
    const fs::path sql = dir / "w.sql";
    const fs::path input = dir / "w.inp";
    ASSERT_EQ(runCommand(std::string("'" QRT_STAGE_DIR "/bin/generate_warehouse' --seed=11 "
                                     "--databases=3 --tables=2 --columns=2 --programs=30 '") +
                         sql.string() + "' '" + input.string() + "' > /dev/null"),
              0);
    // Only the program groups: the generated input names them under "<UDP>".
    const std::string all = readFile(input);
    const size_t section = all.find("<UDP>\n");
    ASSERT_NE(section, std::string::npos) << all;

    const std::string tag = exportOnBoth("cmp-udp-gen", sql, all.substr(section), "QRTCMPGEN");
    EXPECT_GT(countOf(tag, "Begin QRTPROGF Instance"), 10u);
    EXPECT_GT(countOf(tag, "Begin QRTPARM Instance"), 30u);
    EXPECT_GT(countOf(tag, "    PRMTYPE(3)\n"), 0u);
    EXPECT_GT(countOf(tag, "    PRMTYPE(0)\n"), 0u);
    EXPECT_GT(countOf(tag, "PRMDATA(CALL P'('"), 0u) << "long values from the strings table";
    EXPECT_GT(countOf(tag, "Begin DATABASE Instance"), 0u);
    EXPECT_EQ(tag.find("never (written)"), std::string::npos) << "a password parameter's text";
}
