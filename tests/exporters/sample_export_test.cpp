// Golden-file tests of the sample warehouse's exports on SQLite: the tag file
// of each run, with its time and file-name lines masked, must equal its
// golden file in tests/exporters/golden line for line.
#include <gtest/gtest.h>

#include "tests/exporters/export_run.h"

using namespace export_test;

namespace {

// Exports the sample warehouse, loaded afresh into a folder of its own, with
// the given input text, and compares the tag file with the golden file.
void expectSampleExport(const std::string& folder, const std::string& input,
                        const std::string& golden) {
    const fs::path dir = qrt_test::makeTempDir(folder);
    const fs::path database = dir / "control.db";
    ASSERT_TRUE(loadSqlite(database, {fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"}))
        << readFile(database.string() + ".load.log");
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTWH", database));

    const ExportResult r = runExport(dir, "QRTWH", input);
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");
    expectMatchesGolden(r.tag, fs::path(QRT_TEST_DATA_DIR) / "golden" / golden);
}

} // namespace

TEST(SampleExport, DatabasesOfTheSampleWarehouseMatchTheGoldenFile) {
    expectSampleExport("sample", readFile(fs::path(QRT_SOURCE_DIR) / "samples/export.inp"),
                       "sample_ir.tag");
}

TEST(SampleExport, StarSchemasOfTheSampleWarehouseMatchTheGoldenFile) {
    expectSampleExport("sample-schema", readFile(fs::path(QRT_SOURCE_DIR) / "samples/schema.inp"),
                       "sample_schema.tag");
}
