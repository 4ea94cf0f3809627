// Processes, subjects, schedules and custom calendars on the sample
// warehouse: their retrievals and lists, a process without a subject,
// schedules in calendar order, the stored years and the date texts, the
// dates of a calendar, and objects that keep nothing of an earlier row.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "dictionary/bv_schedule.h"
#include "dictionary/custom_calender.h"
#include "dictionary/process.h"
#include "dictionary/security_group.h"
#include "dictionary/subject.h"
#include "sample_warehouse_fixture.h"
#include "tests/common/warehouse_builder.h"

namespace {
using Texts = std::vector<std::wstring>;

// What `item` says of each row a list selects; the list must end with 3142.
Texts walk(DIRBase& object, HQRC first, const std::function<std::wstring()>& item) {
    Texts items;
    HQRC rc = first;
    for (; rc.code == 0; rc = object.listNext())
        items.push_back(item());
    EXPECT_TRUE(DIRBase::isNotFound(rc))
        << rc.location.toMultiByte() << " " << rc.nativeMessage.toMultiByte();
    return items;
}
Texts names(DIRBase& object, HQRC first) {
    return walk(object, first, [&] { return object.getName(); });
}
Texts ids(DIRBase& object, HQRC first) {
    return walk(object, first, [&] { return object.getId().toString(); });
}

const wchar_t* const kNightly = L"Nightly sales load";
const wchar_t* const kYearEnd = L"Year-end close (O'Brien's)";
const wchar_t* const kWeekly = L"Weekly prices";
const wchar_t* const kPrices = L"Prices (weekly) \u2013 Str\u00f6m";
} // namespace

using ProcessModel = SampleWarehouse;

TEST_F(ProcessModel, ProcessesByNameSubjectAndType) {
    Process p;
    ASSERT_EQ(p.retrieve(kNightly).code, 0);
    EXPECT_EQ(p.fields().SubjectName, L"Sales");
    EXPECT_EQ(p.fields().contact, L"Operations team");
    EXPECT_EQ(p.fields().processType, 1);
    HQRC rc;
    EXPECT_EQ(p.getLongDescription(rc), L"Loads customers, then orders; cleans the staging area; "
                                        L"mails the operators when the fact load fails.");
    EXPECT_EQ(p.getGraphicsData(rc), L"BV 0000001001 at (10,20); BV 0000001002 at (60,20)");

    // Type 2 keeps a process out of the general list, not from its name.
    ASSERT_EQ(p.retrieve(kYearEnd).code, 0);
    EXPECT_EQ(p.fields().processType, 2);
    EXPECT_EQ(p.getLongDescription(rc), L"Closes the year: and tells the operators (by mail).");
    EXPECT_EQ(names(p, p.listFirst()), (Texts{kNightly, kWeekly}));
    exec("UPDATE Process SET processType = 3 WHERE qrtid = '0000001301';");
    EXPECT_EQ(names(p, p.listFirst()), Texts{kWeekly});
    ASSERT_EQ(p.retrieveByProcessType(3).code, 0);
    EXPECT_EQ(p.getName(), kNightly);

    // The same name in two subjects: by name and subject name, the one of that subject.
    {
        qrt_test::WarehouseBuilder w;
        w.add<Process>("0000001309", kNightly, [](Process& process) {
            process.editFields().SubjectName = L"Finance";
            process.editFields().processType = 1;
        });
    }
    ASSERT_EQ(p.retrieve(kNightly, L"Finance").code, 0);
    EXPECT_EQ(p.getId().toString(), L"0000001309");
    ASSERT_EQ(p.retrieve(kNightly, L"Sales").code, 0);
    EXPECT_EQ(p.getId().toString(), L"0000001301");

    rc = p.retrieve(kNightly, L"Marketing");
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(rc.location, L"Process::retrieve");
    EXPECT_EQ(rc.commandLine, L"DDDPPROC");
    EXPECT_EQ(rc.token1, L"Process");
    EXPECT_EQ(rc.token2, kNightly);
    rc = p.retrieve(L"nightly sales load");
    EXPECT_TRUE(DIRBase::isNotFound(rc));
}

TEST_F(ProcessModel, ProcessAndSubjectListsFollowTheirRelations) {
    Process p;
    EXPECT_EQ(names(p, p.listFirstBySubject(id("0000001401"))), Texts{kNightly});
    EXPECT_EQ(names(p, p.listFirstByBV(id("0000001004"))), Texts{kYearEnd});
    EXPECT_EQ(names(p, p.listFirstBySG(id("0000000702"))), Texts{kYearEnd});
    // Every process holds a table of the warehouse, two a price file.
    EXPECT_EQ(names(p, p.listFirstByIR(id("0000000103"))), (Texts{kNightly, kWeekly, kYearEnd}));
    EXPECT_EQ(names(p, p.listFirstByIR(id("0000000102"))), (Texts{kNightly, kWeekly}));

    Subject s;
    EXPECT_EQ(names(s, s.listFirst()), (Texts{L"Sales", kPrices}));
    EXPECT_EQ(names(s, s.listFirstByProcess(id("0000001301"))), Texts{L"Sales"});
    EXPECT_EQ(names(s, s.listFirstByBV(id("0000001002"))), Texts{L"Sales"});
    EXPECT_EQ(names(s, s.listFirstBySG(id("0000000702"))), (Texts{L"Sales", kPrices}));
    EXPECT_EQ(names(s, s.listFirstByIR(id("0000000102"))), (Texts{L"Sales", kPrices}));
    EXPECT_EQ(names(s, s.listFirstByIR(id("0000000101"))), Texts{L"Sales"});
    ASSERT_EQ(s.retrieve(L"Sales").code, 0);
    EXPECT_EQ(s.fields().contact, L"Mary O'Brien");
    HQRC rc;
    EXPECT_EQ(s.getLongDescription(rc), L"Everything about sales.");

    // The tables, groups and schedules of a process as relation collections.
    ASSERT_EQ(p.retrieve(kYearEnd).code, 0);
    EXPECT_EQ(p.getDataResourceList(rc)->entries(rc), 2u);
    EXPECT_EQ(p.getSecurityGroupList(rc)->getFirst(rc)->getName(), L"Sales analysts");
    EXPECT_EQ(p.getScheduleList(rc)->entries(rc), 3u);
    EXPECT_EQ(p.getBusinessViewList(rc)->entries(rc), 1u);
    EXPECT_EQ(p.getSuccessNotificationList(rc)->getFirstElement(rc)->getId().toString(),
              L"0000001004");
    EXPECT_EQ(p.getFailureNotificationList(rc)->getFirstElement(rc)->getId().toString(),
              L"0000001003");
}

TEST_F(ProcessModel, ProcessWithoutSubject) {
    Process p;
    ASSERT_EQ(p.retrieve(kYearEnd).code, 0);
    HQRC rc;
    EXPECT_EQ(p.getSubject(rc), nullptr);
    EXPECT_EQ(rc.code, 0);
    Subject s;
    rc = s.listFirstByProcess(p.getId());
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(rc.location, L"Subject::listFirstByProcess");
    EXPECT_EQ(rc.token1, L"Subject");
    EXPECT_TRUE(s.getName().empty());

    // With a subject, the way back from it leads to the process itself.
    ASSERT_EQ(p.retrieve(kNightly).code, 0);
    Subject* subject = p.getSubject(rc);
    ASSERT_NE(subject, nullptr);
    EXPECT_EQ(subject->getName(), L"Sales");
    EXPECT_EQ(subject->getProcessList(rc)->getFirst(rc), &p);

    Process unread;
    EXPECT_EQ(unread.getSubject(rc), nullptr);
    EXPECT_EQ(rc.code, 3104);
    EXPECT_EQ(rc.location, L"Process::getSubject");
}

TEST_F(ProcessModel, SchedulesComeInCalendarOrderAndTiesByIdentifier) {
    BVSchedule s;
    // Stored 1205, 1204, 1206: the year 2000 first, then the two that start
    // together on 2001-03-04 05:06:07.
    EXPECT_EQ(ids(s, s.listFirstbyProcess(id("0000001302"))),
              (Texts{L"0000001206", L"0000001204", L"0000001205"}));
    EXPECT_EQ(ids(s, s.listFirstbyProcess(id("0000001301"))),
              (Texts{L"0000001207", L"0000001202"}));
    EXPECT_EQ(names(s, s.listFirstbyBV(id("0000001001"))), (Texts{L"Nightly 02:30", L"Month end"}));
    // Two schedules of a step that differ only in the minute.
    exec("UPDATE BVSchedule SET hour = 2, minute = 29, frequencyType = 1 WHERE qrtid = "
         "'0000001203';");
    EXPECT_EQ(names(s, s.listFirstbyBV(id("0000001001"))), (Texts{L"Month end", L"Nightly 02:30"}));
    // The month counts before the day of the month.
    exec("UPDATE BVSchedule SET monthOfYear = 2, dayOfMonth = 28 WHERE qrtid = '0000001205';");
    EXPECT_EQ(ids(s, s.listFirstbyProcess(id("0000001302"))),
              (Texts{L"0000001206", L"0000001205", L"0000001204"}));
    EXPECT_TRUE(DIRBase::isNotFound(s.listFirstbyProcess(id("0000009999"))));
}

TEST_F(ProcessModel, ScheduleYearsAndDateTexts) {
    BVSchedule s;
    ASSERT_EQ(s.retrieveId(id("0000001204")).code, 0);
    const BVScheduleFields& f = s.fields();
    EXPECT_EQ(f.year, 101); // kept as stored: years since 1900
    EXPECT_EQ(f.schedType, 2);
    EXPECT_EQ(f.second, 7);
    EXPECT_EQ(f.minute, 6);
    EXPECT_EQ(f.hour, 5);
    EXPECT_EQ(f.dayOfMonth, 4);
    EXPECT_EQ(f.monthOfYear, 3);
    EXPECT_EQ(f.frequencyType, 2);
    EXPECT_EQ(f.endDateDay, 31);
    EXPECT_EQ(f.endDateMonth, 12);
    EXPECT_EQ(s.getCalendarYear(), 2001);
    EXPECT_EQ(s.getCalendarEndYear(), 1999);
    EXPECT_EQ(s.getStartTime(), L"2001-03-04-05:06:07");
    EXPECT_TRUE(s.getName().empty());

    // A name of blanks only is read as it is stored.
    ASSERT_EQ(s.retrieveId(id("0000001205")).code, 0);
    EXPECT_EQ(s.getName(), L"   ");

    // Two-digit texts leave two-character values alone: month 12, day -1.
    ASSERT_EQ(s.retrieve(L"Year end").code, 0);
    EXPECT_EQ(s.getStartTime(), L"2000-12--1-23:00:00");
    EXPECT_EQ(BVSchedule::twoDigits(s.fields().monthOfYear), L"12");
    EXPECT_EQ(BVSchedule::twoDigits(s.fields().dayOfWeek), L"-1");
    EXPECT_EQ(BVSchedule::twoDigits(0), L"00");
    EXPECT_EQ(BVSchedule::twoDigits(123), L"123");
    EXPECT_EQ(s.getCalendarEndYear(), 1900);

    // Stored extremes do not overflow.
    exec("UPDATE BVSchedule SET year = 2147483647, endDateYear = -2147483648 WHERE name = "
         "'Year end';");
    ASSERT_EQ(s.retrieve(L"Year end").code, 0);
    EXPECT_EQ(s.getCalendarYear(), 2147485547LL);
    EXPECT_EQ(s.getCalendarEndYear(), -2147481748LL);
    EXPECT_EQ(s.getStartTime(), L"2147485547-12--1-23:00:00");
}

TEST_F(ProcessModel, ScheduleOwnersAndCalendarDates) {
    BVSchedule s;
    ASSERT_EQ(s.retrieve(L"Year end").code, 0);
    HQRC rc;
    EXPECT_EQ(s.getOwnerName(rc), kYearEnd);
    EXPECT_EQ(rc.code, 0);
    Process* process = s.getProcess(rc);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(process->getName(), kYearEnd);
    CustomCalender* calendar = s.getCustomCalender(rc);
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->getName(), L"Year-end (Jahresende)");
    EXPECT_EQ(calendar->getScheduleList(rc)->getFirst(rc), &s);

    // The dates of the calendar, in identifier order whatever the stored order.
    Texts dates;
    RelationCollection<CalenderDate>& list = *calendar->getDateList(rc);
    for (CalenderDate* d = list.getFirst(rc); d != nullptr; d = list.getNext(rc)) {
        dates.push_back(d->getName());
        EXPECT_EQ(d->getCustomCalender(rc), calendar);
    }
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(dates, (Texts{L"2000", L"2001"}));

    CalenderDate date;
    EXPECT_EQ(names(date, date.listFirstByCustomCalender(calendar->getId())),
              (Texts{L"2000", L"2001"}));
    ASSERT_EQ(date.retrieveId(id("0000002403")).code, 0);
    const TimeStamp& when = date.fields().specificDate;
    EXPECT_EQ(when.get_year(), 100);
    EXPECT_EQ(when.get_month(), 12);
    EXPECT_EQ(when.get_day(), 29);
    EXPECT_EQ(date.getLongDescription(rc), L"A Friday.");

    // The first date of the calendar after a given time.
    TimeStamp after(0);
    ASSERT_EQ(after.set_date(1, 1, 101), TimeStamp::kDone);
    ASSERT_EQ(after.set_time(0, 0, 0), TimeStamp::kDone);
    ASSERT_EQ(date.retrieveBySeq(calendar->getId(), after).code, 0);
    EXPECT_EQ(date.getName(), L"2001");
    EXPECT_EQ(date.fields().specificDate.get_hours(), 18);
    ASSERT_EQ(after.set_date(1, 1, 102), TimeStamp::kDone);
    rc = date.retrieveBySeq(calendar->getId(), after);
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(rc.location, L"CalenderDate::retrieveBySeq");

    CustomCalender all;
    EXPECT_EQ(names(all, all.listFirst()), (Texts{L"Month-end 2024", L"Year-end (Jahresende)"}));
}

TEST_F(ProcessModel, EveryRowStartsFromTheDefaults) {
    // The second schedule in order has no calendar, no long text and NULL
    // in several columns; nothing of the first may remain.
    exec("UPDATE BVSchedule SET frequencyType = NULL, endDateMonth = NULL, schedType = NULL, "
         "short_description = NULL WHERE qrtid = '0000001204';");
    BVSchedule s;
    ASSERT_EQ(s.listFirstbyProcess(id("0000001302")).code, 0);
    HQRC rc;
    EXPECT_EQ(s.getName(), L"Year end");
    EXPECT_EQ(s.getLongDescription(rc), L"On the last working day of December.");
    ASSERT_NE(s.getCustomCalender(rc), nullptr);
    EXPECT_EQ(s.fields().frequencyType, 5);
    ASSERT_EQ(s.listNext().code, 0);
    EXPECT_EQ(s.getId().toString(), L"0000001204");
    EXPECT_EQ(s.getShortDescription(), L"");
    EXPECT_EQ(s.fields().frequencyType, 0);
    EXPECT_EQ(s.fields().endDateMonth, 0);
    EXPECT_EQ(s.fields().schedType, 0);
    EXPECT_EQ(s.getLongDescription(rc), L"");
    EXPECT_EQ(s.getCustomCalender(rc), nullptr);
    EXPECT_EQ(rc.code, 0);

    // A process read after another keeps none of its fields or texts.
    Process p;
    ASSERT_EQ(p.retrieve(kNightly).code, 0);
    EXPECT_NE(p.getGraphicsData(rc), L"");
    ASSERT_NE(p.getSubject(rc), nullptr);
    ASSERT_EQ(p.retrieve(kYearEnd).code, 0);
    EXPECT_EQ(p.fields().contact, L"");
    EXPECT_EQ(p.fields().SubjectName, L"");
    EXPECT_EQ(p.getShortDescription(), L"");
    EXPECT_EQ(p.getGraphicsData(rc), L"");
    EXPECT_EQ(p.getSubject(rc), nullptr);

    // A date without its time stamp keeps the default, not the last date read.
    exec("UPDATE CALDATE SET specificDate = NULL WHERE qrtid = '0000002404';");
    CalenderDate d;
    ASSERT_EQ(d.listFirstByCustomCalender(id("0000002302")).code, 0);
    EXPECT_EQ(d.fields().specificDate.get_year(), 100);
    ASSERT_EQ(d.listNext().code, 0);
    EXPECT_EQ(d.fields().specificDate.get_Stamp(), 0);
    EXPECT_TRUE(DIRBase::isNotFound(d.listNext()));
    EXPECT_TRUE(d.getName().empty());
}
