// Test helpers for the PostgreSQL fault tests: loading control tables under
// a prefix of their own into a cluster, and running SQL on it through psql.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "tests/exporters/export_run.h"

namespace pg_test {

namespace fs = std::filesystem;

// The libpq variables that name the test role on a cluster at port.
inline std::string pgVariables(const std::string& port = QRT_PG_PORT) {
    return "PGHOST=" QRT_PG_HOST " PGPORT=" + port +
           " PGUSER=" QRT_PG_USER " PGPASSWORD=" QRT_PG_PASSWORD " PGDATABASE=" QRT_PG_DB " ";
}

// Loads data files into a fresh schema named by prefix (tools/load_warehouse.sh).
inline bool loadPostgres(const fs::path& dir, const std::string& prefix,
                         const std::vector<fs::path>& data, const std::string& port = QRT_PG_PORT) {
    std::string command = pgVariables(port) + "'" + std::string(QRT_SOURCE_DIR) +
                          "/tools/load_warehouse.sh' postgres " + prefix;
    for (const fs::path& file : data)
        command += " '" + file.string() + "'";
    return export_test::runCommand(command + " > '" + (dir / "load.log").string() + "' 2>&1") == 0;
}

// Runs SQL through psql as the test role; its output (unaligned, tuples only),
// or "failed" when psql failed.
inline std::string psql(const fs::path& dir, const std::string& sql,
                        const std::string& port = QRT_PG_PORT) {
    const fs::path script = dir / "psql.sql";
    const fs::path out = dir / "psql.out";
    export_test::writeFile(script, sql);
    const std::string command = pgVariables(port) + "psql -X -q -A -t -v ON_ERROR_STOP=1 -f '" +
                                script.string() + "' > '" + out.string() + "' 2>&1";
    const int status = export_test::runCommand(command);
    return status == 0 ? export_test::readFile(out) : "failed: " + export_test::readFile(out);
}

// The odbc.ini section of a DSN for a cluster at port.
inline std::string dsnAt(const std::string& name, const std::string& port) {
    return "[" + name + "]\nDriver=PostgreSQL Unicode\nServername=" QRT_PG_HOST "\nPort=" + port +
           "\nDatabase=" QRT_PG_DB "\nSSLmode=disable\n\n";
}

} // namespace pg_test
