// One export run on SQLite and one on PostgreSQL over the same warehouse data
// files and input text: the loads, the DSNs (both named "QRTWH") and the two
// results. Each comparison gives its control tables a prefix of its own, so
// that tests loading the shared cluster do not interfere.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/exporters/export_run.h"

namespace export_test {

struct TwoRuns {
    ExportResult sqlite;
    ExportResult postgres;
};

// Loads the data files under prefix into a new SQLite file and into the
// cluster, then exports input from each; a failed load fails the test.
inline void exportOnBoth(const std::vector<fs::path>& data, const std::string& input,
                         const std::string& prefix, TwoRuns& runs) {
    const fs::path liteDir = qrt_test::makeTempDir("cmp-sqlite-" + prefix);
    ASSERT_TRUE(loadSqlite(liteDir / "control.db", data))
        << readFile(liteDir.string() + "/control.db.load.log");
    qrt_test::useOdbcIni(liteDir, qrt_test::sqliteDsn("QRTWH", liteDir / "control.db"));
    runs.sqlite = runExport(liteDir, "QRTWH", input, "qrt", "qrtpw", prefix);

    const fs::path pgDir = qrt_test::makeTempDir("cmp-postgres-" + prefix);
    std::string load = "PGHOST=" QRT_PG_HOST " PGPORT=" QRT_PG_PORT " PGUSER=" QRT_PG_USER
                       " PGPASSWORD=" QRT_PG_PASSWORD " PGDATABASE=" QRT_PG_DB " '" +
                       std::string(QRT_SOURCE_DIR) + "/tools/load_warehouse.sh' postgres " + prefix;
    for (const fs::path& file : data)
        load += " '" + file.string() + "'";
    ASSERT_EQ(runCommand(load + " > '" + pgDir.string() + "/load.log' 2>&1"), 0)
        << readFile(pgDir / "load.log");
    qrt_test::useOdbcIni(pgDir, qrt_test::postgresDsn("QRTWH"));
    runs.postgres = runExport(pgDir, "QRTWH", input, QRT_PG_USER, QRT_PG_PASSWORD, prefix);
}

// Both runs ended well and wrote the same tag file apart from the time and
// file-name lines, and the same feedback.
inline void expectSameExport(const TwoRuns& runs) {
    ASSERT_EQ(runs.sqlite.status, 0) << runs.sqlite.output;
    ASSERT_EQ(runs.postgres.status, 0) << runs.postgres.output;
    EXPECT_EQ(maskRunLines(runs.postgres.tag), maskRunLines(runs.sqlite.tag));
    EXPECT_EQ(runs.postgres.feedback, runs.sqlite.feedback);
}

} // namespace export_test
