// Test data for binary values: bytes that do not repeat within a megabyte
// (zero bytes included), so that a lost, doubled or misplaced piece of a
// value shows, and their hexadecimal form for SQL literals.
#pragma once

#include <cstdint>
#include <string>

namespace qrt_test {

inline std::string bytePattern(size_t length, uint32_t seed = 2463534242u) {
    std::string bytes(length, '\0');
    uint32_t x = seed;
    for (char& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<char>(x >> 24);
    }
    return bytes;
}

inline std::string hexOf(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

} // namespace qrt_test
