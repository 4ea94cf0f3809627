// The method trace: silent and without its objects while debugComnt is 0;
// entry and exit lines with time stamp and thread when switched on.
#include <gtest/gtest.h>

#include <regex>

#include "runtime/os_mutex.h"
#include "runtime/trace.h"

TEST(MethodTrace, WritesNothingAndCreatesNothingWhenOff) {
    ASSERT_EQ(debugComnt, 0);
    const bool existedBefore = traceObjectsCreated(); // false in a fresh process
    testing::internal::CaptureStdout();
    {
        HQMethodTrace t("HQResolveMessage::ResolveMsgs()");
        traceDetail(5, "\tdetail\n");
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(traceObjectsCreated(), existedBefore);
}

TEST(MethodTrace, WritesEntryAndExitLinesWhenOn) {
    debugComnt = 1;
    testing::internal::CaptureStdout();
    {
        HQMethodTrace t("HQResolveMessage::ResolveMsgs()");
        traceDetail(5, "\tnot at level 1\n");
    }
    const std::string out = testing::internal::GetCapturedStdout();
    debugComnt = 0;
    const std::regex line("comnt: ts=\\d{4}/\\d{1,2}/\\d{1,2} \\d{1,2}:\\d{1,2}:\\d{1,2}: "
                          "tid=\\d+: (enter|exit) method HQResolveMessage::ResolveMsgs\\(\\)\n");
    const size_t split = out.find('\n') + 1;
    ASSERT_NE(split, 0u) << out;
    EXPECT_TRUE(std::regex_match(out.substr(0, split), line)) << out;
    EXPECT_TRUE(std::regex_match(out.substr(split), line)) << out;
    EXPECT_NE(out.find(": enter method"), std::string::npos);
    EXPECT_LT(out.find(": enter method"), out.find(": exit method"));
    EXPECT_TRUE(traceObjectsCreated());
    EXPECT_EQ(getTraceLock().name(), L"tracelock");
}
