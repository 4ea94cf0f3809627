// Wide strings: lossless conversion at the edges and the search operations.
#include <gtest/gtest.h>

#include "runtime/hq_string.h"

TEST(HqString, AnyByteSequenceSurvivesTheRoundTrip) {
    std::string all;
    for (int i = 1; i < 256; ++i)
        all.push_back(static_cast<char>(i));
    const std::string samples[] = {all,        "Caf\xc3\xa9",       "Caf\xe9", "\xed\xb2\x80",
                                   "\xc0\xaf", "\xf0\x9f\x98\x80x", "\xe2\x82"};
    for (const auto& s : samples)
        EXPECT_EQ(HQSTRING(s).toMultiByte(), s);
}

TEST(HqString, ValidUtf8BecomesCharacters) {
    EXPECT_EQ(HQSTRING(std::string("Caf\xc3\xa9")), HQSTRING(L"Caf\u00e9"));
    EXPECT_EQ(HQSTRING(std::string("Caf\xe9")).size(), 4u);
}

TEST(HqString, IndexStripAndUpper) {
    HQSTRING s(L"  Sales Data  ");
    EXPECT_EQ(s.index(L"data", 0, HQSTRING::ignoreCase), 8u);
    EXPECT_EQ(s.index(L"data"), HQSTRING::npos);
    EXPECT_TRUE(s.contains(L"SALES", HQSTRING::ignoreCase));
    EXPECT_EQ(s.stripped(HQSTRING::both), L"Sales Data");
    EXPECT_EQ(s.stripped(HQSTRING::leading), L"Sales Data  ");
    HQSTRING t(L"\tx\t");
    EXPECT_EQ(t.stripped(HQSTRING::both), L"\tx\t"); // only the given character
    EXPECT_EQ(HQSTRING(L"ab1").toUpper(), L"AB1");
}

TEST(HqString, AppendedMultiByteFollowsWhatWasThere) {
    std::wstring text = L"ab\u00e9\u20ac\U0001F600";
    text += static_cast<wchar_t>(0xDC00 + 0xE9); // a raw byte kept from the input
    text += static_cast<wchar_t>(0xD800);        // no character: written as '?'
    text += L"z";
    std::string out = "head:";
    appendMultiByte(out, text);
    EXPECT_EQ(out, "head:ab\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\xe9?z");

    // A long plain run, then characters of several bytes up to the end.
    std::wstring mixed(1000, L'a');
    std::string expected = "x" + std::string(1000, 'a');
    for (int i = 0; i < 700; ++i) {
        mixed += i % 2 ? L"\U0001F600" : L"b";
        expected += i % 2 ? "\xf0\x9f\x98\x80" : "b";
    }
    out = "x";
    appendMultiByte(out, mixed);
    EXPECT_EQ(out, expected);
    EXPECT_EQ(HQSTRING(expected.substr(1)), HQSTRING(mixed));
}
