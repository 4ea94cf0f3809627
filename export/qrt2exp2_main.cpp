// Entry point of qrt2exp2: runs the start-up with the configuration and the
// export driver, then ends the process with the export's return code.
#include <csignal>
#include <cstdlib>
#include <ctime>

#include "export/export_driver.h"
#include "export/startup.h"
#include "runtime/configuration.h"
#include "runtime/odbc_data_sources.h"

int main(int argc, char** argv) {
    // A file-size limit shows as a failing write (reported like a full disk),
    // not as a signal that ends the process without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // Without TZ the C library looks at /etc/localtime again on every
    // local-time conversion (a stat call each, thousands in a large export);
    // naming that same file keeps the zone the run started with.
    if (std::getenv("TZ") == nullptr)
        setenv("TZ", ":/etc/localtime", 0);
    tzset();
    ExportServices services;
    // The configuration store connects to the control database and loads its
    // settings; the export driver runs the export.
    services.initConfiguration = &HQConfiguration::init;
    services.exportTagfile = &export_tagfile;
    // Asked only to explain a failed connect.
    services.describeDataSource = &describeDataSource;
    endProcess(runStartup(argc, argv, services));
}
