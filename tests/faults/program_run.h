// Test helpers of the fault tests: one run of the built program in a folder,
// with extra environment variables and a time limit, and the judgement of a
// finished run: did it take the failure path completely, or did it end as
// the clean run ended?
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "tests/exporters/export_run.h"
#include "tests/startup/child_process.h"

namespace fault_test {

namespace fs = std::filesystem;

struct ProgramRun {
    int status = -1;       // exit status; -1 when killed by a signal
    int signal = 0;        // the signal that ended it
    bool timedOut = false; // killed after the time limit
    double seconds = 0;
    std::string out, err, tag, feedback;
};

// The environment of this process with `extra` ("NAME=value") added or
// replacing variables of the same name.
inline std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        bool replaced = false;
        for (const std::string& x : extra)
            replaced = replaced || entry.compare(0, x.find('=') + 1, x, 0, x.find('=') + 1) == 0;
        if (!replaced)
            env.push_back(entry);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

#ifdef QRT_FAULT_SHIM
// The variables that preload the fault library into the program, plus extra
// (QRT_FAULT_AT, QRT_FAULT_MODE ...).
inline std::vector<std::string> faultEnvironment(std::vector<std::string> extra) {
    const char* asan = std::getenv("ASAN_OPTIONS");
    extra.push_back("LD_PRELOAD=" QRT_FAULT_SHIM);
    // The preloaded library comes before the sanitizer's runtime.
    extra.push_back(std::string("ASAN_OPTIONS=") + (asan ? std::string(asan) + ":" : "") +
                    "verify_asan_link_order=0");
    return extra;
}
#endif

// A started run of the program: its process, its folder and when it began.
struct StartedProgram {
    pid_t pid = -1;
    fs::path dir;
    std::chrono::steady_clock::time_point start;
};

// Starts the program in dir with args (tag file "export.tag", feedback file
// "feedback.txt" removed first), standard output and error into files there.
// HQSPATH is the staged installation unless extraEnv names another. `child`
// runs in the child process before the program starts (resource limits and
// the like).
inline StartedProgram startProgram(const fs::path& dir, const std::vector<std::string>& args,
                                   const std::vector<std::string>& extraEnv,
                                   void (*child)() = nullptr) {
    fs::remove(dir / "export.tag");
    fs::remove(dir / "feedback.txt");
    std::vector<std::string> env = environmentWith(extraEnv);
    if (std::none_of(extraEnv.begin(), extraEnv.end(),
                     [](const std::string& e) { return e.rfind("HQSPATH=", 0) == 0; }))
        env.push_back(std::string("HQSPATH=") + QRT_STAGE_DIR);
    std::vector<std::string> argv = {QRT_PROGRAM};
    argv.insert(argv.end(), args.begin(), args.end());
    const std::string outPath = (dir / "stdout.txt").string();
    const std::string errPath = (dir / "stderr.txt").string();

    StartedProgram started{-1, dir, std::chrono::steady_clock::now()};
    started.pid = fork();
    if (started.pid == 0) {
        if (::chdir(dir.c_str()) != 0)
            std::_Exit(125);
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, 1);
        ::dup2(err, 2);
        if (child)
            child();
        execProgram(argv, env);
    }
    return started;
}

// True while the program runs; the status is kept for finishProgram.
inline bool stillRunning(const StartedProgram& program, int& status) {
    return ::waitpid(program.pid, &status, WNOHANG) == 0;
}

// Waits for the end of the program (killing it after limit from its start)
// and collects what it wrote. `whileRunning` is called every 2 ms meanwhile.
template <class F>
ProgramRun finishProgram(const StartedProgram& program, std::chrono::milliseconds limit,
                         F whileRunning) {
    ProgramRun run;
    int status = 0;
    while (stillRunning(program, status)) {
        if (std::chrono::steady_clock::now() - program.start > limit) {
            ::kill(program.pid, SIGKILL);
            ::waitpid(program.pid, &status, 0);
            run.timedOut = true;
            break;
        }
        whileRunning();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    run.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - program.start).count();
    if (WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        run.signal = WTERMSIG(status);
    }
    run.out = export_test::readFile(program.dir / "stdout.txt");
    run.err = export_test::readFile(program.dir / "stderr.txt");
    run.tag = export_test::readFile(program.dir / "export.tag");
    run.feedback = export_test::readFile(program.dir / "feedback.txt");
    return run;
}

// Runs the program to its end (see startProgram); a run longer than limit is
// killed and marked timed out.
inline ProgramRun runProgram(const fs::path& dir, const std::vector<std::string>& args,
                             const std::vector<std::string>& extraEnv,
                             std::chrono::milliseconds limit = std::chrono::seconds(60),
                             void (*child)() = nullptr) {
    return finishProgram(startProgram(dir, args, extraEnv, child), limit, [] {});
}

inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// How a run ended, as a short class name; failure-path classes carry the
// return code ("failure path 2015"). Classes that are never acceptable start
// with "BAD".
inline std::string classify(const ProgramRun& run, const std::string& cleanTag,
                            const std::string& cleanFeedback) {
    if (run.timedOut)
        return "BAD hang";
    if (run.signal != 0)
        return "BAD crash (signal " + std::to_string(run.signal) + ")";
    if (run.err.find("Sanitizer") != std::string::npos ||
        run.err.find("runtime error:") != std::string::npos)
        return "BAD sanitizer report";
    if (run.status == 0) {
        if (export_test::maskRunLines(run.tag) == cleanTag && run.feedback == cleanFeedback)
            return "absorbed";
        return "BAD exit 0 with different output";
    }
    if (run.tag.empty() && run.feedback.empty()) {
        // Start-up failed before the export: its own line and status.
        // (the layer's codes 2001 to 2018 leave the statuses 209 to 226)
        if (run.out.find("could not connect to the control database") != std::string::npos)
            return "connect failure " + std::to_string(run.status >= 209 && run.status <= 226
                                                           ? run.status + 1792
                                                           : run.status);
        return "BAD start-up failure without its line";
    }
    // The export's failure path: the three lines and the footer close the tag
    // file, the feedback file ends with the code and the message.
    const std::vector<std::string> tag = linesOf(run.tag);
    const std::vector<std::string> feedback = linesOf(run.feedback);
    if (tag.size() < 7 || tag[tag.size() - 3].rfind(":COMMENT. End of Tag file: ", 0) != 0 ||
        tag[tag.size() - 5].rfind("Return code (code/native code): ", 0) != 0)
        return "BAD failure without the failure lines and footer";
    if (feedback.size() != 4 || feedback[2].rfind(":RC.", 0) != 0 ||
        feedback[3].rfind(":MESSAGE.", 0) != 0)
        return "BAD failure without its feedback";
    const long code = std::strtol(feedback[2].c_str() + 4, nullptr, 10);
    if ((code & 0xff) != run.status)
        return "BAD exit status differs from the feedback code";
    return "failure path " + std::to_string(code);
}

} // namespace fault_test
