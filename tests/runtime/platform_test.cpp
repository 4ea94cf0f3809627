// Platform functions: number formatting into a wide buffer, the command text
// and the host name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/platform.h"

TEST(Platform, SmallFunctions) {
    wchar_t buf[32];
    EXPECT_EQ(hq::_stprintf(buf, L"%ld", -2147483648L), 11);
    EXPECT_STREQ(buf, L"-2147483648");
    std::wstring wide(300, L'x');
    std::vector<wchar_t> big(400);
    EXPECT_EQ(hq::_stprintf(big.data(), (wide + L"%ld").c_str(), 7L), 301);
    setenv("EXEC_NAME", "qrt2exp2 caf\xc3\xa9", 1);
    EXPECT_EQ(hq::GetCommandLine(), L"qrt2exp2 caf\u00e9");
    unsetenv("EXEC_NAME");
    EXPECT_TRUE(hq::GetCommandLine().empty());
    EXPECT_FALSE(hq::hostName().empty());
}
