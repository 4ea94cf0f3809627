// Warehouses exported from SQLite and from PostgreSQL: both runs name the same
// DSN and must write the same tag file apart from the time and file-name
// lines, whatever order the rows were stored in, whatever plan the server
// picks and whatever collation the database was created with.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/export_pg/two_dbms_export.h"

using namespace export_test;

namespace {

// Positions of the texts in the tag, in the order given; fails for a missing one.
std::vector<size_t> positionsOf(const std::string& tag, const std::vector<std::string>& texts) {
    std::vector<size_t> positions;
    for (const std::string& text : texts) {
        positions.push_back(tag.find(text));
        EXPECT_NE(positions.back(), std::string::npos) << "missing: " << text;
    }
    return positions;
}

} // namespace

TEST(SqlitePostgresExport, SampleDatabasesGiveTheSameTagFile) {
    const fs::path sample = fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql";
    const std::string input = readFile(fs::path(QRT_SOURCE_DIR) / "samples/export_ir.inp");

    const fs::path liteDir = qrt_test::makeTempDir("cmp-sqlite");
    const ExportResult lite = exportSqlite(liteDir, sample, input, "QRTCMP");
    ASSERT_EQ(lite.status, 0) << lite.output;

    const fs::path pgDir = qrt_test::makeTempDir("cmp-postgres");
    loadPostgres(pgDir, QRT_PG_DB, "QRTCMP", sample);
    const std::string pg = exportPostgres(pgDir, QRT_PG_DB, "QRTCMP", input);

    EXPECT_GT(countOf(lite.tag, "Begin TABLES Instance"), 0u);
    EXPECT_EQ(pg, maskRunLines(lite.tag));
}

TEST(SqlitePostgresExport, RowsStoredAgainstTheirOrderGiveTheSameTagFileEverywhere) {
    const fs::path data = fs::path(QRT_TEST_DATA_DIR) / "unordered_warehouse.sql";
    const std::string input = "<IR>\nSALES\nWHS\n";

    const fs::path liteDir = qrt_test::makeTempDir("order-sqlite");
    const ExportResult lite = exportSqlite(liteDir, data, input, "QRTORD");
    ASSERT_EQ(lite.status, 0) << lite.output;
    const std::string expected = maskRunLines(lite.tag);
    // The order the tag file shows: the database with the lower identifier,
    // tables, columns and key maps in byte order of their identifiers, long
    // texts in sequence, a stored "-1" as a negative number.
    EXPECT_NE(lite.tag.find("SHRTDESC(Order entry)"), std::string::npos);
    EXPECT_EQ(lite.tag.find("NOTTHISDSN"), std::string::npos);
    const std::vector<size_t> tables =
        positionsOf(lite.tag, {"    NAME(S.DASH)\n", "    NAME(S.DIGIT)\n", "    NAME(S.UPPER_B)\n",
                               "    NAME(S.UNDERSCORE)\n", "    NAME(S.LOWER_B)\n"});
    EXPECT_TRUE(std::is_sorted(tables.begin(), tables.end()));
    const std::vector<size_t> columns =
        positionsOf(lite.tag, {"    NAME(DOT_COL)\n", "    NAME(ZERO_COL)\n",
                               "    NAME(BIG_Z_COL)\n", "    NAME(Z_COL)\n"});
    EXPECT_TRUE(std::is_sorted(columns.begin(), columns.end()));
    EXPECT_NE(lite.tag.find("CREATYPE(-1)"), std::string::npos);
    EXPECT_NE(lite.tag.find("Customer"), std::string::npos);
    EXPECT_LT(lite.tag.find("Customer"), lite.tag.find("Margin Item"));
    EXPECT_NE(lite.tag.find("first, second, tenth"), std::string::npos);

    const fs::path pgDir = qrt_test::makeTempDir("order-postgres");
    loadPostgres(pgDir, QRT_PG_DB, "QRTORD", data);
    EXPECT_EQ(exportPostgres(pgDir, QRT_PG_DB, "QRTORD", input), expected) << "before ANALYZE";
    // With statistics the server reads these small tables by scanning them,
    // in the order their rows were stored.
    psql(pgDir, QRT_PG_DB, "ANALYZE qrtord.relationship, qrtord.qrtstrings, qrtord.inforesource");
    EXPECT_EQ(exportPostgres(pgDir, QRT_PG_DB, "QRTORD", input), expected) << "after ANALYZE";

    // A database whose text order is linguistic: lower case before upper
    // case, punctuation before digits.
    psql(pgDir, "postgres", "DROP DATABASE IF EXISTS qrt_icu", true);
    psql(pgDir, "postgres",
         "CREATE DATABASE qrt_icu OWNER " QRT_PG_USER
         " TEMPLATE template0 LOCALE_PROVIDER icu ICU_LOCALE 'en-US' ENCODING 'UTF8'",
         true);
    loadPostgres(pgDir, "qrt_icu", "QRTORD", data);
    psql(pgDir, "qrt_icu", "ANALYZE");
    EXPECT_EQ(exportPostgres(pgDir, "qrt_icu", "QRTORD", input), expected) << "ICU collation";
    psql(pgDir, "postgres", "DROP DATABASE qrt_icu", true);
}
