// The warehouse generator: the same seed gives the same bytes, and what it
// writes loads into both systems as a consistent, hostile warehouse.
#include "control_db_access.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace schema_test {
namespace {

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Generated {
    std::filesystem::path sql, input;
    CommandResult result;
};

Generated generate(const std::filesystem::path& dir, const std::string& name,
                   const std::string& options) {
    Generated g{dir / (name + ".sql"), dir / (name + ".inp"), {}};
    g.result = run(kGenerator + " " + options + " " + quoteShell(g.sql.string()) + " " +
                   quoteShell(g.input.string()));
    return g;
}

TEST(Generator, SameSeedGivesTheSameWarehouse) {
    const std::filesystem::path dir = scratch("generator_seed");
    const Generated a = generate(dir, "a", "--seed=42 --databases=4 --tables=6");
    const Generated b = generate(dir, "b", "--seed=42 --databases=4 --tables=6");
    const Generated c = generate(dir, "c", "--seed=43 --databases=4 --tables=6");
    ASSERT_EQ(a.result.status, 0) << a.result.output;
    ASSERT_EQ(b.result.status, 0);
    ASSERT_EQ(c.result.status, 0);
    EXPECT_FALSE(readFile(a.sql).empty());
    EXPECT_EQ(readFile(a.sql), readFile(b.sql));
    EXPECT_EQ(readFile(a.input), readFile(b.input));
    EXPECT_NE(readFile(a.sql), readFile(c.sql));
    // standard output carries the same text
    const CommandResult piped = run(kGenerator + " --seed=42 --databases=4 --tables=6 - " +
                                    quoteShell((dir / "d.inp").string()));
    EXPECT_EQ(piped.output, readFile(a.sql));
}

TEST(Generator, RefusesUnknownOptionsAndMissingFiles) {
    EXPECT_EQ(run(kGenerator + " --size=3 a.sql a.inp").status, 2);
    EXPECT_EQ(run(kGenerator + " --tables=x a.sql a.inp").status, 2);
    EXPECT_EQ(run(kGenerator + " --tables=-3 a.sql a.inp").status, 2);
    EXPECT_EQ(run(kGenerator + " a.sql").status, 2);
    EXPECT_EQ(run(kGenerator + " /no/such/dir/a.sql /no/such/dir/a.inp").status, 1);
}

class GeneratedWarehouse : public ::testing::TestWithParam<std::string> {
protected:
    // 52 databases so that the unknown type texts of every fiftieth appear
    static constexpr const char* kOptions = "--seed=5 --databases=52 --tables=14 --columns=6";

    ControlDb loaded(const std::string& name) const {
        const std::filesystem::path dir = scratch("generated_" + name + "_" + GetParam());
        const Generated g = generate(dir, "w", kOptions);
        EXPECT_EQ(g.result.status, 0) << g.result.output;
        inputFile = g.input;
        const ControlDb db = GetParam() == "postgres"
                                 ? ControlDb::postgres("schema_gen_" + testTag())
                                 : ControlDb::sqlite(dir / "control.db");
        const CommandResult r = db.load({g.sql.string()});
        EXPECT_EQ(r.status, 0) << r.output.substr(0, 2000);
        return db;
    }
    mutable std::filesystem::path inputFile;
};

TEST_P(GeneratedWarehouse, HasTheRequestedSizeAndConsistentRelations) {
    const ControlDb db = loaded("size");
    EXPECT_EQ(db.count("SELECT count(*) FROM inforesource"), 52);
    EXPECT_EQ(db.count("SELECT count(*) FROM DataResource"), 52 * 14);
    // one table in thirteen has no columns
    EXPECT_EQ(db.count("SELECT count(*) FROM Attribute"), 52 * 13 * 6);
    const std::vector<std::string> faults = relationshipFaults(db);
    EXPECT_TRUE(faults.empty()) << faults.front();
    // columns and keys are found by the stored names of their table
    EXPECT_EQ(db.count("SELECT count(*) FROM RELATIONSHIP r, DataResource t, Attribute a WHERE "
                       "r.relation_name = 'DR_TO_Attr_Rel' AND t.qrtid = r.source_qrtid AND "
                       "a.qrtid = r.target_qrtid AND (a.IRName <> t.IRName OR "
                       "a.largeDRSchemaName <> t.largeSchemaName OR a.largeDRTableName <> "
                       "t.largeTableName)"),
              0);
    EXPECT_EQ(db.count("SELECT count(*) FROM RELATIONSHIP r, inforesource i, DataResource t "
                       "WHERE r.relation_name = 'IR_TO_DR_Rel' AND i.qrtid = r.source_qrtid AND "
                       "t.qrtid = r.target_qrtid AND t.IRName <> i.name"),
              0);
    EXPECT_EQ(db.count("SELECT count(*) FROM (SELECT name, qrtid FROM QRTSTRINGS GROUP BY name, "
                       "qrtid HAVING min(seqno) <> 1 OR max(seqno) <> count(*)) g"),
              0);
}

TEST_P(GeneratedWarehouse, InputFileNamesEveryDatabase) {
    const ControlDb db = loaded("input");
    std::ifstream in(inputFile);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "<IR>");
    int names = 0;
    std::string list;
    while (std::getline(in, line) && line.front() != '<') {
        ++names;
        std::string quoted;
        for (char c : line)
            quoted += c == '\'' ? std::string("''") : std::string(1, c);
        list += (list.empty() ? "'" : ", '") + quoted + "'";
    }
    EXPECT_EQ(names, 52);
    EXPECT_EQ(
        db.count("SELECT count(DISTINCT name) FROM inforesource WHERE name IN (" + list + ")"), 52);
}

TEST_P(GeneratedWarehouse, HoldsTheHostileCases) {
    const ControlDb db = loaded("hostile");
    // flat-file tables with dots in their names and no schema
    EXPECT_GT(db.count("SELECT count(*) FROM DataResource t, inforesource i WHERE t.IRName = "
                       "i.name AND i.dbType = 'Flat File LAN' AND t.largeSchemaName = '' AND "
                       "t.largeTableName LIKE '%.%.%'"),
              0);
    // foreign keys to their own table and to a table of another database
    const std::string fkTables =
        "FROM RELATIONSHIP fk, RELATIONSHIP pf, RELATIONSHIP pk, DataResource ft, DataResource "
        "pt WHERE fk.relation_name = 'DR_TO_ForeignKey_Rel' AND pf.relation_name = "
        "'PrimK_TO_ForeignK' AND pf.source_qrtid = fk.target_qrtid AND pk.relation_name = "
        "'DR_TO_PrimaryKey_Rel' AND pk.target_qrtid = pf.target_qrtid AND ft.qrtid = "
        "fk.source_qrtid AND pt.qrtid = pk.source_qrtid";
    EXPECT_GT(db.count("SELECT count(*) " + fkTables + " AND ft.qrtid = pt.qrtid"), 0);
    EXPECT_GT(db.count("SELECT count(*) " + fkTables + " AND ft.IRName <> pt.IRName"), 0);
    // quotes, parentheses and letters beyond ASCII in names
    EXPECT_GT(db.count("SELECT count(*) FROM inforesource WHERE name LIKE '%''%'"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM DataResource WHERE name LIKE '%(%)%'"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM Attribute WHERE name LIKE '%Ö%'"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM inforesource WHERE name LIKE '%倉庫%'"), 0);
    // NULL columns, texts over several rows, tables without columns
    EXPECT_GT(db.count("SELECT count(*) FROM Attribute WHERE short_description IS NULL"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM (SELECT name, qrtid FROM QRTSTRINGS GROUP BY name, "
                       "qrtid HAVING count(*) >= 3) g"),
              0);
    EXPECT_GT(db.count("SELECT count(*) FROM DataResource t WHERE NOT EXISTS (SELECT 1 FROM "
                       "RELATIONSHIP r WHERE r.relation_name = 'DR_TO_Attr_Rel' AND "
                       "r.source_qrtid = t.qrtid)"),
              0);
    // a group without user functions; database type texts outside the vocabulary
    EXPECT_GT(db.count("SELECT count(*) FROM SecurityGroup g WHERE NOT EXISTS (SELECT 1 FROM "
                       "RELATIONSHIP r WHERE r.relation_name = 'UserFun_TO_SecGr_Rel' AND "
                       "r.target_qrtid = g.qrtid)"),
              0);
    EXPECT_EQ(db.count("SELECT count(*) FROM inforesource WHERE dbType NOT IN ('Nordbase "
                       "Family', 'Oracle', 'Sybase', 'Microsoft SQLServer', 'Informix', "
                       "'Generic ODBC', 'Flat File LAN', 'QSAF', 'HDX')"),
              1);
}

INSTANTIATE_TEST_SUITE_P(Dbms, GeneratedWarehouse, ::testing::Values("sqlite", "postgres"));

TEST(Generator, ObjectCountFollowsTheRequest) {
    const std::filesystem::path dir = scratch("generator_objects");
    const Generated g = generate(dir, "w", "--objects=20000 --databases=10");
    ASSERT_EQ(g.result.status, 0) << g.result.output;
    const long objects = std::stol(g.result.output.substr(g.result.output.find(':') + 2));
    EXPECT_GT(objects, 18000);
    EXPECT_LT(objects, 22000);
    const ControlDb db = ControlDb::sqlite(dir / "control.db");
    ASSERT_EQ(db.load({g.sql.string()}).status, 0);
    std::string sum;
    for (const std::string& table : objectTables(db))
        sum += (sum.empty() ? "" : " + ") + ("(SELECT count(*) FROM " + table + ")");
    EXPECT_EQ(db.count("SELECT " + sum), objects);
}

} // namespace
} // namespace schema_test
