// Code-set conversion: the name table and its fallback, round trips through
// UTF-8 and UCS-2, and the failure codes.
#include <gtest/gtest.h>

#include "runtime/codeset_conversion.h"
#include "scoped_env.h"

TEST(CodesetConversion, NamesFromTheTableThenAsTheyAreThenTheFallback) {
    ScopedEnv fallback("HQA_LOCALE_TABLE", std::nullopt);
    EXPECT_EQ(GetIconvCodeset("ISO8859-15"), "8859-15");
    EXPECT_EQ(GetIconvCodeset("BIG5"), "zh_TW-big5");
    EXPECT_EQ(GetIconvCodeset("zh_TW-big5"), "zh_TW-big5");
    EXPECT_EQ(GetIconvCodeset("UTF-8"), "UTF-8");
    EXPECT_EQ(GetIconvCodeset("ANSI_X3.4-1968"), "");
    EXPECT_EQ(GetIconvCodeset("NONE"), ""); // the end row is no code set
    ScopedEnv set("HQA_LOCALE_TABLE", std::string("ISO-8859-1"));
    EXPECT_EQ(GetIconvCodeset("ANSI_X3.4-1968"), "ISO-8859-1");
    EXPECT_EQ(GetIconvCodeset("SJIS"), "SJIS");
}

TEST(CodesetConversion, RoundTripsThroughBothUnicodeForms) {
    const HQSTRING text(L"Pa\u00dfwort \u20ac \u6f22");
    std::string utf8, ucs2;
    ASSERT_EQ(ConvertWideToUnicode(text, utf8, UnicodeForm::UTF8).code, 0);
    EXPECT_EQ(utf8, "Pa\xc3\x9fwort \xe2\x82\xac \xe6\xbc\xa2");
    ASSERT_EQ(ConvertWideToUnicode(text, ucs2, UnicodeForm::UCS2).code, 0);
    EXPECT_EQ(ucs2.size(), text.size() * 2);
    HQSTRING back;
    ASSERT_EQ(ConvertUnicodeToWide(ucs2, back, UnicodeForm::UCS2).code, 0);
    EXPECT_EQ(back, text);
    ASSERT_EQ(ConvertUnicodeToWide(utf8, back, UnicodeForm::UTF8).code, 0);
    EXPECT_EQ(back, text);
}

TEST(CodesetConversion, FailuresCarryTheirCodesAndTexts) {
    std::string bytes = "unchanged";
    // A raw byte that is no UTF-8 has no Unicode form.
    HQRC rc = ConvertWideToUnicode(HQSTRING(std::string("x\xff")), bytes, UnicodeForm::UCS2);
    EXPECT_EQ(rc.code, 8461);
    EXPECT_EQ(rc.domain, DomainWhsSrv);
    EXPECT_EQ(rc.nativeMessage, L"iconv error");
    EXPECT_EQ(rc.location, L"CODESET_CONVERSION::ConvertWideToUnicode");
    EXPECT_EQ(bytes, "unchanged");
    // A lone surrogate has no multibyte form at all.
    rc = ConvertWideToUnicode(HQSTRING(L"a\xd800"), bytes, UnicodeForm::UTF8);
    EXPECT_EQ(rc.code, 8462);
    EXPECT_EQ(rc.nativeMessage, L"Failed to convert wide char to multi-byte char");
    // An odd number of UCS-2 bytes ends in the middle of a character.
    HQSTRING text = L"unchanged";
    rc = ConvertUnicodeToWide(std::string("a\0b", 3), text, UnicodeForm::UCS2);
    EXPECT_EQ(rc.code, 8461);
    EXPECT_EQ(rc.location, L"CODESET_CONVERSION::ConvertUnicodeToWide");
    EXPECT_EQ(text, L"unchanged");
}
