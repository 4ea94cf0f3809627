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
    while (std::getline(in, line) && !line.starts_with("<")) { // up to the next section
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

TEST_P(GeneratedWarehouse, ProcessesSchedulesAndCalendars) {
    const ControlDb db = loaded("processes");
    EXPECT_EQ(db.count("SELECT count(*) FROM Process"), 6);
    // one process without a subject; the others name the subject they belong to
    EXPECT_EQ(db.count("SELECT count(*) FROM Process p WHERE NOT EXISTS (SELECT 1 FROM "
                       "RELATIONSHIP r WHERE r.relation_name = 'COLL_TO_Process' AND "
                       "r.target_qrtid = p.qrtid)"),
              1);
    EXPECT_EQ(db.count("SELECT count(*) FROM Process p, RELATIONSHIP r, Subject s WHERE "
                       "r.relation_name = 'COLL_TO_Process' AND r.target_qrtid = p.qrtid AND "
                       "s.qrtid = r.source_qrtid AND p.SubjectName = s.name"),
              5);
    EXPECT_EQ(db.count("SELECT count(DISTINCT processType) FROM Process"), 3);
    // the relations a process, schedule or date takes part in at most once
    for (const char* relation : {"COLL_TO_Process", "Process_TO_BVSchedul", "CustCal_TO_Date"})
        EXPECT_EQ(db.count(std::string("SELECT count(*) FROM (SELECT target_qrtid FROM "
                                       "RELATIONSHIP WHERE relation_name = '") +
                           relation + "' GROUP BY target_qrtid HAVING count(*) > 1) g"),
                  0)
            << relation;
    EXPECT_EQ(db.count("SELECT count(*) FROM (SELECT source_qrtid FROM RELATIONSHIP WHERE "
                       "relation_name = 'BVS_TO_CustCalender' GROUP BY source_qrtid HAVING "
                       "count(*) > 1) g"),
              0);
    // years since 1900; months and days of -1 now and then
    EXPECT_EQ(db.count("SELECT count(*) FROM BVSchedule WHERE year < 95 OR year > 140 OR "
                       "endDateYear > 140 OR (endDateYear < 99 AND endDateYear <> 0)"),
              0);
    EXPECT_GT(db.count("SELECT count(*) FROM BVSchedule WHERE monthOfYear = -1 OR dayOfMonth = "
                       "-1 OR dayOfWeek = -1"),
              0);
    // two schedules of a process at the same time: of two types, and of one
    const std::string sameTime =
        "SELECT count(*) FROM RELATIONSHIP ra, RELATIONSHIP rb, BVSchedule a, BVSchedule b WHERE "
        "ra.relation_name = 'Process_TO_BVSchedul' AND rb.relation_name = ra.relation_name AND "
        "ra.source_qrtid = rb.source_qrtid AND a.qrtid = ra.target_qrtid AND b.qrtid = "
        "rb.target_qrtid AND a.qrtid < b.qrtid AND a.year = b.year AND a.monthOfYear = "
        "b.monthOfYear AND a.dayOfMonth = b.dayOfMonth AND a.dayOfWeek = b.dayOfWeek AND a.hour = "
        "b.hour AND a.minute = b.minute AND a.second = b.second";
    EXPECT_GT(db.count(sameTime + " AND a.schedType <> b.schedType"), 0);
    EXPECT_GT(db.count(sameTime + " AND a.schedType = b.schedType"), 0);
    // schedule names empty, NULL and blanks only; calendars with dates
    EXPECT_GT(db.count("SELECT count(*) FROM BVSchedule WHERE name = ''"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM BVSchedule WHERE name IS NULL"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM BVSchedule WHERE name = '   '"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM RELATIONSHIP WHERE relation_name = "
                       "'BVS_TO_CustCalender'"),
              0);
    EXPECT_EQ(db.count("SELECT count(*) FROM CUSTCAL c WHERE NOT EXISTS (SELECT 1 FROM "
                       "RELATIONSHIP r WHERE r.relation_name = 'CustCal_TO_Date' AND "
                       "r.source_qrtid = c.qrtid)"),
              0);
}

TEST_P(GeneratedWarehouse, HoldsStepsWithEveryKindOfDetail) {
    const ControlDb db = loaded("steps");
    EXPECT_EQ(db.count("SELECT count(*) FROM BusinessView"), 10);
    // names with blanks at their ends; retry values left to the database
    EXPECT_GT(db.count("SELECT count(*) FROM BusinessView WHERE name LIKE ' %' AND name LIKE "
                       "'% '"),
              0);
    EXPECT_GT(db.count("SELECT count(*) FROM BusinessView WHERE BVRetryIntrv = -99"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM BusinessView WHERE BVRetryCount IS NULL"), 0);
    // binary SQL: no row, an empty one, small ones
    EXPECT_GT(db.count("SELECT count(*) FROM BINARYDATA WHERE length(data) = 0"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM BINARYDATA WHERE length(data) > 0"), 0);
    EXPECT_GT(db.count("SELECT count(*) FROM BusinessView b WHERE NOT EXISTS (SELECT 1 FROM "
                       "BINARYDATA d WHERE d.qrtid = b.qrtid)"),
              0);
    // maps of every kind, a kind outside the vocabulary and none
    EXPECT_EQ(db.count("SELECT count(DISTINCT typeOfMap) FROM map"), 4);
    EXPECT_GT(db.count("SELECT count(*) FROM map WHERE typeOfMap IS NULL"), 0);
    // an explicit source database other than that of the first source table
    EXPECT_GT(db.count("SELECT count(*) FROM RELATIONSHIP s, RELATIONSHIP i, DataResource t, "
                       "inforesource d WHERE s.relation_name = 'BV_TO_SourceIR' AND "
                       "i.relation_name = 'BV_TO_Input_DR' AND i.source_qrtid = s.source_qrtid "
                       "AND t.qrtid = i.target_qrtid AND d.qrtid = s.target_qrtid AND t.IRName "
                       "<> d.name"),
              0);
    // steps without source tables, without target table; an alias of one
    const std::string without = "SELECT count(*) FROM BusinessView b WHERE NOT EXISTS (SELECT 1 "
                                "FROM RELATIONSHIP r WHERE r.source_qrtid = b.qrtid AND "
                                "r.relation_name = ";
    EXPECT_GT(db.count(without + "'BV_TO_Input_DR')"), 0);
    EXPECT_GT(db.count(without + "'BV_TO_Output_DR') AND EXISTS (SELECT 1 FROM RELATIONSHIP a "
                                 "WHERE a.relation_name = 'BV_TO_BVAlias' AND a.source_qrtid = "
                                 "b.qrtid)"),
              0);
    // a step that starts itself, two that start each other
    EXPECT_GT(db.count("SELECT count(*) FROM RELATIONSHIP WHERE relation_name = "
                       "'BV_POSTCASCADE_TO_BV' AND source_qrtid = target_qrtid"),
              0);
    EXPECT_GT(db.count("SELECT count(*) FROM RELATIONSHIP s, RELATIONSHIP f WHERE "
                       "s.relation_name = 'BV_POSTCASCADE_TO_BV' AND f.relation_name = "
                       "'BV_POSTCAS_TO_BVFAIL' AND f.source_qrtid = s.target_qrtid AND "
                       "f.target_qrtid = s.source_qrtid AND s.source_qrtid <> s.target_qrtid"),
              0);
}

TEST(Generator, LargeBinarySqlOnRequest) {
    const std::filesystem::path dir = scratch("generator_large_sql");
    const Generated g = generate(dir, "w", "--seed=2 --databases=3 --tables=2 --large-sql=200000");
    ASSERT_EQ(g.result.status, 0) << g.result.output;
    const ControlDb db = ControlDb::sqlite(dir / "control.db");
    ASSERT_EQ(db.load({g.sql.string()}).status, 0);
    EXPECT_EQ(db.count("SELECT count(*) FROM BINARYDATA WHERE length(data) = 200000"), 1);
    EXPECT_EQ(db.count("SELECT max(length(data)) FROM BINARYDATA"), 200000);
    const Generated none = generate(dir, "n", "--seed=2 --databases=3 --tables=2");
    ASSERT_EQ(none.result.status, 0);
    const ControlDb small = ControlDb::sqlite(dir / "small.db");
    ASSERT_EQ(small.load({none.sql.string()}).status, 0);
    EXPECT_LT(small.count("SELECT max(length(data)) FROM BINARYDATA"), 1000);
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
