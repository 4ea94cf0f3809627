// Event semaphores: the abstract interface and its implementation on a POSIX
// mutex with a condition variable.
#pragma once

#include <pthread.h>

#include <cstdint>

#include "runtime/return_code.h"

class HQabsEventSemaphore {
public:
    // Wait timeout meaning "no limit".
    static constexpr uint32_t kInfinite = 0xFFFFFFFFu;

    virtual ~HQabsEventSemaphore() = default;
    // Waits for a signal, at most `milliseconds` unless it is kInfinite.
    virtual HQRC Wait(uint32_t /*milliseconds*/) { return HQRC(); }
    virtual HQRC Signal() { return HQRC(); }
    virtual HQRC SetSignal() { return HQRC(); }
    virtual HQRC ResetSignal() { return HQRC(); }

    const HQSTRING& name() const { return name_; }

protected:
    explicit HQabsEventSemaphore(const HQSTRING& name) : name_(name) {}
    HQSTRING name_;
};

class HQNTEventSemaphore : public HQabsEventSemaphore {
public:
    explicit HQNTEventSemaphore(const HQSTRING& name) : HQabsEventSemaphore(name) {}
    ~HQNTEventSemaphore() override;
    HQNTEventSemaphore(const HQNTEventSemaphore&) = delete;
    HQNTEventSemaphore& operator=(const HQNTEventSemaphore&) = delete;

    HQRC Create();
    HQRC Wait(uint32_t milliseconds) override;
    // Both wake one waiter.
    HQRC Signal() override;
    HQRC SetSignal() override;
    // Only takes and releases the mutex.
    HQRC ResetSignal() override;

private:
    HQRC wake(const wchar_t* location);

    pthread_mutex_t mutex_{};
    pthread_cond_t cond_{};
    bool created_ = false;
};
