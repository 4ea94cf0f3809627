// Child processes on fork and exec.
#include "runtime/os_process.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "runtime/os_error.h"

std::vector<std::string> HQNTProcess::MakeCommandLine() const {
    std::vector<std::string> line{command_.toMultiByte()};
    for (const auto& a : arguments_)
        line.push_back(a.toMultiByte());
    return line;
}

HQRC HQNTProcess::StartProcess() {
    constexpr const wchar_t* where = L"HQNTProcess::StartProcess";
    if (pid_ > 0)
        return osError(oserr::kFailed, where, EBUSY);
    // Everything the child needs is prepared here: between fork and exec only
    // async-signal-safe calls are allowed.
    std::vector<std::string> line = MakeCommandLine();
    std::vector<char*> argv;
    for (auto& a : line)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string directory = directory_.toMultiByte();
    bool changeUser = false;
    uid_t uid = 0;
    gid_t gid = 0;
    if (!user_.empty()) {
        const passwd* pw = getpwnam(user_.toMultiByte().c_str());
        if (!pw)
            return osError(oserr::kFailed, where, errno ? errno : ENOENT);
        changeUser = true;
        uid = pw->pw_uid;
        gid = pw->pw_gid;
    }
    const pid_t pid = fork();
    if (pid < 0)
        return osError(oserr::kFailed, where, errno);
    if (pid == 0) {
        if (newSession_)
            setsid();
        if (changeUser && (setgid(gid) != 0 || setuid(uid) != 0))
            _exit(127);
        if (!directory.empty() && chdir(directory.c_str()) != 0)
            _exit(127);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    pid_ = pid;
    return HQRC();
}

HQRC HQNTProcess::TerminateProcess() {
    if (pid_ <= 0)
        return osError(oserr::kFailed, L"HQNTProcess::TerminateProcess", ESRCH);
    if (kill(pid_, signalNumber_) != 0)
        return osError(oserr::kFailed, L"HQNTProcess::TerminateProcess", errno);
    return HQRC();
}

HQRC HQNTProcess::waitForExit(int& status) {
    if (pid_ <= 0)
        return osError(oserr::kFailed, L"HQNTProcess::waitForExit", ECHILD);
    pid_t r;
    do {
        r = waitpid(pid_, &status, 0);
    } while (r < 0 && errno == EINTR);
    if (r < 0)
        return osError(oserr::kFailed, L"HQNTProcess::waitForExit", errno);
    pid_ = -1;
    return HQRC();
}
