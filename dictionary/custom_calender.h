// CustomCalender and CalenderDate: a user-defined list of dates that a
// schedule can follow, and one date of such a list.
#pragma once

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"
#include "runtime/time_stamp.h"

class BVSchedule;
class CalenderDate;

struct CustomCalenderFields {
    static const ColumnTable<CustomCalenderFields>& columns();
};

class CustomCalender : public DIRRecord<CustomCalenderFields> {
public:
    CustomCalender();

    HQRC listFirst();

    // Its dates, and the schedules that follow it; null with 3104 when the
    // object was never read.
    RelationList<CalenderDate> getDateList{*this, rel::CustCal_TO_Date, RelationSide::Source,
                                           L"getDateList"};
    RelationList<BVSchedule> getScheduleList{*this, rel::BVS_TO_CustCalender, RelationSide::Target,
                                             L"getScheduleList"};
};

struct CalenderDateFields {
    TimeStamp specificDate{0};

    static const ColumnTable<CalenderDateFields>& columns();
};

class CalenderDate : public DIRRecord<CalenderDateFields> {
public:
    CalenderDate();

    // The dates of a calendar.
    HQRC listFirstByCustomCalender(const DIRId& calendar);
    // The first of the dates of a calendar that lie after the given time.
    HQRC retrieveBySeq(const DIRId& calendar, const TimeStamp& after);

    // Its calendar (at most one); null when there is none, with 3104 when the
    // date was never read.
    RelatedObject<CustomCalender> getCustomCalender{*this, rel::CustCal_TO_Date,
                                                    RelationSide::Target, L"getCustomCalender"};
};
