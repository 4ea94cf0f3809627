// The sample warehouse exported from SQLite and from PostgreSQL: both runs
// name the same DSN and must write the same tag file apart from the time and
// file-name lines.
#include <gtest/gtest.h>

#include "tests/export_pg/two_dbms_export.h"

using namespace export_test;

TEST(SqlitePostgresExport, SampleDatabasesGiveTheSameTagFile) {
    TwoRuns runs;
    exportOnBoth({fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"},
                 readFile(fs::path(QRT_SOURCE_DIR) / "samples/export.inp"), "QRTCMP", runs);
    expectSameExport(runs);
    EXPECT_GT(countOf(runs.sqlite.tag, "Begin TABLES Instance"), 0u);
}
