// Test helpers for ODBC data sources: a private odbc.ini in a temporary folder
// with SQLite DSNs (one database file each) and a DSN for the throwaway
// PostgreSQL cluster of the test suite, made current through ODBCINI. The
// drivers keep resolving through the system odbcinst.ini in /etc.
#pragma once

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace qrt_test {

// A fresh, empty folder below the build tree (or the system temp folder),
// unique to this process and tag.
inline std::filesystem::path makeTempDir(const std::string& tag) {
#ifdef QRT_BINARY_DIR
    std::filesystem::path base = std::filesystem::path(QRT_BINARY_DIR) / "testtmp";
#else
    std::filesystem::path base = std::filesystem::temp_directory_path() / "qrt_tests";
#endif
    std::filesystem::path dir = base / (tag + "-" + std::to_string(::getpid()));
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    std::filesystem::create_directories(dir);
    return dir;
}

// The odbc.ini section of a SQLite DSN whose tables live in `database`.
inline std::string sqliteDsn(const std::string& name, const std::filesystem::path& database) {
    return "[" + name + "]\nDriver=SQLite3\nDatabase=" + database.string() + "\n\n";
}

// Bytes as an SQLite blob literal, X'...'.
inline std::string sqliteBlob(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string literal = "X'";
    for (const unsigned char c : bytes) {
        literal += digits[c >> 4];
        literal += digits[c & 15];
    }
    return literal + "'";
}

#if defined(QRT_PG_HOST) && defined(QRT_PG_PORT) && defined(QRT_PG_DB)
// The odbc.ini section of a DSN for the test cluster (user and password are
// given when connecting).
inline std::string postgresDsn(const std::string& name, const std::string& database = QRT_PG_DB) {
    return "[" + name +
           "]\nDriver=PostgreSQL Unicode\nServername=" QRT_PG_HOST "\nPort=" QRT_PG_PORT
           "\nDatabase=" +
           database + "\nSSLmode=disable\n\n";
}
#endif

// Writes `sections` as <dir>/odbc.ini and points ODBCINI at it; ODBCSYSINI
// stays at /etc so that the installed driver names resolve.
inline std::filesystem::path useOdbcIni(const std::filesystem::path& dir,
                                        const std::string& sections) {
    const std::filesystem::path file = dir / "odbc.ini";
    std::ofstream(file) << sections;
    ::setenv("ODBCINI", file.c_str(), 1);
    ::setenv("ODBCSYSINI", "/etc", 1);
    // The driver manager loads its installer library on demand and unloads it
    // with the environment; kept loaded, the leak checker can still name it
    // for what it keeps (tests/lsan.supp).
    static void* const installer = ::dlopen("libodbcinst.so.2", RTLD_LAZY | RTLD_NODELETE);
    (void)installer;
    return file;
}

// Runs SQL text through the sqlite3 shell on a database file (to set up test
// data without the layer under test); true on success.
inline bool sqliteExec(const std::filesystem::path& database, const std::string& sql) {
    const std::filesystem::path script = database.string() + ".setup.sql";
    std::ofstream(script) << sql;
    const std::string command =
        "sqlite3 -bail '" + database.string() + "' < '" + script.string() + "' > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

#if defined(QRT_PG_HOST) && defined(QRT_PG_PORT) && defined(QRT_PG_DB) && defined(QRT_PG_USER) &&  \
    defined(QRT_PG_PASSWORD)
// Runs SQL text through psql as the test role on the test cluster.
inline bool psqlExec(const std::filesystem::path& dir, const std::string& sql) {
    const std::filesystem::path script = dir / "psql_setup.sql";
    std::ofstream(script) << sql;
    const std::string command = "PGPASSWORD=" QRT_PG_PASSWORD
                                " psql -q -v ON_ERROR_STOP=1 -h " QRT_PG_HOST " -p " QRT_PG_PORT
                                " -U " QRT_PG_USER " -d " QRT_PG_DB " -f '" +
                                script.string() + "' > /dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}
#endif

} // namespace qrt_test
