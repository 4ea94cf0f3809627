// What the ODBC driver manager knows about a data source: whether it is
// defined, the driver it names and whether that driver is installed, and its
// database entry. Asked only to explain a failed connect.
#pragma once

#include <string>
#include <vector>

struct DataSourceInfo {
    bool defined = false;         // the name is a user or system data source
    std::string driver;           // the driver the data source names
    bool driverInstalled = false; // that driver is an installed driver or an existing library
    std::vector<std::string> installedDrivers;
    std::string database; // the "Database" entry of the data source, empty when none
};

// Looks the data source up in the driver manager's lists (names compared
// without regard to case, as the driver manager does).
DataSourceInfo describeDataSource(const std::string& name);
