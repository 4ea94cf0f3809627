// Small platform functions over the C library and POSIX.
#include "runtime/platform.h"

#include <cstdlib>
#include <ctime>
#include <cwchar>
#include <unistd.h>
#include <vector>

namespace hq {

HQSTRING GetCommandLine() {
    const char* value = std::getenv("EXEC_NAME");
    return value ? HQSTRING(value) : HQSTRING();
}

int _stprintf(wchar_t* buf, const wchar_t* format, long value) {
    // swprintf reports -1 both for a bad format and for a too small buffer, so
    // grow a private buffer up to a limit before giving up.
    for (size_t size = 64; size <= 65536; size *= 4) {
        std::vector<wchar_t> scratch(size);
        const int n = std::swprintf(scratch.data(), size, format, value);
        if (n >= 0) {
            std::wmemcpy(buf, scratch.data(), static_cast<size_t>(n) + 1);
            return n;
        }
    }
    buf[0] = L'\0';
    return -1;
}

namespace {
void formatNow(char buf[9], const char* format, bool utc) {
    const std::time_t now = std::time(nullptr);
    std::tm fields{};
    if (utc)
        gmtime_r(&now, &fields);
    else
        localtime_r(&now, &fields);
    if (std::strftime(buf, 9, format, &fields) == 0)
        buf[0] = '\0';
}
} // namespace

void _strdate(char buf[9]) {
    formatNow(buf, "%D", true);
}

void _strtime(char buf[9]) {
    formatNow(buf, "%H:%M:%S", false);
}

void _tcsset(wchar_t* text, wchar_t c) {
    for (; *text != L'\0'; ++text)
        *text = c;
}

HQSTRING hostName() {
    // Asked once: every error value carries it, and the end of each list
    // walk is one.
    static const HQSTRING name = [] {
        char bytes[256] = {};
        if (gethostname(bytes, sizeof bytes - 1) != 0)
            return HQSTRING();
        return HQSTRING(bytes);
    }();
    return name;
}

} // namespace hq
