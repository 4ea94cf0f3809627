// Start-up of qrt2exp2: the message file of the installation, the command
// line and its options, the calls to the configuration and the export driver,
// the verdict line and the exit status.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/odbc_data_sources.h"
#include "runtime/return_code.h"

// The eight texts of the message file "qztnxolv.str", in the file's order.
struct StartupTexts {
    std::string connectFailed; // QRT2IMP2_STR2
    std::string usage;         // QRT2EXP2_STR1
    std::string success;       // QRT2EXP2_STR2
    std::string failure;       // QRT2EXP2_STR3
    std::string text4;         // QRT2EXP2_STR4 .. STR7: handed to the export driver
    std::string text5;
    std::string text6;
    std::string text7;
};

// Reads one message: searches forward from the file's current position for a
// line that begins with key, then takes the next `lines` lines and drops the
// last line end. The result stays below capacity bytes (it is cut, never
// overrun). Without the key the result is the fixed internal-error text.
void getMsgStr(std::FILE* file, std::string& out, size_t capacity, std::string_view key, int lines);

// Reads the eight messages, in order, from an open message file.
StartupTexts readStartupTexts(std::FILE* file);

// What the command line asks for.
struct ExportRequest {
    HQSTRING inputFile;
    HQSTRING database;
    HQSTRING user;
    HQSTRING password;
    HQSTRING prefix = L"QRT";
    HQSTRING feedback;
    int cascade = 0;  // "/s"
    int relation = 1; // "/r" clears it
};

// The arguments after the program name as multibyte texts. The password (the
// fourth) is then wiped from the process's own argument memory, so that it no
// longer shows in the process table.
std::vector<std::string> takeArguments(int argc, char** argv);

// Longest schema prefix: the longest schema name the control tables hold.
constexpr size_t kMaxPrefixLength = 128;

// True for a plain SQL name: ASCII letters, digits and "_", not beginning
// with a digit, 1 to kMaxPrefixLength characters. The schema prefix is
// written into every statement, so nothing else is accepted for it.
bool isPlainSqlName(std::string_view name);

// The request of the arguments after the program name; none when the usage
// text is due (fewer than four arguments, "?" first, an unknown option, or a
// prefix that is not a plain SQL name).
std::optional<ExportRequest> parseArguments(const std::vector<std::string>& args);

// True when argument is one of the options (keyword compared without regard
// to case).
bool isOption(std::string_view argument);

// The two services start-up hands the work to. An empty one ends the run with
// an internal-error line. The third, when present, explains a failed connect
// from what the driver manager knows about the data source.
struct ExportServices {
    std::function<HQRC(const HQSTRING& database, const HQSTRING& prefix, const HQSTRING& user,
                       const HQSTRING& password, int manualCommit)>
        initConfiguration;
    std::function<HQRC(const HQSTRING& inputFile, const HQSTRING& database,
                       const HQSTRING& feedbackPath, int cascade, int relation,
                       const std::string& text4, const std::string& text5, const std::string& text6,
                       const std::string& text7)>
        exportTagfile;
    std::function<DataSourceInfo(const std::string& name)> describeDataSource;
};

// Exit status of a run whose services are not all present.
constexpr int32_t kMissingServiceStatus = 99;

// Runs the command: prints its lines on standard output and returns the exit
// status (the return code's number). A failure adds one line on standard
// error that says what to fix.
int32_t runStartup(int argc, char** argv, const ExportServices& services);

// Flushes standard output and ends the process at once with status code (the
// system keeps its low eight bits).
[[noreturn]] void endProcess(int32_t code);
