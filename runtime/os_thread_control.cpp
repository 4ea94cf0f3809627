// The sleep facility on nanosleep.
#include "runtime/os_thread_control.h"

#include <cerrno>
#include <ctime>

#include "runtime/os_error.h"

HQRC HQNTThreadControl::Sleep(uint32_t milliseconds) {
    timespec left{static_cast<time_t>(milliseconds / 1000),
                  static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&left, &left) != 0) {
        if (errno != EINTR)
            return osError(oserr::kFailed, L"HQNTThreadControl::Sleep", errno);
    }
    return HQRC();
}
