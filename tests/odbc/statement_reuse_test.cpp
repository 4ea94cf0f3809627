// Prepared statements kept by the connection for reuse: a cursor given back
// is handed out again for the same text only, keeps its statement, takes new
// bindings, and does not survive a disconnect.
#include "tests/odbc/sqlite_fixture.h"

namespace {
const HQSTRING kRelated = L"SELECT target_qrtid FROM QRT.RELATIONSHIP WHERE relation_name = ? AND "
                          L"source_qrtid = ? ORDER BY target_qrtid FOR FETCH ONLY";

// Binds the two parameters and the result column of kRelated.
struct RelatedQuery {
    std::string relation;
    std::string source;
    SQLLEN relationLength = 0;
    SQLLEN sourceLength = 0;
    char target[11] = {};
    SQLLEN targetLength = 0;

    HQRC bind(HQOdbcCursor& cursor) {
        relationLength = static_cast<SQLLEN>(relation.size());
        sourceLength = static_cast<SQLLEN>(source.size());
        HQRC rc = cursor.bindParameter(1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0,
                                       relation.data(), 21, &relationLength);
        if (rc.code == 0)
            rc = cursor.bindParameter(2, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_CHAR, 10, 0,
                                      source.data(), 11, &sourceLength);
        if (rc.code == 0)
            rc = cursor.bindCol(1, SQL_C_CHAR, target, sizeof target, &targetLength);
        return rc;
    }
};
} // namespace

using StatementReuseTest = SqliteControlDb;

TEST_F(StatementReuseTest, CursorGivenBackMidResultServesTheSameTextWithNewBindings) {
    HQOdbcConnect& c = connected();
    std::unique_ptr<HQOdbcCursor> first = c.takeCursor(kRelated);
    HQOdbcCursor* const handedOut = first.get();
    ASSERT_EQ(first->prepare(kRelated).code, 0);
    RelatedQuery tables{"IR_TO_DR_Rel", "IR00000001"};
    ASSERT_EQ(tables.bind(*first).code, 0);
    HQRC rc;
    ASSERT_EQ(first->fetch(rc), 1);
    EXPECT_STREQ(tables.target, "DR00000001");
    c.giveBack(kRelated, std::move(first)); // one row left unread

    // Another text never gets it.
    std::unique_ptr<HQOdbcCursor> other = c.takeCursor(kRelated + L" ");
    EXPECT_NE(other.get(), handedOut);
    EXPECT_EQ(other->state(), 0);

    std::unique_ptr<HQOdbcCursor> again = c.takeCursor(kRelated);
    ASSERT_EQ(again.get(), handedOut);
    EXPECT_EQ(again->state(), 2); // result closed, statement kept
    ASSERT_EQ(again->prepare(kRelated).code, 0);
    RelatedQuery sites{"IR_TO_AgentSite", "AS00000001"};
    ASSERT_EQ(sites.bind(*again).code, 0);
    ASSERT_EQ(again->fetch(rc), 1);
    EXPECT_STREQ(sites.target, "IR00000001");
    ASSERT_EQ(again->fetch(rc), 1);
    EXPECT_STREQ(sites.target, "IR00000002");
    EXPECT_EQ(again->fetch(rc), 0);
    EXPECT_EQ(rc.code, 0);
}

TEST_F(StatementReuseTest, DisconnectDropsIdleCursorsAndRefusesOnesFreedOnTheWay) {
    HQOdbcConnect& c = connected();
    std::unique_ptr<HQOdbcCursor> idle = c.takeCursor(kRelated);
    ASSERT_EQ(idle->prepare(kRelated).code, 0);
    c.giveBack(kRelated, std::move(idle));
    std::unique_ptr<HQOdbcCursor> out = c.takeCursor(kRelated);
    ASSERT_EQ(out->state(), 2);
    c.giveBack(kRelated, c.takeCursor(kRelated)); // a fresh one, never prepared: not kept

    ASSERT_EQ(c.disconnect().code, 0);
    EXPECT_EQ(out->state(), 0); // freed by the disconnect while handed out
    connected();
    c.giveBack(kRelated, std::move(out));
    std::unique_ptr<HQOdbcCursor> fresh = c.takeCursor(kRelated);
    EXPECT_EQ(fresh->state(), 0);
    ASSERT_EQ(fresh->prepare(kRelated).code, 0);
    RelatedQuery tables{"IR_TO_DR_Rel", "IR00000001"};
    ASSERT_EQ(tables.bind(*fresh).code, 0);
    HQRC rc;
    ASSERT_EQ(fresh->fetch(rc), 1);
    EXPECT_STREQ(tables.target, "DR00000001");
}
