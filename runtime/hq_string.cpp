// Wide strings and the lossless multibyte conversion at the program's edges.
#include "runtime/hq_string.h"

#include <algorithm>
#include <cwctype>

namespace {

constexpr wchar_t kEscapeBase = 0xDC00; // raw byte b is kept as U+DC00 + b (b >= 0x80)

// Length of the valid UTF-8 sequence starting at p (0 when invalid) and its value.
size_t decodeUtf8(const unsigned char* p, size_t left, char32_t& out) {
    const unsigned char b0 = p[0];
    size_t need;
    char32_t value;
    char32_t minimum;
    if (b0 < 0x80) {
        out = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        need = 2, value = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        need = 3, value = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        need = 4, value = b0 & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (left < need)
        return 0;
    for (size_t i = 1; i < need; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (p[i] & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    out = value;
    return need;
}

// Writes one character in the multibyte form (at most 4 bytes): an escaped
// raw byte as itself, a value that is no character as '?', any other in UTF-8.
char* putMultiByte(char* to, char32_t c) {
    if (c < 0x80) {
        *to++ = static_cast<char>(c);
    } else if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
        *to++ = static_cast<char>(c - kEscapeBase);
    } else if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        *to++ = '?';
    } else if (c < 0x800) {
        *to++ = static_cast<char>(0xC0 | (c >> 6));
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *to++ = static_cast<char>(0xE0 | (c >> 12));
        *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *to++ = static_cast<char>(0xF0 | (c >> 18));
        *to++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *to++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *to++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return to;
}

wchar_t foldCase(wchar_t c) {
    return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
}

} // namespace

std::wstring multiByteToWide(std::string_view bytes) {
    // Every byte gives at most one character: the result is written in place
    // and cut to its length at the end.
    std::wstring out(bytes.size(), L'\0');
    wchar_t* to = out.data();
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t i = 0;
    while (i < bytes.size()) {
        if (p[i] < 0x80) {
            *to++ = static_cast<wchar_t>(p[i++]);
            continue;
        }
        char32_t c;
        const size_t n = decodeUtf8(p + i, bytes.size() - i, c);
        if (n == 0) {
            *to++ = static_cast<wchar_t>(kEscapeBase + p[i]);
            ++i;
        } else {
            *to++ = static_cast<wchar_t>(c);
            i += n;
        }
    }
    out.resize(static_cast<size_t>(to - out.data()));
    return out;
}

namespace {
// Copies N characters as bytes when all of them are ASCII: loops of a fixed
// count, which the compiler turns into vector code.
template <size_t N> bool copyAscii(const wchar_t* from, char*& to) {
    uint32_t any = 0;
    for (size_t k = 0; k < N; ++k)
        any |= static_cast<uint32_t>(from[k]);
    if (any >= 0x80)
        return false;
    for (size_t k = 0; k < N; ++k)
        to[k] = static_cast<char>(from[k]);
    to += N;
    return true;
}
} // namespace

char* putMultiByte(char* to, std::wstring_view text) {
    const wchar_t* from = text.data();
    const wchar_t* const end = from + text.size();
    while (from < end) {
        const size_t left = static_cast<size_t>(end - from);
        if (left >= 16 && copyAscii<16>(from, to))
            from += 16;
        else if (left >= 8 && copyAscii<8>(from, to))
            from += 8;
        else if (left >= 4 && copyAscii<4>(from, to))
            from += 4;
        else
            to = putMultiByte(to, static_cast<char32_t>(*from++));
    }
    return to;
}

void appendMultiByte(std::string& out, std::wstring_view text) {
    // Through a buffer on the stack, a piece at a time: out is not grown and
    // filled ahead of the bytes.
    constexpr size_t kPiece = 128;
    char piece[4 * kPiece];
    for (size_t at = 0; at < text.size(); at += kPiece) {
        const char* end = putMultiByte(piece, text.substr(at, kPiece));
        out.append(piece, static_cast<size_t>(end - piece));
    }
}

std::string wideToMultiByte(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    appendMultiByte(out, text);
    return out;
}

size_t HQSTRING::index(std::wstring_view text, size_t start, caseCompare cmp) const {
    if (cmp == exact)
        return find(text.data(), start, text.size());
    if (start > size() || text.size() > size() - start)
        return npos;
    const auto it =
        std::search(begin() + static_cast<std::ptrdiff_t>(start), end(), text.begin(), text.end(),
                    [](wchar_t a, wchar_t b) { return foldCase(a) == foldCase(b); });
    return it == end() ? npos : static_cast<size_t>(it - begin());
}

HQSTRING& HQSTRING::strip(stripType where, wchar_t c) {
    if (where == trailing || where == both) {
        const size_t last = find_last_not_of(c);
        erase(last == npos ? 0 : last + 1);
    }
    if (where == leading || where == both) {
        const size_t first = find_first_not_of(c);
        erase(0, first == npos ? size() : first);
    }
    return *this;
}

HQSTRING& HQSTRING::toUpper() {
    for (wchar_t& c : *this)
        c = foldCase(c);
    return *this;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && startsWithIgnoreCase(a, b);
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        auto lower = [](unsigned char ch) { return ch >= 'A' && ch <= 'Z' ? ch + 32 : ch; };
        if (lower(static_cast<unsigned char>(text[i])) !=
            lower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}
