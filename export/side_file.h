// Side files: files beside the tag file that hold a step's binary SQL data,
// named after the tag file with the next side-file number of the run in place
// of its extension ("out.tag" gives "out.1", "out.2" ...).
#pragma once

#include <string_view>

#include "runtime/hq_string.h"

// Writes data, byte for byte, to the next side file of the run and returns
// its number. A file that cannot be created, written or closed completely
// raises 13001 at location, naming the file, with the system's error number
// and text.
int write_side_file(std::string_view data, const HQSTRING& location);
