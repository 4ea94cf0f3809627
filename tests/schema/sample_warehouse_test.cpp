// The sample warehouse loads into SQLite and PostgreSQL, completely and with
// consistent identifiers, relationship rows, stored table names and long
// texts.
#include "control_db_access.h"

#include <gtest/gtest.h>

#include <fstream>

namespace schema_test {
namespace {

const std::map<std::string, long> kSampleRows = {
    {"inforesource", 3},   {"DataResource", 7},   {"Attribute", 24},   {"Key", 9},
    {"KeyMap", 10},        {"attributelink", 10}, {"BusinessView", 8}, {"map", 10},
    {"Correlation", 4},    {"BVAlias", 4},        {"Process", 3},      {"Subject", 2},
    {"BVSchedule", 10},    {"CUSTCAL", 2},        {"CALDATE", 4},      {"AgentSite", 2},
    {"ProgFunc2", 10},     {"UDPGROUP", 3},       {"PROGTYPE", 3},     {"ProgParm", 17},
    {"SecurityGroup", 3},  {"UserFunction", 3},   {"HQUser", 2},       {"BVSecurity", 1},
    {"StarSchema", 3},     {"OLAPCube", 1},       {"QRTSTRINGS", 85},  {"BINARYDATA", 3},
    {"RELATIONSHIP", 285}, {"configuration", 5},
};

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

class SampleWarehouse : public ::testing::TestWithParam<std::string> {
protected:
    // A database of each test's own, so that tests can run side by side.
    ControlDb db() const {
        if (GetParam() == "postgres")
            return ControlDb::postgres("schema_sample_" + testTag());
        return ControlDb::sqlite(scratch("sample_sqlite_" + testTag()) / "control.db");
    }
    ControlDb loaded() const {
        ControlDb d = db();
        const CommandResult r = d.load();
        EXPECT_EQ(r.status, 0) << r.output;
        return d;
    }
};

TEST_P(SampleWarehouse, LoadsEveryControlTableWithItsRows) {
    const ControlDb d = loaded();
    std::set<std::string> tables;
    for (const auto& [table, cols] : d.columns())
        tables.insert(lower(table));
    std::set<std::string> expected;
    for (const auto& [table, rows] : kSampleRows) {
        expected.insert(lower(table));
        EXPECT_EQ(d.count("SELECT count(*) FROM " + table), rows) << table;
    }
    EXPECT_EQ(tables, expected);
}

TEST_P(SampleWarehouse, RelationshipRowsReferToExistingObjectsOfTheirClasses) {
    const ControlDb d = loaded();
    const std::vector<std::string> faults = relationshipFaults(d);
    EXPECT_TRUE(faults.empty()) << faults.front();

    // the check itself finds a row whose target is missing or of another class
    ASSERT_EQ(d.query("INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', '0000000101', "
                      "'0000000301'), ('No_Such_Relation', '0000000101', '0000000201')")
                  .status,
              0);
    EXPECT_EQ(relationshipFaults(d).size(), 2u);
}

TEST_P(SampleWarehouse, KeysAndKeyMapsFitTogether) {
    const ControlDb d = loaded();
    // a foreign key refers to a primary key, and that key belongs to a table
    EXPECT_EQ(d.count("SELECT count(*) FROM RELATIONSHIP r, Key f, Key p WHERE "
                      "r.relation_name = 'PrimK_TO_ForeignK' AND f.qrtid = r.source_qrtid AND "
                      "p.qrtid = r.target_qrtid AND (f.typeStr <> 'F' OR p.typeStr <> 'P' OR "
                      "NOT EXISTS (SELECT 1 FROM RELATIONSHIP t WHERE t.relation_name = "
                      "'DR_TO_PrimaryKey_Rel' AND t.target_qrtid = p.qrtid))"),
              0);
    // every key map belongs to one key, and its primary-key column to that
    // key's (or the referenced key's) table
    EXPECT_EQ(d.count("SELECT count(*) FROM KeyMap m WHERE (SELECT count(*) FROM RELATIONSHIP r "
                      "WHERE r.source_qrtid = m.qrtid AND r.relation_name IN "
                      "('KeyMap_TO_PrimaryKey', 'KeyMap_TO_ForeignKey')) <> 1"),
              0);
    EXPECT_EQ(d.count("SELECT count(*) FROM RELATIONSHIP km, RELATIONSHIP col WHERE "
                      "km.relation_name = 'KeyMap_TO_PrimaryKey' AND col.relation_name = "
                      "'Attr_TO_PKeyMap_Rel' AND col.source_qrtid = km.source_qrtid AND NOT "
                      "EXISTS (SELECT 1 FROM RELATIONSHIP pk, RELATIONSHIP dc WHERE "
                      "pk.relation_name = 'DR_TO_PrimaryKey_Rel' AND pk.target_qrtid = "
                      "km.target_qrtid AND dc.relation_name = 'DR_TO_Attr_Rel' AND "
                      "dc.source_qrtid = pk.source_qrtid AND dc.target_qrtid = col.target_qrtid)"),
              0);
    // the sample's edge cases are there: a self-referencing foreign key and a
    // foreign-key map without its referring column
    EXPECT_EQ(d.count("SELECT count(*) FROM RELATIONSHIP fk, RELATIONSHIP pf, RELATIONSHIP pk "
                      "WHERE fk.relation_name = 'DR_TO_ForeignKey_Rel' AND pf.relation_name = "
                      "'PrimK_TO_ForeignK' AND pf.source_qrtid = fk.target_qrtid AND "
                      "pk.relation_name = 'DR_TO_PrimaryKey_Rel' AND pk.target_qrtid = "
                      "pf.target_qrtid AND pk.source_qrtid = fk.source_qrtid"),
              1);
    EXPECT_EQ(d.count("SELECT count(*) FROM RELATIONSHIP r WHERE r.relation_name = "
                      "'KeyMap_TO_ForeignKey' AND NOT EXISTS (SELECT 1 FROM RELATIONSHIP c "
                      "WHERE c.relation_name = 'Attr_TO_FKeyMap_Rel' AND c.source_qrtid = "
                      "r.source_qrtid)"),
              1);
}

TEST_P(SampleWarehouse, ColumnsAndKeysCarryTheNamesOfTheirTable) {
    const ControlDb d = loaded();
    // columns and keys are found through these stored names, tables through
    // their database's name
    EXPECT_EQ(d.count("SELECT count(*) FROM RELATIONSHIP r, DataResource t, Attribute a WHERE "
                      "r.relation_name = 'DR_TO_Attr_Rel' AND t.qrtid = r.source_qrtid AND "
                      "a.qrtid = r.target_qrtid AND (a.IRName <> t.IRName OR "
                      "a.largeDRSchemaName <> t.largeSchemaName OR a.largeDRTableName <> "
                      "t.largeTableName OR a.largeName <> a.name)"),
              0);
    EXPECT_EQ(d.count("SELECT count(*) FROM RELATIONSHIP r, DataResource t, Key k WHERE "
                      "r.relation_name IN ('DR_TO_PrimaryKey_Rel', 'DR_TO_ForeignKey_Rel') AND "
                      "t.qrtid = r.source_qrtid AND k.qrtid = r.target_qrtid AND (k.IRName <> "
                      "t.IRName OR k.largeDRSchemaName <> t.largeSchemaName OR "
                      "k.largeDRTableName <> t.largeTableName)"),
              0);
    EXPECT_EQ(d.count("SELECT count(*) FROM RELATIONSHIP r, inforesource i, DataResource t "
                      "WHERE r.relation_name = 'IR_TO_DR_Rel' AND i.qrtid = r.source_qrtid AND "
                      "t.qrtid = r.target_qrtid AND t.IRName <> i.name"),
              0);
    EXPECT_EQ(d.count("SELECT count(*) FROM DataResource t WHERE (SELECT count(*) FROM "
                      "RELATIONSHIP r WHERE r.relation_name = 'IR_TO_DR_Rel' AND r.target_qrtid "
                      "= t.qrtid) <> 1"),
              0);
}

TEST_P(SampleWarehouse, LongTextsRunOverConsecutiveRowsOfExistingObjects) {
    const ControlDb d = loaded();
    // rows of one text are numbered 1, 2, ... without gaps
    EXPECT_EQ(d.count("SELECT count(*) FROM (SELECT name, qrtid FROM QRTSTRINGS GROUP BY name, "
                      "qrtid HAVING min(seqno) <> 1 OR max(seqno) <> count(*)) g"),
              0);
    EXPECT_GE(d.count("SELECT count(*) FROM (SELECT name, qrtid FROM QRTSTRINGS GROUP BY name, "
                      "qrtid HAVING count(*) >= 3) g"),
              2);
    std::string owners;
    for (const std::string& table : objectTables(d))
        owners += (owners.empty() ? "" : " UNION ALL ") + ("SELECT qrtid FROM " + table);
    EXPECT_EQ(d.count("SELECT count(*) FROM QRTSTRINGS s WHERE s.qrtid NOT IN (" + owners + ")"),
              0);
    // a text keeps its line feeds and quotes
    EXPECT_EQ(d.count("SELECT count(*) FROM QRTSTRINGS WHERE name = 'DRcreate' AND qrtid = "
                      "'0000000201' AND text LIKE '%CUST_NAME VARCHAR(40),'"),
              1);
    EXPECT_EQ(d.count("SELECT count(*) FROM QRTSTRINGS WHERE text LIKE '%''XX''%'"), 2);
}

TEST_P(SampleWarehouse, InputFileNamesEachDatabaseOnce) {
    const ControlDb d = loaded();
    std::ifstream in(QRT_SOURCE_DIR "/samples/export_ir.inp");
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_EQ(line, "<IR>");
    int names = 0;
    while (std::getline(in, line)) {
        ++names;
        EXPECT_EQ(d.count("SELECT count(*) FROM inforesource WHERE name = '" + line + "'"), 1)
            << line;
    }
    EXPECT_EQ(names, d.count("SELECT count(*) FROM inforesource"));
}

INSTANTIATE_TEST_SUITE_P(Dbms, SampleWarehouse, ::testing::Values("sqlite", "postgres"));

} // namespace
} // namespace schema_test
