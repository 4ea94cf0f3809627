// Mutex semaphores on POSIX mutexes.
#include "runtime/os_mutex.h"

#include <cerrno>

#include "runtime/os_error.h"

HQNTMutexSemaphore::~HQNTMutexSemaphore() {
    if (created_)
        pthread_mutex_destroy(&mutex_);
}

HQRC HQNTMutexSemaphore::Create() {
    if (created_)
        return HQRC();
    if (const int r = pthread_mutex_init(&mutex_, nullptr); r != 0)
        return osError(oserr::kFailed, L"HQNTMutexSemaphore::Create", r);
    created_ = true;
    return HQRC();
}

HQRC HQNTMutexSemaphore::Acquire() {
    if (!created_)
        return osError(oserr::kFailed, L"HQNTMutexSemaphore::Acquire", EINVAL);
    if (const int r = pthread_mutex_lock(&mutex_); r != 0)
        return osError(oserr::kFailed, L"HQNTMutexSemaphore::Acquire", r);
    return HQRC();
}

HQRC HQNTMutexSemaphore::Release() {
    if (!created_)
        return osError(oserr::kFailed, L"HQNTMutexSemaphore::Release", EINVAL);
    if (const int r = pthread_mutex_unlock(&mutex_); r != 0)
        return osError(oserr::kFailed, L"HQNTMutexSemaphore::Release", r);
    return HQRC();
}
