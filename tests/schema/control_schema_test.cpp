// The control-table DDL: the same tables and columns on both systems, the
// common columns first, keyword columns quoted where the system needs it,
// and the loader's handling of prefixes and failing data.
#include "control_db_access.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <tuple>

#include "dictionary/relation.h"

namespace schema_test {
namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::map<std::string, std::vector<std::string>>
lowered(const std::map<std::string, std::vector<std::string>>& tables) {
    std::map<std::string, std::vector<std::string>> out;
    for (const auto& [table, cols] : tables)
        for (const std::string& c : cols)
            out[lower(table)].push_back(lower(c));
    return out;
}

std::string emptyDataFile() {
    const std::filesystem::path file = scratch("empty_data_" + testTag()) / "empty.sql";
    std::ofstream(file) << "-- nothing\n";
    return file.string();
}

// The columns that cannot be named without quotes: each column of each table
// is selected, compared and sorted by its bare name.
std::set<std::string> columnsNeedingQuotes(const ControlDb& db) {
    std::string sql;
    std::vector<std::string> all;
    for (const auto& [table, cols] : db.columns()) {
        for (const std::string& col : cols) {
            const std::string tag = table + "." + col;
            all.push_back(tag);
            sql += "SELECT 'ok " + tag + "', (SELECT count(*) FROM (SELECT " + col + " FROM " +
                   table + " WHERE " + col + " = " + col + " ORDER BY " + col + ") s);\n";
        }
    }
    const std::string out = db.script(sql).output;
    std::set<std::string> failing;
    for (const std::string& tag : all)
        if (out.find("ok " + tag + "|") == std::string::npos)
            failing.insert(lower(tag.substr(tag.find('.') + 1)));
    return failing;
}

// The relations whose rows the data checks know are exactly the program's.
TEST(ControlSchema, TheRelationsCheckedAreThoseOfTheProgram) {
    EXPECT_EQ(relationEnds().size(), std::size(rel::all));
    for (const auto& [name, ends] : relationEnds())
        EXPECT_NE(rel::byName(HQSTRING(name)), nullptr) << name;
}

TEST(ControlSchema, SqliteAndPostgresHoldTheSameTablesAndColumnsInTheSameOrder) {
    const ControlDb lite = ControlDb::sqlite(scratch("same_tables") / "control.db");
    const ControlDb pg = ControlDb::postgres("schema_same");
    ASSERT_EQ(lite.load({emptyDataFile()}).status, 0);
    const CommandResult r = pg.load({emptyDataFile()});
    ASSERT_EQ(r.status, 0) << r.output;
    const auto liteColumns = lowered(lite.columns());
    EXPECT_EQ(liteColumns.size(), 30u);
    EXPECT_EQ(liteColumns, lowered(pg.columns()));
}

TEST(ControlSchema, ObjectTablesBeginWithTheCommonColumns) {
    const ControlDb lite = ControlDb::sqlite(scratch("common_columns") / "control.db");
    ASSERT_EQ(lite.load({emptyDataFile()}).status, 0);
    const std::vector<std::string> common = {"qrtid", "updated_by", "update_ts", "name",
                                             "short_description"};
    int objectTableCount = 0;
    for (const auto& [table, cols] : lite.columns()) {
        if (table == "QRTSTRINGS" || table == "BINARYDATA" || table == "RELATIONSHIP" ||
            table == "configuration")
            continue;
        ++objectTableCount;
        ASSERT_GE(cols.size(), common.size()) << table;
        EXPECT_EQ(std::vector<std::string>(cols.begin(), cols.begin() + 5), common) << table;
    }
    EXPECT_EQ(objectTableCount, 26);
}

TEST(ControlSchema, OnlyTheKeywordColumnsNeedQuotesInSqlite) {
    const ControlDb lite = ControlDb::sqlite(scratch("keywords_sqlite") / "control.db");
    ASSERT_EQ(lite.load({emptyDataFile()}).status, 0);
    EXPECT_EQ(columnsNeedingQuotes(lite), (std::set<std::string>{"having", "isnull"}));
    // quoted, in any case, they are reachable
    EXPECT_EQ(lite.query("SELECT \"isNull\", \"offset\" FROM Attribute; SELECT \"having\" "
                         "FROM BusinessView")
                  .status,
              0);
}

TEST(ControlSchema, RelationRowsAreReadInOrderFromTheIndexOfTheirSide) {
    // Each side's index gives the rows of one object already in the order of
    // the other side: no sort, and no walk through the other side's index.
    const ControlDb lite = ControlDb::sqlite(scratch("relation_plan") / "control.db");
    ASSERT_EQ(lite.load({emptyDataFile()}).status, 0);
    for (const auto& [side, other, index] :
         {std::tuple{"source", "target", "src"}, {"target", "source", "tgt"}}) {
        const std::string plan =
            lite.query(std::string("EXPLAIN QUERY PLAN SELECT ") + other +
                       "_qrtid FROM RELATIONSHIP WHERE relation_name = 'IR_TO_DR_Rel' AND " + side +
                       "_qrtid = 'x' ORDER BY " + other + "_qrtid")
                .output;
        EXPECT_NE(plan.find(std::string("INDEX relationship_") + index +
                            "_ix (relation_name=? AND " + side + "_qrtid=?)"),
                  std::string::npos)
            << plan;
        EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
    }
}

TEST(ControlSchema, OnlyTheKeywordColumnsNeedQuotesInPostgres) {
    const ControlDb pg = ControlDb::postgres("schema_keywords");
    ASSERT_EQ(pg.load({emptyDataFile()}).status, 0);
    EXPECT_EQ(columnsNeedingQuotes(pg), (std::set<std::string>{"having", "isnull", "offset"}));
    // they exist quoted in lower case; quoted as the classes spell them they do not
    EXPECT_EQ(pg.query("SELECT \"isnull\", \"offset\" FROM Attribute").status, 0);
    EXPECT_EQ(pg.query("SELECT \"having\" FROM BusinessView").status, 0);
    EXPECT_NE(pg.query("SELECT \"isNull\" FROM Attribute").status, 0);
}

TEST(ControlSchema, PostgresTablesAreReachedThroughThePrefixInAnyCase) {
    const ControlDb pg = ControlDb::postgres("QRTCASE");
    ASSERT_EQ(pg.load().status, 0);
    const CommandResult r = run(kPgEnv + "psql -X -q -tA -v ON_ERROR_STOP=1 -c " +
                                quoteShell("SELECT count(*) FROM QRTcase.DataResource d, "
                                           "qrtcase.dataresource e, QRTCASE.RELATIONSHIP r "
                                           "WHERE d.qrtid = e.qrtid AND r.target_qrtid = "
                                           "d.qrtid AND r.relation_name = 'IR_TO_DR_Rel'"));
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output, "7\n");
}

// Data whose second statement fails.
std::string failingDataFile(const std::string& name) {
    const std::filesystem::path bad = scratch(name) / "bad.sql";
    std::ofstream(bad) << "INSERT INTO inforesource (qrtid, name) VALUES ('0000009999', 'X');\n"
                          "INSERT INTO no_such_table VALUES (1);\n";
    return bad.string();
}

TEST(ControlSchema, LoaderKeepsNothingOfAFailedLoadInSqlite) {
    const std::string bad = failingDataFile("failed_load");
    const ControlDb lite = ControlDb::sqlite(scratch("failed_load_sqlite") / "control.db");
    EXPECT_NE(lite.load({QRT_SOURCE_DIR "/samples/warehouse.sql", bad}).status, 0);
    EXPECT_EQ(lite.count("SELECT count(*) FROM inforesource"), 0);
}

TEST(ControlSchema, LoaderKeepsNothingOfAFailedLoadInPostgres) {
    // the schema loaded before stays as it was
    const std::string bad = failingDataFile("failed_load_pg");
    const ControlDb pg = ControlDb::postgres("schema_failed");
    ASSERT_EQ(pg.load().status, 0);
    EXPECT_NE(pg.load({bad}).status, 0);
    EXPECT_EQ(pg.count("SELECT count(*) FROM inforesource"), 3);
}

TEST(ControlSchema, LoaderRefusesAPrefixThatIsNoPlainName) {
    const CommandResult r =
        run(kPgEnv + kLoader + " postgres " + quoteShell("x; DROP SCHEMA public") + " " +
            quoteShell(emptyDataFile()));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find("plain SQL name"), std::string::npos) << r.output;
}

TEST(ControlSchema, LoaderReadsDataFromStandardInput) {
    const std::filesystem::path dir = scratch("stdin_load");
    const CommandResult r =
        run("cat " + quoteShell(QRT_SOURCE_DIR "/samples/warehouse.sql") + " | " + kLoader +
            " sqlite " + quoteShell((dir / "control.db").string()) + " -");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(ControlDb::sqlite(dir / "control.db").count("SELECT count(*) FROM RELATIONSHIP"),
              204);
}

} // namespace
} // namespace schema_test
