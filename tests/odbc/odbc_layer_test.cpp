// The call-level-interface layer against a real SQLite database: connecting,
// the cursor state machine, fetching, executing and the numbered slots.
#include <atomic>
#include <chrono>
#include <thread>

#include "tests/odbc/sqlite_fixture.h"

using LayerTest = SqliteControlDb;

TEST_F(LayerTest, ConnectsAndLearnsTheDbms) {
    HQOdbcConnect& c = connected();
    EXPECT_EQ(c.state(), 3);
    EXPECT_EQ(c.dbmsName(), L"SQLite");
    EXPECT_EQ(c.dialect(), SqlDialect::SQLite);
    EXPECT_EQ(c.disconnect().code, 0);
    EXPECT_EQ(c.state(), 0);
}

TEST_F(LayerTest, UnknownDataSourceIsRefusedWith2009) {
    ::setenv("EXEC_NAME", "qrt2exp2_test", 1);
    HQOdbcConnect& c = HQOdbc::getEnv().connection(0);
    const HQRC rc = c.connect(L"NO_SUCH_DSN", L"someone", L"secret");
    EXPECT_EQ(rc.code, 2009);
    EXPECT_EQ(rc.domain, DomainODBC);
    EXPECT_EQ(rc.location, L"HQOdbc::connect");
    EXPECT_EQ(rc.sqlState, L"IM002");
    EXPECT_NE(rc.nativeCode, 0);
    EXPECT_FALSE(rc.nativeMessage.empty());
    EXPECT_EQ(rc.token1, L"NO_SUCH_DSN");
    EXPECT_EQ(rc.token2, L"someone");
    EXPECT_EQ(rc.commandLine, L"qrt2exp2_test"); // from EXEC_NAME
    EXPECT_FALSE(rc.hostName.empty());
    EXPECT_FALSE(rc.nativeMessage.contains(L"secret"));
    EXPECT_EQ(c.state(), 1);
    // The allocated handle is reused by the next attempt.
    EXPECT_EQ(c.connect(L"QRTLITE", L"", L"").code, 0);
    EXPECT_EQ(c.state(), 3);
}

TEST_F(LayerTest, UnreachableDatabaseFileIsRefusedWith2009) {
    const HQRC rc = HQOdbc::getEnv().connection(0).connect(L"QRTNOWHERE", L"", L"");
    EXPECT_EQ(rc.code, 2009);
    EXPECT_NE(rc.sqlState, L"00000");
    EXPECT_FALSE(rc.sqlState.empty());
}

TEST_F(LayerTest, ConnectingAgainStartsAFreshConnection) {
    HQOdbcConnect& c = connected();
    HQRC rc;
    HQOdbcCursor* slot = c.getCursor(2, rc);
    ASSERT_NE(slot, nullptr);
    ASSERT_EQ(slot->prepare(L"SELECT name FROM QRT.AgentSite").code, 0);
    EXPECT_EQ(c.dropCursor(2).code, 0);
    EXPECT_EQ(c.connect(L"QRTLITE", L"", L"").code, 0);
    EXPECT_EQ(slot->state(), 0); // freed with the old connection
    EXPECT_EQ(c.executeStmt(L"SELECT 1 FROM QRT.AgentSite", 0).code, 0); // prefix attached again
}

TEST_F(LayerTest, FetchExecutesOnFirstCallAndStopsAtTheEnd) {
    HQOdbcConnect& c = connected();
    HQOdbcCursor cursor(&c);
    ASSERT_EQ(cursor
                  .prepare(L"SELECT target_qrtid FROM QRT.RELATIONSHIP WHERE relation_name = "
                           L"'IR_TO_DR_Rel' ORDER BY target_qrtid FOR FETCH ONLY")
                  .code,
              0);
    EXPECT_EQ(cursor.state(), 2);
    EXPECT_EQ(cursor.stateChar(), L"prepared");
    char id[11] = {};
    SQLLEN len = 0;
    ASSERT_EQ(cursor.bindCol(1, SQL_C_CHAR, id, sizeof id, &len).code, 0);
    HQRC rc;
    ASSERT_EQ(cursor.fetch(rc), 1);
    EXPECT_EQ(cursor.state(), 3);
    EXPECT_STREQ(id, "DR00000001");
    ASSERT_EQ(cursor.fetch(rc), 1);
    EXPECT_STREQ(id, "DR00000002");
    EXPECT_EQ(cursor.fetch(rc), 0);
    EXPECT_EQ(rc.code, 0);
    // At the end the interface is not asked again: with the result closed
    // behind the layer's back, a call to SQLFetch would fail.
    ASSERT_EQ(SQLFreeStmt(cursor.handle(), SQL_CLOSE), SQL_SUCCESS);
    EXPECT_EQ(cursor.fetch(rc), 0);
    EXPECT_EQ(rc.code, 0);
}

TEST_F(LayerTest, QueryWithoutRowsLeavesTheCallersCodeClear) {
    HQOdbcConnect& c = connected();
    HQOdbcCursor cursor(&c);
    ASSERT_EQ(cursor.prepare(L"SELECT name FROM QRT.AgentSite WHERE name = 'NONE SUCH'").code, 0);
    char name[81];
    SQLLEN len = 0;
    ASSERT_EQ(cursor.bindCol(1, SQL_C_CHAR, name, sizeof name, &len).code, 0);
    HQRC rc;
    EXPECT_EQ(cursor.fetch(rc), 0);
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(cursor.state(), 3);
}

TEST_F(LayerTest, PrepareKeepsTheFirstStatementAndReopensWithNewValues) {
    HQOdbcConnect& c = connected();
    HQOdbcCursor cursor(&c);
    ASSERT_EQ(cursor.prepare(L"SELECT name FROM QRT.AgentSite WHERE qrtid = ?").code, 0);
    // A different statement on a prepared cursor changes nothing.
    ASSERT_EQ(cursor.prepare(L"SELECT 'other' FROM QRT.BusinessView").code, 0);
    char id[11] = "AS00000001";
    char name[81] = {};
    SQLLEN nameLen = 0;
    ASSERT_EQ(
        cursor.bindParameter(1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_CHAR, 10, 0, id, 10, nullptr).code,
        0);
    ASSERT_EQ(cursor.bindCol(1, SQL_C_CHAR, name, sizeof name, &nameLen).code, 0);
    HQRC rc;
    ASSERT_EQ(cursor.fetch(rc), 1);
    EXPECT_STREQ(name, "DEFAULT AGENT");
    // Preparing an open cursor closes it; the next fetch runs it again with
    // the new parameter value.
    std::copy_n("AS00000002", 10, id);
    ASSERT_EQ(cursor.prepare(L"SELECT 'ignored'").code, 0);
    EXPECT_EQ(cursor.state(), 2);
    ASSERT_EQ(cursor.fetch(rc), 1);
    EXPECT_STREQ(name, "REMOTE AGENT");
    EXPECT_EQ(cursor.fetch(rc), 0);
    // After free the cursor takes a new statement.
    EXPECT_EQ(cursor.free().code, 0);
    EXPECT_EQ(cursor.state(), 0);
    EXPECT_EQ(cursor.stateChar(), L"None");
    ASSERT_EQ(cursor.prepare(L"SELECT 'other'").code, 0);
    ASSERT_EQ(cursor.bindCol(1, SQL_C_CHAR, name, sizeof name, &nameLen).code, 0);
    ASSERT_EQ(cursor.fetch(rc), 1);
    EXPECT_STREQ(name, "other");
}

TEST_F(LayerTest, MisuseOfACursorIsRefused) {
    HQOdbcConnect& c = connected();
    HQOdbcCursor fresh(&c);
    char buffer[8];
    SQLLEN len = 0;
    HQRC rc = fresh.bindCol(1, SQL_C_CHAR, buffer, sizeof buffer, &len);
    EXPECT_EQ(rc.code, 2001);
    EXPECT_EQ(rc.location, L"HQOdbcCursor::bindCol");
    EXPECT_EQ(rc.token1, L"1");
    EXPECT_EQ(rc.token2, L"1");
    rc = fresh.bindParameter(2, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_CHAR, 8, 0, buffer, 8, nullptr);
    EXPECT_EQ(rc.code, 2001);
    EXPECT_EQ(rc.location, L"HQOdbcCursor::bindParameter");
    EXPECT_EQ(rc.token1, L"2");

    HQOdbcCursor orphan;
    rc = orphan.prepare(L"SELECT 1");
    EXPECT_EQ(rc.code, 2002);
    EXPECT_EQ(rc.location, L"HQOdbcCursor::testConnect");
    EXPECT_EQ(rc.comment, L"From HQOdbcCursor::prepare - stmt=SELECT 1");
    EXPECT_EQ(orphan.state(), 0);
}

TEST_F(LayerTest, FailuresCarryTheInterfaceDiagnostics) {
    HQOdbcConnect& c = connected();
    HQOdbcCursor cursor(&c);
    const HQSTRING bad = L"SELECT nosuchcolumn FROM QRT.AgentSite";
    HQRC rc = cursor.prepare(bad);
    EXPECT_EQ(rc.code, 2014);
    EXPECT_EQ(rc.domain, DomainODBC);
    EXPECT_EQ(rc.location, L"HQOdbcCursor::prepare");
    EXPECT_EQ(rc.token1, bad);
    EXPECT_FALSE(rc.sqlState.empty());
    EXPECT_TRUE(rc.nativeMessage.contains(L"nosuchcolumn")) << rc.nativeMessage.toMultiByte();
    EXPECT_EQ(cursor.state(), 1);

    rc = c.executeStmt(L"INSERT INTO QRT.nosuchtable VALUES (1)", 0);
    EXPECT_EQ(rc.code, 2012);
    EXPECT_EQ(rc.location, L"HQOdbcConnect::executeStmt");
    EXPECT_EQ(rc.token1, L"INSERT INTO QRT.nosuchtable VALUES (1)");
    EXPECT_NE(rc.nativeCode, 0);
}

TEST_F(LayerTest, FetchReportsARowThatCameWithAWarning) {
    HQOdbcConnect& c = connected();
    HQOdbcCursor cursor(&c);
    ASSERT_EQ(cursor.prepare(L"SELECT name FROM QRT.AgentSite WHERE qrtid = 'AS00000001'").code, 0);
    char tooShort[4] = {};
    SQLLEN len = 0;
    ASSERT_EQ(cursor.bindCol(1, SQL_C_CHAR, tooShort, sizeof tooShort, &len).code, 0);
    HQRC rc;
    // The value is truncated: the row is there and the warning is reported.
    EXPECT_EQ(cursor.fetch(rc), 2015);
    EXPECT_EQ(rc.code, 2015);
    EXPECT_EQ(rc.sqlState, L"01004");
    EXPECT_STREQ(tooShort, "DEF");
}

TEST_F(LayerTest, ExecuteTreatsNoDataAsTheCallerAsks) {
    HQOdbcConnect& c = connected();
    EXPECT_EQ(c.executeStmt(L"DELETE FROM QRT.AgentSite WHERE qrtid = 'none'", 1).code, 0);
    HQOdbcCursor update(&c);
    ASSERT_EQ(update.prepare(L"UPDATE QRT.AgentSite SET name = 'X' WHERE qrtid = 'none'").code, 0);
    EXPECT_EQ(update.executeIgnoreNDF().code, 0);
    EXPECT_EQ(update.state(), 3);
    HQOdbcCursor insert(&c);
    ASSERT_EQ(insert
                  .prepare(L"INSERT INTO QRT.AgentSite (qrtid, name) VALUES ('AS00000003', "
                           L"'THIRD AGENT')")
                  .code,
              0);
    EXPECT_EQ(insert.execute().code, 0);
    HQOdbcCursor failing(&c);
    ASSERT_EQ(failing
                  .prepare(L"INSERT INTO QRT.AgentSite (qrtid) SELECT qrtid FROM "
                           L"QRT.AgentSite WHERE abs(-9223372036854775807 - 1) > 0")
                  .code,
              0);
    const HQRC rc = failing.execute();
    EXPECT_EQ(rc.code, 2011);
    EXPECT_EQ(rc.location, L"HQOdbcCursor::execute");
}

TEST_F(LayerTest, ManualCommitHonoursCommitAndRollback) {
    HQOdbcConnect& c = connected();
    ASSERT_EQ(c.connectOptionManual().code, 0);
    ASSERT_EQ(c.executeStmt(L"DELETE FROM QRT.AgentSite", 0).code, 0);
    ASSERT_EQ(c.rollback().code, 0);
    ASSERT_EQ(c.executeStmt(L"INSERT INTO QRT.AgentSite (qrtid) VALUES ('AS00000009')", 0).code, 0);
    ASSERT_EQ(c.commit().code, 0);
    HQOdbcCursor count(&c);
    ASSERT_EQ(count.prepare(L"SELECT count(*) FROM QRT.AgentSite").code, 0);
    SQLINTEGER n = 0;
    SQLLEN len = 0;
    ASSERT_EQ(count.bindCol(1, SQL_C_SLONG, &n, 0, &len).code, 0);
    HQRC rc;
    ASSERT_EQ(count.fetch(rc), 1);
    EXPECT_EQ(n, 3); // the two rows survived the rolled-back delete
    // Work still open at disconnect is discarded and the connection closes.
    ASSERT_EQ(c.executeStmt(L"DELETE FROM QRT.AgentSite", 0).code, 0);
    EXPECT_EQ(c.disconnect().code, 0);
    EXPECT_EQ(c.state(), 0);
    ASSERT_EQ(c.connect(L"QRTLITE", L"", L"").code, 0);
    ASSERT_EQ(c.setSchemaPrefix(L"QRT").code, 0);
    EXPECT_EQ(c.executeStmt(L"DELETE FROM QRT.AgentSite WHERE qrtid = 'AS00000009'", 0).code, 0);
}

TEST_F(LayerTest, ASlotIsHeldByOneUserAtATime) {
    HQOdbcConnect& c = connected();
    HQRC rc;
    HQOdbcCursor* mine = c.getCursor(4, rc);
    ASSERT_NE(mine, nullptr);
    EXPECT_EQ(mine->getConnection(), &c);
    std::atomic<bool> got{false};
    std::thread other([&] {
        HQRC r;
        HQOdbcCursor* theirs = c.getCursor(4, r);
        got = theirs == mine;
        c.dropCursor(4);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(got.load());
    EXPECT_EQ(c.dropCursor(4).code, 0);
    other.join();
    EXPECT_TRUE(got.load());
    EXPECT_EQ(c.getCursor(HQOdbcConnect::kSlots, rc), nullptr);
    EXPECT_NE(rc.code, 0);
}
