// A distinctive password through every outcome of a run: success, an object
// not found, an unknown data source, a wrong PostgreSQL password, and a run
// with the trace switched on through the configuration table. The password
// shows in no output stream, no file the run leaves, and not in the
// process's command line or environment while it runs.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include "tests/faults/program_run.h"
#include "tests/faults_pg/pg_support.h"

using namespace fault_test;

namespace {

const std::string kPassword = "Zq7-Pw!x42-Secret";

struct Outcome {
    const char* name;
    const char* dsn;
    const char* input;
    int status;
};

// Everything below the folder, each file's content joined.
std::string allFiles(const fs::path& dir) {
    std::string text;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file())
            text += entry.path().string() + "\n" + export_test::readFile(entry.path());
    return text;
}

class Passwords : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = qrt_test::makeTempDir("passwords");
        // The sample warehouse, and a copy whose configuration switches the
        // trace of the object model and of the ODBC layer on.
        ASSERT_TRUE(export_test::loadSqlite(dir_ / "plain.db", {kSample}));
        ASSERT_TRUE(export_test::loadSqlite(dir_ / "traced.db", {kSample}));
        ASSERT_TRUE(qrt_test::sqliteExec(
            dir_ / "traced.db", "INSERT INTO configuration (component, name, type, value_int) "
                                "VALUES ('DDD', 'TRACELVL', 'N', 2), ('HQOdbc', 'TRACELVL', "
                                "'N', 2), ('RTK', 'TRACELVL', 'N', 2);"));
        qrt_test::useOdbcIni(dir_, qrt_test::sqliteDsn("PLAIN", dir_ / "plain.db") +
                                       qrt_test::sqliteDsn("TRACED", dir_ / "traced.db") +
                                       qrt_test::postgresDsn("POSTGRES"));
        export_test::writeFile(dir_ / "found.inp", "<IR>\nSALESDB\n");
        export_test::writeFile(dir_ / "missing.inp", "<IR>\nNO SUCH DATABASE\n");
        // The installation's message file is a FIFO: the run waits on it
        // right after taking its command line, and is looked at meanwhile.
        home_ = dir_ / "home";
        fs::create_directories(home_ / "bin");
        fs::create_directory_symlink(fs::path(QRT_STAGE_DIR) / "msg", home_ / "msg");
        ASSERT_EQ(::mkfifo((home_ / "bin/qztnxolv.str").c_str(), 0600), 0);
    }

    // The command line and the environment of the running process.
    static std::string processText(pid_t pid) {
        const std::string proc = "/proc/" + std::to_string(pid);
        return export_test::readFile(proc + "/cmdline") + export_test::readFile(proc + "/environ");
    }

    ProgramRun run(const Outcome& o, int& samples) {
        const StartedProgram program =
            startProgram(dir_, {o.input, o.dsn, "qrt", kPassword, "feedback=feedback.txt"},
                         {"HQSPATH=" + home_.string()});
        int fd = -1;
        for (int i = 0; i < 2000 && fd < 0; ++i) {
            fd = ::open((home_ / "bin/qztnxolv.str").c_str(), O_WRONLY | O_NONBLOCK);
            if (fd < 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        EXPECT_GE(fd, 0);
        const std::string waiting = processText(program.pid);
        EXPECT_NE(waiting.find(std::string(o.dsn) + '\0' + "qrt"), std::string::npos);
        EXPECT_EQ(waiting.find(kPassword), std::string::npos) << o.name;
        ++samples;
        const std::string messages = export_test::readFile(QRT_STAGE_DIR "/bin/qztnxolv.str");
        ::fcntl(fd, F_SETFL, 0);
        EXPECT_EQ(::write(fd, messages.data(), messages.size()),
                  static_cast<ssize_t>(messages.size()));
        ::close(fd);
        return finishProgram(program, std::chrono::seconds(60), [&] {
            const std::string running = processText(program.pid);
            EXPECT_EQ(running.find(kPassword), std::string::npos) << o.name;
            ++samples;
        });
    }

    static inline const fs::path kSample = fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql";
    fs::path dir_;
    fs::path home_;
};

} // namespace

TEST_F(Passwords, TheyShowNowhereWhateverTheOutcome) {
    const Outcome outcomes[] = {
        {"success", "PLAIN", "found.inp", 0},
        {"not found", "PLAIN", "missing.inp", 3142 & 0xff},
        {"unknown data source", "NO_SUCH_DSN", "found.inp", 2009 & 0xff},
        {"wrong PostgreSQL password", "POSTGRES", "found.inp", 2009 & 0xff},
        {"trace on", "TRACED", "found.inp", 0},
    };
    for (const Outcome& o : outcomes) {
        int samples = 0;
        const ProgramRun r = run(o, samples);
        EXPECT_EQ(r.status, o.status) << o.name << "\n" << r.out << r.err;
        for (const std::string* text : {&r.out, &r.err, &r.tag, &r.feedback})
            EXPECT_EQ(text->find(kPassword), std::string::npos) << o.name << ":\n" << *text;
        EXPECT_EQ(allFiles(dir_).find(kPassword), std::string::npos) << o.name;
        std::printf("%s: status %d, %d samples of the running process\n", o.name, r.status,
                    samples);
    }
}
