// Fuzz target: the export driver's reading of an input file and its section
// loop, over a section table like the program's whose exporters only record
// the names they are given. Whatever the file holds, the run must end with a
// tag file that closes with the footer, and every name handed on is a whole,
// non-empty line.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "export/export_driver.h"
#include "fuzz/fuzz_check.h"

namespace {

std::filesystem::path folder;

// Takes each name; a name "FAIL" fails like a retrieval that found nothing.
// The cascade step is handed an empty name, every section a whole line.
class RecordingSection final : public SectionExporter {
public:
    explicit RecordingSection(bool cascade) : cascade_(cascade) {}
    void exportName(const HQSTRING& name, HQRC& result) override {
        require(name.empty() == cascade_);
        require(name.find(L'\n') == std::wstring::npos);
        if (name == L"FAIL")
            throw HQRC(3142, 0, DomainWhsDDD);
        result = HQRC();
    }

private:
    bool cascade_;
};

SectionFactory recording(bool cascade = false) {
    return [cascade](const ExportSwitches&) -> std::unique_ptr<SectionExporter> {
        return std::make_unique<RecordingSection>(cascade);
    };
}

const ExportSection sections[] = {
    {SectionRole::keyword, L"<IR>", L":COMMENT. Start IR export", L":COMMENT. Exporting Database ",
     recording()},
    {SectionRole::keyword,
     L"<PROC>",
     L":COMMENT. Start Process export",
     L":COMMENT. Exporting Process ",
     {}},
    {SectionRole::keyword, L"<BV>", L"", L"", recording()},
    {SectionRole::keyword, L"<SCHEMA>", L":COMMENT. Start Star Schema export",
     L":COMMENT. Exporting StarSchema ", recording()},
    {SectionRole::keyword, L"<UDP>", L":COMMENT. Start UDP export",
     L":COMMENT. Exporting UDP group ", recording()},
    {SectionRole::cascade, L"/s", L"", L"", recording(true)},
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // In memory where the system offers it: every input is written as a file.
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    folder = base / ("qrt-fuzz-input-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    // The driver prints its failure lines on standard output.
    if (!std::freopen("/dev/null", "w", stdout))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path input = folder / "in.inp";
    std::ofstream(input, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    // The first byte, if any, chooses the cascade switch.
    const int cascade = size > 0 && (data[0] & 1) ? 1 : 0;
    const HQRC rc = export_tagfile_using(sections, HQSTRING(input.string()), L"DB",
                                         HQSTRING((folder / "fb.txt").string()), cascade, 1, "",
                                         "Failing operation: ", "Message: ", "Return code: ");
    std::ifstream in(folder / "in.tag", std::ios::binary);
    const std::string tag((std::istreambuf_iterator<char>(in)), {});
    const std::string lastLine = ":COMMENT.------------------------------\n";
    require(tag.size() >= lastLine.size() &&
            tag.compare(tag.size() - lastLine.size(), lastLine.size(), lastLine) == 0);
    std::ifstream fb(folder / "fb.txt", std::ios::binary);
    const std::string feedback((std::istreambuf_iterator<char>(fb)), {});
    require(feedback.find(rc.code == 0 ? ":RC." : ":MESSAGE.") != std::string::npos);
    return 0;
}
