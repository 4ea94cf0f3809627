// Identifier construction, comparison and generation.
#include "dictionary/dir_id.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

DIRId::DIRId() {
    value_.fill('X');
    value_[kLength] = '\0';
}

DIRId::DIRId(const HQSTRING& text) {
    setValue(text.toMultiByte());
}

void DIRId::setValue(std::string_view bytes) {
    value_.fill('\0');
    std::memcpy(value_.data(), bytes.data(), std::min(bytes.size(), kLength));
}

std::string_view DIRId::view() const {
    return {value_.data(), ::strnlen(value_.data(), kLength)};
}

HQSTRING DIRId::toString() const {
    return HQSTRING(std::string(view()));
}

bool DIRId::isUnset() const {
    return *this == DIRId();
}

namespace {
// Next value of the runtime's random generator, seeded with the time on first use.
unsigned nextRandom() {
    static const bool seeded = [] {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        return true;
    }();
    (void)seeded;
    return static_cast<unsigned>(std::rand());
}

unsigned numberForMode(int16_t mode) {
    const time_t now = std::time(nullptr);
    switch (mode) {
    case 0:
        return nextRandom();
    case 1:
        return static_cast<unsigned>(now % 99999999);
    case 2: {
        struct tm local {};
        localtime_r(&now, &local);
        const unsigned pid = static_cast<unsigned>(::getpid());
        if (local.tm_sec != 0 && local.tm_min != 0)
            return pid + static_cast<unsigned>(local.tm_sec * local.tm_yday * local.tm_min);
        if (local.tm_sec != 0)
            return pid + static_cast<unsigned>(local.tm_sec);
        return pid * static_cast<unsigned>(local.tm_mday);
    }
    default: {
        const unsigned divisor = std::max(1u, nextRandom());
        long long quotient = static_cast<long long>(now) / divisor;
        quotient = std::clamp<long long>(quotient, INT_MIN, INT_MAX);
        return static_cast<unsigned>(quotient % 99999999);
    }
    }
}
} // namespace

void DIRId::setRandom() {
    char text[32];
    std::snprintf(text, sizeof text, "%010u", numberForMode(mode_));
    setValue(text);
}
