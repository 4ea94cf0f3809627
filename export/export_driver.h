// The export driver: reads the input file section by section, hands every
// listed object to its section's exporter, frames the tag file and writes the
// feedback file. It is the one place where return codes thrown during an
// export are caught and reported; any other exception thrown during a run is
// reported the same way, as an internal inconsistency (code 99).
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "runtime/hq_string.h"
#include "runtime/return_code.h"

// The command-line switches handed on to the exporters.
struct ExportSwitches {
    int cascade = 0;  // "/s": export all cascades after the last section
    int relation = 1; // cleared by "/r"
};

// Per-run handler of one section. It is created once per run, before the
// first input line is examined, and keeps its section's retrieval object.
class SectionExporter {
public:
    virtual ~SectionExporter() = default;
    // Exports the named object. result receives the exporter's return code;
    // a section that exports nothing leaves it unchanged. Failures are thrown.
    virtual void exportName(const HQSTRING& name, HQRC& result) = 0;
};

using SectionFactory = std::function<std::unique_ptr<SectionExporter>(const ExportSwitches&)>;

enum class SectionRole {
    keyword, // selected by an input line equal to the keyword
    cascade  // run once after the last input line when the cascade switch is on
};

// One row of the driver's section table.
struct ExportSection {
    SectionRole role;
    std::wstring_view keyword;      // input line of the section; "/s" for the cascade step
    std::wstring_view startComment; // line written when the keyword is met (empty: none)
    std::wstring_view nameComment;  // written before each name, followed by it (empty: none)
    SectionFactory start;           // empty: the section's names export nothing
};

// A section over one retrieval object of type Object, made once per run.
// fn(Object&, const HQSTRING& name, const ExportSwitches&) retrieves the name
// into the object (raising a failure) and returns the exporter's result.
template <class Object, class Fn> class ObjectSection final : public SectionExporter {
public:
    ObjectSection(Fn fn, ExportSwitches switches) : fn_(std::move(fn)), switches_(switches) {}
    void exportName(const HQSTRING& name, HQRC& result) override {
        result = fn_(object_, name, switches_);
    }

private:
    Object object_;
    Fn fn_;
    ExportSwitches switches_;
};

template <class Object, class Fn> SectionFactory objectSection(Fn fn) {
    return [fn](const ExportSwitches& switches) -> std::unique_ptr<SectionExporter> {
        return std::make_unique<ObjectSection<Object, Fn>>(fn, switches);
    };
}

// The sections of this program, in one table.
std::span<const ExportSection> export_sections();

// Name of the tag file for an input file: everything after the first "." of
// the whole path replaced by "tag", or ".tag" appended when there is no dot.
std::string tag_file_name(const HQSTRING& inputFile);

// Runs one export. texts 5 to 7 label the three lines printed after a failure
// (text 4 is not used). Returns code 0 after a complete export, otherwise the
// return code that stopped it (99 for an exception other than a return code,
// with the exception's text as its first token).
HQRC export_tagfile(const HQSTRING& inputFile, const HQSTRING& database,
                    const HQSTRING& feedbackPath, int cascade, int relation,
                    const std::string& text4, const std::string& text5, const std::string& text6,
                    const std::string& text7);

// The same run over another section table.
HQRC export_tagfile_using(std::span<const ExportSection> sections, const HQSTRING& inputFile,
                          const HQSTRING& database, const HQSTRING& feedbackPath, int cascade,
                          int relation, const std::string& text4, const std::string& text5,
                          const std::string& text6, const std::string& text7);
