// Custom calendars and their dates: column tables and conditions.
#include "dictionary/custom_calender.h"

#include <cstdio>

namespace {
// The dates of a calendar belong to it.
constexpr RelationEnd kCalendarDates[] = {{&rel::CustCal_TO_Date, RelationSide::Source}};
const ClassInfo kCalenderInfo{DIRObjectType::CustomCalender,
                              L".CUSTCAL",
                              L"DDDPUSCH",
                              "CUSTCALDesc",
                              L"",
                              {},
                              kCalendarDates};
const ClassInfo kDateInfo{DIRObjectType::CalenderDate, L".CALDATE", L"DDDPCDAT", "CALDDesc", L""};

// A time stamp as a parameter: its text "YYYY-MM-DD hh:mm:ss", which the
// database converts.
QueryParm stampParm(const TimeStamp& stamp) {
    SQL_TIMESTAMP_STRUCT t{};
    stamp.toOdbc(t);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02u:%02u:%02u", static_cast<int>(t.year),
                  static_cast<unsigned>(t.month), static_cast<unsigned>(t.day),
                  static_cast<unsigned>(t.hour), static_cast<unsigned>(t.minute),
                  static_cast<unsigned>(t.second));
    return QueryParm{SQL_TYPE_TIMESTAMP, 19, 20, text};
}
} // namespace

const ColumnTable<CustomCalenderFields>& CustomCalenderFields::columns() {
    static const ColumnTable<CustomCalenderFields> table{};
    return table;
}

CustomCalender::CustomCalender() : DIRRecord(kCalenderInfo) {}

HQRC CustomCalender::listFirst() {
    return listFirstWhere(L"listFirst", L"", {});
}

const ColumnTable<CalenderDateFields>& CalenderDateFields::columns() {
    static const ColumnTable<CalenderDateFields> table{
        col(L"specificDate", &CalenderDateFields::specificDate)};
    return table;
}

CalenderDate::CalenderDate() : DIRRecord(kDateInfo) {}

HQRC CalenderDate::listFirstByCustomCalender(const DIRId& calendar) {
    return listFirstRelated(L"listFirstByCustomCalender", rel::CustCal_TO_Date,
                            RelationSide::Source, calendar);
}

HQRC CalenderDate::retrieveBySeq(const DIRId& calendar, const TimeStamp& after) {
    return retrieveWhere(L"retrieveBySeq",
                         L" where qrtid in " +
                             relatedIdsQuery(rel::CustCal_TO_Date, RelationSide::Source) +
                             L" and  specificDate > ?",
                         {QueryParm::id(calendar), stampParm(after)}, calendar.toString());
}
