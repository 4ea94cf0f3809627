// Threads: the abstract interface and its POSIX implementation.
#pragma once

#include <pthread.h>

#include <cstdint>

#include "runtime/return_code.h"

class HQabsThread {
public:
    using StartFunction = void* (*)(void*);

    virtual ~HQabsThread() = default;
    virtual HQRC StartThread() { return HQRC(); }
    virtual HQRC TerminateThread() { return HQRC(); }
    virtual HQRC WaitForTermination(uint32_t /*milliseconds*/) { return HQRC(); }

protected:
    HQabsThread(StartFunction start, void* argument) : start_(start), argument_(argument) {}
    StartFunction start_;
    void* argument_;
};

class HQNTThread : public HQabsThread {
public:
    // `detached` selects the detach state given to the new thread.
    HQNTThread(StartFunction start, void* argument, bool detached = false)
        : HQabsThread(start, argument), detached_(detached) {}
    HQNTThread(const HQNTThread&) = delete;
    HQNTThread& operator=(const HQNTThread&) = delete;

    HQRC StartThread() override;
    // Sends SIGTERM to the thread.
    HQRC TerminateThread() override;
    // Joins the thread; the timeout is not used by POSIX join.
    HQRC WaitForTermination(uint32_t milliseconds) override;

    bool started() const { return started_; }

private:
    pthread_t thread_{};
    bool detached_;
    bool started_ = false;
};
