// A generated warehouse, copied object by object through the object model's
// write side into an empty control database, exports to the same tag file as
// the original (<IR>, <UDP>, <SCHEMA>, <PROC>), on SQLite and on PostgreSQL; and every
// control table holds as many rows in the copy as in the original.
#include <gtest/gtest.h>

#include "tests/common/control_rows.h"
#include "tests/export_pg/two_dbms_export.h"
#include "tests/roundtrip/warehouse_copy.h"

using namespace export_test;

namespace {

// The control tables whose rows the copy makes again one for one (the
// strings table holds the same texts, cut into rows of its own). Binary data
// without bytes is no data to the object model: the copy stores no row for it.
struct CountedTable {
    const wchar_t* table;
    const wchar_t* where;
};
constexpr CountedTable kTables[] = {{L".inforesource", L""},
                                    {L".DataResource", L""},
                                    {L".Attribute", L""},
                                    {L".Key", L""},
                                    {L".KeyMap", L""},
                                    {L".attributelink", L""},
                                    {L".BusinessView", L""},
                                    {L".map", L""},
                                    {L".Correlation", L""},
                                    {L".BVAlias", L""},
                                    {L".Process", L""},
                                    {L".Subject", L""},
                                    {L".BVSchedule", L""},
                                    {L".CUSTCAL", L""},
                                    {L".CALDATE", L""},
                                    {L".AgentSite", L""},
                                    {L".ProgFunc2", L""},
                                    {L".UDPGROUP", L""},
                                    {L".PROGTYPE", L""},
                                    {L".ProgParm", L""},
                                    {L".SecurityGroup", L""},
                                    {L".UserFunction", L""},
                                    {L".HQUser", L""},
                                    {L".BVSecurity", L""},
                                    {L".StarSchema", L""},
                                    {L".OLAPCube", L""},
                                    {L".RELATIONSHIP", L""},
                                    {L".configuration", L""},
                                    {L".BINARYDATA", L"LENGTH(data) > 0"}};

// The number of rows of every control table of a control database.
std::vector<long> rowCounts(const std::string& dsn, const std::string& prefix,
                            const std::string& user = "", const std::string& password = "") {
    std::vector<long> counts;
    const HQRC rc = HQConfiguration::init(HQSTRING(dsn), HQSTRING(prefix), HQSTRING(user),
                                          HQSTRING(password), 0);
    EXPECT_EQ(rc.code, 0) << qrt_test::describe(rc);
    for (const CountedTable& counted : kTables)
        counts.push_back(qrt_test::countRows(counted.table, counted.where));
    HQConfiguration::terminate();
    HQConfiguration::clear();
    return counts;
}

// A generated warehouse (data file and export input) in dir.
std::string generate(const fs::path& dir) {
    const std::string command = QRT_STAGE_DIR "/bin/generate_warehouse --seed=17 '" +
                                (dir / "generated.sql").string() + "' '" +
                                (dir / "generated.inp").string() + "' > '" +
                                (dir / "generate.log").string() + "' 2>&1";
    EXPECT_EQ(runCommand(command), 0) << readFile(dir / "generate.log");
    return readFile(dir / "generated.inp");
}

// Every section was asked for and exported with objects of its kind.
void expectEverySection(const std::string& input, const std::string& tag) {
    for (const auto& [section, record] :
         {std::pair{"<IR>", ":OBJECT.TYPE(DATABASE)"}, std::pair{"<UDP>", ":OBJECT.TYPE(QRTUDPGR)"},
          std::pair{"<SCHEMA>", ":OBJECT.TYPE(STARSCHM)"},
          std::pair{"<PROC>", ":OBJECT.TYPE(PROCESS)"}}) {
        EXPECT_NE(input.find(section), std::string::npos) << section;
        EXPECT_GT(countOf(tag, record), 0u) << section;
    }
    EXPECT_EQ(countOf(tag, "Return code"), 0u)
        << tag.substr(tag.size() > 600 ? tag.size() - 600 : 0);
}

TEST(RoundTrip, GeneratedWarehouseCopiedThroughTheWriteSideExportsTheSameFromSqlite) {
    const fs::path dir = qrt_test::makeTempDir("roundtrip-sqlite");
    const std::string input = generate(dir);
    ASSERT_TRUE(loadSqlite(dir / "source.db", {dir / "generated.sql"}));
    ASSERT_TRUE(qrt_test::emptySqliteControlDatabase(dir / "copy.db"));
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTSOURCE", dir / "source.db") +
                                  qrt_test::sqliteDsn("QRTCOPY", dir / "copy.db"));

    const roundtrip::WarehouseCopy copy =
        roundtrip::copyWarehouse("QRTSOURCE", "QRT", "QRTCOPY", "QRT");
    EXPECT_GT(copy.objects.size(), 400u);
    EXPECT_GT(copy.relations.size(), 800u);
    EXPECT_EQ(copy.missing, 0u);
    EXPECT_EQ(rowCounts("QRTCOPY", "QRT"), rowCounts("QRTSOURCE", "QRT"));

    // Both export under one data source name, which the tag file carries.
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTWH", dir / "source.db"));
    const ExportResult original = runExport(dir, "QRTWH", input);
    ASSERT_EQ(original.status, 0) << original.output;
    expectEverySection(input, original.tag);
    writeFile(dir / "original.tag", maskRunLines(original.tag));
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTWH", dir / "copy.db"));
    const ExportResult copied = runExport(dir, "QRTWH", input);
    ASSERT_EQ(copied.status, 0) << copied.output;
    EXPECT_EQ(goldenMismatch(copied.tag, dir / "original.tag"), "");
}

TEST(RoundTrip, GeneratedWarehouseCopiedThroughTheWriteSideExportsTheSameFromPostgres) {
    const fs::path dir = qrt_test::makeTempDir("roundtrip-postgres");
    const std::string input = generate(dir);
    loadPostgres(dir, QRT_PG_DB, "QRTRTSRC", dir / "generated.sql");
    ASSERT_TRUE(qrt_test::emptyPostgresControlSchema("QRTRTCPY"));
    qrt_test::useOdbcIni(dir, qrt_test::postgresDsn("QRTPG"));

    const roundtrip::WarehouseCopy copy = roundtrip::copyWarehouse(
        "QRTPG", "QRTRTSRC", "QRTPG", "QRTRTCPY", QRT_PG_USER, QRT_PG_PASSWORD);
    EXPECT_GT(copy.objects.size(), 400u);
    EXPECT_EQ(copy.missing, 0u);
    EXPECT_EQ(rowCounts("QRTPG", "QRTRTCPY", QRT_PG_USER, QRT_PG_PASSWORD),
              rowCounts("QRTPG", "QRTRTSRC", QRT_PG_USER, QRT_PG_PASSWORD));

    const std::string original = exportPostgres(dir, QRT_PG_DB, "QRTRTSRC", input);
    expectEverySection(input, original);
    EXPECT_EQ(exportPostgres(dir, QRT_PG_DB, "QRTRTCPY", input), original);
}

} // namespace
