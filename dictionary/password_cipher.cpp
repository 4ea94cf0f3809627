// Password cipher: see docs/password_cipher.md.
#include "dictionary/password_cipher.h"

#include <cstdint>

namespace {
constexpr std::string_view kKey = "qrt2exp2-control-key";
constexpr int kFirstPrintable = 0x21;
constexpr int kPrintableCount = 94; // 0x21..0x7e

int shiftAt(size_t position) {
    return (static_cast<unsigned char>(kKey[position % kKey.size()]) + static_cast<int>(position)) %
           kPrintableCount;
}

std::string shiftPrintable(std::string_view text, int sign) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i) {
        const int c = static_cast<unsigned char>(out[i]);
        if (c < kFirstPrintable || c >= kFirstPrintable + kPrintableCount)
            continue;
        const int moved =
            (c - kFirstPrintable + sign * shiftAt(i) + kPrintableCount) % kPrintableCount;
        out[i] = static_cast<char>(kFirstPrintable + moved);
    }
    return out;
}

std::string xorBytes(std::string_view text) {
    std::string out(text);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(static_cast<uint8_t>(out[i]) ^
                                   static_cast<uint8_t>(kKey[i % kKey.size()] + 7 * i));
    return out;
}
} // namespace

std::string encipherText(std::string_view plain) {
    return shiftPrintable(plain, +1);
}
std::string decipherText(std::string_view stored) {
    return shiftPrintable(stored, -1);
}
std::string encipherBinary(std::string_view plain) {
    return xorBytes(plain);
}
std::string decipherBinary(std::string_view stored) {
    return xorBytes(stored);
}
