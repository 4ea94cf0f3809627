// The command line: argument count, "?", options with case-insensitive
// keyword prefixes, and later options replacing earlier ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/startup.h"

namespace {
std::optional<ExportRequest> parse(std::vector<std::string> options) {
    std::vector<std::string> args = {"in.inp", "DB", "user", "pw"};
    args.insert(args.end(), options.begin(), options.end());
    return parseArguments(args);
}
} // namespace

TEST(CommandLine, DefaultsAndPositions) {
    const auto r = parse({});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->inputFile, L"in.inp");
    EXPECT_EQ(r->database, L"DB");
    EXPECT_EQ(r->user, L"user");
    EXPECT_EQ(r->password, L"pw");
    EXPECT_EQ(r->prefix, L"QRT");
    EXPECT_EQ(r->feedback, L"");
    EXPECT_EQ(r->cascade, 0);
    EXPECT_EQ(r->relation, 1);
}

TEST(CommandLine, SwitchesAndValues) {
    const auto r = parse({"/S", "/R"});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->cascade, 1);
    EXPECT_EQ(r->relation, 0);

    const auto p = parse({"prefix=ABC", "feedback=/tmp/a.log", "PREFIX=XYZ", "FeedBack=b.log"});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->prefix, L"XYZ");
    EXPECT_EQ(p->feedback, L"b.log");
    EXPECT_EQ(p->cascade, 0);

    // Only the leading characters count, so "/sx" is "/s" and "/rest" is "/r".
    const auto loose = parse({"/sx", "/rest", "prefix=_a1", "feedback=a=b"});
    ASSERT_TRUE(loose);
    EXPECT_EQ(loose->cascade, 1);
    EXPECT_EQ(loose->relation, 0);
    EXPECT_EQ(loose->prefix, L"_a1");
    // The feedback path keeps any bytes.
    EXPECT_EQ(parse({"feedback=Q\xe9"})->feedback.toMultiByte(), "Q\xe9");
}

TEST(CommandLine, PrefixMustBeAPlainSqlName) {
    const std::string longest(kMaxPrefixLength, 'q');
    for (const std::string& good :
         {std::string("QRT"), std::string("a"), std::string("_"), std::string("Qrt_2024"), longest})
        EXPECT_TRUE(parse({"prefix=" + good})) << good;
    // Everything that could end or extend a statement, quote a name, or
    // name something else is refused, also when a later prefix is good.
    for (const std::string& bad :
         {std::string(""), std::string("qrt.configuration;drop table canary"), std::string("qrt;"),
          std::string("qrt--"), std::string("q rt"), std::string("\"q\""), std::string("q'rt"),
          std::string("1qrt"), std::string("q-rt"), std::string("q.rt"), std::string("Q\xe9"),
          longest + "q", std::string("qrt\t")}) {
        EXPECT_FALSE(parse({"prefix=" + bad})) << bad;
        EXPECT_FALSE(parse({"prefix=" + bad, "prefix=QRT"})) << bad;
    }
}

TEST(CommandLine, UsageCases) {
    EXPECT_FALSE(parseArguments({"in.inp", "DB", "user"}));
    EXPECT_FALSE(parseArguments({}));
    EXPECT_FALSE(parseArguments({"?", "DB", "user", "pw"}));
    EXPECT_TRUE(parseArguments({"?x", "DB", "user", "pw"}));
    EXPECT_FALSE(parse({"-x"}));
    EXPECT_FALSE(parse({"/S", "prefix"})); // keyword without its "="
    EXPECT_FALSE(parse({"/"}));
    EXPECT_FALSE(parse({""}));
}
