// An export reads one state of the control database: a second connection that
// commits edits while the export runs (between the export of one database and
// the next) changes nothing in the tag file of that run, on SQLite and on
// PostgreSQL. The edits are made from a hook in the section table of an
// export run in this process, through the DBMS's own client.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "export/export_driver.h"
#include "export/export_registry.h"
#include "runtime/configuration.h"
#include "runtime/odbc.h"
#include "tests/common/odbc_test_env.h"
#include "tests/export_pg/two_dbms_export.h"

namespace {

using namespace export_test;

// Renames a table of WAREHOUSE, adds a column to another and deletes a third
// with its relationship rows, in one transaction.
const std::string kEdits =
    "BEGIN;"
    "UPDATE DataResource SET name = 'WHS.PRODUCT_RENAMED', largeTableName = 'PRODUCT_RENAMED'"
    " WHERE qrtid = '0000000205';"
    "CREATE TEMP TABLE added AS SELECT * FROM Attribute WHERE qrtid = '0000000316';"
    "UPDATE added SET qrtid = '0000000399', name = 'ADDED_COLUMN', largeName = 'ADDED_COLUMN';"
    "INSERT INTO Attribute SELECT * FROM added;"
    "INSERT INTO RELATIONSHIP (relation_name, source_qrtid, target_qrtid)"
    " VALUES ('DR_TO_Attr_Rel', '0000000205', '0000000399');"
    "DELETE FROM RELATIONSHIP WHERE source_qrtid = '0000000207' OR target_qrtid = '0000000207';"
    "DELETE FROM DataResource WHERE qrtid = '0000000207';"
    "COMMIT;";

// Calls `before` with each name of the database section, then exports it.
class HookedSection final : public SectionExporter {
public:
    HookedSection(std::unique_ptr<SectionExporter> inner,
                  std::function<void(const HQSTRING&)> before)
        : inner_(std::move(inner)), before_(std::move(before)) {}
    void exportName(const HQSTRING& name, HQRC& result) override {
        before_(name);
        inner_->exportName(name, result);
    }

private:
    std::unique_ptr<SectionExporter> inner_;
    std::function<void(const HQSTRING&)> before_;
};

std::vector<ExportSection> hookedSections(const std::function<void(const HQSTRING&)>& before) {
    std::vector<ExportSection> table(export_sections().begin(), export_sections().end());
    for (ExportSection& section : table) {
        if (section.keyword != L"<IR>")
            continue;
        SectionFactory inner = section.start;
        section.start = [inner, before](const ExportSwitches& switches) {
            return std::make_unique<HookedSection>(inner(switches), before);
        };
    }
    return table;
}

struct Control {
    std::string dsn;
    std::string prefix;
    std::string user;
    std::string password;
};

// One export in this process (by default of SALESDB then WAREHOUSE); the
// masked tag file. statements receives the number of statements executed.
std::string exportInProcess(const fs::path& dir, const Control& control,
                            const std::vector<ExportSection>& sections,
                            const std::string& inputText = "<IR>\nSALESDB\nWAREHOUSE\n",
                            uint64_t* statements = nullptr) {
    const fs::path input = dir / "export.inp";
    writeFile(input, inputText);
    fs::remove(dir / "export.tag");
    // One run per process is what the program does: the registry starts empty.
    Tag_ExpList::getInstance().clear();
    HQRC rc = HQConfiguration::init(HQSTRING(control.dsn), HQSTRING(control.prefix),
                                    HQSTRING(control.user), HQSTRING(control.password), 0);
    EXPECT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    if (rc.code != 0)
        return {};
    ::testing::internal::CaptureStdout();
    rc = export_tagfile_using(sections, HQSTRING(input.string()), HQSTRING(control.dsn),
                              HQSTRING((dir / "feedback.txt").string()), 0, 1, "unused",
                              "Function: ", "Message: ", "Codes: ");
    const std::string out = ::testing::internal::GetCapturedStdout();
    if (statements != nullptr)
        *statements = HQOdbc::getEnv().connection(0).statementsExecuted();
    HQConfiguration::terminate();
    EXPECT_EQ(rc.code, 0) << out;
    return maskRunLines(readFile(dir / "export.tag"));
}

// The first line where two tag texts differ; empty when they are equal.
std::string firstDifference(const std::string& got, const std::string& want) {
    std::istringstream a(got);
    std::istringstream b(want);
    std::string x;
    std::string y;
    for (int line = 1;; ++line) {
        const bool moreA = static_cast<bool>(std::getline(a, x));
        const bool moreB = static_cast<bool>(std::getline(b, y));
        if (!moreA && !moreB)
            return {};
        if (moreA != moreB || x != y)
            return "line " + std::to_string(line) + ": \"" + (moreA ? x : "(end)") +
                   "\", expected \"" + (moreB ? y : "(end)") + "\"";
    }
}

// Exports before the edits, with the edits committed by `edit` between the
// two databases, and after them: the second equals the first, the third
// shows the edits.
void expectOneState(const fs::path& dir, const Control& control,
                    const std::function<bool()>& edit) {
    ::setenv("HQSPATH", QRT_STAGE_DIR, 1);
    const std::vector<ExportSection> plain(export_sections().begin(), export_sections().end());
    const std::string before = exportInProcess(dir, control, plain);
    ASSERT_NE(before.find("WHS.PRODUCT_DIM"), std::string::npos) << before;
    ASSERT_NE(before.find("WHS.V_CUSTOMER"), std::string::npos);

    int edits = 0;
    const std::string during =
        exportInProcess(dir, control, hookedSections([&](const HQSTRING& name) {
                            if (name == L"WAREHOUSE") {
                                ++edits;
                                EXPECT_TRUE(edit()) << "the edits were not committed";
                            }
                        }));
    EXPECT_EQ(edits, 1);
    EXPECT_EQ(firstDifference(during, before), "");

    const std::string after = exportInProcess(dir, control, plain);
    EXPECT_NE(after.find("TABLES(PRODUCT_RENAMED)"), std::string::npos);
    EXPECT_NE(after.find("COLUMNS(ADDED_COLUMN)"), std::string::npos);
    EXPECT_EQ(after.find("WHS.V_CUSTOMER"), std::string::npos);
}

} // namespace

// In WAL mode a writer commits while a reader's transaction is open; the
// reader goes on seeing the state its transaction began with.
TEST(ReadSnapshot, SqliteExportIgnoresEditsCommittedWhileItRuns) {
    const fs::path dir = qrt_test::makeTempDir("read_snapshot_sqlite");
    const fs::path database = dir / "control.db";
    ASSERT_TRUE(loadSqlite(database, {fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql"}));
    ASSERT_TRUE(qrt_test::sqliteExec(database, "PRAGMA journal_mode=WAL;"));
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTSNAP", database));
    expectOneState(dir, {"QRTSNAP", "QRT", "qrt", "qrtpw"},
                   [&] { return qrt_test::sqliteExec(database, kEdits); });
}

TEST(ReadSnapshot, PostgresExportIgnoresEditsCommittedWhileItRuns) {
    const fs::path dir = qrt_test::makeTempDir("read_snapshot_pg");
    loadPostgres(dir, QRT_PG_DB, "QRTSNAP", fs::path(QRT_SOURCE_DIR) / "samples/warehouse.sql");
    qrt_test::useOdbcIni(dir, qrt_test::postgresDsn("QRTSNAP", QRT_PG_DB));
    expectOneState(dir, {"QRTSNAP", "QRTSNAP", QRT_PG_USER, QRT_PG_PASSWORD},
                   [&] { return qrt_test::psqlExec(dir, "SET search_path TO qrtsnap;" + kEdits); });
}

// Inside the snapshot each control row is read once, and rows of many objects
// in one statement: an export of a few thousand objects runs a few dozen
// statements, not one or more per object.
TEST(ReadSnapshot, ExportReadsRowsInFewStatements) {
    const fs::path dir = qrt_test::makeTempDir("read_snapshot_count");
    ASSERT_EQ(runCommand(std::string("'" QRT_STAGE_DIR "/bin/generate_warehouse' --seed=1 "
                                     "--objects=3000 '") +
                         (dir / "w.sql").string() + "' '" + (dir / "w.inp").string() + "' > '" +
                         (dir / "generate.log").string() + "' 2>&1"),
              0)
        << readFile(dir / "generate.log");
    const fs::path database = dir / "control.db";
    ASSERT_TRUE(loadSqlite(database, {dir / "w.sql"}));
    qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTCOUNT", database));
    ::setenv("HQSPATH", QRT_STAGE_DIR, 1);
    const std::vector<ExportSection> plain(export_sections().begin(), export_sections().end());
    uint64_t statements = 0;
    const std::string tag = exportInProcess(dir, {"QRTCOUNT", "QRT", "qrt", "qrtpw"}, plain,
                                            readFile(dir / "w.inp"), &statements);
    const size_t records = countOf(tag, ":OBJECT.TYPE(");
    ASSERT_GT(records, 3000u);
    EXPECT_GT(statements, 0u);
    EXPECT_LT(statements, records / 10) << records << " records";
    RecordProperty("statements", static_cast<int>(statements));
    RecordProperty("records", static_cast<int>(records));
}
