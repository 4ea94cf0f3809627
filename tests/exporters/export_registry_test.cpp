// Tests of the export registry on objects read from a small control
// database: the key list of each kind of object, registration once per key
// list and type, the cascade flag, and the failure for a type without keys.
// A schedule of a process is named after its process, so that equal
// schedules of two processes stay two objects.
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdio>
#include <string>

#include <tuple>
#include <utility>

#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/business_view.h"
#include "dictionary/bv_alias.h"
#include "dictionary/bv_schedule.h"
#include "dictionary/bv_security.h"
#include "dictionary/data_resource.h"
#include "dictionary/dr_correlation.h"
#include "dictionary/hq_user.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "dictionary/map.h"
#include "dictionary/process.h"
#include "dictionary/security_group.h"
#include "export/export_registry.h"
#include "runtime/configuration.h"
#include "tests/exporters/scratch_warehouse.h"

using namespace export_test;

namespace {

class RegistryTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        warehouse = std::make_unique<ScratchWarehouse>("registry");
        ScratchWarehouse& w = *warehouse;
        w.database("DB00000001", "ORA", "Oracle");
        w.database("DB00000002", "FF", "Flat File LAN");
        w.database("DB00000003", "P(1)", "Oracle");
        w.table("DR00000001", "DB00000001", "ORA", "A", "T");
        w.table("DR00000002", "DB00000001", "ORA", "B", "T");
        w.table("DR00000003", "DB00000001", "ORA", "", "X(1)");
        w.table("DR00000004", "DB00000002", "FF", "A", "T");
        w.table("DR00000005", "DB00000003", "P(1)", "S", "T");
        w.column("AT00000001", "DR00000001", "C(1)", 1);
        w.key("PK00000001", "DR00000001", "T_PK", true);
        w.keyMap("KM00000001", "PK00000001", true, "T_PK_1", 1, "AT00000001", "");
        w.add<AgentSite>("AS00000001", "Same (name)");
        w.add<SecurityGroup>("SG00000001", "Same (name)");
        w.add<AgentSite>("AS00000002", "Donn\u00e9es");
        w.add<AgentSite>("AS00000003", "Donn\u00e8es");
        w.add<AgentSite>("AS00000004", "Donn\u00e9es2");
        w.add<HQUser>("US00000001", "Ann", [](HQUser& u) { u.editFields().userid = L"ann(1)"; });
        for (const auto& [id, name] : {std::pair{"PR00000001", "P(1)"}, {"PR00000002", "Other"}}) {
            w.add<Process>(id, name);
            w.stored("Process", id, "processType", "1");
        }
        // SC1 and SC2 start together with the same type in different
        // processes, SC3 like SC1 in the same process; SC4 has no owner, SC5
        // a process that is gone.
        const std::string when = "schedType, second, minute, hour, dayOfWeek, dayOfMonth, "
                                 "monthOfYear, year, endDateYear";
        for (const auto& [id, name, values] :
             {std::tuple{"SC00000001", "First", "2, 7, 6, 5, 0, 4, 3, 101, 99"},
              {"SC00000002", "First", "2, 7, 6, 5, 0, 4, 3, 101, 99"},
              {"SC00000003", "   ", "2, 7, 6, 5, 1, 4, 3, 101, 0"},
              {"SC00000004", "Alone", "1, 0, 0, 23, -1, -1, 12, 100, 0"},
              {"SC00000005", "Orphan", "1, 0, 0, 0, 0, 1, 1, 124, 0"}}) {
            w.add<BVSchedule>(id, name);
            w.stored("BVSchedule", id, when, values);
        }
        w.relation(rel::Process_TO_BVSchedul, "PR00000001", "SC00000001");
        w.relation(rel::Process_TO_BVSchedul, "PR00000002", "SC00000002");
        w.relation(rel::Process_TO_BVSchedul, "PR00000001", "SC00000003");
        w.rawRelation(rel::Process_TO_BVSchedul, "PR00000009", "SC00000005");
        w.add<BusinessView>("BV00000001", " Step (1) ");
        w.add<BVAlias>("BA00000001", "V(1)");
        w.add<DRCorrelation>("CO00000001", "C");
        w.stored("Correlation", "CO00000001", "correlationName", "'C'");
        for (const auto& [id, name, values] : {std::tuple{"MP00000001", "M1", "' Step (1) ', 12"},
                                               {"MP00000002", "M2", "' Step (1) ', 13"},
                                               {"MP00000003", "M3", "'Step (1)', 12"}}) {
            w.add<Map>(id, name);
            w.stored("map", id, "BVName, seqNo", values);
        }
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

    static std::string keysOf(DIRBase& object) {
        Euit_ParmList keys;
        Tag_ExpList::getInstance().getKeys(&object, keys);
        return keys.toString().toMultiByte();
    }
    static std::unique_ptr<DataResource> table(const wchar_t* name, const wchar_t* database) {
        auto table = std::make_unique<DataResource>();
        const HQRC rc = table->retrieve(name, database);
        EXPECT_EQ(rc.code, 0) << HQSTRING(name).toMultiByte();
        return table;
    }

    static std::unique_ptr<BVSchedule> schedule(const char* id) {
        auto s = std::make_unique<BVSchedule>();
        EXPECT_EQ(s->retrieveId(DIRId(std::string_view(id))).code, 0) << id;
        return s;
    }

    static inline std::unique_ptr<ScratchWarehouse> warehouse;
};

} // namespace

TEST_F(RegistryTest, KeysOfEachKindOfObject) {
    InformationResource database;
    ASSERT_EQ(database.retrieve(L"P(1)").code, 0);
    EXPECT_EQ(keysOf(database), "NAME(P'('1')') DBNAME(P'('1')'DSN) ");

    // Relational databases split the owner off at the first dot.
    EXPECT_EQ(keysOf(*table(L"A.T", L"ORA")), "DBNAME(ORA) OWNER(A) TABLES(T) ");
    EXPECT_EQ(keysOf(*table(L"B.T", L"ORA")), "DBNAME(ORA) OWNER(B) TABLES(T) ");
    EXPECT_EQ(keysOf(*table(L"X(1)", L"ORA")), "DBNAME(ORA) OWNER() TABLES(X'('1')') ");
    EXPECT_EQ(keysOf(*table(L"S.T", L"P(1)")), "DBNAME(P'('1')') OWNER(S) TABLES(T) ");
    // A flat-file database keeps the whole name as the table.
    EXPECT_EQ(keysOf(*table(L"A.T", L"FF")), "DBNAME(FF) OWNER() TABLES(A.T) ");

    Attribute column;
    ASSERT_EQ(column.retrieve(L"C(1)", L"ORA", L"A", L"T").code, 0);
    EXPECT_EQ(keysOf(column), "DBNAME(ORA) OWNER(A) TABLES(T) COLUMNS(C(1)) ");

    PrimaryKey key;
    ASSERT_EQ(key.retrieveId(DIRId(HQSTRING(L"PK00000001"))).code, 0);
    EXPECT_EQ(keysOf(key), "KEYID(PK00000001) ");
    KeyMap map;
    ASSERT_EQ(map.retrieveId(DIRId(HQSTRING(L"KM00000001"))).code, 0);
    EXPECT_EQ(keysOf(map), "MAPID(KM00000001) ");

    AgentSite site;
    ASSERT_EQ(site.retrieve(L"Same (name)").code, 0);
    EXPECT_EQ(keysOf(site), "NAME(Same '('name')') ");
    HQUser user;
    ASSERT_EQ(user.retrieve(L"Ann").code, 0);
    EXPECT_EQ(keysOf(user), "USRID(ann'('1')') ");
}

TEST_F(RegistryTest, KeysOfStepsAndTheirDetails) {
    // Key values lose the blanks at their ends.
    BusinessView step;
    ASSERT_EQ(step.retrieve(L" Step (1) ").code, 0);
    EXPECT_EQ(keysOf(step), "NAME(Step '('1')') ");
    BVAlias alias;
    ASSERT_EQ(alias.retrieve(L"V(1)").code, 0);
    EXPECT_EQ(keysOf(alias), "NAME(V'('1')') ");
    DRCorrelation correlation;
    ASSERT_EQ(correlation.retrieveId(DIRId(HQSTRING(L"CO00000001"))).code, 0);
    EXPECT_EQ(keysOf(correlation), "KEYID(CO00000001) ");

    // A map is known by its step's name and its place in the step.
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    Map map;
    ASSERT_EQ(map.retrieveId(DIRId(HQSTRING(L"MP00000001"))).code, 0);
    EXPECT_EQ(keysOf(map), "MAPBVNAM(Step '('1')') MAPSEQNO(12) ");
    Euit_ParmList keys;
    EXPECT_EQ(registry.addElem(&map, keys), 0);
    ASSERT_EQ(map.retrieveId(DIRId(HQSTRING(L"MP00000002"))).code, 0);
    EXPECT_EQ(registry.addElem(&map, keys), 0);
    EXPECT_EQ(keys.toString().toMultiByte(), "MAPBVNAM(Step '('1')') MAPSEQNO(13) ");
    // A map at the same place of a step whose name differs only in the blanks
    // at its ends is the same entry.
    ASSERT_EQ(map.retrieveId(DIRId(HQSTRING(L"MP00000003"))).code, 0);
    EXPECT_EQ(registry.addElem(&map, keys), 1);
    EXPECT_EQ(registry.entries(), 2u);
}

TEST_F(RegistryTest, NextStepScanFindsTheRegisteredSteps) {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    InformationResource database;
    ASSERT_EQ(database.retrieve(L"ORA").code, 0);
    BusinessView step;
    ASSERT_EQ(step.retrieve(L" Step (1) ").code, 0);
    Euit_ParmList keys;
    registry.addElem(table(L"A.T", L"ORA").get(), keys);
    registry.addElem(&step, keys);
    registry.addElem(&database, keys);

    int position = 0;
    Euit_ParmList stepKeys;
    registry.getNextBV(position, stepKeys);
    EXPECT_EQ(position, 2);
    EXPECT_EQ(stepKeys.toString().toMultiByte(), "NAME(Step '('1')') ");
    registry.getNextBV(position, stepKeys);
    EXPECT_EQ(position, -1);
}

TEST_F(RegistryTest, AnObjectIsRegisteredOncePerTypeAndKeys) {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    auto first = table(L"A.T", L"ORA");
    auto again = table(L"A.T", L"ORA"); // another object of the same row
    auto other = table(L"B.T", L"ORA");

    Euit_ParmList keys1;
    Euit_ParmList keys2;
    EXPECT_EQ(registry.addElem(first.get(), keys1), 0);
    EXPECT_EQ(registry.addElem(again.get(), keys2), 1);
    EXPECT_TRUE(keys1 == keys2);
    EXPECT_EQ(keys2.toString().toMultiByte(), "DBNAME(ORA) OWNER(A) TABLES(T) ");
    EXPECT_TRUE(registry.dddInList(again.get()));
    EXPECT_FALSE(registry.dddInList(other.get()));

    // getKeys registers nothing.
    Euit_ParmList otherKeys;
    registry.getKeys(other.get(), otherKeys);
    EXPECT_EQ(registry.entries(), 1u);
    EXPECT_EQ(registry.addElem(other.get(), otherKeys), 0);
    EXPECT_EQ(registry.entries(), 2u);

    // Equal key lists of different types are different entries.
    AgentSite site;
    SecurityGroup group;
    ASSERT_EQ(site.retrieve(L"Same (name)").code, 0);
    ASSERT_EQ(group.retrieve(L"Same (name)").code, 0);
    Euit_ParmList siteKeys;
    Euit_ParmList groupKeys;
    EXPECT_EQ(registry.addElem(&site, siteKeys), 0);
    EXPECT_EQ(registry.addElem(&group, groupKeys), 0);
    EXPECT_TRUE(siteKeys == groupKeys);
    EXPECT_EQ(registry.entries(), 4u);
}

TEST_F(RegistryTest, NamesThatDifferOnlyBeyondAsciiAreDifferentEntries) {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    const wchar_t* const names[] = {L"Donn\u00e9es", L"Donn\u00e8es", L"Donn\u00e9es2"};
    for (const wchar_t* name : names) {
        AgentSite site;
        ASSERT_EQ(site.retrieve(name).code, 0);
        Euit_ParmList keys;
        EXPECT_EQ(registry.addElem(&site, keys), 0) << HQSTRING(name).toMultiByte();
    }
    EXPECT_EQ(registry.entries(), 3u);
    AgentSite again;
    ASSERT_EQ(again.retrieve(names[0]).code, 0);
    EXPECT_TRUE(registry.dddInList(&again));
}

TEST_F(RegistryTest, CascadeFlagIsKeptOnTheRegisteredEntry) {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    auto t = table(L"A.T", L"ORA");
    registry.setCascadeDone(t.get()); // not registered: nothing happens
    EXPECT_EQ(registry.entries(), 0u);
    EXPECT_EQ(registry.isCascadeDone(t.get()), 0);

    Euit_ParmList keys;
    registry.addElem(t.get(), keys);
    EXPECT_EQ(registry.isCascadeDone(t.get()), 0);
    auto same = table(L"A.T", L"ORA");
    registry.setCascadeDone(same.get());
    EXPECT_EQ(registry.isCascadeDone(t.get()), 1);
}

TEST_F(RegistryTest, NextStepScanEndsAtOnceWithoutSteps) {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    InformationResource database;
    ASSERT_EQ(database.retrieve(L"ORA").code, 0);
    Euit_ParmList keys;
    registry.addElem(table(L"A.T", L"ORA").get(), keys);
    registry.addElem(&database, keys);

    int position = 0;
    Euit_ParmList stepKeys;
    registry.getNextBV(position, stepKeys);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(stepKeys.entries(), 0u);
}

TEST_F(RegistryTest, TypeWithoutKeysIsAnInternalError) {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    BVSecurity authority; // object type 10 has no key construction
    Euit_ParmList keys;
    try {
        registry.addElem(&authority, keys);
        FAIL() << "no error raised";
    } catch (const HQRC& rc) {
        EXPECT_EQ(rc.code, 99);
        EXPECT_EQ(rc.domain, 3);
        EXPECT_EQ(rc.location.toMultiByte(), "TagX_Obj::TagX_Obj");
        EXPECT_EQ(rc.commandLine.toMultiByte(), "tagxlist");
        EXPECT_EQ(rc.nativeMessage.toMultiByte(), "Internal error: invalid DIRBase::objectType.");
    }
    EXPECT_EQ(registry.entries(), 0u);
}

TEST_F(RegistryTest, SchedulesAreKeyedByProcessTypeAndStartTime) {
    EXPECT_EQ(keysOf(*schedule("SC00000001")),
              "NAME(P'('1')') SCHTYPE(2) SCHTIME(2001-03-04-05:06:07.000000) ");
    // The schedule's own name, blanks or not, is not part of its keys.
    EXPECT_EQ(keysOf(*schedule("SC00000003")),
              "NAME(P'('1')') SCHTYPE(2) SCHTIME(2001-03-04-05:06:07.000000) ");
    // Month 12 and -1 keep their text; a schedule of no process has an empty name.
    EXPECT_EQ(keysOf(*schedule("SC00000004")),
              "NAME() SCHTYPE(1) SCHTIME(2000-12--1-23:00:00.000000) ");
}

TEST_F(RegistryTest, EqualSchedulesOfTwoProcessesAreTwoObjects) {
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

TEST_F(RegistryTest, ScheduleWhoseProcessIsMissingStopsTheKey) {
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

TEST(ScheduleTime, StoredFieldsGiveTheKeyForm) {
    EXPECT_EQ(TagX_Obj::scheduleTime(101, 3, 4, 5, 6, 7).toMultiByte(),
              "2001-03-04-05:06:07.000000");
    EXPECT_EQ(TagX_Obj::scheduleTime(99, 12, 31, 23, 59, 0).toMultiByte(),
              "1999-12-31-23:59:00.000000");
    EXPECT_EQ(TagX_Obj::scheduleTime(-1, 10, 10, 10, 10, 10).toMultiByte(),
              "1899-10-10-10:10:10.000000");
}

// The registry holds an entry for every exported object of a run: one entry
// costs its lookup text and a few words of bookkeeping, not a property list.
TEST_F(RegistryTest, ARegisteredObjectCostsAFewDozenBytesBesidesItsKeyText) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps no comparable figures";
#else
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    AgentSite site;
    ASSERT_EQ(site.retrieve(L"Same (name)").code, 0);
    constexpr size_t count = 20000;
    Euit_ParmList keys;
    const size_t before = mallinfo2().uordblks;
    for (size_t i = 0; i < count; ++i) {
        ASSERT_EQ(site.setName(L"Agent site " + std::to_wstring(100000 + i)).code, 0);
        ASSERT_EQ(registry.addElem(&site, keys), 0);
    }
    const size_t perObject = (mallinfo2().uordblks - before) / count;
    // "<type>|4:NAME17:Agent site 1nnnnn" is 31 bytes; the rest is the hash
    // node, its bucket and its place in the registration order.
    EXPECT_LE(perObject, 160u);
    RecordProperty("bytes_per_registered_agent_site", static_cast<int>(perObject));
    std::printf("registered object: %zu bytes\n", perObject);
#endif
}
