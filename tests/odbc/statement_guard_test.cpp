// A text with more than one statement is never sent to the control
// database: a ";" outside quotes could let one call run several statements.
#include <gtest/gtest.h>

#include "runtime/sql_statement_guard.h"
#include "sqlite_fixture.h"

using StatementGuardTest = SqliteControlDb;

TEST(StatementGuard, ASemicolonOutsideQuotesMakesSeveralStatements) {
    EXPECT_TRUE(holdsOneStatement(L"SELECT name FROM QRT.attribute WHERE name = 'a;b'"));
    EXPECT_TRUE(holdsOneStatement(L"SELECT \"x;y\" FROM t WHERE a = 'it''s;' AND b = '\"'"));
    EXPECT_TRUE(holdsOneStatement(L""));
    EXPECT_FALSE(holdsOneStatement(L"SELECT 1; DROP TABLE canary"));
    EXPECT_FALSE(holdsOneStatement(L"SELECT 1;"));
    EXPECT_FALSE(holdsOneStatement(L"SELECT 'a''' ; DROP TABLE canary"));
    EXPECT_FALSE(holdsOneStatement(L"SELECT \"a\"\"\";DROP TABLE canary"));
}

TEST_F(StatementGuardTest, SeveralStatementsInOneTextAreNeverSent) {
    HQOdbcConnect& c = connected();
    HQRC rc = c.executeStmt(L"DELETE FROM QRT.AgentSite; DROP TABLE QRT.RELATIONSHIP", 1);
    EXPECT_EQ(rc.code, 2012);
    EXPECT_EQ(rc.sqlState, L"42000");
    HQOdbcCursor cursor(&c);
    rc = cursor.prepare(L"SELECT name FROM QRT.AgentSite;DELETE FROM QRT.AgentSite");
    EXPECT_EQ(rc.code, 2014);
    EXPECT_EQ(rc.location, L"HQOdbcCursor::prepare");
    EXPECT_EQ(cursor.state(), 0);

    // Both tables are still there, with their rows.
    HQOdbcCursor count(&c);
    ASSERT_EQ(count.prepare(L"SELECT COUNT(*) FROM QRT.AgentSite, QRT.RELATIONSHIP").code, 0);
    char text[16] = {};
    SQLLEN length = 0;
    ASSERT_EQ(count.bindCol(1, SQL_C_CHAR, text, sizeof text, &length).code, 0);
    ASSERT_EQ(count.fetch(rc), 1);
    EXPECT_STREQ(text, "10");
}
