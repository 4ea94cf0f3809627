// The registry keys of schedules: a schedule of a process is named after its
// process, so that equal schedules of two processes stay two objects; a
// process row that names a missing process stops the key; the start time
// keeps two-character values as they are.
#include <gtest/gtest.h>

#include "dictionary/bv_schedule.h"
#include "export/export_registry.h"
#include "runtime/configuration.h"
#include "tests/exporters/scratch_warehouse.h"

using namespace export_test;

namespace {

class ScheduleKeys : public testing::Test {
protected:
    static void SetUpTestSuite() {
        warehouse = std::make_unique<ScratchWarehouse>("schedule_keys");
        ScratchWarehouse& w = *warehouse;
        w.sql("INSERT INTO Process (qrtid, name, processType) VALUES ('PR00000001', 'P(1)', 1), "
              "('PR00000002', 'Other', 1);");
        // SC1 and SC2 start together with the same type in different
        // processes, SC3 like SC1 in the same process; SC4 has no owner, SC5
        // a process that is gone.
        w.sql("INSERT INTO BVSchedule (qrtid, name, schedType, second, minute, hour, dayOfWeek, "
              "dayOfMonth, monthOfYear, year, endDateYear) VALUES "
              "('SC00000001', 'First', 2, 7, 6, 5, 0, 4, 3, 101, 99), "
              "('SC00000002', 'First', 2, 7, 6, 5, 0, 4, 3, 101, 99), "
              "('SC00000003', '   ', 2, 7, 6, 5, 1, 4, 3, 101, 0), "
              "('SC00000004', 'Alone', 1, 0, 0, 23, -1, -1, 12, 100, 0), "
              "('SC00000005', 'Orphan', 1, 0, 0, 0, 0, 1, 1, 124, 0);");
        w.relation("Process_TO_BVSchedul", "PR00000001", "SC00000001");
        w.relation("Process_TO_BVSchedul", "PR00000002", "SC00000002");
        w.relation("Process_TO_BVSchedul", "PR00000001", "SC00000003");
        w.relation("Process_TO_BVSchedul", "PR00000009", "SC00000005");
        w.load();
        const HQRC rc = HQConfiguration::init(L"QRTWH", L"QRT", L"", L"", 0);
        ASSERT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    }
    static void TearDownTestSuite() {
        HQConfiguration::terminate();
        warehouse.reset();
    }
    void SetUp() override { Tag_ExpList::getInstance().clear(); }
    void TearDown() override { Tag_ExpList::getInstance().clear(); }

    static std::unique_ptr<BVSchedule> schedule(const char* id) {
        auto s = std::make_unique<BVSchedule>();
        EXPECT_EQ(s->retrieveId(DIRId(std::string_view(id))).code, 0) << id;
        return s;
    }
    static std::string keysOf(BVSchedule& s) {
        Euit_ParmList keys;
        Tag_ExpList::getInstance().getKeys(&s, keys);
        return keys.toString().toMultiByte();
    }

    static inline std::unique_ptr<ScratchWarehouse> warehouse;
};

} // namespace

TEST_F(ScheduleKeys, ProcessNameTypeAndStartTime) {
    EXPECT_EQ(keysOf(*schedule("SC00000001")),
              "NAME(P'('1')') SCHTYPE(2) SCHTIME(2001-03-04-05:06:07.000000) ");
    // The schedule's own name, blanks or not, is not part of its keys.
    EXPECT_EQ(keysOf(*schedule("SC00000003")),
              "NAME(P'('1')') SCHTYPE(2) SCHTIME(2001-03-04-05:06:07.000000) ");
    // Month 12 and -1 keep their text; a schedule of no process has an empty name.
    EXPECT_EQ(keysOf(*schedule("SC00000004")),
              "NAME() SCHTYPE(1) SCHTIME(2000-12--1-23:00:00.000000) ");
}

TEST_F(ScheduleKeys, EqualSchedulesOfTwoProcessesAreTwoObjects) {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    Euit_ParmList first;
    Euit_ParmList second;
    Euit_ParmList third;
    EXPECT_EQ(registry.addElem(schedule("SC00000001").get(), first), 0);
    EXPECT_EQ(registry.addElem(schedule("SC00000002").get(), second), 0);
    EXPECT_EQ(second.toString().toMultiByte(),
              "NAME(Other) SCHTYPE(2) SCHTIME(2001-03-04-05:06:07.000000) ");
    // The same process, type and start time: already written.
    EXPECT_EQ(registry.addElem(schedule("SC00000003").get(), third), 1);
    EXPECT_TRUE(first == third);
    EXPECT_EQ(registry.entries(), 2u);
}

TEST_F(ScheduleKeys, ProcessRowNamingAMissingProcessStopsTheKey) {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    auto orphan = schedule("SC00000005");
    Euit_ParmList keys;
    try {
        registry.addElem(orphan.get(), keys);
        FAIL() << "no error raised";
    } catch (const HQRC& rc) {
        EXPECT_EQ(rc.code, 3142);
        EXPECT_EQ(rc.location, L"Process::retrieveId");
        EXPECT_EQ(rc.token2, L"PR00000009");
    }
    EXPECT_EQ(registry.entries(), 0u);

    // A schedule never read has no owner to ask.
    BVSchedule unread;
    HQRC rc;
    EXPECT_TRUE(unread.getOwnerName(rc).empty());
    EXPECT_EQ(rc.code, 3104);
    EXPECT_EQ(rc.location, L"BVSchedule::getOwnerName");
}
