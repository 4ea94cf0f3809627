// The dialect adapter on statements of the object model, without a database,
// and the same statements prepared and run on SQLite.
#include <gtest/gtest.h>

#include "runtime/sql_dialect.h"
#include "tests/common/control_statements.h"

using namespace qrt_test;
#include "tests/odbc/sqlite_fixture.h"

TEST(SqlDialect, DbmsNamesSelectTheDialect) {
    EXPECT_EQ(dialectOfDbms(L"SQLite"), SqlDialect::SQLite);
    EXPECT_EQ(dialectOfDbms(L"PostgreSQL"), SqlDialect::PostgreSQL);
    EXPECT_EQ(dialectOfDbms(L"Nordbase"), SqlDialect::Native);
    EXPECT_EQ(dialectOfDbms(L""), SqlDialect::Native);
}

TEST(SqlDialect, NativeDialectKeepsEveryText) {
    for (const auto& s :
         {kRelationRead, kBareSelect, kAttributeRead, kStepRead, kAgentSiteIntersect})
        EXPECT_EQ(adaptSql(SqlDialect::Native, s), s);
}

TEST(SqlDialect, DropsForFetchOnlyWithTheBlanksBeforeIt) {
    for (auto d : {SqlDialect::SQLite, SqlDialect::PostgreSQL}) {
        EXPECT_EQ(adaptSql(d, kRelationRead), L"SELECT target_qrtid FROM QRT.RELATIONSHIP WHERE "
                                              L"relation_name = ? AND source_qrtid = ?");
        EXPECT_EQ(adaptSql(d, L"SELECT name FROM QRT.AgentSite  FOR FETCH ONLY"),
                  L"SELECT name FROM QRT.AgentSite");
        EXPECT_EQ(adaptSql(d, L"select a from t for fetch only "), L"select a from t ");
    }
}

TEST(SqlDialect, QuotesKeywordColumnsPerDbms) {
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, kAttributeRead),
              L"SELECT qrtid, updated_by, update_ts, name, short_description, \"isNull\", offset, "
              L"seqNo FROM QRT.attribute WHERE \"isNull\" = 0 ORDER BY seqno, qrtid");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, L"SELECT a, isNull, offset FROM QRT.attribute "
                                               L"WHERE isNull = 0 ORDER BY offset"),
              L"SELECT a, \"isnull\", \"offset\" FROM QRT.attribute WHERE \"isnull\" = 0 ORDER "
              L"BY \"offset\" NULLS FIRST");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, L"SELECT a, having FROM QRT.BusinessView  WHERE "
                                               L"name = ? FOR FETCH ONLY"),
              L"SELECT a, \"having\" FROM QRT.BusinessView  WHERE name = ?");
    // Inserts and updates name the columns too.
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL,
                       L"UPDATE QRT.attribute SET updated_by = ?, isNull = ?, offset = ?WHERE "
                       L"qrtid = ? AND update_ts = ?"),
              L"UPDATE QRT.attribute SET updated_by = ?, \"isnull\" = ?, \"offset\" = ?WHERE "
              L"qrtid = ? AND update_ts = ?");
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, L"INSERT INTO QRT.BusinessView(qrtid, having) VALUES "
                                           L"(?, ?)"),
              L"INSERT INTO QRT.BusinessView(qrtid, \"having\") VALUES (?, ?)");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, L"select a.offset from QRT.attribute a"),
              L"select a.\"offset\" from QRT.attribute a");
}

TEST(SqlDialect, SqliteComparesTheTimeStampOfAnUpdateByItsValue) {
    const std::wstring update = L"UPDATE QRT.AgentSite SET updated_by = ?, update_ts = ?, name = "
                                L"?, short_description = ?WHERE qrtid = ? AND update_ts = ?";
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, update),
              L"UPDATE QRT.AgentSite SET updated_by = ?, update_ts = ?, name = ?, "
              L"short_description = ?WHERE qrtid = ? AND julianday(update_ts) = julianday(?)");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, update), update);
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, L"SELECT 1 FROM QRT.map WHERE update_ts = ?"),
              L"SELECT 1 FROM QRT.map WHERE julianday(update_ts) = julianday(?)");
}

TEST(SqlDialect, ObjectQueriesEndTheirOrderWithTheIdentifier) {
    const std::wstring keyMaps =
        L"SELECT qrtid, updated_by, update_ts, name, short_description FROM QRT.KeyMap  where "
        L"qrtid in (select source_qrtid from QRT.relationship where "
        L"relation_name='KeyMap_TO_PrimaryKey' and target_qrtid = ?) FOR FETCH ONLY";
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, keyMaps),
              L"SELECT qrtid, updated_by, update_ts, name, short_description FROM QRT.KeyMap  "
              L"where qrtid in (select source_qrtid from QRT.relationship where "
              L"relation_name='KeyMap_TO_PrimaryKey' and target_qrtid = ?) ORDER BY qrtid");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, keyMaps),
              L"SELECT qrtid, updated_by, update_ts, name, short_description FROM QRT.KeyMap  "
              L"where qrtid in (select source_qrtid from QRT.relationship where "
              L"relation_name='KeyMap_TO_PrimaryKey' and target_qrtid = ?) ORDER BY qrtid "
              L"COLLATE \"C\" NULLS FIRST");
    // A retrieval by name takes the lowest identifier among equal names; a
    // list ordered by a number breaks its ties the same way.
    const std::wstring byName = L"SELECT qrtid, name FROM QRT.inforesource WHERE   name = ? "
                                L"ORDER BY name FOR FETCH ONLY";
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, byName),
              L"SELECT qrtid, name FROM QRT.inforesource WHERE   name = ? ORDER BY name, qrtid");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, byName),
              L"SELECT qrtid, name FROM QRT.inforesource WHERE   name = ? ORDER BY name COLLATE "
              L"\"C\" NULLS FIRST, qrtid COLLATE \"C\" NULLS FIRST");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, kAttributeRead),
              L"SELECT qrtid, updated_by, update_ts, name, short_description, \"isnull\", "
              L"\"offset\", seqNo FROM QRT.attribute WHERE \"isnull\" = 0 ORDER BY seqno NULLS "
              L"FIRST, qrtid COLLATE \"C\" NULLS FIRST");
    // Two sort columns, the first qualified; the tie-breaker comes before LIMIT.
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, L"SELECT DISTINCT qrtid FROM QRT.DataResource d "
                                           L"ORDER BY d.largeSchemaName ,largeTableName LIMIT 3"),
              L"SELECT DISTINCT qrtid FROM QRT.DataResource d ORDER BY d.largeSchemaName "
              L",largeTableName, qrtid LIMIT 3");
    // An order that already ends with the identifier, a query for something
    // else than objects and the native dialect stay as they are.
    const std::wstring ordered = L"SELECT qrtid FROM QRT.Process where qrtid in (select "
                                 L"source_qrtid from QRT.relationship)  ORDER BY name, qrtid DESC";
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, ordered), ordered);
    const std::wstring aliased = L"SELECT dr.qrtid FROM QRT.dataresource dr WHERE dr.qrtid in "
                                 L"(select qrtid from QRT.dataresource)";
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, aliased), aliased);
    EXPECT_EQ(adaptSql(SqlDialect::Native, keyMaps), keyMaps);
    EXPECT_EQ(adaptSql(SqlDialect::Native, byName), byName);
}

TEST(SqlDialect, PostgresSortsTextInByteOrderAndNullFirst) {
    // Character columns of the control tables get the byte-order collation,
    // numbers and time stamps only the NULL order.
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL,
                       L"SELECT target_qrtid FROM QRT.RELATIONSHIP WHERE relation_name = ? "
                       L"ORDER BY target_qrtid FOR FETCH ONLY"),
              L"SELECT target_qrtid FROM QRT.RELATIONSHIP WHERE relation_name = ? ORDER BY "
              L"target_qrtid COLLATE \"C\" NULLS FIRST");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL,
                       L"SELECT a FROM t ORDER BY year,update_TS DESC, MailServer ASC"),
              L"SELECT a FROM t ORDER BY year NULLS FIRST,update_TS DESC NULLS LAST, MailServer "
              L"COLLATE \"C\" ASC NULLS FIRST");
    // Quoted and keyword columns, an expression, an item with its own
    // collation or NULL order, and an order inside a subquery.
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL,
                       L"SELECT a FROM t WHERE x IN (SELECT y FROM u ORDER BY \"name\") ORDER BY "
                       L"offset, hostname||'.'||dbname, name COLLATE \"de\", a.dbName NULLS LAST"),
              L"SELECT a FROM t WHERE x IN (SELECT y FROM u ORDER BY \"name\" COLLATE \"C\" "
              L"NULLS FIRST) ORDER BY \"offset\" NULLS FIRST, hostname||'.'||dbname NULLS FIRST, "
              L"name COLLATE \"de\" NULLS FIRST, a.dbName COLLATE \"C\" NULLS LAST");
    // A column that is not one of the control tables' character columns.
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, L"SELECT a FROM t ORDER BY table_name"),
              L"SELECT a FROM t ORDER BY table_name NULLS FIRST");
    // SQLite already sorts text by its bytes and NULL first.
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, L"SELECT a FROM t ORDER BY name DESC, seqno"),
              L"SELECT a FROM t ORDER BY name DESC, seqno");
}

TEST(SqlDialect, LeavesLiteralsQuotedNamesAndClauseKeywordsAlone) {
    const std::wstring s = L"SELECT name FROM QRT.BusinessView WHERE name = 'having isNull "
                           L"offset FOR FETCH ONLY' AND \"isNull\" = 1 GROUP BY name HAVING "
                           L"count(*) > 1 LIMIT 5 OFFSET 2";
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, s), s);
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, s), s);
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, L"SELECT 'it''s' FROM t WHERE x = 'a'' having'"),
              L"SELECT 'it''s' FROM t WHERE x = 'a'' having'");
}

TEST(SqlDialect, SqliteGetsCompoundMembersWithoutParentheses) {
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, kAgentSiteIntersect),
              L"SELECT qrtid, updated_by, update_ts, name, short_description FROM QRT.AgentSite "
              L"where qrtid in ( select source_qrtid from QRT.relationship where "
              L"relation_name='IR_TO_AgentSite' and target_qrtid = ? INTERSECT  select "
              L"source_qrtid from QRT.relationship where relation_name='IR_TO_AgentSite' and "
              L"target_qrtid = ? ) ORDER BY qrtid");
    // Three members, the first two grouped.
    EXPECT_EQ(adaptSql(SqlDialect::SQLite,
                       L"x in (((select a from t)INTERSECT (select b from u)) INTERSECT (select c "
                       L"from v))"),
              L"x in (  select a from t INTERSECT  select b from u   INTERSECT  select c from v )");
    // A grouped right member keeps its parentheses: removing them would
    // change the result.
    const std::wstring grouped = L"x in ((select a from t) EXCEPT (select b from u UNION select "
                                 L"c from v))";
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, grouped),
              L"x in ( select a from t  EXCEPT (select b from u UNION select c from v))");
    // PostgreSQL accepts the parentheses.
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, grouped), grouped);
    // A scalar subquery is not a compound member.
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, L"where a = (select max(b) from t)"),
              L"where a = (select max(b) from t)");
}

using SqliteDialectProof = SqliteControlDb;

// Statements as the object model writes them prepare and return their rows.
TEST_F(SqliteDialectProof, ObjectModelStatementsRunUnchanged) {
    HQOdbcConnect& c = connected();
    for (const auto& k : kStatementCases) {
        SCOPED_TRACE(k.statement);
        HQRC rc;
        EXPECT_EQ(firstColumnOf(c, k.statement, k.params, rc), k.firstColumn);
        EXPECT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    }
}
