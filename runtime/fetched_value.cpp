// Checks of fetched values against their bound buffers and fields.
#include "runtime/fetched_value.h"

#include <algorithm>
#include <cstring>

#include "runtime/platform.h"

namespace fetched {

namespace {
std::wstring bytesMisfit(SQLLEN lengthWord, size_t room) {
    if (bytesFit(lengthWord, room))
        return {};
    if (lengthWord == SQL_NO_TOTAL)
        return L"longer than the " + std::to_wstring(room) + L" bytes of its field";
    if (lengthWord >= 0 && static_cast<size_t>(lengthWord) > room)
        return std::to_wstring(lengthWord) + L" bytes where " + std::to_wstring(room) + L" fit";
    return {};
}

std::wstring quoted(std::string_view text) {
    constexpr size_t kShown = 40;
    std::wstring shown = L"\"";
    for (const char c : text.substr(0, kShown))
        shown += static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e
                     ? L'?'
                     : static_cast<wchar_t>(c);
    return shown + (text.size() > kShown ? L"...\"" : L"\"");
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}
} // namespace

std::wstring textMisfit(SQLLEN lengthWord, size_t room) {
    return bytesMisfit(lengthWord, room);
}

std::wstring binaryMisfit(SQLLEN lengthWord, size_t room) {
    return bytesMisfit(lengthWord, room);
}

bool bytesFit(SQLLEN lengthWord, size_t room) {
    return lengthWord != SQL_NO_TOTAL &&
           (lengthWord < 0 || static_cast<size_t>(lengthWord) <= room);
}

std::wstring integerMisfit(std::string_view text, int64_t min, int64_t max) {
    const std::string_view digits = trimmed(text);
    size_t i = !digits.empty() && (digits[0] == '-' || digits[0] == '+') ? 1 : 0;
    if (i == digits.size())
        return L"not a number: " + quoted(text);
    // Beyond 19 digits (leading zeros aside) no value fits 64 bits, let alone the field.
    size_t significant = 0;
    __int128 value = 0;
    for (; i < digits.size(); ++i) {
        const char c = digits[i];
        if (c < '0' || c > '9')
            return L"not a number: " + quoted(text);
        if (significant > 0 || c != '0')
            ++significant;
        if (significant <= 19)
            value = value * 10 + (c - '0');
    }
    if (digits[0] == '-')
        value = -value;
    if (significant > 19 || value < min || value > max)
        return quoted(text) + L" is outside " + std::to_wstring(min) + L".." + std::to_wstring(max);
    return {};
}

int64_t integerOf(std::string_view text) {
    const std::string_view digits = trimmed(text);
    int64_t value = 0;
    const bool negative = !digits.empty() && digits[0] == '-';
    for (const char c : digits)
        if (c >= '0' && c <= '9')
            value = value * 10 + (c - '0');
    return negative ? -value : value;
}

std::string_view textOf(const char* data, size_t room, SQLLEN lengthWord) {
    size_t length = lengthWord >= 0 ? static_cast<size_t>(lengthWord) : room;
    length = std::min(length, room);
    return {data, ::strnlen(data, length)};
}

HQRC misfit(const HQSTRING& location, const HQSTRING& table, const HQSTRING& column,
            const HQSTRING& rowId, const std::wstring& reason) {
    HQRC rc(kValueMisfit, 0, DomainWhsDDD);
    rc.location = location;
    rc.hostName = hq::hostName();
    rc.SetHQMessage(table, column, rowId, HQSTRING(reason), L"", L"", L"", L"", L"", L"");
    return rc;
}

namespace {
template <class T> void appendRaw(std::string& image, T value) {
    image.append(reinterpret_cast<const char*>(&value), sizeof value);
}
template <class T> bool takeRaw(std::string_view& image, T& value) {
    if (image.size() < sizeof value)
        return false;
    std::memcpy(&value, image.data(), sizeof value);
    image.remove_prefix(sizeof value);
    return true;
}
// A length word that does not fit 32 bits follows this marker whole.
constexpr int32_t kWideLength = INT32_MIN;
} // namespace

void saveBuffer(std::string& image, SQLLEN lengthWord, std::string_view used) {
    if (lengthWord > INT32_MIN && lengthWord <= INT32_MAX) {
        appendRaw(image, static_cast<int32_t>(lengthWord));
    } else {
        appendRaw(image, kWideLength);
        appendRaw(image, static_cast<int64_t>(lengthWord));
    }
    appendRaw(image, static_cast<uint32_t>(used.size()));
    image.append(used);
}

bool restoreBuffer(std::string_view& image, SQLLEN& lengthWord, char* buffer, size_t size) {
    int32_t narrow = 0;
    if (!takeRaw(image, narrow))
        return false;
    if (narrow == kWideLength) {
        int64_t wide = 0;
        if (!takeRaw(image, wide))
            return false;
        lengthWord = static_cast<SQLLEN>(wide);
    } else {
        lengthWord = narrow;
    }
    uint32_t used = 0;
    if (!takeRaw(image, used) || used > size || image.size() < used)
        return false;
    std::memcpy(buffer, image.data(), used);
    if (used < size)
        buffer[used] = '\0';
    image.remove_prefix(used);
    return true;
}

} // namespace fetched
