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
              L"target_qrtid = ? )");
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
    struct Case {
        std::wstring statement;
        std::vector<const char*> params;
        std::vector<std::string> firstColumn;
    };
    const std::vector<Case> cases{
        {kRelationRead, {"IR_TO_DR_Rel", "IR00000001"}, {"DR00000001", "DR00000002"}},
        {kBareSelect, {}, {"AS00000001", "AS00000002"}},
        {kAttributeRead, {}, {"AT00000001"}},
        {kStepRead, {"LOAD_SALES"}, {"BV00000001"}},
        {kAgentSiteIntersect, {"IR00000001", "IR00000002"}, {"AS00000001"}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.statement);
        HQOdbcCursor cursor(&c);
        ASSERT_EQ(cursor.prepare(k.statement).code, 0);
        std::vector<std::string> values(k.params.begin(), k.params.end());
        for (size_t i = 0; i < values.size(); ++i)
            ASSERT_EQ(cursor
                          .bindParameter(static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT,
                                         SQL_C_CHAR, SQL_VARCHAR, 80, 0, values[i].data(), 0,
                                         nullptr)
                          .code,
                      0);
        char first[129] = {};
        SQLLEN len = 0;
        ASSERT_EQ(cursor.bindCol(1, SQL_C_CHAR, first, sizeof first, &len).code, 0);
        std::vector<std::string> got;
        HQRC rc;
        while (cursor.fetch(rc))
            got.emplace_back(first);
        EXPECT_EQ(rc.code, 0);
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, k.firstColumn);
    }
}
