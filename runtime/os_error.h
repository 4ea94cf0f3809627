// Builds the return code of a failing operating-system call.
#pragma once

#include "runtime/return_code.h"

// An error of an operating-system service: `location` names the operation,
// `nativeCode` carries the POSIX result.
inline HQRC osError(int32_t code, const wchar_t* location, int posixResult) {
    HQRC rc(code, posixResult, DomainWindows);
    rc.location = location;
    return rc;
}

// Message number of every failing operating-system service (an internal
// inconsistency of the runtime); the POSIX result tells the cause.
namespace oserr {
constexpr int32_t kFailed = 99;
} // namespace oserr
