// The export driver: input-file grammar, run order, failure reporting and the
// feedback file, plus the table of sections this program exports.
#include "export/export_driver.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <optional>
#include <vector>

#include "dictionary/control_database.h"
#include "dictionary/information_resource.h"
#include "dictionary/process.h"
#include "dictionary/program_group.h"
#include "dictionary/star_schema.h"
#include "export/database_export.h"
#include "export/export_error.h"
#include "export/process_export.h"
#include "export/program_export.h"
#include "export/star_schema_export.h"
#include "export/tag_file.h"
#include "export/tag_writer.h"
#include "runtime/message_resolver.h"

namespace {

// Names listed under "<BV>" are not exported: each one only prints a warning.
class IgnoredStepNames final : public SectionExporter {
public:
    void exportName(const HQSTRING& name, HQRC&) override {
        std::printf("*** Warning: ignoring business view: %s\n", name.toMultiByte().c_str());
    }
};

// The cascade step: the relations between the steps exported in the run and
// the steps they start.
class CascadePass final : public SectionExporter {
public:
    void exportName(const HQSTRING&, HQRC& result) override { result = export_all_cascades(); }
};

// The sections of the input file and the cascade step.
const std::array<ExportSection, 6> sectionTable = {{
    {SectionRole::keyword, L"<IR>", L":COMMENT. Start IR export", L":COMMENT. Exporting Database ",
     objectSection<InformationResource>(
         [](InformationResource& database, const HQSTRING& name, const ExportSwitches&) {
             const HQRC rc = database.retrieve(name);
             if (rc.code != 0)
                 throw rc;
             export_IR_root(&database);
             return HQRC();
         })},
    {SectionRole::keyword, L"<PROC>", L":COMMENT. Start Process export",
     L":COMMENT. Exporting Process ",
     objectSection<Process>([](Process& process, const HQSTRING& name, const ExportSwitches& s) {
         raiseIfFailed(process.retrieve(name));
         return export_Process_root(&process, s.cascade, s.relation);
     })},
    {SectionRole::keyword, L"<BV>", L"", L"",
     [](const ExportSwitches&) -> std::unique_ptr<SectionExporter> {
         return std::make_unique<IgnoredStepNames>();
     }},
    {SectionRole::keyword, L"<SCHEMA>", L":COMMENT. Start Star Schema export",
     L":COMMENT. Exporting StarSchema ",
     objectSection<StarSchema>([](StarSchema& schema, const HQSTRING& name, const ExportSwitches&) {
         raiseIfFailed(schema.retrieve(name));
         return export_Schema(&schema);
     })},
    {SectionRole::keyword, L"<UDP>", L":COMMENT. Start UDP export",
     L":COMMENT. Exporting UDP group ",
     objectSection<UDPGrouping>(
         [](UDPGrouping& group, const HQSTRING& name, const ExportSwitches&) {
             raiseIfFailed(group.retrieve(name));
             return export_UDPGrouping(&group);
         })},
    {SectionRole::cascade, L"/s", L"", L"",
     [](const ExportSwitches&) -> std::unique_ptr<SectionExporter> {
         return std::make_unique<CascadePass>();
     }},
}};

// Any other exception (an allocation failure, an index out of range ...)
// ends the run as an internal inconsistency, its text as the message token.
HQRC internalError(const std::exception& error) {
    HQRC rc(99, 0, DomainWhsSrv);
    rc.location = L"export_tagfile";
    rc.commandLine = HQSTRING(tagxport_module);
    rc.token1 = HQSTRING(error.what());
    return rc;
}

HQSTRING codePair(const HQRC& rc) {
    return HQSTRING(std::to_wstring(rc.code) + L"/" + std::to_wstring(rc.nativeCode));
}

// Line-by-line reading of the input file.
class InputFile {
public:
    explicit InputFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
    bool isOpen() const { return file_ != nullptr; }

    // Reads up to and without the next "\n". False when nothing was read.
    bool readLine(std::string& line) {
        line.clear();
        int c;
        bool any = false;
        while ((c = std::getc(file_.get())) != EOF) {
            any = true;
            if (c == '\n')
                return true;
            line.push_back(static_cast<char>(c));
        }
        return any;
    }
    // The most recent read met the end of the file or failed.
    bool endedOrFailed() const { return std::feof(file_.get()) || std::ferror(file_.get()); }
    bool failed() const { return std::ferror(file_.get()) != 0; }

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

// One export run over a section table.
class ExportRun {
public:
    ExportRun(std::span<const ExportSection> sections, ExportSwitches switches)
        : sections_(sections), switches_(switches) {}

    // Per-run handlers of the keyword sections, made before the first line.
    void startSections() {
        for (const ExportSection& section : sections_) {
            handlers_.push_back(section.role == SectionRole::keyword && section.start
                                    ? section.start(switches_)
                                    : nullptr);
        }
    }

    void processLine(const std::string& bytes) {
        if (bytes.empty())
            return;
        const HQSTRING line(bytes);
        for (size_t i = 0; i < sections_.size(); ++i) {
            if (sections_[i].role == SectionRole::keyword && sections_[i].keyword == line) {
                mode_ = i;
                if (!sections_[i].startComment.empty())
                    Tag_File::write_line(sections_[i].startComment);
                return;
            }
        }
        if (!mode_)
            return; // names before the first keyword are ignored
        const ExportSection& section = sections_[*mode_];
        if (!section.nameComment.empty())
            Tag_File::write_line(section.nameComment + line);
        if (handlers_[*mode_])
            handlers_[*mode_]->exportName(line, result_);
    }

    // The cascade step of the table, if it has one.
    void runCascade() {
        for (const ExportSection& section : sections_) {
            if (section.role == SectionRole::cascade && section.start) {
                section.start(switches_)->exportName(HQSTRING(), result_);
                return;
            }
        }
    }

    const HQRC& result() const { return result_; }

private:
    std::span<const ExportSection> sections_;
    ExportSwitches switches_;
    std::vector<std::unique_ptr<SectionExporter>> handlers_;
    std::optional<size_t> mode_;
    HQRC result_;
};

// The feedback file, created or truncated; not open when the path is empty or
// cannot be written.
std::ofstream openFeedback(const std::string& path) {
    std::ofstream feedback;
    if (!path.empty())
        feedback.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    return feedback;
}

// Closes the feedback file. A file that could not be written completely
// leaves the export's result as it is (the feedback file is the caller's
// convenience); a warning on standard error says so.
void closeFeedback(std::ofstream& feedback, const std::string& path) {
    errno = 0;
    feedback.close();
    if (!feedback) {
        const int error = errno;
        std::fprintf(stderr, "*** Warning: the feedback file %s could not be written: %s\n",
                     path.c_str(), error != 0 ? std::strerror(error) : "write failed");
    }
}

// Ends the run's read transaction. Everything was read by then, so a
// failure to end it changes nothing in the files written; a warning on
// standard error says so.
void endSnapshot(controldb::ReadSnapshot& snapshot) {
    const HQRC rc = snapshot.end();
    if (rc.code != 0)
        std::fprintf(stderr, "*** Warning: the read transaction could not be ended: %s\n",
                     rc.nativeMessage.toMultiByte().c_str());
}

void printLine(const HQSTRING& line) {
    const std::string bytes = line.toMultiByte();
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fputc('\n', stdout);
}

} // namespace

std::span<const ExportSection> export_sections() {
    return sectionTable;
}

std::string tag_file_name(const HQSTRING& inputFile) {
    std::string name = inputFile.toMultiByte();
    const size_t dot = name.find('.');
    if (dot == std::string::npos)
        return name + ".tag";
    name.erase(dot + 1);
    return name + "tag";
}

HQRC export_tagfile(const HQSTRING& inputFile, const HQSTRING& database,
                    const HQSTRING& feedbackPath, int cascade, int relation,
                    const std::string& text4, const std::string& text5, const std::string& text6,
                    const std::string& text7) {
    return export_tagfile_using(export_sections(), inputFile, database, feedbackPath, cascade,
                                relation, text4, text5, text6, text7);
}

HQRC export_tagfile_using(std::span<const ExportSection> sections, const HQSTRING& inputFile,
                          const HQSTRING& database, const HQSTRING& feedbackPath, int cascade,
                          int relation, const std::string& /*text4*/, const std::string& text5,
                          const std::string& text6, const std::string& text7) {
    HQResolveMessage resolver(L"QRT2MSG.DLL");
    const std::string feedbackName = feedbackPath.toMultiByte();
    std::optional<std::string> tagName;
    bool tagOpen = false;
    // Every read of the run sees one state of the control database.
    controldb::ReadSnapshot snapshot;

    // The failure path: the three failure lines on standard output and in the
    // tag file, its footer, the feedback file with code and message.
    const auto fail = [&](const HQRC& failure) {
        endSnapshot(snapshot);
        std::ofstream feedback = openFeedback(feedbackName);
        if (feedback.is_open()) {
            const std::string name = tagName ? *tagName : inputFile.toMultiByte();
            feedback << ":FILE." << name << "\n:LOG." << name << "\n";
        }

        HQSTRING nativeText;
        HQSTRING messageText;
        resolver.ResolveMsgs(failure, nativeText, messageText, HQSTRING(), 0);

        // What was exported before the failure goes to the file first.
        Tag_File::flush();

        for (const HQSTRING& line :
             {HQSTRING(text5) + failure.location, HQSTRING(text6) + messageText,
              HQSTRING(text7) + codePair(failure)}) {
            printLine(line);
            if (tagOpen)
                Tag_File::write_line(line);
        }
        export_footer();
        Tag_File::clean_up();

        if (feedback.is_open()) {
            feedback << ":RC." << codePair(failure).toMultiByte() << "\n:MESSAGE."
                     << messageText.toMultiByte() << "\n";
            closeFeedback(feedback, feedbackName);
        }
        return failure;
    };

    try {
        InputFile input(inputFile.toMultiByte());
        if (!input.isOpen())
            throw tagHQRCset(13101, L"export_tagfile", HQSTRING(tagxport_module), inputFile);

        tagName = tag_file_name(inputFile);
        raiseIfFailed(Tag_File::init(*tagName));
        tagOpen = true;

        std::string line;
        const bool gotFirst = input.readLine(line);
        if (input.failed())
            throw tagHQRCset(13103, L"export_tagfile", HQSTRING(tagxport_module), inputFile);
        if (!gotFirst)
            throw tagHQRCset(13102, L"export_tagfile", HQSTRING(tagxport_module), inputFile);

        raiseIfFailed(export_header(database));
        raiseIfFailed(snapshot.begin());

        ExportRun run(sections, ExportSwitches{cascade, relation});
        run.startSections();
        for (bool first = true; !input.endedOrFailed(); first = false) {
            if (!first)
                input.readLine(line);
            run.processLine(line);
            raiseIfFailed(Tag_File::flush());
        }
        if (cascade != 0)
            run.runCascade();
        endSnapshot(snapshot);

        export_footer();
        raiseIfFailed(Tag_File::clean_up());
        tagOpen = false;

        std::ofstream feedback = openFeedback(feedbackName);
        if (feedback.is_open()) {
            feedback << ":FILE." << *tagName << "\n:LOG." << *tagName << "\n:RC."
                     << codePair(run.result()).toMultiByte() << "\n";
            closeFeedback(feedback, feedbackName);
        }
        return HQRC(0, 0, DomainWhsSrv);
    } catch (const HQRC& failure) {
        return fail(failure);
    } catch (const std::exception& error) {
        return fail(internalError(error));
    }
}
