// One export input run against the same control-table rows loaded into SQLite
// and into PostgreSQL (the cluster of the pg fixture), both through a DSN of
// the same name, with the tables under a prefix of the test's own so that
// other groups loading the shared cluster do not interfere.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/exporters/export_run.h"

namespace export_test {

struct BothRuns {
    ExportResult sqlite;
    ExportResult postgres;
};

inline BothRuns exportOnBoth(const std::string& tag, const std::vector<fs::path>& data,
                             const std::string& input, const std::string& prefix) {
    BothRuns runs;
    const fs::path liteDir = qrt_test::makeTempDir(tag + "-sqlite");
    EXPECT_TRUE(loadSqlite(liteDir / "control.db", data))
        << readFile(liteDir.string() + "/control.db.load.log");
    qrt_test::useOdbcIni(liteDir, qrt_test::sqliteDsn("QRTWH", liteDir / "control.db"));
    runs.sqlite = runExport(liteDir, "QRTWH", input, "qrt", "qrtpw", prefix);

    const fs::path pgDir = qrt_test::makeTempDir(tag + "-postgres");
    std::string load = "PGHOST=" QRT_PG_HOST " PGPORT=" QRT_PG_PORT " PGUSER=" QRT_PG_USER
                       " PGPASSWORD=" QRT_PG_PASSWORD " PGDATABASE=" QRT_PG_DB " '" +
                       std::string(QRT_SOURCE_DIR) + "/tools/load_warehouse.sh' postgres " + prefix;
    for (const fs::path& file : data)
        load += " '" + file.string() + "'";
    EXPECT_EQ(runCommand(load + " > '" + pgDir.string() + "/load.log' 2>&1"), 0)
        << readFile(pgDir / "load.log");
    qrt_test::useOdbcIni(pgDir, qrt_test::postgresDsn("QRTWH"));
    runs.postgres = runExport(pgDir, "QRTWH", input, QRT_PG_USER, QRT_PG_PASSWORD, prefix);
    return runs;
}

} // namespace export_test
