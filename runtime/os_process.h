// Child processes: the abstract interface and its Unix implementation.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "runtime/return_code.h"

class HQabsProcess {
public:
    virtual ~HQabsProcess() = default;
    virtual HQRC TerminateProcess() { return HQRC(); }
    virtual HQRC StartProcess() { return HQRC(); }
};

class HQNTProcess : public HQabsProcess {
public:
    // `newSession` nonzero starts the child in a session of its own;
    // `signalNumber` is what TerminateProcess sends.
    HQNTProcess(const HQSTRING& command, int newSession, int signalNumber)
        : command_(command), newSession_(newSession), signalNumber_(signalNumber) {}
    HQNTProcess(const HQNTProcess&) = delete;
    HQNTProcess& operator=(const HQNTProcess&) = delete;

    void setArguments(std::vector<HQSTRING> arguments) { arguments_ = std::move(arguments); }
    // The child takes this user's group and user identity (empty: unchanged).
    void setUser(const HQSTRING& user) { user_ = user; }
    void setWorkingDirectory(const HQSTRING& directory) { directory_ = directory; }

    // The command followed by its arguments, in multibyte form.
    std::vector<std::string> MakeCommandLine() const;
    HQRC StartProcess() override;
    HQRC TerminateProcess() override;
    // Reaps the child and hands back its wait status.
    HQRC waitForExit(int& status);
    pid_t pid() const { return pid_; }

private:
    HQSTRING command_;
    std::vector<HQSTRING> arguments_;
    HQSTRING user_;
    HQSTRING directory_;
    int newSession_;
    int signalNumber_;
    pid_t pid_ = -1;
};
