// A whole start-up run in a forked child with stand-in services: the order of
// the calls, the arguments they get, the verdict line, and the exit status as
// the parent sees it (the code's low eight bits).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>

#include "child_process.h"
#include "export/export_driver.h"
#include "export/startup.h"

namespace {

StartupTexts installedTexts() {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(
        std::fopen(QRT_STAGE_DIR "/bin/qztnxolv.str", "r"), std::fclose);
    return readStartupTexts(f.get());
}

std::string mb(const HQSTRING& s) {
    return s.toMultiByte();
}

// Services that print what they were given and answer with the given codes.
ExportServices standIns(int32_t configCode, int32_t exportCode) {
    ExportServices s;
    s.initConfiguration = [=](const HQSTRING& db, const HQSTRING& prefix, const HQSTRING& user,
                              const HQSTRING& password, int manualCommit) {
        std::printf("config %s|%s|%s|%s|%d\n", mb(db).c_str(), mb(prefix).c_str(), mb(user).c_str(),
                    mb(password).c_str(), manualCommit);
        return HQRC(configCode, 0, DomainWhsDDD);
    };
    s.exportTagfile = [=](const HQSTRING& in, const HQSTRING& db, const HQSTRING& feedback,
                          int cascade, int relation, const std::string& t4, const std::string& t5,
                          const std::string& t6, const std::string& t7) {
        std::printf("export %s|%s|%s|%d|%d|%s|%s|%s|%s\n", mb(in).c_str(), mb(db).c_str(),
                    mb(feedback).c_str(), cascade, relation, t4.c_str(), t5.c_str(), t6.c_str(),
                    t7.c_str());
        return HQRC(exportCode, 0, DomainExport);
    };
    return s;
}

ChildResult run(std::vector<std::string> args, const ExportServices& services) {
    ChildProcess child([&] {
        setenv("HQSPATH", QRT_STAGE_DIR, 1);
        args.insert(args.begin(), "qrt2exp2");
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        endProcess(runStartup(static_cast<int>(args.size()), argv.data(), services));
    });
    return child.finish();
}

} // namespace

TEST(StartupRun, SuccessfulExportPrintsTheSuccessTextAndEndsWithZero) {
    const StartupTexts t = installedTexts();
    const ChildResult r = run(
        {"in.inp", "DB", "user", "pw", "prefix=ABC", "/s", "feedback=fb.log", "/r", "prefix=XYZ"},
        standIns(0, 0));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "config DB|XYZ|user|pw|0\nexport in.inp|DB|fb.log|1|0|" + t.text4 + "|" +
                         t.text5 + "|" + t.text6 + "|" + t.text7 + "\n" + t.success + "\n");
    EXPECT_EQ(r.err, "");
}

TEST(StartupRun, FailedExportEndsWithItsCodeSeenModulo256) {
    const StartupTexts t = installedTexts();
    const ChildResult r = run({"in.inp", "DB", "user", "pw"}, standIns(0, 13101));
    EXPECT_EQ(r.status, 13101 % 256);
    EXPECT_EQ(r.status, 45);
    EXPECT_EQ(r.out.substr(r.out.find('\n', r.out.find("export")) + 1), t.failure + "\n");
    // one line on standard error with the catalogue text, the code and the status
    EXPECT_EQ(r.err, "qrt2exp2: the export failed in : The input file ? could not be opened for "
                     "reading. (return code 13101, exit status 45)\n");
}

// An exception that is no return code, thrown while the driver runs, still
// ends in the tag file's footer, a feedback file and the exit status 99.
TEST(StartupRun, ExceptionDuringTheExportEndsWithTheInternalErrorCode) {
    const StartupTexts t = installedTexts();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("qrt_startup_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in.inp") << "<IR>\nSALES\n";
    ExportServices services = standIns(0, 0);
    services.exportTagfile = [](const HQSTRING& in, const HQSTRING& db, const HQSTRING& feedback,
                                int cascade, int relation, const std::string& t4,
                                const std::string& t5, const std::string& t6,
                                const std::string& t7) {
        static const ExportSection failing[] = {
            {SectionRole::keyword, L"<IR>", L"", L"",
             [](const ExportSwitches&) -> std::unique_ptr<SectionExporter> {
                 throw std::bad_alloc();
             }}};
        return export_tagfile_using(failing, in, db, feedback, cascade, relation, t4, t5, t6, t7);
    };
    const std::string in = (dir / "in.inp").string();
    const std::string fb = (dir / "fb.txt").string();
    const ChildResult r = run({in, "DB", "user", "pw", "feedback=" + fb}, services);
    EXPECT_EQ(r.status, 99);
    EXPECT_NE(r.out.find(t.text7 + "99/0\n" + t.failure + "\n"), std::string::npos) << r.out;

    std::ifstream tagFile(dir / "in.tag");
    const std::string tag((std::istreambuf_iterator<char>(tagFile)), {});
    EXPECT_NE(tag.find(t.text7 +
                       "99/0\n:COMMENT.------------------------------\n"
                       ":COMMENT. End of Tag file: " +
                       (dir / "in.tag").string()),
              std::string::npos)
        << tag;
    std::ifstream feedbackFile(dir / "fb.txt");
    const std::string feedback((std::istreambuf_iterator<char>(feedbackFile)), {});
    EXPECT_NE(feedback.find(":RC.99/0\n:MESSAGE."), std::string::npos) << feedback;
    std::filesystem::remove_all(dir);
}

TEST(StartupRun, FailedConnectionPrintsItsTextAndSkipsTheExport) {
    const StartupTexts t = installedTexts();
    ExportServices services = standIns(2009, 0);
    // the data source is looked up only to explain the failure
    services.describeDataSource = [](const std::string& name) {
        std::printf("describe %s\n", name.c_str());
        return DataSourceInfo{};
    };
    const ChildResult r = run({"in.inp", "DB", "user", "pw"}, services);
    EXPECT_EQ(r.status, 2009 % 256);
    EXPECT_EQ(r.out, "config DB|QRT|user|pw|0\n" + t.connectFailed + "\ndescribe DB\n");
    EXPECT_EQ(r.err, "qrt2exp2: Could not connect to the control database ? as user ?. (return "
                     "code 2009, exit status 217)\n");
}

TEST(StartupRun, MissingServicesEndWithAnInternalErrorLine) {
    ChildResult r = run({"in.inp", "DB", "user", "pw"}, ExportServices{});
    EXPECT_EQ(r.status, kMissingServiceStatus);
    EXPECT_EQ(r.out, "An internal error has occurred. This build of qrt2exp2 has no connection to "
                     "the control database.\n");
    ExportServices configOnly = standIns(0, 0);
    configOnly.exportTagfile = nullptr;
    r = run({"in.inp", "DB", "user", "pw"}, configOnly);
    EXPECT_EQ(r.status, kMissingServiceStatus);
    EXPECT_EQ(r.out, "config DB|QRT|user|pw|0\nAn internal error has occurred. This build of "
                     "qrt2exp2 has no export driver.\n");
}
