// Golden-file tests of the sample warehouse's exports on SQLite: the tag file
// of samples/export_ir.inp ("<IR>"), samples/export_udp.inp ("<UDP>"),
// samples/schema.inp ("<SCHEMA>"), samples/export_proc.inp ("<PROC>" with
// cascades) and samples/export_weekly.inp ("<PROC>" with source objects as
// relations only), with their time and file-name lines masked, must equal the
// files in tests/exporters/golden line for line.
#include <gtest/gtest.h>

#include "tests/exporters/export_run.h"

using namespace export_test;

namespace {
// The sample warehouse, loaded into a new SQLite file, exported in dir with an
// input file of samples/ and the options.
ExportResult exportSample(const fs::path& dir, const std::string& input,
                          const std::string& options = "") {
    const fs::path database = dir / "control.db";
    EXPECT_TRUE(loadSqlite(database, {fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"}))
        << readFile(database.string() + ".load.log");
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTWH", database));
    return runExport(dir, "QRTWH", readFile(fs::path(QRT_SOURCE_DIR) / "samples" / input), "qrt",
                     "qrtpw", "QRT", options);
}
} // namespace

TEST(SampleExport, DatabasesOfTheSampleWarehouseMatchTheGoldenFile) {
    const ExportResult r = exportSample(qrt_test::makeTempDir("sample"), "export_ir.inp");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");
    EXPECT_EQ(goldenMismatch(r.tag, fs::path(QRT_TEST_DATA_DIR) / "golden/sample_ir.tag"), "");
}

TEST(SampleExport, ProgramGroupsOfTheSampleWarehouseMatchTheGoldenFile) {
    const ExportResult r = exportSample(qrt_test::makeTempDir("sample_udp"), "export_udp.inp");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");
    EXPECT_EQ(goldenMismatch(r.tag, fs::path(QRT_TEST_DATA_DIR) / "golden/sample_udp.tag"), "");
}

TEST(SampleExport, StarSchemasOfTheSampleWarehouseMatchTheGoldenFile) {
    const ExportResult r = exportSample(qrt_test::makeTempDir("sample_schema"), "schema.inp");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");
    EXPECT_EQ(goldenMismatch(r.tag, fs::path(QRT_TEST_DATA_DIR) / "golden/sample_schema.tag"), "");
}

TEST(SampleExport, ProcessesOfTheSampleWarehouseWithCascadesMatchTheGoldenFile) {
    const ExportResult r =
        exportSample(qrt_test::makeTempDir("sample_proc"), "export_proc.inp", "/s");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");
    EXPECT_EQ(goldenMismatch(r.tag, fs::path(QRT_TEST_DATA_DIR) / "golden/sample_proc.tag"), "");
}

TEST(SampleExport, WeeklyPricesWithSourcesAsRelationsMatchTheGoldenFileAndItsSideFiles) {
    const fs::path dir = qrt_test::makeTempDir("sample_weekly");
    const ExportResult r = exportSample(dir, "export_weekly.inp", "/r");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(goldenMismatch(r.tag, fs::path(QRT_TEST_DATA_DIR) / "golden/sample_weekly.tag"), "");
    // " Derive product dim " and "Reload 'orders' (2nd try)" have binary SQL
    // data, "Archive orders" has an empty value.
    EXPECT_EQ(readFile(dir / "export.1"), "SELECT P.ITEM, ROUND(P.PRICE * 1.19, 2)\n"
                                          "  FROM \"prices.csv\" P -- 'gross' (\xe2\x82\xac)\n");
    EXPECT_EQ(readFile(dir / "export.2"), "DELETE FROM WHS.SALES_FACT WHERE ORDER_ID IN (SELECT "
                                          "ORDER_ID FROM SALES.ORDERS);");
    EXPECT_FALSE(fs::exists(dir / "export.3"));

    // With cascades the pass over the steps stops at the step whose name has
    // blanks at its ends: it is registered without them.
    const ExportResult cascades =
        exportSample(qrt_test::makeTempDir("sample_weekly_s"), "export_weekly.inp", "/s");
    EXPECT_EQ(cascades.status, 3142 % 256);
    EXPECT_NE(cascades.output.find("No BusinessView named \"Derive product dim\""),
              std::string::npos)
        << cascades.output;
}
