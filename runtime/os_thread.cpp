// Threads on POSIX threads.
#include "runtime/os_thread.h"

#include <cerrno>
#include <csignal>

#include "runtime/os_error.h"

HQRC HQNTThread::StartThread() {
    constexpr const wchar_t* where = L"HQNTThread::StartThread";
    if (started_)
        return osError(oserr::kFailed, where, EBUSY);
    pthread_attr_t attr;
    if (const int r = pthread_attr_init(&attr); r != 0)
        return osError(oserr::kFailed, where, r);
    int r = pthread_attr_setdetachstate(&attr, detached_ ? PTHREAD_CREATE_DETACHED
                                                         : PTHREAD_CREATE_JOINABLE);
    if (r == 0)
        r = pthread_create(&thread_, &attr, start_, argument_);
    pthread_attr_destroy(&attr);
    if (r != 0)
        return osError(oserr::kFailed, where, r);
    started_ = true;
    return HQRC();
}

HQRC HQNTThread::TerminateThread() {
    if (!started_)
        return osError(oserr::kFailed, L"HQNTThread::TerminateThread", ESRCH);
    if (const int r = pthread_kill(thread_, SIGTERM); r != 0)
        return osError(oserr::kFailed, L"HQNTThread::TerminateThread", r);
    return HQRC();
}

HQRC HQNTThread::WaitForTermination(uint32_t /*milliseconds*/) {
    if (!started_ || detached_)
        return osError(oserr::kFailed, L"HQNTThread::WaitForTermination", EINVAL);
    if (const int r = pthread_join(thread_, nullptr); r != 0)
        return osError(oserr::kFailed, L"HQNTThread::WaitForTermination", r);
    started_ = false;
    return HQRC();
}
