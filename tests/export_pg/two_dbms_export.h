// Exports of the same warehouse from SQLite and from PostgreSQL: loading a
// data file into either, running SQL on the test cluster, exporting from
// either. Each comparison gives its control tables a prefix of its own, so
// that tests loading the shared cluster do not interfere.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/exporters/export_run.h"

namespace export_test {

inline const std::string kPgEnv = "PGHOST=" QRT_PG_HOST " PGPORT=" QRT_PG_PORT
                                  " PGUSER=" QRT_PG_USER " PGPASSWORD=" QRT_PG_PASSWORD " ";

// Loads a data file under the prefix into a database of the test cluster.
inline void loadPostgres(const fs::path& dir, const std::string& database,
                         const std::string& prefix, const fs::path& data) {
    const std::string load = kPgEnv + "PGDATABASE=" + database + " '" + QRT_SOURCE_DIR +
                             "/tools/load_warehouse.sh' postgres " + prefix + " '" + data.string() +
                             "' > '" + dir.string() + "/load.log' 2>&1";
    ASSERT_EQ(runCommand(load), 0) << readFile(dir / "load.log");
}

// Runs SQL on a database of the test cluster, as the test role or, over the
// cluster's socket, as its superuser.
inline void psql(const fs::path& dir, const std::string& database, const std::string& sql,
                 bool superuser = false) {
    const std::string who = superuser ? "-h " QRT_PG_SOCKET_DIR " -p " QRT_PG_PORT " -U postgres"
                                      : "-h " QRT_PG_HOST " -p " QRT_PG_PORT " -U " QRT_PG_USER;
    const std::string command = "PGPASSWORD=" QRT_PG_PASSWORD " psql -X -q -v ON_ERROR_STOP=1 " +
                                who + " -d " + database + " -c \"" + sql + "\" > '" + dir.string() +
                                "/psql.log' 2>&1";
    ASSERT_EQ(runCommand(command), 0) << sql << "\n" << readFile(dir / "psql.log");
}

// Exports from a database of the test cluster with the options; the masked
// tag file.
inline std::string exportPostgres(const fs::path& dir, const std::string& database,
                                  const std::string& prefix, const std::string& input,
                                  const std::string& options = "") {
    qrt_test::useOdbcIni(dir, qrt_test::postgresDsn("QRTWH", database));
    const ExportResult r =
        runExport(dir, "QRTWH", input, QRT_PG_USER, QRT_PG_PASSWORD, prefix, options);
    EXPECT_EQ(r.status, 0) << r.output;
    return maskRunLines(r.tag);
}

// Exports from a new SQLite control database holding the data file, with
// the options.
inline ExportResult exportSqlite(const fs::path& dir, const fs::path& data,
                                 const std::string& input, const std::string& prefix,
                                 const std::string& options = "") {
    const fs::path database = dir / "control.db";
    EXPECT_TRUE(loadSqlite(database, {data})) << readFile(database.string() + ".load.log");
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTWH", database));
    return runExport(dir, "QRTWH", input, "qrt", "qrtpw", prefix, options);
}

} // namespace export_test
