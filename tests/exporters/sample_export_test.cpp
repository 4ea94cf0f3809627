// Golden-file tests of the sample warehouse's exports on SQLite: the tag file
// of samples/export_ir.inp ("<IR>"), samples/export_udp.inp ("<UDP>") and
// samples/schema.inp ("<SCHEMA>"), with their time and file-name lines masked,
// must equal the files in tests/exporters/golden line for line.
#include <gtest/gtest.h>

#include "tests/exporters/export_run.h"

using namespace export_test;

namespace {
// The sample warehouse, loaded into a new SQLite file, exported with an input
// file of samples/.
ExportResult exportSample(const std::string& tag, const std::string& input) {
    const fs::path dir = qrt_test::makeTempDir(tag);
    const fs::path database = dir / "control.db";
    EXPECT_TRUE(loadSqlite(database, {fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"}))
        << readFile(database.string() + ".load.log");
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTWH", database));
    return runExport(dir, "QRTWH", readFile(fs::path(QRT_SOURCE_DIR) / "samples" / input));
}
} // namespace

TEST(SampleExport, DatabasesOfTheSampleWarehouseMatchTheGoldenFile) {
    const ExportResult r = exportSample("sample", "export_ir.inp");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");
    EXPECT_EQ(goldenMismatch(r.tag, fs::path(QRT_TEST_DATA_DIR) / "golden/sample_ir.tag"), "");
}

TEST(SampleExport, ProgramGroupsOfTheSampleWarehouseMatchTheGoldenFile) {
    const ExportResult r = exportSample("sample_udp", "export_udp.inp");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");
    EXPECT_EQ(goldenMismatch(r.tag, fs::path(QRT_TEST_DATA_DIR) / "golden/sample_udp.tag"), "");
}

TEST(SampleExport, StarSchemasOfTheSampleWarehouseMatchTheGoldenFile) {
    const ExportResult r = exportSample("sample_schema", "schema.inp");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");
    EXPECT_EQ(goldenMismatch(r.tag, fs::path(QRT_TEST_DATA_DIR) / "golden/sample_schema.tag"), "");
}
