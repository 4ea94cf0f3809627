// Event semaphores on a POSIX mutex and condition variable.
#include "runtime/os_event.h"

#include <sys/time.h>

#include <cerrno>
#include <ctime>

#include "runtime/os_error.h"

HQNTEventSemaphore::~HQNTEventSemaphore() {
    if (created_) {
        pthread_cond_destroy(&cond_);
        pthread_mutex_destroy(&mutex_);
    }
}

HQRC HQNTEventSemaphore::Create() {
    if (created_)
        return HQRC();
    if (const int r = pthread_mutex_init(&mutex_, nullptr); r != 0)
        return osError(oserr::kFailed, L"HQNTEventSemaphore::Create", r);
    if (const int r = pthread_cond_init(&cond_, nullptr); r != 0) {
        pthread_mutex_destroy(&mutex_);
        return osError(oserr::kFailed, L"HQNTEventSemaphore::Create", r);
    }
    created_ = true;
    return HQRC();
}

HQRC HQNTEventSemaphore::Wait(uint32_t milliseconds) {
    constexpr const wchar_t* where = L"HQNTEventSemaphore::Wait";
    if (!created_)
        return osError(oserr::kFailed, where, EINVAL);
    if (const int r = pthread_mutex_lock(&mutex_); r != 0)
        return osError(oserr::kFailed, where, r);
    int r = 0;
    if (milliseconds == kInfinite) {
        r = pthread_cond_wait(&cond_, &mutex_);
    } else {
        // The limit is measured from the current time of day.
        timeval now{};
        gettimeofday(&now, nullptr);
        const long long nanos =
            static_cast<long long>(now.tv_usec) * 1000 + (milliseconds % 1000) * 1000000LL;
        timespec until{};
        until.tv_sec = now.tv_sec + milliseconds / 1000 + nanos / 1000000000LL;
        until.tv_nsec = static_cast<long>(nanos % 1000000000LL);
        r = pthread_cond_timedwait(&cond_, &mutex_, &until);
    }
    pthread_mutex_unlock(&mutex_);
    if (r != 0)
        return osError(oserr::kFailed, where, r);
    return HQRC();
}

HQRC HQNTEventSemaphore::wake(const wchar_t* location) {
    if (!created_)
        return osError(oserr::kFailed, location, EINVAL);
    if (const int r = pthread_mutex_lock(&mutex_); r != 0)
        return osError(oserr::kFailed, location, r);
    const int r = pthread_cond_signal(&cond_);
    pthread_mutex_unlock(&mutex_);
    if (r != 0)
        return osError(oserr::kFailed, location, r);
    return HQRC();
}

HQRC HQNTEventSemaphore::Signal() {
    return wake(L"HQNTEventSemaphore::Signal");
}

HQRC HQNTEventSemaphore::SetSignal() {
    return wake(L"HQNTEventSemaphore::SetSignal");
}

HQRC HQNTEventSemaphore::ResetSignal() {
    if (!created_)
        return osError(oserr::kFailed, L"HQNTEventSemaphore::ResetSignal", EINVAL);
    if (const int r = pthread_mutex_lock(&mutex_); r != 0)
        return osError(oserr::kFailed, L"HQNTEventSemaphore::ResetSignal", r);
    pthread_mutex_unlock(&mutex_);
    return HQRC();
}
