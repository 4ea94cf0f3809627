// Return codes of the export's own errors.
#include "export/export_error.h"

HQRC tagHQRCset(int32_t code, const HQSTRING& location, const HQSTRING& module) {
    HQRC rc(code, 0, DomainExport);
    rc.location = location;
    rc.commandLine = module;
    return rc;
}

HQRC tagHQRCset(int32_t code, const HQSTRING& location, const HQSTRING& module,
                const HQSTRING& fileName) {
    HQRC rc = tagHQRCset(code, location, module);
    rc.token1 = fileName;
    return rc;
}
