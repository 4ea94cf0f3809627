// Golden-file test of the sample warehouse's "<IR>" export: the tag file of
// samples/export.inp on SQLite, with its time and file-name lines masked,
// must equal tests/exporters/golden/sample_ir.tag line for line.
#include <gtest/gtest.h>

#include "tests/exporters/export_run.h"

using namespace export_test;

TEST(SampleExport, DatabasesOfTheSampleWarehouseMatchTheGoldenFile) {
    const fs::path dir = qrt_test::makeTempDir("sample");
    const fs::path database = dir / "control.db";
    ASSERT_TRUE(loadSqlite(database, {fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"}))
        << readFile(database.string() + ".load.log");
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTWH", database));

    const ExportResult r =
        runExport(dir, "QRTWH", readFile(fs::path(QRT_SOURCE_DIR) / "samples/export.inp"));
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");

    const std::string expected = readFile(fs::path(QRT_TEST_DATA_DIR) / "golden/sample_ir.tag");
    const std::string actual = maskRunLines(r.tag);
    // Compare line by line so that a difference names its line.
    std::istringstream want(expected);
    std::istringstream got(actual);
    std::string wantLine;
    std::string gotLine;
    for (int line = 1; std::getline(want, wantLine); ++line) {
        ASSERT_TRUE(std::getline(got, gotLine)) << "tag file ends before line " << line;
        ASSERT_EQ(gotLine, wantLine) << "line " << line;
    }
    EXPECT_FALSE(std::getline(got, gotLine)) << "tag file has more lines: " << gotLine;
}
