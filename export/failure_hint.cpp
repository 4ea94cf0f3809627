// Texts of the standard-error line of a failed run.
#include "export/failure_hint.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "runtime/message_resolver.h"

namespace {

constexpr const char* kProgram = "qrt2exp2: ";

std::string mb(const HQSTRING& text) {
    return text.toMultiByte();
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// " (return code C, exit status S)": the status is what a POSIX shell sees.
std::string codeAndStatus(const HQRC& rc) {
    return " (return code " + std::to_string(rc.code) + ", exit status " +
           std::to_string(static_cast<uint8_t>(rc.code)) + ")";
}

// Ends a non-empty text as a sentence.
void endSentence(std::string& text) {
    if (!text.empty() && text.back() != '.' && text.back() != '?' && text.back() != '!')
        text += '.';
}

// The driver's message on one line, with every occurrence of the password
// masked: a driver has no reason to repeat it, but if one did, it would not
// show.
std::string driverWords(const HQSTRING& message, const std::string& password) {
    std::string words;
    for (char c : message.toMultiByte()) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!blank)
            words += c;
        else if (!words.empty() && words.back() != ' ')
            words += ' ';
    }
    while (!words.empty() && words.back() == ' ')
        words.pop_back();
    if (!password.empty())
        for (size_t at = words.find(password); at != std::string::npos;
             at = words.find(password, at + 3))
            words.replace(at, password.size(), "***");
    return words;
}

// The catalogue text of the failure followed by the words of the layer
// below (the driver's SQLSTATE and message); empty when there are neither.
std::string details(const HQRC& rc, const std::string& messageText, const std::string& password) {
    std::string text = messageText;
    endSentence(text);
    std::string below = driverWords(rc.nativeMessage, password);
    if (!rc.sqlState.empty())
        below = "SQLSTATE " + mb(rc.sqlState) + ": " + below;
    if (!below.empty()) {
        text += (text.empty() ? "" : " ") + below;
        endSentence(text);
    }
    return text;
}

bool containsIgnoreCase(std::string_view text, std::string_view word) {
    for (size_t i = 0; i + word.size() <= text.size(); ++i)
        if (startsWithIgnoreCase(text.substr(i), word))
            return true;
    return false;
}

// Where the driver manager looks for data sources.
std::string dataSourceFiles() {
    const char* user = std::getenv("ODBCINI");
    const char* home = std::getenv("HOME");
    const char* system = std::getenv("ODBCSYSINI");
    const std::string userFile =
        user ? std::string(user) + " (ODBCINI)" : std::string(home ? home : "~") + "/.odbc.ini";
    const std::string systemFile =
        std::string(system ? system : "/etc") + "/odbc.ini" + (system ? " (ODBCSYSINI)" : "");
    return userFile + " nor in " + systemFile;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

// What is wrong with the data source itself, when the driver manager's lists
// tell; empty otherwise.
std::string dataSourceAdvice(const std::string& name, const DataSourceInfo& info) {
    if (!info.defined)
        return " Data source " + quoted(name) + " is not defined in " + dataSourceFiles() + ".";
    if (!info.driverInstalled)
        return " Data source " + quoted(name) + " names the driver " + quoted(info.driver) +
               ", which is not installed (" +
               (info.installedDrivers.empty() ? "no driver is installed"
                                              : "installed: " + joined(info.installedDrivers)) +
               "; \"SQLite3\" comes with the package libsqliteodbc, \"PostgreSQL Unicode\" with "
               "odbc-postgresql).";
    if (containsIgnoreCase(info.driver, "sqlite") && !info.database.empty()) {
        std::error_code ec;
        if (!std::filesystem::exists(info.database, ec))
            return " Its database file " + info.database + " does not exist.";
    }
    return "";
}

// A SQLite data source whose file is empty: the driver made it because it
// did not exist.
std::string emptyFileAdvice(const DataSourceInfo* info) {
    if (!info || !info->defined || !containsIgnoreCase(info->driver, "sqlite") ||
        info->database.empty())
        return "";
    std::error_code ec;
    if (std::filesystem::file_size(info->database, ec) != 0 || ec)
        return "";
    return " Its database file " + info->database +
           " is empty: the SQLite driver created it because it did not exist (NoCreat=1 in the "
           "data source prevents that).";
}

} // namespace

std::string messageFileHint(const char* home, const std::string& path, size_t capacity, int error) {
    const std::string which =
        "the installation folder, the one whose bin/ holds qztnxolv.str (build/stage after a "
        "build)";
    if (home == nullptr || *home == '\0')
        return kProgram + std::string("the environment variable HQSPATH is ") +
               (home ? "empty" : "not set") + "; set it to " + which + ".";
    if (path.size() >= capacity)
        return kProgram + std::string("the message file path ") + path + " is " +
               std::to_string(path.size()) + " bytes long; it must be shorter than " +
               std::to_string(capacity) + " bytes: install in a folder with a shorter path.";
    return kProgram + std::string("cannot open the message file ") + path + ": " +
           std::strerror(error) + "; HQSPATH must name " + which + ".";
}

std::string missingKeyHint(const std::string& path, std::string_view key) {
    return kProgram + std::string("the message file ") + path + " has no key " + std::string(key) +
           " after the keys read before it; reinstall it (the keys must stay in their installed "
           "order).";
}

std::string usageHint(const std::vector<std::string>& args) {
    if (args.size() < 4)
        return kProgram + std::to_string(args.size()) +
               (args.size() == 1 ? " argument" : " arguments") +
               " given; four are needed: INPUTFILE DSN USER PASSWORD, then the options.";
    if (args[0] == "?")
        return "";
    for (size_t i = 4; i < args.size(); ++i) {
        if (!isOption(args[i]))
            return kProgram + std::string("unknown option ") + quoted(args[i]) +
                   "; the options are prefix=SCHEMA, feedback=FILE, /s and /r.";
        std::string keyword = args[i].substr(0, 7);
        for (char& c : keyword)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (keyword == "prefix=" && !isPlainSqlName(std::string_view(args[i]).substr(7)))
            return kProgram + std::string("the schema in ") + quoted(args[i]) +
                   " is not a plain SQL name: letters, digits and underscores, not starting "
                   "with a digit, at most " +
                   std::to_string(kMaxPrefixLength) + " characters.";
    }
    return "";
}

std::string startHint(const HQRC& rc, const std::string& messageText, const ExportRequest& request,
                      const DataSourceInfo* dataSource) {
    const std::string dsn = mb(request.database);
    const std::string what = details(rc, messageText, mb(request.password));
    std::string text =
        kProgram + (what.empty() ? "the start failed in " + mb(rc.location) + "." : what);
    if (rc.comment.find(L"HQConfiguration::load") != std::wstring::npos) {
        text += " Reading the table " + mb(request.prefix) +
                ".configuration failed: check prefix= (the schema of the control tables) and "
                "that data source " +
                quoted(dsn) + " holds the control tables (tools/load_warehouse.sh creates them).";
        text += emptyFileAdvice(dataSource);
    } else if (rc.domain == DomainODBC && rc.location == L"HQOdbc::connect" && dataSource) {
        text += dataSourceAdvice(dsn, *dataSource);
    }
    return text + codeAndStatus(rc);
}

std::string exportHint(const HQRC& rc, const std::string& messageText,
                       const std::string& password) {
    const std::string what = details(rc, messageText, password);
    return kProgram + std::string("the export failed in ") + mb(rc.location) +
           (what.empty() ? "." : ": " + what) + codeAndStatus(rc);
}

std::string resolvedMessage(const HQRC& rc) {
    HQSTRING nativeText, messageText;
    HQResolveMessage(L"QRT2MSG.DLL").ResolveMsgs(rc, nativeText, messageText, HQSTRING(), 0);
    return mb(messageText);
}

void printHint(const std::string& hint) {
    if (hint.empty())
        return;
    std::string line;
    for (char c : hint)
        line += c == '\n' || c == '\r' || c == '\t' ? ' ' : c;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}
