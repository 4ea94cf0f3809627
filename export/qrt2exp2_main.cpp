// Entry point of qrt2exp2: runs the start-up with the configuration and the
// export driver, then ends the process with the export's return code.
#include "export/startup.h"
#include "runtime/configuration.h"

int main(int argc, char** argv) {
    ExportServices services;
    // The configuration store connects to the control database and loads its
    // settings; the export driver is plugged in here:
    //   services.exportTagfile = &export_tagfile;
    services.initConfiguration = &HQConfiguration::init;
    endProcess(runStartup(argc, argv, services));
}
