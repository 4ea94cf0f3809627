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
        EXPECT_EQ(adaptSql(d, kBareSelect), L"SELECT qrtid, updated_by, update_ts, name, "
                                            L"short_description FROM QRT.AgentSite");
        EXPECT_EQ(adaptSql(d, L"select a from t for fetch only "), L"select a from t ");
    }
}

TEST(SqlDialect, QuotesKeywordColumnsPerDbms) {
    EXPECT_EQ(adaptSql(SqlDialect::SQLite, kAttributeRead),
              L"SELECT qrtid, updated_by, update_ts, name, short_description, \"isNull\", offset, "
              L"seqNo FROM QRT.attribute WHERE \"isNull\" = 0 ORDER BY seqno");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, kAttributeRead),
              L"SELECT qrtid, updated_by, update_ts, name, short_description, \"isnull\", "
              L"\"offset\", seqNo FROM QRT.attribute WHERE \"isnull\" = 0 ORDER BY seqno");
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, kStepRead),
              L"SELECT qrtid, updated_by, update_ts, name, short_description, \"having\" FROM "
              L"QRT.BusinessView  WHERE name = ?");
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

TEST(SqlDialect, OrdersObjectListsSelectedByIdentifierSubquery) {
    const std::wstring keyMaps =
        L"SELECT qrtid, updated_by, update_ts, name, short_description FROM QRT.KeyMap  where "
        L"qrtid in (select source_qrtid from QRT.relationship where "
        L"relation_name='KeyMap_TO_PrimaryKey' and target_qrtid = ?) FOR FETCH ONLY";
    for (auto d : {SqlDialect::SQLite, SqlDialect::PostgreSQL})
        EXPECT_EQ(adaptSql(d, keyMaps),
                  L"SELECT qrtid, updated_by, update_ts, name, short_description FROM QRT.KeyMap  "
                  L"where qrtid in (select source_qrtid from QRT.relationship where "
                  L"relation_name='KeyMap_TO_PrimaryKey' and target_qrtid = ?) ORDER BY qrtid");
    // A list with its own order, a join on another column and the native
    // dialect stay as they are.
    const std::wstring ordered = L"SELECT qrtid FROM QRT.Process where qrtid in (select "
                                 L"source_qrtid from QRT.relationship)  ORDER BY name";
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, ordered), ordered);
    const std::wstring aliased = L"SELECT dr.qrtid FROM QRT.dataresource dr WHERE dr.qrtid in "
                                 L"(select qrtid from QRT.dataresource)";
    EXPECT_EQ(adaptSql(SqlDialect::PostgreSQL, aliased), aliased);
    EXPECT_EQ(adaptSql(SqlDialect::Native, keyMaps), keyMaps);
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
