// DIRId: the fixed-width 10-character identifier of every metadata object.
// "XXXXXXXXXX" (the default) stands for "no identifier".
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>

#include "runtime/hq_string.h"

class DIRId {
public:
    static constexpr size_t kLength = 10;

    DIRId();
    // From a wide string: converted to multibyte, at most 10 bytes copied.
    explicit DIRId(const HQSTRING& text);
    explicit DIRId(std::string_view bytes) { setValue(bytes); }

    // Copies at most 10 bytes; a shorter text is filled up with zero bytes.
    void setValue(std::string_view bytes);
    HQSTRING toString() const;
    std::string_view view() const;
    const char* data() const { return value_.data(); }
    // True for the default "XXXXXXXXXX".
    bool isUnset() const;

    // Makes a new identifier as a 10-digit zero-padded decimal number; the
    // generation mode selects how the number is drawn.
    void setRandom();
    int16_t getGenerationMode() const { return mode_; }
    void setGenerationMode(int16_t mode) { mode_ = mode; }

    // Byte-wise comparison over the 10 characters.
    bool operator==(const DIRId& other) const {
        return std::memcmp(value_.data(), other.value_.data(), kLength) == 0;
    }

private:
    std::array<char, kLength + 1> value_{};
    int16_t mode_ = 0;
};

// The 10 bytes mixed so that every byte reaches every bit of the hash (the
// finalizer of MurmurHash3): identifiers are zero-padded numbers, alike in
// most of their bytes, and are looked up by the hundred thousand in a run.
template <> struct std::hash<DIRId> {
    size_t operator()(const DIRId& id) const noexcept {
        uint64_t head = 0;
        uint16_t tail = 0;
        std::memcpy(&head, id.data(), sizeof head);
        std::memcpy(&tail, id.data() + sizeof head, sizeof tail);
        uint64_t h = head ^ (uint64_t{tail} * 0x9E3779B97F4A7C15ULL);
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDULL;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ULL;
        h ^= h >> 33;
        return static_cast<size_t>(h);
    }
};
