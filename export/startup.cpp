// Start-up of qrt2exp2: message file, command line, configuration, export,
// verdict and exit status.
#include "export/startup.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "export/failure_hint.h"

namespace {

constexpr const char* kCannotLoad =
    "An internal error has occurred.  Cannot load the message file. "
    "Please re-install the product and try again.\n";
constexpr const char* kCannotRetrieve =
    "An internal error has occurred. Cannot retrieve string from the message file.\n";
constexpr size_t kLineCapacity = 1000; // 999 bytes and the terminator per read
constexpr size_t kPathCapacity = 300;

struct MessageSlot {
    std::string StartupTexts::*text;
    const char* key;
    int lines;
    size_t capacity;
};

// The messages in the order they must appear in the file.
constexpr MessageSlot kMessages[] = {
    {&StartupTexts::connectFailed, "QRT2IMP2_STR2", 1, 300},
    {&StartupTexts::usage, "QRT2EXP2_STR1", 9, 3000},
    {&StartupTexts::success, "QRT2EXP2_STR2", 1, 300},
    {&StartupTexts::failure, "QRT2EXP2_STR3", 1, 500},
    {&StartupTexts::text4, "QRT2EXP2_STR4", 1, 200},
    {&StartupTexts::text5, "QRT2EXP2_STR5", 1, 200},
    {&StartupTexts::text6, "QRT2EXP2_STR6", 1, 200},
    {&StartupTexts::text7, "QRT2EXP2_STR7", 1, 200},
};

// Options: keyword, and what a matching argument does to the request; false
// when the value is not acceptable.
struct Option {
    std::string_view keyword;
    bool (*apply)(ExportRequest&, std::string_view value);
};

constexpr Option kOptions[] = {
    {"prefix=",
     [](ExportRequest& r, std::string_view v) {
         r.prefix = HQSTRING(std::string(v));
         return isPlainSqlName(v);
     }},
    {"feedback=",
     [](ExportRequest& r, std::string_view v) {
         r.feedback = HQSTRING(std::string(v));
         return true;
     }},
    {"/s",
     [](ExportRequest& r, std::string_view) {
         r.cascade = 1;
         return true;
     }},
    {"/r",
     [](ExportRequest& r, std::string_view) {
         r.relation = 0;
         return true;
     }},
};

// Appends text to out as far as the capacity allows.
void appendCut(std::string& out, size_t capacity, std::string_view text) {
    const size_t room = capacity - 1 - out.size();
    out.append(text.substr(0, room));
}

void printLine(const std::string& text) {
    std::printf("%s\n", text.c_str());
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

void getMsgStr(std::FILE* file, std::string& out, size_t capacity, std::string_view key,
               int lines) {
    out.clear();
    if (capacity == 0)
        return;
    char line[kLineCapacity];
    bool found = false;
    while (std::fgets(line, sizeof line, file)) {
        if (std::strncmp(line, key.data(), key.size()) == 0) {
            found = true;
            break;
        }
    }
    if (!found) {
        appendCut(out, capacity, kCannotRetrieve);
        return;
    }
    for (int i = 0; i < lines && std::fgets(line, sizeof line, file); ++i)
        appendCut(out, capacity, line);
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
}

StartupTexts readStartupTexts(std::FILE* file) {
    StartupTexts texts;
    for (const MessageSlot& m : kMessages)
        getMsgStr(file, texts.*m.text, m.capacity, m.key, m.lines);
    return texts;
}

bool isPlainSqlName(std::string_view name) {
    if (name.empty() || name.size() > kMaxPrefixLength)
        return false;
    const auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (!letter(name.front()))
        return false;
    for (const char c : name)
        if (!letter(c) && !(c >= '0' && c <= '9'))
            return false;
    return true;
}

std::vector<std::string> takeArguments(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i] ? argv[i] : "");
    if (argc > 4 && argv[4])
        std::memset(argv[4], 0, std::strlen(argv[4]));
    return args;
}

bool isOption(std::string_view argument) {
    for (const Option& option : kOptions)
        if (startsWithIgnoreCase(argument, option.keyword))
            return true;
    return false;
}

std::optional<ExportRequest> parseArguments(const std::vector<std::string>& args) {
    if (args.size() < 4 || args[0] == "?")
        return std::nullopt;
    ExportRequest request;
    request.inputFile = HQSTRING(args[0]);
    request.database = HQSTRING(args[1]);
    request.user = HQSTRING(args[2]);
    request.password = HQSTRING(args[3]);
    for (size_t i = 4; i < args.size(); ++i) {
        const Option* match = nullptr;
        for (const Option& option : kOptions) {
            if (startsWithIgnoreCase(args[i], option.keyword)) {
                match = &option;
                break;
            }
        }
        if (!match ||
            !match->apply(request, std::string_view(args[i]).substr(match->keyword.size())))
            return std::nullopt;
    }
    return request;
}

int32_t runStartup(int argc, char** argv, const ExportServices& services) {
    const std::vector<std::string> args = takeArguments(argc, argv);

    const char* home = std::getenv("HQSPATH");
    const std::string path = home ? std::string(home) + "/bin/qztnxolv.str" : std::string();
    std::unique_ptr<std::FILE, FileCloser> file;
    errno = 0;
    if (home && path.size() < kPathCapacity)
        file.reset(std::fopen(path.c_str(), "r"));
    if (!file) {
        const int error = errno;
        std::fputs(kCannotLoad, stdout);
        printHint(messageFileHint(home, path, kPathCapacity, error));
        return 1;
    }
    const StartupTexts texts = readStartupTexts(file.get());
    file.reset();
    for (const MessageSlot& m : kMessages) {
        if (texts.*m.text == kCannotRetrieve) {
            printHint(missingKeyHint(path, m.key));
            break;
        }
    }

    const std::optional<ExportRequest> request = parseArguments(args);
    if (!request) {
        printLine(texts.usage);
        printHint(usageHint(args));
        return 1;
    }

    if (!services.initConfiguration) {
        printLine("An internal error has occurred. This build of qrt2exp2 has no connection "
                  "to the control database.");
        return kMissingServiceStatus;
    }
    const HQRC connected = services.initConfiguration(request->database, request->prefix,
                                                      request->user, request->password, 0);
    if (connected.code != 0) {
        printLine(texts.connectFailed);
        std::optional<DataSourceInfo> dataSource;
        if (services.describeDataSource)
            dataSource = services.describeDataSource(request->database.toMultiByte());
        printHint(startHint(connected, resolvedMessage(connected), *request,
                            dataSource ? &*dataSource : nullptr));
        return connected.code;
    }

    if (!services.exportTagfile) {
        printLine("An internal error has occurred. This build of qrt2exp2 has no export driver.");
        return kMissingServiceStatus;
    }
    const HQRC exported = services.exportTagfile(
        request->inputFile, request->database, request->feedback, request->cascade,
        request->relation, texts.text4, texts.text5, texts.text6, texts.text7);
    printLine(exported.code == 0 ? texts.success : texts.failure);
    if (exported.code != 0)
        printHint(exportHint(exported, resolvedMessage(exported), request->password.toMultiByte()));
    return exported.code;
}

void endProcess(int32_t code) {
    std::fflush(stdout);
    std::_Exit(code);
}
