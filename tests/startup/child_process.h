// Test helpers that run code in a child process: the built program with a
// chosen HQSPATH, or a function in a forked copy of the test. Both capture
// standard output and standard error and report the exit status.
#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

// Replaces this process by argv[0] with the arguments argv and the
// environment env; status 127 when that fails.
[[noreturn]] inline void execProgram(std::vector<std::string> argv, std::vector<std::string> env) {
    std::vector<char*> a, e;
    for (auto& s : argv)
        a.push_back(s.data());
    a.push_back(nullptr);
    for (auto& s : env)
        e.push_back(s.data());
    e.push_back(nullptr);
    execve(argv[0].c_str(), a.data(), e.data());
    std::_Exit(127);
}

struct ChildResult {
    int status = -1; // exit status as the shell sees it, -1 when killed
    std::string out;
    std::string err;
};

class ChildProcess {
public:
    // Runs program with args; HQSPATH is set to hqspath, or removed when none.
    ChildProcess(const std::string& program, const std::vector<std::string>& args,
                 const std::optional<std::string>& hqspath) {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e)
            if (std::strncmp(*e, "HQSPATH=", 8) != 0)
                env.emplace_back(*e);
        if (hqspath)
            env.push_back("HQSPATH=" + *hqspath);
        std::vector<std::string> argv = {program};
        argv.insert(argv.end(), args.begin(), args.end());
        start([&] { execProgram(argv, env); });
    }
    // Runs body in a forked copy of this process; body ends the process.
    explicit ChildProcess(const std::function<void()>& body) { start(body); }

    pid_t pid() const { return pid_; }

    // Collects the output and waits for the end of the process.
    ChildResult finish() {
        ChildResult r;
        r.out = drain(out_);
        r.err = drain(err_);
        int status = 0;
        waitpid(pid_, &status, 0);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }

private:
    void start(const std::function<void()>& body) {
        int out[2], err[2];
        if (pipe(out) != 0 || pipe(err) != 0)
            std::abort();
        std::fflush(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], 1);
            dup2(err[1], 2);
            close(out[0]), close(out[1]), close(err[0]), close(err[1]);
            body();
            std::_Exit(126);
        }
        close(out[1]), close(err[1]);
        out_ = out[0], err_ = err[0];
    }
    static std::string drain(int fd) {
        std::string text;
        char buf[4096];
        ssize_t n;
        while ((n = read(fd, buf, sizeof buf)) > 0)
            text.append(buf, static_cast<size_t>(n));
        close(fd);
        return text;
    }
    pid_t pid_ = -1;
    int out_ = -1, err_ = -1;
};

// A fresh folder below the build tree, removed with the object.
class TempDir {
public:
    TempDir() {
        std::string pattern = std::string(QRT_BINARY_DIR) + "/startup-test-XXXXXX";
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    // Writes bin/qztnxolv.str with the given content.
    void writeMessageFile(const std::string& content) const {
        std::filesystem::create_directories(path_ + "/bin");
        std::ofstream(path_ + "/bin/qztnxolv.str", std::ios::binary) << content;
    }

private:
    std::string path_;
};
