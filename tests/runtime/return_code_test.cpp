// HQRC: fresh and reset values, the comment trail, deep copies and the domain
// names.
#include <gtest/gtest.h>

#include "runtime/return_code.h"

TEST(ReturnCode, FreshAndResetCodesAreSuccessInDomainWhsSrv) {
    HQRC rc(2009, -9999, DomainODBC);
    rc.location = L"HQOdbcConnect::connect";
    rc.token10 = L"x";
    rc.AddComment(L"a");
    rc.Reset();
    for (const HQRC& r : {HQRC(), rc}) {
        EXPECT_EQ(r.code, 0);
        EXPECT_EQ(r.nativeCode, 0);
        EXPECT_EQ(r.reserved, 0);
        EXPECT_EQ(r.domain, DomainWhsSrv);
        EXPECT_TRUE(r.location.empty() && r.comment.empty() && r.token10.empty());
    }
}

TEST(ReturnCode, CommentTrailJoinsWithNewlines) {
    HQRC rc(3142, 0, DomainWhsDDD);
    const HQRC first = rc.AddComment(L"InformationResource::retrieve");
    EXPECT_EQ(first.comment, L"InformationResource::retrieve");
    rc.AddComment(L"export_tagfile");
    EXPECT_EQ(rc.comment, L"InformationResource::retrieve\nexport_tagfile");
    EXPECT_EQ(first.comment, L"InformationResource::retrieve"); // the copy is deep
    EXPECT_EQ(rc.SetComment(L"only").comment, L"only");
    EXPECT_EQ(rc.comment, L"only");
}

TEST(ReturnCode, DomainNames) {
    EXPECT_EQ(HQRC::domainTypeToString(1), L"ODBC");
    EXPECT_EQ(HQRC::domainTypeToString(5), L"Sockets");
    EXPECT_EQ(HQRC::domainTypeToString(11), L"WhsInvDom");
    EXPECT_EQ(HQRC::domainTypeFromString(L"WhsDDD"), 2);
    EXPECT_EQ(HQRC::domainTypeFromString(L"odbc"), -1); // case-sensitive
}
