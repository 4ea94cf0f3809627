// The factory of operating-system objects: callers ask the singleton for
// mutexes, event semaphores, threads, processes and the sleep facility and own
// what they receive, without naming a concrete class.
#pragma once

#include <memory>

#include "runtime/os_event.h"
#include "runtime/os_mutex.h"
#include "runtime/os_process.h"
#include "runtime/os_thread.h"
#include "runtime/os_thread_control.h"

class HQabsFactory {
public:
    // The process-wide factory (a HQNTFactory), created on first use.
    static HQabsFactory& Instance();

    virtual ~HQabsFactory() = default;
    virtual std::unique_ptr<HQabsProcess> CreateProcess(const HQSTRING& command, int newSession,
                                                        int signalNumber) = 0;
    // A thread that is not started yet.
    virtual std::unique_ptr<HQabsThread> CreateThread(HQabsThread::StartFunction start,
                                                      void* argument) = 0;
    // Semaphores come back already created; if creating failed, their
    // operations report the failure.
    virtual std::unique_ptr<HQabsMutexSemaphore> CreateMutexSemaphore(const HQSTRING& name) = 0;
    virtual std::unique_ptr<HQabsEventSemaphore> CreateEventSemaphore(const HQSTRING& name) = 0;
    virtual std::unique_ptr<HQabsThreadControl> CreateThreadControl() = 0;
};

class HQNTFactory : public HQabsFactory {
public:
    std::unique_ptr<HQabsProcess> CreateProcess(const HQSTRING& command, int newSession,
                                                int signalNumber) override;
    std::unique_ptr<HQabsThread> CreateThread(HQabsThread::StartFunction start,
                                              void* argument) override;
    std::unique_ptr<HQabsMutexSemaphore> CreateMutexSemaphore(const HQSTRING& name) override;
    std::unique_ptr<HQabsEventSemaphore> CreateEventSemaphore(const HQSTRING& name) override;
    std::unique_ptr<HQabsThreadControl> CreateThreadControl() override;
};
