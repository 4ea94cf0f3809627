// The sample warehouse exported from SQLite and from PostgreSQL: both runs
// name the same DSN and must write the same tag file apart from the time and
// file-name lines.
#include <gtest/gtest.h>

#include "tests/export_pg/both_dbms.h"

using namespace export_test;

TEST(SqlitePostgresExport, SampleDatabasesGiveTheSameTagFile) {
    const BothRuns runs =
        exportOnBoth("cmp", {fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"},
                     readFile(fs::path(QRT_SOURCE_DIR) / "samples/export.inp"), "QRTCMP");
    ASSERT_EQ(runs.sqlite.status, 0) << runs.sqlite.output;
    ASSERT_EQ(runs.postgres.status, 0) << runs.postgres.output;

    EXPECT_GT(countOf(runs.sqlite.tag, "Begin TABLES Instance"), 0u);
    EXPECT_EQ(maskRunLines(runs.postgres.tag), maskRunLines(runs.sqlite.tag));
    EXPECT_EQ(runs.postgres.feedback, runs.sqlite.feedback);
}
