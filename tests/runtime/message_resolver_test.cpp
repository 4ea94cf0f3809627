// Message resolution: token order, token filling, the staged catalogue, the
// per-domain native text, and a missing catalogue or message.
#include <gtest/gtest.h>

#include "runtime/message_resolver.h"
#include "scoped_env.h"

namespace {

HQRC makeRc(int32_t code, domainType domain) {
    HQRC rc(code, 0, domain);
    rc.SetHQMessage(L"t1", L"t2", L"t3", L"t4", L"t5", L"t6", L"t7", L"t8", L"t9", L"t10");
    return rc;
}

// Catalogue text of code with the given first two tokens, resolved from the
// staged installation.
std::wstring resolve(HQRC rc, HQSTRING* native = nullptr) {
    HQResolveMessage resolver(L"QRT2MSG.DLL");
    HQSTRING nativeText, messageText;
    EXPECT_EQ(resolver.ResolveMsgs(rc, nativeText, messageText, L"", 0).code, 0);
    if (native)
        *native = nativeText;
    return messageText;
}

} // namespace

TEST(MessageResolver, CallerTextAndNumberTakePositionsEightAndNine) {
    int32_t number = 0, domain = 0;
    std::array<HQSTRING, HQResolveMessage::kTokenCount> tokens;
    HQResolveMessage::UnloadHqrc(makeRc(2009, DomainODBC), L"extra", 42, number, domain, tokens);
    EXPECT_EQ(number, 2009);
    EXPECT_EQ(domain, DomainODBC);
    const std::array<HQSTRING, 12> expected = {L"t1", L"t2",    L"t3", L"t4", L"t5", L"t6",
                                               L"t7", L"extra", L"42", L"t8", L"t9", L"t10"};
    EXPECT_EQ(tokens, expected);
    HQResolveMessage::UnloadHqrc(HQRC(), L"", 4294967295u, number, domain, tokens);
    EXPECT_EQ(tokens[8], L"-1"); // written as a signed 32-bit value
    EXPECT_EQ(domain, DomainWhsSrv);
}

TEST(MessageResolver, FillsPositionalTokens) {
    std::array<std::string, 12> t;
    for (size_t i = 0; i < t.size(); ++i)
        t[i] = "T" + std::to_string(i + 1);
    t[2].clear();
    EXPECT_EQ(fillMessageTokens("%1,%2,%3,%10,%11,%12", t), "T1,T2,?,T10,T11,T12");
    EXPECT_EQ(fillMessageTokens("%13 %0 100%% 5% %", t), "T13 %0 100% 5% %");
    EXPECT_EQ(fillMessageTokens("%9%1", t), "T9T1");
}

TEST(MessageResolver, ResolvesFromTheStagedCatalogue) {
    ScopedEnv home("HQSPATH", std::string(QRT_STAGE_DIR));
    ScopedEnv lang("LANG", std::string("de_DE.ISO-8859-1")); // the locale does not matter
    HQRC notFound(3142, 0, DomainWhsDDD);
    notFound.SetHQMessage(L"InformationResource", L"SALES", L"", L"", L"", L"", L"", L"", L"", L"");
    EXPECT_EQ(resolve(notFound),
              L"No InformationResource named \"SALES\" was found in the control database.");

    HQRC input(13101, 0, DomainExport);
    EXPECT_EQ(resolve(input), L"The input file ? could not be opened for reading.");
    input.token1 = L"export.inp";
    EXPECT_EQ(resolve(input), L"The input file export.inp could not be opened for reading.");

    // Tokens keep any bytes, whatever their encoding.
    HQRC setting(9162, 0, DomainWhsDDD);
    setting.token1 = HQSTRING(std::string("caf\xe9-\xc3\xa9"));
    EXPECT_EQ(HQSTRING(resolve(setting)).toMultiByte(),
              "The configuration setting caf\xe9-\xc3\xa9 does not exist in the control database.");
}

TEST(MessageResolver, EveryCodeTheProgramRaisesHasAText) {
    ScopedEnv home("HQSPATH", std::string(QRT_STAGE_DIR));
    const int32_t codes[] = {99,    2001,  2002,  2003,  2004,  2005,  2006, 2007, 2008, 2009,
                             2010,  2011,  2012,  2013,  2014,  2015,  2016, 2017, 2018, 3103,
                             3104,  3105,  3106,  3107,  3110,  3116,  3142, 3150, 3708, 3709,
                             3711,  3712,  3713,  3714,  8461,  8462,  8463, 9162, 9163, 9164,
                             13001, 13101, 13102, 13103, 13105, 13106, 13233};
    for (const int32_t code : codes) {
        const std::wstring text = resolve(HQRC(code, 0, DomainWhsSrv));
        EXPECT_GT(text.size(), 20u) << code;
        EXPECT_EQ(text.find(L"%"), std::wstring::npos) << code;
    }
}

TEST(MessageResolver, NativeTextDependsOnTheDomain) {
    ScopedEnv home("HQSPATH", std::string(QRT_STAGE_DIR));
    HQSTRING native;
    HQRC odbc = makeRc(2014, DomainODBC);
    odbc.nativeMessage = L"[unixODBC] syntax error";
    odbc.nativeCode = 13101; // not looked up outside the socket domain
    resolve(odbc, &native);
    EXPECT_EQ(native, L"[unixODBC] syntax error");

    HQRC sockets = makeRc(2003, DomainSockets);
    sockets.nativeCode = 13101;
    sockets.nativeMessage = L"unused";
    resolve(sockets, &native);
    EXPECT_EQ(native, L"The input file t1 could not be opened for reading.");

    HQRC system = makeRc(2003, DomainWindows);
    system.nativeMessage = L"unused";
    native = L"before";
    resolve(system, &native);
    EXPECT_EQ(native, L"");
}

TEST(MessageResolver, MissingCatalogueOrMessageGivesAnEmptyText) {
    HQResolveMessage resolver(L"QRT2MSG.DLL");
    std::unique_ptr<wchar_t[]> text;
    {
        ScopedEnv home("HQSPATH", std::string(QRT_STAGE_DIR));
        EXPECT_EQ(resolver.LookupFileMsg(L"", 4242, text, nullptr).code, 0);
        EXPECT_STREQ(text.get(), L"");
    }
    for (const auto& home :
         {std::optional<std::string>(), std::optional<std::string>("/nonexistent")}) {
        ScopedEnv env("HQSPATH", home);
        const HQSTRING* tokens[12] = {};
        EXPECT_EQ(resolver.LookupFileMsg(L"", 3142, text, tokens).code, 0);
        EXPECT_STREQ(text.get(), L"");
    }
}

TEST(MessageResolver, LongTextsAreCutToTheBufferCapacity) {
    ScopedEnv home("HQSPATH", std::string(QRT_STAGE_DIR));
    HQRC rc(9162, 0, DomainWhsDDD);
    rc.token1 = HQSTRING(std::wstring(30000, L'x'));
    const std::wstring text = resolve(rc);
    EXPECT_EQ(text.size(), HQResolveMessage::kTextCapacity - 1);
    EXPECT_EQ(text.substr(0, 30), L"The configuration setting xxxx");
}
