// Whole-run tests of the process export and the cascade pass on small
// made-up warehouses: what the cascade switch leaves out, steps that start
// themselves or each other, the steps a process notifies, a step whose name
// has blanks at its ends, and a schedule whose process row is missing.
#include <gtest/gtest.h>

#include "tests/exporters/step_rows.h"
#include "tests/exporters/tag_text.h"

using namespace export_test;

namespace {

std::string keys(const std::string& name) {
    return "NAME(" + name + ") ";
}

// The relations of the cascade pass from step to the steps it starts with
// relation type: the instance, its CONTAIN record from the step, one CONTAIN
// record to each started step, one checkpoint.
std::string cascadeRecords(const std::string& type, const std::string& step,
                           const std::vector<std::string>& started) {
    std::string text = objectRecord(type, {keys(step)}) +
                       relationRecord(true, "QRTSAVU", keys(step), type, keys(step));
    for (const std::string& next : started)
        text += relationRecord(true, type, keys(step), "QRTSAVU", keys(next));
    return text + kCheckpoint;
}

} // namespace

TEST(ProcessExport, CascadeSwitchOffLeavesSchedulesStartedStepsAndNotificationsOut) {
    ScratchWarehouse w("process_cascade_switch");
    StepRows s(w);
    s.step("BV00000001", "A", "schedulesFlag", "1");
    s.step("BV00000002", "B");
    s.step("BV00000003", "C");
    s.step("BV00000004", "N");
    s.group("SG00000001", "G");
    w.relation(rel::BV_POSTCASCADE_TO_BV, "BV00000001", "BV00000002");
    w.relation(rel::BV_POSTCAS_TO_BVFAIL, "BV00000001", "BV00000003");
    w.relation(rel::BV_NOTIFY_GROUPS, "BV00000001", "SG00000001");
    s.schedule("SC00000001", "Daily", rel::BV_TO_Schedule, "BV00000001",
               {1, 0, 0, 1, 0, 0, 0, 124, 1, 0, 0, 0, 0, 0});
    s.process("PR00000001", "P", {"BV00000001"});
    s.schedule("SC00000002", "Nightly", rel::Process_TO_BVSchedul, "PR00000001",
               {1, 0, 0, 2, 0, 0, 0, 124, 1, 0, 0, 0, 0, 0});
    s.notificationProgram("BV00000004", "AF00000001");
    w.relation(rel::Process_TO_BVPOSTCAS, "PR00000001", "BV00000004");

    const ExportResult off = s.exportProcesses({"P"});
    const ExportResult on = s.exportAgain({"P"}, "/s");
    ASSERT_EQ(off.status, 0) << off.output;
    ASSERT_EQ(on.status, 0) << on.output;
    for (const char* text :
         {"Begin QRTSCHED Instance", "    HASSCHED(Y)\n", "    NAME(B)\n", "    NAME(C)\n",
          "    NAME(N)\n", "Begin BVNTFYSG Instance", "    NAME(G)\n", "Begin PRPOSTBV Instance",
          "Begin BVPOSTBV Instance", "Begin BVFAILBV Instance"}) {
        EXPECT_EQ(countOf(off.tag, text), 0u) << text;
        EXPECT_GT(countOf(on.tag, text), 0u) << text;
    }
    EXPECT_EQ(countOf(on.tag, "Begin QRTSCHED Instance"), 2u);
    EXPECT_EQ(countOf(off.tag, "Begin QRTSAVU Instance"), 1u);
    EXPECT_EQ(countOf(on.tag, "Begin QRTSAVU Instance"), 4u);
}

TEST(ProcessExport, StepsStartingThemselvesOrEachOtherAreWrittenOnceWithTheirCascadesOnce) {
    ScratchWarehouse w("process_cycles");
    StepRows s(w);
    s.step("BV00000001", "A");
    s.step("BV00000002", "B");
    s.step("BV00000003", "C");
    s.step("BV00000004", "D");
    w.relation(rel::BV_POSTCASCADE_TO_BV, "BV00000001", "BV00000001");
    w.relation(rel::BV_POSTCASCADE_TO_BV, "BV00000002", "BV00000003");
    w.relation(rel::BV_POSTCAS_TO_BVFAIL, "BV00000003", "BV00000002");
    // B starts C and D after its success: one instance, two records.
    w.relation(rel::BV_POSTCASCADE_TO_BV, "BV00000002", "BV00000004");
    s.process("PR00000001", "P", {"BV00000001", "BV00000002"});

    const ExportResult r = s.exportProcesses({"P"}, "/s");
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string tag = anyCheckpoint(r.tag);
    EXPECT_EQ(countOf(tag, "Begin QRTSAVU Instance"), 4u);
    EXPECT_EQ(countOf(tag, "Begin BVPOSTBV Instance"), 2u);
    EXPECT_EQ(countOf(tag, "Begin BVFAILBV Instance"), 1u);
    // The cascade pass follows the process, in the order the steps were
    // registered: A, B, C (exported from B), D; D starts nothing.
    const size_t process = positionOf(
        tag, relationRecord(true, "PROCESS", keys("P"), "QRTSAVU", keys("B")) + kCheckpoint);
    const size_t a = positionOf(tag, cascadeRecords("BVPOSTBV", "A", {"A"}));
    const size_t b = positionOf(tag, cascadeRecords("BVPOSTBV", "B", {"C", "D"}));
    const size_t c = positionOf(tag, cascadeRecords("BVFAILBV", "C", {"B"}) + kCommentLine +
                                         ":COMMENT. End of Tag file: ");
    EXPECT_LT(process, a);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
}

TEST(ProcessExport, NotifiedStepsAreThoseOfOneOutcomeRunningANotificationProgram) {
    ScratchWarehouse w("process_notification");
    StepRows s(w);
    s.step("BV00000001", "On success");
    s.step("BV00000002", "On failure");
    s.step("BV00000003", "On both");
    s.step("BV00000004", "No notifier");
    s.notificationProgram("BV00000001", "AF00000001");
    s.notificationProgram("BV00000002", "AF00000002");
    s.notificationProgram("BV00000003", "AF00000003");
    s.process("PR00000001", "P", {});
    w.relation(rel::Process_TO_BVPOSTCAS, "PR00000001", "BV00000001");
    w.relation(rel::Process_TO_BVPOSTCAF, "PR00000001", "BV00000002");
    w.relation(rel::Process_TO_BVPOSTCAS, "PR00000001", "BV00000003");
    w.relation(rel::Process_TO_BVPOSTCAF, "PR00000001", "BV00000003");
    w.relation(rel::Process_TO_BVPOSTCAS, "PR00000001", "BV00000004");

    const ExportResult r = s.exportProcesses({"P"}, "/s");
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string tag = anyCheckpoint(r.tag);
    const std::string success = objectRecord("PRPOSTBV", {keys("P")}) +
                                relationRecord(false, "PROCESS", keys("P"), "PRPOSTBV", keys("P"));
    const std::string failure = objectRecord("PRFAILBV", {keys("P")}) +
                                relationRecord(false, "PROCESS", keys("P"), "PRFAILBV", keys("P"));
    const size_t first =
        positionOf(tag, success + objectHeader("QRTSAVU") + "    NAME(On success)\n");
    // One more checkpoint after the steps notified on success, none after
    // those notified on failure.
    const size_t second = positionOf(
        tag, relationRecord(false, "PRPOSTBV", keys("P"), "QRTSAVU", keys("On success")) +
                 kCheckpoint + kCheckpoint + failure + objectHeader("QRTSAVU") +
                 "    NAME(On failure)\n");
    positionOf(tag, relationRecord(false, "PRFAILBV", keys("P"), "QRTSAVU", keys("On failure")) +
                        kCheckpoint + kCommentLine + ":COMMENT. End of Tag file: ");
    EXPECT_LT(first, second);
    EXPECT_EQ(tag.find("On both"), std::string::npos);
    EXPECT_EQ(tag.find("No notifier"), std::string::npos);
}

TEST(ProcessExport, AStepNamedWithBlanksAtItsEndsStopsTheCascadePass) {
    ScratchWarehouse w("process_edge_blanks");
    StepRows s(w);
    s.step("BV00000001", " Edge ");
    s.process("PR00000001", "P", {"BV00000001"});

    const ExportResult plain = s.exportProcesses({"P"});
    EXPECT_EQ(plain.status, 0) << plain.output;
    EXPECT_NE(plain.tag.find("    NAME( Edge )\n"), std::string::npos);
    // The registry keeps the name without its blanks, and no step has that name.
    const ExportResult cascades = s.exportAgain({"P"}, "/s");
    EXPECT_EQ(cascades.status, 3142 % 256) << cascades.output;
    EXPECT_NE(cascades.output.find("BusinessView::retrieve"), std::string::npos) << cascades.output;
    EXPECT_NE(cascades.feedback.find(":RC.3142/0\n"), std::string::npos) << cascades.feedback;
    EXPECT_NE(
        cascades.tag.find(relationRecord(true, "PROCESS", keys("P"), "QRTSAVU", keys("Edge"))),
        std::string::npos);
}

TEST(ProcessExport, AScheduleWhoseProcessRowIsMissingEndsTheRun) {
    ScratchWarehouse w("process_schedule_owner");
    StepRows s(w);
    s.process("PR00000002", "P", {});
    s.schedule("SC00000001", "", rel::Process_TO_BVSchedul, "PR00000002",
               {1, 0, 0, 2, 0, 0, 0, 124, 1, 0, 0, 0, 0, 0});
    // The schedule's first process is a row that does not exist.
    w.rawRelation(rel::Process_TO_BVSchedul, "PR00000001", "SC00000001");

    const ExportResult r = s.exportProcesses({"P"}, "/s");
    EXPECT_EQ(r.status, 3142 % 256) << r.output;
    EXPECT_NE(r.output.find("Process::retrieveId"), std::string::npos) << r.output;
    EXPECT_EQ(r.tag.find("Begin QRTSCHED Instance"), std::string::npos);
}
