// The sample warehouse exported from SQLite and from PostgreSQL: both runs
// name the same DSN and must write the same tag file apart from the time and
// file-name lines. The control tables live under a prefix of their own, so
// that other groups loading the shared cluster do not interfere.
#include <gtest/gtest.h>

#include "tests/exporters/export_run.h"

using namespace export_test;

TEST(SqlitePostgresExport, SampleDatabasesGiveTheSameTagFile) {
    const fs::path sample = fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql";
    const std::string input = readFile(fs::path(QRT_SOURCE_DIR) / "samples/export.inp");

    const fs::path liteDir = qrt_test::makeTempDir("cmp-sqlite");
    ASSERT_TRUE(loadSqlite(liteDir / "control.db", {sample}))
        << readFile(liteDir.string() + "/control.db.load.log");
    qrt_test::useOdbcIni(liteDir, qrt_test::sqliteDsn("QRTWH", liteDir / "control.db"));
    const ExportResult lite = runExport(liteDir, "QRTWH", input, "qrt", "qrtpw", "QRTCMP");
    ASSERT_EQ(lite.status, 0) << lite.output;

    const fs::path pgDir = qrt_test::makeTempDir("cmp-postgres");
    const std::string load = "PGHOST=" QRT_PG_HOST " PGPORT=" QRT_PG_PORT " PGUSER=" QRT_PG_USER
                             " PGPASSWORD=" QRT_PG_PASSWORD " PGDATABASE=" QRT_PG_DB " '" +
                             std::string(QRT_SOURCE_DIR) +
                             "/tools/load_warehouse.sh' postgres QRTCMP '" + sample.string() +
                             "' > '" + pgDir.string() + "/load.log' 2>&1";
    ASSERT_EQ(runCommand(load), 0) << readFile(pgDir / "load.log");
    qrt_test::useOdbcIni(pgDir, qrt_test::postgresDsn("QRTWH"));
    const ExportResult pg =
        runExport(pgDir, "QRTWH", input, QRT_PG_USER, QRT_PG_PASSWORD, "QRTCMP");
    ASSERT_EQ(pg.status, 0) << pg.output;

    EXPECT_GT(countOf(lite.tag, "Begin TABLES Instance"), 0u);
    EXPECT_EQ(maskRunLines(pg.tag), maskRunLines(lite.tag));
    EXPECT_EQ(pg.feedback, lite.feedback);
}
