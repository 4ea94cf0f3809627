// The built program: finding its message file through HQSPATH, the usage
// cases, message files with keys out of order or without a final line end,
// and the password vanishing from the process table.
#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "child_process.h"

namespace {

const std::string kCannotLoad = "An internal error has occurred.  Cannot load the message file. "
                                "Please re-install the product and try again.\n";

ChildResult runProgram(const std::vector<std::string>& args,
                       const std::optional<std::string>& hqspath) {
    return ChildProcess(QRT_PROGRAM, args, hqspath).finish();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The usage text of the installed message file: the nine lines after its key.
std::string installedUsage() {
    const std::string file = readFile(QRT_STAGE_DIR "/bin/qztnxolv.str");
    size_t start = file.find("QRT2EXP2_STR1\n") + 14, end = start;
    for (int i = 0; i < 9; ++i)
        end = file.find('\n', end) + 1;
    return file.substr(start, end - start);
}

} // namespace

TEST(Program, WithoutItsMessageFileItCannotStart) {
    // standard error names what to fix: the variable, or the file tried
    ChildResult r = runProgram({"in.inp", "DB", "user", "pw"}, std::nullopt);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kCannotLoad);
    EXPECT_EQ(r.err, "qrt2exp2: the environment variable HQSPATH is not set; set it to the "
                     "installation folder, the one whose bin/ holds qztnxolv.str (build/stage "
                     "after a build).\n");

    r = runProgram({"in.inp", "DB", "user", "pw"}, "");
    EXPECT_EQ(r.out, kCannotLoad);
    EXPECT_NE(r.err.find("HQSPATH is empty"), std::string::npos) << r.err;

    TempDir empty;
    r = runProgram({"in.inp", "DB", "user", "pw"}, empty.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, kCannotLoad);
    EXPECT_EQ(r.err, "qrt2exp2: cannot open the message file " + empty.path() +
                         "/bin/qztnxolv.str: No such file or directory; HQSPATH must name the "
                         "installation folder, the one whose bin/ holds qztnxolv.str (build/stage "
                         "after a build).\n");

    // A path that does not fit in 300 bytes is not opened either.
    TempDir deep;
    // (made of folder names of at most 100 bytes, whatever the build folder)
    std::string home = deep.path();
    while (home.size() < 290)
        home += "/" + std::string(std::min<size_t>(100, 290 - home.size()), 'd');
    std::filesystem::create_directories(home + "/bin");
    std::filesystem::copy_file(QRT_STAGE_DIR "/bin/qztnxolv.str", home + "/bin/qztnxolv.str");
    r = runProgram({}, home);
    EXPECT_EQ(r.out, kCannotLoad);
    EXPECT_NE(r.err.find(home + "/bin/qztnxolv.str is " + std::to_string(home.size() + 17) +
                         " bytes long"),
              std::string::npos)
        << r.err;
}

TEST(Program, PrintsUsageForMissingArgumentsQuestionMarkAndUnknownOptions) {
    const std::string usage = installedUsage();
    ASSERT_EQ(std::count(usage.begin(), usage.end(), '\n'), 9);
    const std::string tooFew = " given; four are needed: INPUTFILE DSN USER PASSWORD, then the "
                               "options.\n";
    const std::string options = "; the options are prefix=SCHEMA, feedback=FILE, /s and /r.\n";
    for (const auto& [args, err] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, "qrt2exp2: 0 arguments" + tooFew},
             {{"in.inp", "DB", "user"}, "qrt2exp2: 3 arguments" + tooFew},
             {{"?", "DB", "user", "pw"}, ""},
             {{"in.inp", "DB", "user", "pw", "/S", "-x"},
              "qrt2exp2: unknown option \"-x\"" + options},
             {{"in.inp", "DB", "user", "pw", "prefix"},
              "qrt2exp2: unknown option \"prefix\"" + options}}) {
        const ChildResult r = runProgram(args, QRT_STAGE_DIR);
        EXPECT_EQ(r.status, 1) << args.size();
        EXPECT_EQ(r.out, usage);
        EXPECT_EQ(r.err, err);
    }
}

TEST(Program, KeysOutOfOrderYieldTheInternalErrorText) {
    TempDir home;
    home.writeMessageFile("QRT2EXP2_STR1\nthe usage\nQRT2IMP2_STR2\nno connection\n"
                          "QRT2EXP2_STR2\nok\n");
    const ChildResult r = runProgram({"in.inp"}, home.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out,
              "An internal error has occurred. Cannot retrieve string from the message file.\n\n");
    EXPECT_EQ(r.err, "qrt2exp2: the message file " + home.path() +
                         "/bin/qztnxolv.str has no key QRT2EXP2_STR1 after the keys read before "
                         "it; reinstall it (the keys must stay in their installed order).\n"
                         "qrt2exp2: 1 argument given; four are needed: INPUTFILE DSN USER "
                         "PASSWORD, then the options.\n");
}

TEST(Program, MessageWithoutFinalLineEndKeepsItsLastCharacter) {
    TempDir home;
    home.writeMessageFile("QRT2IMP2_STR2\nno connection\nQRT2EXP2_STR1\nfirst line\nlast line");
    const ChildResult r = runProgram({"?"}, home.path());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "first line\nlast line\n");
}

TEST(Program, PasswordDisappearsFromTheProcessTable) {
    // The message file is a FIFO: the program blocks on it after reading its
    // command line, and the test looks at the running process meanwhile.
    TempDir home;
    std::filesystem::create_directories(home.path() + "/bin");
    const std::string fifo = home.path() + "/bin/qztnxolv.str";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ChildProcess program(QRT_PROGRAM, {"?", "DB", "user", "pw-S3cret-42", "/s"}, home.path());

    int fd = -1;
    for (int i = 0; i < 1000 && fd < 0; ++i) { // the program has opened it once this succeeds
        fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd < 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_GE(fd, 0);
    const std::string cmdline = readFile("/proc/" + std::to_string(program.pid()) + "/cmdline");
    EXPECT_EQ(cmdline.find("S3cret"), std::string::npos);
    EXPECT_NE(cmdline.find(std::string("DB\0user\0", 8)), std::string::npos);
    EXPECT_NE(cmdline.find("/s"), std::string::npos);

    const std::string content = "QRT2IMP2_STR2\nx\nQRT2EXP2_STR1\nusage\n";
    fcntl(fd, F_SETFL, 0);
    EXPECT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
    close(fd);
    const ChildResult r = program.finish();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "usage\n");
}
