// Test helpers for whole export runs: a scratch SQLite control database loaded
// with the project's loader, a DSN for it, a run of the qrt2exp2 program on an
// input file, and the tag text with its time and file-name lines masked.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/odbc_test_env.h"

namespace export_test {

namespace fs = std::filesystem;

inline std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

// Runs a shell command; its exit status, or -1 when it did not exit normally.
inline int runCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Loads data files into a new SQLite control database (tools/load_warehouse.sh).
inline bool loadSqlite(const fs::path& database, const std::vector<fs::path>& data) {
    std::string command =
        std::string(QRT_SOURCE_DIR) + "/tools/load_warehouse.sh sqlite '" + database.string() + "'";
    for (const fs::path& file : data) {
        command += " '" + file.string() + "'";
    }
    return runCommand(command + " > '" + database.string() + ".load.log' 2>&1") == 0;
}

// The lines that differ from run to run (time stamps, the tag file's name)
// keep their label and lose their value. The footer's time label has two
// blanks and is tried first.
inline std::string maskRunLines(const std::string& tag) {
    static const char* const labels[] = {
        ":COMMENT. Output File name: ", ":COMMENT. End of Tag file: ", ":COMMENT. Time:  ",
        ":COMMENT. Time: "};
    std::istringstream in(tag);
    std::string line;
    std::string out;
    while (std::getline(in, line)) {
        for (const char* label : labels) {
            if (line.rfind(label, 0) == 0) {
                line = std::string(label) + "<masked>";
                break;
            }
        }
        out += line + "\n";
    }
    return out;
}

struct ExportResult {
    int status = -1;
    std::string tag;      // the tag file as written
    std::string output;   // standard output and standard error of the program
    std::string feedback; // the feedback file
};

// One run of the program in dir with the given input text against a DSN of
// the odbc.ini that ODBCINI names, with the control tables under prefix and
// further options ("/s /r").
inline ExportResult runExport(const fs::path& dir, const std::string& dsn, const std::string& input,
                              const std::string& user = "qrt",
                              const std::string& password = "qrtpw",
                              const std::string& prefix = "QRT", const std::string& options = "") {
    const fs::path inputFile = dir / "export.inp";
    writeFile(inputFile, input);
    fs::remove(dir / "export.tag");
    fs::remove(dir / "feedback.txt");
    const std::string command = "cd '" + dir.string() + "' && HQSPATH='" QRT_STAGE_DIR "' '" +
                                QRT_PROGRAM + "' export.inp '" + dsn + "' '" + user + "' '" +
                                password + "' prefix=" + prefix + " feedback=feedback.txt " +
                                options + " > output.txt 2>&1";
    ExportResult result;
    result.status = runCommand(command);
    result.tag = readFile(dir / "export.tag");
    result.output = readFile(dir / "output.txt");
    result.feedback = readFile(dir / "feedback.txt");
    return result;
}

// Compares a tag file, its time and file-name lines masked, with a golden
// file line by line: empty when they are equal, else the first difference.
inline std::string goldenMismatch(const std::string& tag, const fs::path& golden) {
    std::istringstream want(readFile(golden));
    std::istringstream got(maskRunLines(tag));
    std::string wantLine;
    std::string gotLine;
    for (int line = 1; std::getline(want, wantLine); ++line) {
        if (!std::getline(got, gotLine))
            return "the tag file ends before line " + std::to_string(line);
        if (gotLine != wantLine)
            return "line " + std::to_string(line) + ": \"" + gotLine + "\", expected \"" +
                   wantLine + "\"";
    }
    if (std::getline(got, gotLine))
        return "the tag file has more lines: " + gotLine;
    return {};
}

// Number of non-overlapping occurrences of what in text.
inline size_t countOf(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t pos = text.find(what); pos != std::string::npos;
         pos = text.find(what, pos + what.size())) {
        ++count;
    }
    return count;
}

} // namespace export_test
