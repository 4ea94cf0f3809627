// BVSchedule: one schedule entry of a step or of a process, stored as
// fourteen integers (the year as years since 1900), with its owner and the
// custom calendar it may follow; and the text forms of its dates.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class BusinessView;
class CustomCalender;
class Process;

struct BVScheduleFields {
    int32_t schedType = 0;
    int32_t second = 0;
    int32_t minute = 0;
    int32_t hour = 0;
    int32_t dayOfWeek = 0;
    int32_t dayOfMonth = 0;
    int32_t monthOfYear = 0;
    int32_t year = 0; // years since 1900
    int32_t frequencyType = 0;
    int32_t datesInMonth = 0;
    int32_t daysInMonth = 0;
    int32_t endDateDay = 0;
    int32_t endDateMonth = 0;
    int32_t endDateYear = 0; // years since 1900

    static const ColumnTable<BVScheduleFields>& columns();
};

class BVSchedule : public DIRRecord<BVScheduleFields> {
public:
    BVSchedule();

    HQRC retrieve(const HQSTRING& name);
    // The schedules of a process and of a step, in calendar order of their
    // fields (year, month, day of month, day of week, hour, minute, second).
    HQRC listFirstbyProcess(const DIRId& process);
    HQRC listFirstbyBV(const DIRId& step);

    // The name of the object the schedule belongs to: its step, or, for a
    // schedule without a step, its process; empty for a schedule of neither.
    // A relation row that names a missing owner gives that owner's 3142.
    HQSTRING getOwnerName(HQRC& rc);

    // The year and the end year as calendar years (stored value + 1900).
    int64_t getCalendarYear() const { return int64_t{f_.year} + 1900; }
    int64_t getCalendarEndYear() const { return int64_t{f_.endDateYear} + 1900; }
    // The start as "YYYY-MM-DD-hh:mm:ss" (timeText of the stored fields).
    HQSTRING getStartTime() const;

    // The decimal text of a value with one "0" put in front when the text is
    // a single character: 3 gives "03", 12 "12", -1 "-1".
    static HQSTRING twoDigits(int64_t value);
    // "YYYY-MM-DD-hh:mm:ss": the stored year + 1900 in decimal, the other
    // fields in two-digit form.
    static HQSTRING timeText(int32_t storedYear, int32_t month, int32_t day, int32_t hour,
                             int32_t minute, int32_t second);

    // Its step, its process and its custom calendar (at most one each): the
    // object, null when there is none; null with 3104 when the schedule was
    // never read.
    RelatedObject<BusinessView> getBusinessView{*this, rel::BV_TO_Schedule, RelationSide::Target,
                                                L"getBusinessView"};
    RelatedObject<Process> getProcess{*this, rel::Process_TO_BVSchedul, RelationSide::Target,
                                      L"getProcess"};
    RelatedObject<CustomCalender> getCustomCalender{*this, rel::BVS_TO_CustCalender,
                                                    RelationSide::Source, L"getCustomCalender"};
};
