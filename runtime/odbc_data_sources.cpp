// Data sources and drivers as the ODBC driver manager lists them, read on an
// environment of their own.
#include "runtime/odbc_data_sources.h"

#include <odbcinst.h>
#include <sql.h>
#include <sqlext.h>

#include <filesystem>

#include "runtime/hq_string.h"

namespace {

// An environment for the lookups only; freed with the object.
class LookupEnvironment {
public:
    LookupEnvironment() {
        if (SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_) != SQL_SUCCESS)
            env_ = SQL_NULL_HENV;
        else
            SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3),
                          0);
    }
    ~LookupEnvironment() {
        if (env_ != SQL_NULL_HENV)
            SQLFreeHandle(SQL_HANDLE_ENV, env_);
    }
    LookupEnvironment(const LookupEnvironment&) = delete;
    LookupEnvironment& operator=(const LookupEnvironment&) = delete;
    SQLHENV get() const { return env_; }

private:
    SQLHENV env_ = SQL_NULL_HENV;
};

} // namespace

DataSourceInfo describeDataSource(const std::string& name) {
    DataSourceInfo info;
    const LookupEnvironment env;
    if (env.get() == SQL_NULL_HENV)
        return info;
    SQLCHAR first[256], second[256];
    SQLSMALLINT firstLen = 0, secondLen = 0;
    // The driver manager gives each data source's driver as its description.
    for (SQLUSMALLINT direction = SQL_FETCH_FIRST;
         SQL_SUCCEEDED(SQLDataSources(env.get(), direction, first, sizeof first, &firstLen, second,
                                      sizeof second, &secondLen));
         direction = SQL_FETCH_NEXT) {
        if (!info.defined && equalsIgnoreCase(reinterpret_cast<const char*>(first), name)) {
            info.defined = true;
            info.driver = reinterpret_cast<const char*>(second);
        }
    }
    for (SQLUSMALLINT direction = SQL_FETCH_FIRST;
         SQL_SUCCEEDED(SQLDrivers(env.get(), direction, first, sizeof first, &firstLen, second,
                                  sizeof second, &secondLen));
         direction = SQL_FETCH_NEXT) {
        info.installedDrivers.emplace_back(reinterpret_cast<const char*>(first));
        if (info.defined && equalsIgnoreCase(info.installedDrivers.back(), info.driver))
            info.driverInstalled = true;
    }
    if (info.defined && !info.driverInstalled && info.driver.find('/') != std::string::npos) {
        std::error_code ec;
        info.driverInstalled = std::filesystem::is_regular_file(info.driver, ec);
    }
    if (info.defined) {
        char database[4096] = {};
        SQLGetPrivateProfileString(name.c_str(), "Database", "", database, sizeof database,
                                   "odbc.ini");
        info.database = database;
    }
    return info;
}
