// Whole-run tests of the step export on small made-up warehouses: source
// objects left out by the relation switch, side files of binary SQL data,
// retry values that cannot be worked out, schedule dates in their text forms,
// and aliases and maps reached from two steps.
#include <gtest/gtest.h>

#include <utility>

#include "dictionary/bv_alias.h"
#include "dictionary/data_resource.h"
#include "dictionary/map.h"
#include "tests/common/byte_pattern.h"
#include "tests/exporters/step_rows.h"
#include "tests/exporters/tag_text.h"

using namespace export_test;

namespace {

std::string stepKeys(const std::string& name) {
    return "NAME(" + name + ") ";
}

// A relation instance of type for the step, its CONTAIN record from the step
// and its CONTAIN record to the object with targetKeys.
std::string stepRelation(const std::string& type, const std::string& step,
                         const std::string& target, const std::string& targetKeys) {
    return objectRecord(type, {stepKeys(step)}) +
           relationRecord(true, "QRTSAVU", stepKeys(step), type, stepKeys(step)) +
           relationRecord(true, type, stepKeys(step), target, targetKeys);
}

// A schedule's record and its CONTAIN record from its step; its key has the
// step's name, its type and its start time.
std::string stepSchedule(const std::string& step, const std::vector<std::string>& lines,
                         const std::string& type, const std::string& start) {
    return objectRecord("QRTSCHED", lines) +
           relationRecord(true, "QRTSAVU", stepKeys(step), "QRTSCHED",
                          stepKeys(step) + "SCHTYPE(" + type + ") SCHTIME(" + start + ".000000) ");
}

} // namespace

TEST(StepExport, RelationSwitchWritesOnlyTheRelationsOfSourceDatabaseAndInputTables) {
    ScratchWarehouse w("step_relation_switch");
    StepRows s(w);
    w.database("DB00000001", "SRC", "Oracle");
    w.table("DR00000001", "DB00000001", "SRC", "S", "IN");
    w.column("AT00000001", "DR00000001", "C_IN", 1);
    w.database("DB00000002", "WHS", "Oracle", 1);
    w.table("DR00000002", "DB00000002", "WHS", "W", "OUT");
    s.step("BV00000001", "Load");
    w.relation(rel::BV_TO_Input_DR, "BV00000001", "DR00000001");
    w.relation(rel::BV_TO_Output_DR, "BV00000001", "DR00000002");
    s.process("PR00000001", "P", {"BV00000001"});

    const ExportResult all = s.exportProcesses({"P"});
    const ExportResult relationsOnly = s.exportAgain({"P"}, "/r");
    ASSERT_EQ(all.status, 0) << all.output;
    ASSERT_EQ(relationsOnly.status, 0) << relationsOnly.output;

    const std::string source =
        stepRelation("BVSRCIR", "Load", "DATABASE", "NAME(SRC) DBNAME(SRCDSN) ");
    const std::string input =
        stepRelation("BVINPTBL", "Load", "TABLES", tableKeys("SRC", "S", "IN"));
    for (const ExportResult* r : {&all, &relationsOnly}) {
        EXPECT_EQ(countOf(r->tag, source), 1u);
        EXPECT_EQ(countOf(r->tag, input), 1u);
        // The target side is written in full either way.
        EXPECT_NE(r->tag.find("    NAME(WHS)\n"), std::string::npos);
        EXPECT_NE(r->tag.find("    NAME(W.OUT)\n"), std::string::npos);
    }
    EXPECT_EQ(countOf(all.tag, "Begin DATABASE Instance"), 2u);
    EXPECT_EQ(countOf(all.tag, "Begin TABLES Instance"), 2u);
    EXPECT_NE(all.tag.find("    NAME(SRC)\n"), std::string::npos);
    EXPECT_NE(all.tag.find("    NAME(C_IN)\n"), std::string::npos);
    EXPECT_EQ(countOf(relationsOnly.tag, "Begin DATABASE Instance"), 1u);
    EXPECT_EQ(countOf(relationsOnly.tag, "Begin TABLES Instance"), 1u);
    EXPECT_EQ(relationsOnly.tag.find("    NAME(SRC)\n"), std::string::npos);
    EXPECT_EQ(relationsOnly.tag.find("    NAME(C_IN)\n"), std::string::npos);
}

TEST(StepExport, SideFilesAreNumberedInTheRunAndOnlyForData) {
    ScratchWarehouse w("step_side_files");
    StepRows s(w);
    const std::string first = qrt_test::bytePattern(300); // zero bytes included
    w.add<BusinessView>("BV00000001", "First",
                        [first](BusinessView& step) { step.setBLOBDATA(first); });
    s.step("BV00000002", "Empty");
    s.step("BV00000003", "No row");
    w.add<BusinessView>("BV00000004", "Second", [](BusinessView& step) { step.setBLOBDATA("\n"); });
    // A row without bytes, which the write side does not store.
    w.sql("INSERT INTO BINARYDATA (name, qrtid, data) VALUES ('BLOBDATA', 'BV00000002', X'');");
    s.process("PR00000001", "P", {"BV00000001", "BV00000002", "BV00000003", "BV00000004"});

    const ExportResult r = s.exportProcesses({"P"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(readFile(w.dir() / "export.1"), first);
    EXPECT_EQ(readFile(w.dir() / "export.2"), "\n");
    EXPECT_FALSE(fs::exists(w.dir() / "export.3"));
    const std::string tag = anyCheckpoint(r.tag);
    EXPECT_NE(tag.find("    QRTSQLEN(300)\n    QRTSQL(1)\n" + objectFooter("QRTSAVU")),
              std::string::npos);
    EXPECT_NE(tag.find("    QRTSQLEN(1)\n    QRTSQL(2)\n" + objectFooter("QRTSAVU")),
              std::string::npos);
    EXPECT_EQ(countOf(tag, "    QRTSQL("), 2u);
    EXPECT_EQ(countOf(tag, "    QRTSQLEN("), 2u);

    // The numbers start again with the next run; a side file that cannot be
    // created ends the run.
    fs::remove(w.dir() / "export.2");
    fs::create_directory(w.dir() / "export.2");
    const ExportResult failed = s.exportAgain({"P"});
    EXPECT_EQ(failed.status, 13001 % 256) << failed.output;
    EXPECT_EQ(readFile(w.dir() / "export.1"), first);
    EXPECT_NE(failed.output.find("export_BV"), std::string::npos) << failed.output;
    EXPECT_NE(failed.feedback.find(":RC.13001/"), std::string::npos) << failed.feedback;
    EXPECT_NE(failed.tag.find("    QRTSQL(1)\n"), std::string::npos);
    EXPECT_EQ(failed.tag.find("    QRTSQL(2)\n"), std::string::npos);
}

TEST(StepExport, RetryValuesThatCannotBeWorkedOutAreLeftOutAndTheExportGoesOn) {
    ScratchWarehouse w("step_retry");
    StepRows s(w);
    w.database("DB00000001", "SRC", "Oracle", 0, "defaultRetryIntrv, defaultRetryCount", "7, 2");
    w.table("DR00000001", "DB00000001", "SRC", "S", "IN");
    // A table whose database relation is missing.
    w.add<DataResource>("DR00000002", "LOOSE");
    const std::string retry = "BVRetryIntrv, BVRetryCount";
    s.step("BV00000001", "No source", retry, "-99, 4");
    s.step("BV00000002", "Dangling", retry, "-99, -99");
    w.rawRelation(rel::BV_TO_SourceIR, "BV00000002", "DB00000099");
    w.relation(rel::BV_TO_Input_DR, "BV00000002", "DR00000001");
    s.step("BV00000003", "Derived", retry, "NULL, -99");
    w.relation(rel::BV_TO_Input_DR, "BV00000003", "DR00000001");
    s.step("BV00000004", "No database", retry, "-99, 3");
    w.relation(rel::BV_TO_Input_DR, "BV00000004", "DR00000002");
    s.process("PR00000001", "P", {"BV00000001", "BV00000002", "BV00000003", "BV00000004"});

    const ExportResult r = s.exportProcesses({"P"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.feedback, ":FILE.export.tag\n:LOG.export.tag\n:RC.0/0\n");
    const std::string lead = "    QRTCMPOS(Y)\n    QRTRQSCH(N)\n";
    const std::string next = "    QRTSELGN(N)\n";
    // No source database: the count is stored, the interval is left to it.
    EXPECT_NE(r.tag.find("    NAME(No source)\n" + lead + "    QRTRTRYC(4)\n" + next),
              std::string::npos);
    // An explicit source database that is missing: no fallback to the input
    // table's database, no retry values, no source relation.
    EXPECT_NE(r.tag.find("    NAME(Dangling)\n" + lead + next), std::string::npos);
    EXPECT_EQ(r.tag.find(objectRecord("BVSRCIR", {stepKeys("Dangling")})), std::string::npos);
    EXPECT_NE(
        r.tag.find(stepRelation("BVINPTBL", "Dangling", "TABLES", tableKeys("SRC", "S", "IN"))),
        std::string::npos);
    EXPECT_NE(r.tag.find("    NAME(Derived)\n" + lead + "    QRTRTRYI(7)\n    QRTRTRYC(2)\n"),
              std::string::npos);
    // A source table without a database: -99 as the step left it.
    EXPECT_NE(r.tag.find("    NAME(No database)\n" + lead + "    QRTRTRYI(-99)\n    QRTRTRYC(3)\n" +
                         next),
              std::string::npos);
}

TEST(StepExport, ScheduleDatesInTheirFormsAndTheOwnersNameForAScheduleWithoutOne) {
    ScratchWarehouse w("step_schedules");
    StepRows s(w);
    s.step("BV00000001", "S(1)", "schedulesFlag", "1");
    // Stored out of calendar order: a step's schedules come in identifier order.
    s.schedule("SC00000001", "", rel::BV_TO_Schedule, "BV00000001",
               {2, 7, 6, 5, 0, 4, 3, 101, 3, 0, 1, 31, 12, 99});
    s.schedule("SC00000002", "Year end (Dec)", rel::BV_TO_Schedule, "BV00000001",
               {4, 0, 0, 23, -1, -1, 12, 100, 5, 0, 0, 0, 0, 0});
    s.process("PR00000001", "P (x)", {"BV00000001"});
    s.schedule("SC00000003", "NULL", rel::Process_TO_BVSchedul, "PR00000001",
               {1, 0, 30, 2, 0, 0, 0, 124, 1, 0, 0, 0, 0, 0});

    const ExportResult r = s.exportProcesses({"P (x)"}, "/s");
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string tag = anyCheckpoint(r.tag);
    const size_t first = positionOf(
        tag,
        stepSchedule("S'('1')'",
                     {"NAME(S'('1')')", "SCHTYPE(2)", "SCHDAYOW(0)", "SCHYEAR(2001)",
                      "SCHMONOY(03)", "SCHDAYOM(04)", "SCHHOUR(05)", "SCHMIN(06)", "SCHSEC(07)",
                      "SCHTIME(2001-03-04-05:06:07)", "SCHFTYPE(3)", "SCHDATES(0)", "SCHDAYS(1)",
                      "SCHENDDY(31)", "SCHENDMN(12)", "SCHENDYR(1999)"},
                     "2", "2001-03-04-05:06:07") +
            kCheckpoint);
    const size_t second =
        positionOf(tag, stepSchedule("S'('1')'",
                                     {"NAME(Year end '('Dec')')", "SCHTYPE(4)", "SCHDAYOW(-1)",
                                      "SCHYEAR(2000)", "SCHMONOY(12)", "SCHDAYOM(-1)",
                                      "SCHHOUR(23)", "SCHMIN(00)", "SCHSEC(00)",
                                      "SCHTIME(2000-12--1-23:00:00)", "SCHFTYPE(5)", "SCHDATES(0)",
                                      "SCHDAYS(0)", "SCHENDDY(0)", "SCHENDMN(0)", "SCHENDYR(1900)"},
                                     "4", "2000-12--1-23:00:00"));
    EXPECT_LT(first, second);
    EXPECT_NE(tag.find("    HASSCHED(Y)\n"), std::string::npos);
    // A process's schedule without a name takes the process's name, wrapped once.
    EXPECT_NE(tag.find(objectHeader("QRTSCHED") + "    NAME(P '('x')')\n    SCHTYPE(1)\n"),
              std::string::npos);
    EXPECT_NE(tag.find(relationRecord(true, "PROCESS", "NAME(P '('x')') ", "QRTSCHED",
                                      "NAME(P '('x')') SCHTYPE(1) "
                                      "SCHTIME(2024-00-00-02:30:00.000000) ")),
              std::string::npos);
}

TEST(StepExport, AnAliasOrMapWrittenForOneStepIsNotContainedByTheNext) {
    ScratchWarehouse w("step_shared_details");
    StepRows s(w);
    s.step("BV00000001", "A");
    s.step("BV00000002", "B");
    w.add<BVAlias>("AL00000001", "V_SHARED");
    w.relation(rel::BV_TO_BVAlias, "BV00000001", "AL00000001");
    w.rawRelation(rel::BV_TO_BVAlias, "BV00000002", "AL00000001"); // a second owner
    // Two maps with the same step name and place are one map for the registry.
    for (const auto& [id, name] : {std::pair{"MP00000001", "M1"}, {"MP00000002", "M2"}}) {
        w.add<Map>(id, name);
        w.stored("map", id, "typeOfMap, BVName, seqNo", "'Literal', 'A', 1");
    }
    w.relation(rel::BV_TO_Map, "MP00000001", "BV00000001");
    w.relation(rel::BV_TO_Map, "MP00000002", "BV00000002");
    s.process("PR00000001", "P", {"BV00000001", "BV00000002"});

    const ExportResult r = s.exportProcesses({"P"});
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(countOf(r.tag, "Begin QRTBVALI Instance"), 1u);
    EXPECT_EQ(countOf(r.tag, relationRecord(true, "QRTSAVU", stepKeys("A"), "QRTBVALI",
                                            "NAME(V_SHARED) ")),
              1u);
    EXPECT_EQ(
        r.tag.find(relationRecord(true, "QRTSAVU", stepKeys("B"), "QRTBVALI", "NAME(V_SHARED) ")),
        std::string::npos);
    EXPECT_EQ(countOf(r.tag, "Begin QRTBVMAP Instance"), 1u);
    EXPECT_EQ(r.tag.find("    NAME(M2)\n"), std::string::npos);
}
