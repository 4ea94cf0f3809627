// Code-set conversion through iconv in two stages: wide text and the
// program's multibyte form, then the multibyte form and the Unicode form.
#include "runtime/codeset_conversion.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <memory>
#include <optional>

namespace {

struct CodesetName {
    const char* localeName;
    const char* iconvName;
};

// Code-set names as a locale reports them, and the names iconv expects. The
// final NONE row ends both searches.
constexpr CodesetName kCodesets[] = {
    {"UTF-7", "UTF-7"},
    {"UTF-8", "UTF-8"},
    {"UTF-16", "UTF-16"},
    {"UCS-2", "UCS-2"},
    {"UCS-4", "UCS-4"},
    {"iso2022", "iso2022"},
    {"KOI8-R", "KOI8-R"},
    {"SJIS", "SJIS"},
    {"eucJP", "eucJP"},
    {"PCK", "PCK"},
    {"ko_KR-euc", "ko_KR-euc"},
    {"ko_KR-johap", "ko_KR-johap"},
    {"ko_KR-johap92", "ko_KR-johap92"},
    {"ko_KR-iso2022-7", "ko_KR-iso2022-7"},
    {"ISO8859-1", "8859-1"},
    {"ISO8859-2", "8859-2"},
    {"ISO8859-3", "8859-3"},
    {"ISO8859-4", "8859-4"},
    {"ISO8859-5", "8859-5"},
    {"ISO8859-6", "8859-6"},
    {"ISO8859-7", "8859-7"},
    {"ISO8859-8", "8859-8"},
    {"ISO8859-9", "8859-9"},
    {"ISO8859-10", "8859-10"},
    {"ISO8859-13", "8859-13"},
    {"ISO8859-15", "8859-15"},
    {"ISO-2022-CN", "zh_CN.iso2022-7"},
    {"ISO-2022-TW", "zh_TW.iso2022-7"},
    {"ISO-2022-KR", "ko_KR-iso2022-7"},
    {"gb2312", "zh_CN.euc"},
    {"GBK", "zh_CN.euc"},
    {"cns11643", "zh_TW-euc"},
    {"BIG5", "zh_TW-big5"},
    {"5601", "ko_KR-euc"},
    {"NONE", "NONE"},
};

constexpr const wchar_t* kWideToUnicode = L"CODESET_CONVERSION::ConvertWideToUnicode";
constexpr const wchar_t* kUnicodeToWide = L"CODESET_CONVERSION::ConvertUnicodeToWide";

HQRC failure(int32_t code, int32_t nativeCode, const wchar_t* location, const wchar_t* text) {
    HQRC rc(code, nativeCode, DomainWhsSrv);
    rc.location = location;
    rc.nativeMessage = text;
    return rc;
}

// One iconv conversion of a whole text; nullopt when iconv cannot open the
// pair of code sets or meets input it cannot convert.
std::optional<std::string> convert(const std::string& to, const std::string& from,
                                   std::string_view input) {
    const iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    std::string in(input);
    std::string out(in.size() * 4 + 16, '\0');
    char* inPtr = in.data();
    size_t inLeft = in.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1))
            continue;
        if (errno != E2BIG)
            return std::nullopt;
        const size_t used = out.size() - outLeft;
        out.resize(out.size() * 2);
        outPtr = out.data() + used;
        outLeft = out.size() - used;
    }
    out.resize(out.size() - outLeft);
    return out;
}

const char* unicodeName(UnicodeForm form) {
    return form == UnicodeForm::UCS2 ? "UCS-2" : "UTF-8";
}

// A wide character that the multibyte form cannot hold (see wideToMultiByte).
bool hasNoMultiByteForm(const HQSTRING& text) {
    for (const wchar_t w : text) {
        const auto c = static_cast<char32_t>(w);
        const bool escapedByte = c >= 0xDC80 && c <= 0xDCFF;
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF && !escapedByte))
            return true;
    }
    return false;
}

} // namespace

std::string GetIconvCodeset(std::string_view codeset) {
    for (const auto& row : kCodesets) {
        if (std::string_view(row.localeName) == "NONE")
            break;
        if (codeset == row.localeName)
            return row.iconvName;
    }
    for (const auto& row : kCodesets) {
        if (std::string_view(row.iconvName) == "NONE")
            break;
        if (codeset == row.iconvName)
            return row.iconvName;
    }
    if (const char* fallback = std::getenv("HQA_LOCALE_TABLE"))
        return fallback;
    return {};
}

std::string_view multiByteCodeset() {
    return "UTF-8";
}

HQRC ConvertWideToUnicode(const HQSTRING& text, std::string& bytes, UnicodeForm form) {
    if (hasNoMultiByteForm(text))
        return failure(8462, -1, kWideToUnicode, L"Failed to convert wide char to multi-byte char");
    const std::string from = GetIconvCodeset(multiByteCodeset());
    const std::string to = GetIconvCodeset(unicodeName(form));
    if (from.empty() || to.empty())
        return failure(8461, -1, kWideToUnicode, L"Codeset not supported");
    auto converted = convert(to, from, text.toMultiByte());
    if (!converted)
        return failure(8461, -1, kWideToUnicode, L"iconv error");
    bytes = std::move(*converted);
    return HQRC(0, 0, DomainWhsSrv);
}

HQRC ConvertUnicodeToWide(std::string_view bytes, HQSTRING& text, UnicodeForm form) {
    const std::string from = GetIconvCodeset(unicodeName(form));
    const std::string to = GetIconvCodeset(multiByteCodeset());
    if (from.empty() || to.empty())
        return failure(8461, -1, kUnicodeToWide, L"Codeset not supported");
    const auto converted = convert(to, from, bytes);
    if (!converted)
        return failure(8461, -1, kUnicodeToWide, L"iconv error");
    // The multibyte form decodes into wide text without loss (multiByteToWide).
    text = HQSTRING(*converted);
    return HQRC(0, 0, DomainWhsSrv);
}
