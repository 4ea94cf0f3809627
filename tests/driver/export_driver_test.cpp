// Tests of the export driver: input grammar, run order, failure path and
// feedback file, over the program's own section table and over a table of
// stand-in exporters.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "export/export_driver.h"
#include "export/export_error.h"
#include "export/tag_writer.h"
#include "runtime/message_resolver.h"
#include "tests/runtime/scoped_env.h"
#include "tests/tag/tag_test_support.h"

namespace {

using tagtest::golden;
using tagtest::maskTimeStamps;
using tagtest::readFile;
using tagtest::writeFile;

const std::string text4 = "unused";
const std::string text5 = "Function: ";
const std::string text6 = "Message: ";
const std::string text7 = "Codes: ";

// What the stand-in exporters saw during one run.
struct Calls {
    std::vector<std::string> names;  // "IR SALES", "PROC LOAD" ...
    std::map<std::string, int> made; // section objects made, by section
    std::vector<ExportSwitches> switches;
};
Calls calls;

// A stand-in retrieval object.
struct FakeObject {};

// Counts the objects a section makes per run; writes one property line and a
// checkpoint per name; the name "MISSING" fails like the retrieval of an
// absent object, "NO MEMORY" and "OUT OF RANGE" like code that meets an
// allocation failure or a bad index. The result carries the number of names
// exported so far as native code, so that the ":RC." line shows the last
// result.
SectionFactory fakeSection(const std::string& label) {
    SectionFactory inner = objectSection<FakeObject>(
        [label](FakeObject&, const HQSTRING& name, const ExportSwitches&) {
            if (name == L"MISSING") {
                HQRC rc(3142, 0, DomainWhsDDD);
                rc.location = L"Fake::retrieve";
                throw rc;
            }
            if (name == L"NO MEMORY")
                throw std::bad_alloc();
            if (name == L"OUT OF RANGE")
                return HQRC(0, std::vector<int32_t>{1, 2}.at(name.size()), DomainWhsSrv);
            calls.names.push_back(label + " " + name.toMultiByte());
            write_property(L"NAME", HQSTRING(label) + L" " + name);
            Tag_File::write_chkpid();
            return HQRC(0, static_cast<int32_t>(calls.names.size()), DomainWhsSrv);
        });
    return [inner, label](const ExportSwitches& sw) {
        ++calls.made[label];
        calls.switches.push_back(sw);
        return inner(sw);
    };
}

// Replaces every occurrence of placeholder in text.
std::string fill(std::string text, const std::string& placeholder, const std::string& value) {
    for (size_t pos = text.find(placeholder); pos != std::string::npos;
         pos = text.find(placeholder, pos + value.size()))
        text.replace(pos, placeholder.size(), value);
    return text;
}

std::vector<ExportSection> fakeTable(bool withCascade) {
    std::vector<ExportSection> table(export_sections().begin(), export_sections().end());
    for (ExportSection& section : table) {
        if (section.role == SectionRole::cascade) {
            section.start = withCascade ? fakeSection("CASCADE") : SectionFactory();
        } else if (section.keyword != L"<BV>") {
            const std::string kw = HQSTRING(section.keyword).toMultiByte();
            section.start = fakeSection(kw.substr(1, kw.size() - 2));
        }
    }
    return table;
}

class ExportDriver : public tagtest::WorkFolderTest {
protected:
    void SetUp() override {
        tagtest::WorkFolderTest::SetUp();
        calls = Calls();
    }

    HQRC run(const std::string& input, const std::string& feedback = "fb.txt", int cascade = 0,
             int relation = 1) {
        ::testing::internal::CaptureStdout();
        HQRC rc = export_tagfile(HQSTRING(input), L"WAREHOUSE", HQSTRING(feedback), cascade,
                                 relation, text4, text5, text6, text7);
        out = ::testing::internal::GetCapturedStdout();
        return rc;
    }
    HQRC runFake(const std::vector<ExportSection>& table, const std::string& input, int cascade = 0,
                 int relation = 1) {
        ::testing::internal::CaptureStdout();
        HQRC rc = export_tagfile_using(table, HQSTRING(input), L"WAREHOUSE", L"fb.txt", cascade,
                                       relation, text4, text5, text6, text7);
        out = ::testing::internal::GetCapturedStdout();
        return rc;
    }

    // The catalogue text of a code, as the driver resolves it.
    static std::string resolved(const HQRC& rc) {
        HQResolveMessage resolver(L"QRT2MSG.DLL");
        HQSTRING native, message;
        resolver.ResolveMsgs(rc, native, message, HQSTRING(), 0);
        return message.toMultiByte();
    }
    // The three failure lines as printed.
    static std::string failureLines(const HQRC& rc) {
        return text5 + rc.location.toMultiByte() + "\n" + text6 + resolved(rc) + "\n" + text7 +
               std::to_string(rc.code) + "/" + std::to_string(rc.nativeCode) + "\n";
    }
    std::string tagText(const std::string& name) { return maskTimeStamps(readFile(folder / name)); }

    ScopedEnv hqspath{"HQSPATH", std::string(QRT_STAGE_DIR)};
    std::string out;
};

TEST(TagFileName, FromTheFirstDotOfTheWholePath) {
    EXPECT_EQ(tag_file_name(L"export.inp"), "export.tag");
    EXPECT_EQ(tag_file_name(L"export"), "export.tag");
    EXPECT_EQ(tag_file_name(L"./in/x.inp"), ".tag");
    EXPECT_EQ(tag_file_name(L"load.list.inp"), "load.tag");
    EXPECT_EQ(tag_file_name(L"dir.d/in"), "dir.tag");
    EXPECT_EQ(tag_file_name(L"trailing."), "trailing.tag");
    EXPECT_EQ(tag_file_name(HQSTRING("K\xc3\xb6ln.inp")), "K\xc3\xb6ln.tag");
}

TEST_F(ExportDriver, MixedInputFrameWithStandInExporters) {
    writeFile(folder / "mixed.inp", "BEFORE ANY KEYWORD\n<BV>\nSTEP ONE\n<ir>\n<IR> \n<IR>\n\n"
                                    "SALES\n<PROC>\nLOAD\n<SCHEMA>\nSTARS\n<UDP>\nPROGS\n"
                                    "<IR>\n LAST ");
    const HQRC rc = runFake(fakeTable(false), "mixed.inp", 0, 0);
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(rc.domain, DomainWhsSrv);
    EXPECT_EQ(tagText("mixed.tag"), golden("mixed_input.tag"));
    EXPECT_EQ(out, "*** Warning: ignoring business view: STEP ONE\n"
                   "*** Warning: ignoring business view: <ir>\n"
                   "*** Warning: ignoring business view: <IR> \n");
    EXPECT_EQ(readFile(folder / "fb.txt"), ":FILE.mixed.tag\n:LOG.mixed.tag\n:RC.0/5\n");
    // One object per section and run, made before the first name.
    EXPECT_EQ(calls.made,
              (std::map<std::string, int>{{"IR", 1}, {"PROC", 1}, {"SCHEMA", 1}, {"UDP", 1}}));
    ASSERT_FALSE(calls.switches.empty());
    EXPECT_EQ(calls.switches.front().relation, 0);
}

TEST_F(ExportDriver, FailingRetrievalStopsTheRunAfterWhatWasWritten) {
    writeFile(folder / "stop.inp", "<IR>\nSALES\nMISSING\nNEVER\n");
    const HQRC rc = runFake(fakeTable(false), "stop.inp");
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"Fake::retrieve");
    EXPECT_EQ(calls.names, std::vector<std::string>{"IR SALES"});
    EXPECT_EQ(tagText("stop.tag"),
              fill(golden("failed_retrieval.tag"), "<resolved>", resolved(rc)));
    EXPECT_EQ(out, failureLines(rc));
    EXPECT_EQ(readFile(folder / "fb.txt"),
              ":FILE.stop.tag\n:LOG.stop.tag\n:RC.3142/0\n:MESSAGE." + resolved(rc) + "\n");
}

TEST_F(ExportDriver, AnyOtherExceptionEndsTheRunAsAnInternalInconsistency) {
    std::string outOfRange;
    try {
        (void)std::vector<int32_t>{1, 2}.at(12);
    } catch (const std::out_of_range& e) {
        outOfRange = e.what();
    }
    for (const auto& [name, text] :
         {std::pair<std::string, std::string>{"NO MEMORY", std::bad_alloc().what()},
          {"OUT OF RANGE", outOfRange}}) {
        calls = Calls();
        writeFile(folder / "x.inp", "<IR>\nSALES\n" + name + "\nNEVER\n");
        const HQRC rc = runFake(fakeTable(false), "x.inp");
        EXPECT_EQ(rc.code, 99) << name;
        EXPECT_EQ(rc.nativeCode, 0);
        EXPECT_EQ(rc.location, L"export_tagfile");
        EXPECT_EQ(rc.commandLine, L"TAGXPORT");
        EXPECT_EQ(rc.token1.toMultiByte(), text);
        EXPECT_EQ(calls.names, std::vector<std::string>{"IR SALES"}) << "later names are not read";
        // The same frame as any other failure: what was written, the three
        // failure lines, the footer.
        std::string expected = golden("failed_retrieval.tag");
        for (const auto& [from, to] : {std::pair<std::string, std::string>{"stop.tag", "x.tag"},
                                       {"MISSING", name},
                                       {"Fake::retrieve", "export_tagfile"},
                                       {"3142/0", "99/0"},
                                       {"<resolved>", resolved(rc)}})
            expected = fill(expected, from, to);
        EXPECT_EQ(tagText("x.tag"), expected);
        EXPECT_EQ(out, failureLines(rc));
        EXPECT_EQ(readFile(folder / "fb.txt"),
                  ":FILE.x.tag\n:LOG.x.tag\n:RC.99/0\n:MESSAGE." + resolved(rc) + "\n");
    }
}

TEST_F(ExportDriver, CascadeRunsOnceAfterTheLastLineEvenWithoutNames) {
    writeFile(folder / "c.inp", "<PROC>\n");
    EXPECT_EQ(runFake(fakeTable(true), "c.inp", 1).code, 0);
    EXPECT_EQ(calls.names, std::vector<std::string>{"CASCADE "});
    EXPECT_EQ(calls.made, (std::map<std::string, int>{
                              {"IR", 1}, {"PROC", 1}, {"SCHEMA", 1}, {"UDP", 1}, {"CASCADE", 1}}));
    const std::string text = tagText("c.tag");
    EXPECT_LT(text.find(":COMMENT. Start Process export"), text.find("NAME(CASCADE )"));
    EXPECT_LT(text.find("NAME(CASCADE )"), text.find(":COMMENT. End of Tag file: c.tag"));
    EXPECT_EQ(readFile(folder / "fb.txt"), ":FILE.c.tag\n:LOG.c.tag\n:RC.0/1\n");

    calls = Calls();
    EXPECT_EQ(runFake(fakeTable(true), "c.inp", 0).code, 0);
    EXPECT_TRUE(calls.names.empty()) << "no cascade without the switch";
}

TEST_F(ExportDriver, FirstLineWithoutLineEndExportsNothing) {
    writeFile(folder / "one.inp", "<IR>");
    EXPECT_EQ(runFake(fakeTable(false), "one.inp").code, 0);
    writeFile(folder / "name.inp", "<IR>\nSALES");
    EXPECT_EQ(runFake(fakeTable(false), "name.inp").code, 0);
    EXPECT_EQ(calls.names, std::vector<std::string>{"IR SALES"}) << "a later last line counts";
    const std::string text = tagText("one.tag");
    EXPECT_EQ(text.find("Start IR export"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 12) << "header and footer only";
}

TEST_F(ExportDriver, MissingInputFile) {
    const HQRC rc = run("absent.inp");
    EXPECT_EQ(rc.code, 13101);
    EXPECT_EQ(rc.domain, DomainExport);
    EXPECT_EQ(rc.location, L"export_tagfile");
    EXPECT_EQ(rc.commandLine, L"TAGXPORT");
    EXPECT_FALSE(std::filesystem::exists(folder / "absent.tag"));
    EXPECT_EQ(out, failureLines(rc));
    EXPECT_FALSE(resolved(rc).empty()) << "catalogue text expected under $HQSPATH/msg";
    EXPECT_NE(resolved(rc).find("absent.inp"), std::string::npos) << "the message names the file";
    EXPECT_EQ(readFile(folder / "fb.txt"), ":FILE.absent.inp\n:LOG.absent.inp\n:RC.13101/0\n"
                                           ":MESSAGE." +
                                               resolved(rc) + "\n");
}

TEST_F(ExportDriver, EmptyInputFile) {
    writeFile(folder / "empty.inp", "");
    const HQRC rc = run("empty.inp");
    EXPECT_EQ(rc.code, 13102);
    EXPECT_EQ(tagText("empty.tag"), fill(golden("empty_input.tag"), "<resolved>", resolved(rc)));
    EXPECT_EQ(out, failureLines(rc));
    EXPECT_EQ(readFile(folder / "fb.txt"),
              ":FILE.empty.tag\n:LOG.empty.tag\n:RC.13102/0\n:MESSAGE." + resolved(rc) + "\n");
}

TEST_F(ExportDriver, UnreadableInputFile) {
    std::filesystem::create_directory(folder / "in.d");
    const HQRC rc = run("in.d");
    EXPECT_EQ(rc.code, 13103);
    EXPECT_EQ(readFile(folder / "fb.txt").rfind(":FILE.in.tag\n:LOG.in.tag\n:RC.13103/0\n", 0), 0u);
}

TEST_F(ExportDriver, UnwritableTagFile) {
    writeFile(folder / "in.inp", "<BV>\nX\n");
    std::filesystem::create_directory(folder / "in.tag");
    const HQRC rc = run("in.inp");
    EXPECT_EQ(rc.code, 13001);
    EXPECT_EQ(rc.location, L"Tag_File::init");
    EXPECT_EQ(rc.commandLine, L"TAGXOBJ");
    EXPECT_EQ(out, failureLines(rc));
    EXPECT_EQ(readFile(folder / "fb.txt"),
              ":FILE.in.tag\n:LOG.in.tag\n:RC.13001/0\n:MESSAGE." + resolved(rc) + "\n");
}

TEST_F(ExportDriver, NamesUnderBVOnlyWarnAndNonKeywordsAreNames) {
    writeFile(folder / "bv.inp", "IGNORED\n<BV>\nSTEP\n<ir>\n<IR> \n <BV>\n");
    EXPECT_EQ(run("bv.inp").code, 0);
    EXPECT_EQ(out, "*** Warning: ignoring business view: STEP\n"
                   "*** Warning: ignoring business view: <ir>\n"
                   "*** Warning: ignoring business view: <IR> \n"
                   "*** Warning: ignoring business view:  <BV>\n");
    EXPECT_EQ(tagText("bv.tag"), fill(golden("frame_only.tag"), "<tag>", "bv.tag"));
    EXPECT_EQ(readFile(folder / "fb.txt"), ":FILE.bv.tag\n:LOG.bv.tag\n:RC.0/0\n");
}

TEST_F(ExportDriver, EverySectionAndTheCascadeStepHaveTheirExporter) {
    size_t keywords = 0;
    for (const ExportSection& section : export_sections()) {
        EXPECT_TRUE(section.start) << HQSTRING(section.keyword).toMultiByte();
        keywords += section.role == SectionRole::keyword ? 1 : 0;
    }
    EXPECT_EQ(keywords, 5u);
    EXPECT_EQ(export_sections().back().role, SectionRole::cascade);
}

TEST_F(ExportDriver, CascadeStepWithoutExportedStepsWritesNothing) {
    writeFile(folder / "s.inp", "<BV>\n");
    EXPECT_EQ(run("s.inp", "fb.txt", 1).code, 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(tagText("s.tag"), fill(golden("frame_only.tag"), "<tag>", "s.tag"));
    EXPECT_EQ(readFile(folder / "fb.txt"), ":FILE.s.tag\n:LOG.s.tag\n:RC.0/0\n");
}

TEST_F(ExportDriver, EmptyFeedbackPathWritesNoFeedback) {
    writeFile(folder / "in.inp", "<BV>\n");
    EXPECT_EQ(run("in.inp", "").code, 0);
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"in.inp", "in.tag"}));

    EXPECT_EQ(run("absent.inp", "").code, 13101) << "also on the failure path";
}

TEST_F(ExportDriver, UnopenableFeedbackPathLeavesTheResultAlone) {
    writeFile(folder / "in.inp", "<BV>\n");
    EXPECT_EQ(run("in.inp", "no/such/folder/fb.txt").code, 0);
    EXPECT_EQ(tagText("in.tag"), fill(golden("frame_only.tag"), "<tag>", "in.tag"));
    EXPECT_EQ(run("absent.inp", "no/such/folder/fb.txt").code, 13101);
}

TEST_F(ExportDriver, TagFileNamedAfterTheInputFile) {
    writeFile(folder / "fb.txt", std::string(200, 'x')); // truncated by the run
    writeFile(folder / "load.list.inp", "<BV>\n");
    EXPECT_EQ(run("load.list.inp").code, 0);
    EXPECT_TRUE(std::filesystem::exists(folder / "load.tag"));
    EXPECT_EQ(readFile(folder / "fb.txt"), ":FILE.load.tag\n:LOG.load.tag\n:RC.0/0\n");
}

} // namespace
