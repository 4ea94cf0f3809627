// The line on standard error that a failed run adds to the fixed texts on
// standard output: what went wrong in terms a user can act on (the variable
// to set, the file that was tried, the SQLSTATE and the driver's message, the
// return code and the exit status the shell sees), never the password.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "export/startup.h"
#include "runtime/odbc_data_sources.h"
#include "runtime/return_code.h"

// The message file could not be read: HQSPATH unset (home null), the path not
// shorter than capacity, or the open failed with the system error `error`.
std::string messageFileHint(const char* home, const std::string& path, size_t capacity, int error);

// A message key was not found after the keys read before it.
std::string missingKeyHint(const std::string& path, std::string_view key);

// Why the usage text was printed instead of running; empty when it was asked
// for with "?".
std::string usageHint(const std::vector<std::string>& args);

// The connection or the configuration load failed with rc. messageText is
// the catalogue text of rc (empty when there is none); dataSource what the
// driver manager knows about the data source (none when not looked up). The
// driver's message shows with the request's password masked.
std::string startHint(const HQRC& rc, const std::string& messageText, const ExportRequest& request,
                      const DataSourceInfo* dataSource);

// The export failed with rc; messageText and password as above.
std::string exportHint(const HQRC& rc, const std::string& messageText, const std::string& password);

// The catalogue text of rc, resolved as the export driver resolves it.
std::string resolvedMessage(const HQRC& rc);

// Writes the hint to standard error as one line (line ends and tabs become
// blanks); nothing for an empty hint.
void printHint(const std::string& hint);
