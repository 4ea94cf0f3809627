// HQSTRING: the wide-character string in which the program holds every name,
// text and statement, plus the lossless conversion to and from the multibyte
// text found at the edges (command line, files, database buffers).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Multibyte text at the edges is decoded as UTF-8; every byte that is not part
// of a valid UTF-8 sequence is kept as one character in the range
// U+DC80..U+DCFF and written back as the same byte. Any byte sequence therefore
// survives the trip through HQSTRING unchanged, whatever the locale.
std::wstring multiByteToWide(std::string_view bytes);
std::string wideToMultiByte(std::wstring_view text);
// The same, appended to out.
void appendMultiByte(std::string& out, std::wstring_view text);
// The same, written at `to`, which has room for 4 bytes per character of
// text; returns the end of what was written.
char* putMultiByte(char* to, std::wstring_view text);

class HQSTRING : public std::wstring {
public:
    enum caseCompare { exact, ignoreCase };
    enum stripType { leading, trailing, both };

    HQSTRING() = default;
    HQSTRING(const wchar_t* text) : std::wstring(text ? text : L"") {}
    HQSTRING(const wchar_t* text, size_t length) : std::wstring(text, length) {}
    HQSTRING(wchar_t c) : std::wstring(1, c) {}
    HQSTRING(const std::wstring& text) : std::wstring(text) {}
    HQSTRING(std::wstring&& text) : std::wstring(std::move(text)) {}
    HQSTRING(std::wstring_view text) : std::wstring(text) {}
    // From multibyte text (see multiByteToWide).
    explicit HQSTRING(const char* bytes) : std::wstring(multiByteToWide(bytes ? bytes : "")) {}
    HQSTRING(const char* bytes, size_t length)
        : std::wstring(multiByteToWide(std::string_view(bytes, length))) {}
    explicit HQSTRING(const std::string& bytes) : std::wstring(multiByteToWide(bytes)) {}
    // Substring of another string.
    HQSTRING(const std::wstring& text, size_t pos, size_t length)
        : std::wstring(text, pos, length) {}

    HQSTRING& operator=(const wchar_t* text) {
        assign(text ? text : L"");
        return *this;
    }

    HQSTRING operator()(size_t pos, size_t length) const { return HQSTRING(*this, pos, length); }
    HQSTRING subString(size_t pos, size_t length = npos) const {
        return HQSTRING(*this, pos, length);
    }

    // Position of text at or after start, npos when absent.
    size_t index(std::wstring_view text, size_t start = 0, caseCompare cmp = exact) const;
    bool contains(std::wstring_view text, caseCompare cmp = exact) const {
        return index(text, 0, cmp) != npos;
    }
    // Removes every leading and/or trailing occurrence of c.
    HQSTRING& strip(stripType where = trailing, wchar_t c = L' ');
    HQSTRING stripped(stripType where = trailing, wchar_t c = L' ') const {
        HQSTRING copy(*this);
        copy.strip(where, c);
        return copy;
    }
    HQSTRING& toUpper();
    std::string toMultiByte() const { return wideToMultiByte(*this); }
};

inline HQSTRING operator+(const HQSTRING& a, const HQSTRING& b) {
    HQSTRING r(a);
    r.append(b);
    return r;
}
inline HQSTRING operator+(const HQSTRING& a, const wchar_t* b) {
    HQSTRING r(a);
    r.append(b);
    return r;
}
inline HQSTRING operator+(const wchar_t* a, const HQSTRING& b) {
    HQSTRING r(a);
    r.append(b);
    return r;
}
inline HQSTRING operator+(const HQSTRING& a, wchar_t b) {
    HQSTRING r(a);
    r.push_back(b);
    return r;
}

// Case-insensitive comparison of narrow ASCII text (used for option keywords).
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);
