// HQRC: fresh and reset values, the comment trail, deep copies and the domain
// names.
#include <gtest/gtest.h>

#include <utility>

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

// Codes without texts are copied and moved as numbers: a text on either side
// must still be carried over or cleared.
TEST(ReturnCode, CopiesAndMovesCarryTextsBothWays) {
    HQRC failed(3142, 7, DomainWhsDDD);
    failed.location = L"DIRBase::retrieveId";
    failed.token10 = L"last token";
    HQRC copy(failed);
    EXPECT_EQ(copy.code, 3142);
    EXPECT_EQ(copy.token10, L"last token");
    HQRC assigned;
    assigned = failed;
    EXPECT_EQ(assigned.location, L"DIRBase::retrieveId");
    HQRC moved(std::move(copy));
    EXPECT_EQ(moved.nativeCode, 7);
    EXPECT_EQ(moved.token10, L"last token");

    // Success over a failure clears every text, by copy and by move.
    const HQRC success;
    assigned = success;
    EXPECT_TRUE(assigned.location.empty());
    EXPECT_TRUE(assigned.token10.empty());
    EXPECT_EQ(assigned.code, 0);
    moved = HQRC();
    EXPECT_TRUE(moved.location.empty());
    EXPECT_TRUE(moved.token10.empty());
    EXPECT_EQ(moved.domain, DomainWhsSrv);

    // A failure moved over success brings its texts.
    HQRC target;
    target = HQRC(failed);
    EXPECT_EQ(target.token10, L"last token");
    EXPECT_EQ(target.domain, DomainWhsDDD);
}
