// Star schemas exported from SQLite and from PostgreSQL: the sample's and
// those of a generated warehouse (hostile names, links of every type, ties
// and NULLs in the time stamps that order the links) give the same tag file
// on both, apart from the time and file-name lines.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/export_pg/two_dbms_export.h"

using namespace export_test;

namespace {

// Exports input from the data file on both; expects the same tag file and
// hands back the one from SQLite.
std::string exportOnBoth(const fs::path& data, const std::string& input,
                         const std::string& prefix) {
    const ExportResult lite =
        exportSqlite(qrt_test::makeTempDir("cmp-sqlite-" + prefix), data, input, prefix);
    EXPECT_EQ(lite.status, 0) << lite.output;
    const fs::path pgDir = qrt_test::makeTempDir("cmp-postgres-" + prefix);
    loadPostgres(pgDir, QRT_PG_DB, prefix, data);
    EXPECT_EQ(exportPostgres(pgDir, QRT_PG_DB, prefix, input), maskRunLines(lite.tag));
    return lite.tag;
}

// The "<SCHEMA>" section of an input file: its keyword line and the names
// under it, up to the next section line.
std::string schemaSection(const std::string& input) {
    std::istringstream in(input);
    std::string line;
    std::string section;
    bool inside = false;
    while (std::getline(in, line)) {
        const bool keyword = line.size() > 1 && line.front() == '<' && line.back() == '>';
        if (keyword)
            inside = line == "<SCHEMA>";
        if (inside)
            section += line + "\n";
    }
    return section;
}

} // namespace

TEST(StarSchemaPostgres, SampleStarSchemasGiveTheSameTagFile) {
    const std::string tag =
        exportOnBoth(fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql",
                     readFile(fs::path(QRT_SOURCE_DIR) / "samples/schema.inp"), "QRTCMPSTAR");
    EXPECT_EQ(countOf(tag, "Begin STARSCHM Instance"), 3u);
}

TEST(StarSchemaPostgres, GeneratedStarSchemasGiveTheSameTagFile) {
    const fs::path dir = qrt_test::makeTempDir("gen-star");
    const std::string generate = std::string("'" QRT_STAGE_DIR "/bin/generate_warehouse' --seed=11 "
                                             "--databases=6 --tables=9 --columns=4 --schemas=9 '") +
                                 (dir / "w.sql").string() + "' '" + (dir / "w.inp").string() +
                                 "' > '" + (dir / "generate.log").string() + "' 2>&1";
    ASSERT_EQ(runCommand(generate), 0) << readFile(dir / "generate.log");
    const std::string input = schemaSection(readFile(dir / "w.inp"));
    ASSERT_EQ(countOf(input, "\n"), 11u) << input; // keyword, nine names, the first again

    const std::string tag = exportOnBoth(dir / "w.sql", input, "QRTCMPGEN");
    EXPECT_EQ(countOf(tag, "Begin STARSCHM Instance"), 9u);
    EXPECT_GT(countOf(tag, "Begin ATLATTR2 Instance"), 0u);
    EXPECT_GT(countOf(tag, "    ATLROWX("), 0u);
}
