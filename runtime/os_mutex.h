// Mutex semaphores: the abstract interface and its POSIX implementation.
#pragma once

#include <pthread.h>

#include "runtime/return_code.h"

class HQabsMutexSemaphore {
public:
    virtual ~HQabsMutexSemaphore() = default;
    // Waits as long as needed for the mutex.
    virtual HQRC Acquire() { return HQRC(); }
    virtual HQRC Release() { return HQRC(); }

    const HQSTRING& name() const { return name_; }

protected:
    explicit HQabsMutexSemaphore(const HQSTRING& name) : name_(name) {}
    HQSTRING name_;
};

class HQNTMutexSemaphore : public HQabsMutexSemaphore {
public:
    explicit HQNTMutexSemaphore(const HQSTRING& name) : HQabsMutexSemaphore(name) {}
    ~HQNTMutexSemaphore() override;
    HQNTMutexSemaphore(const HQNTMutexSemaphore&) = delete;
    HQNTMutexSemaphore& operator=(const HQNTMutexSemaphore&) = delete;

    // Initialises the POSIX mutex; the other operations fail until it did.
    HQRC Create();
    HQRC Acquire() override;
    HQRC Release() override;

private:
    pthread_mutex_t mutex_{};
    bool created_ = false;
};
