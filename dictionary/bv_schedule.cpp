// Schedules: column table, the lists in calendar order, the owner's name and
// the date texts.
#include "dictionary/bv_schedule.h"

#include <string>

namespace {
using F = BVScheduleFields;
const ClassInfo kInfo{DIRObjectType::BVSchedule, L".BVSchedule", L"DDDPBVSH", "BVSched", L""};

constexpr const wchar_t* kCalendarOrder =
    L" ORDER BY year,monthofyear,dayofmonth,dayofweek,hour,minute,second";
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"schedType", &F::schedType),
        col(L"second", &F::second),
        col(L"minute", &F::minute),
        col(L"hour", &F::hour),
        col(L"dayOfWeek", &F::dayOfWeek),
        col(L"dayOfMonth", &F::dayOfMonth),
        col(L"monthOfYear", &F::monthOfYear),
        col(L"year", &F::year),
        col(L"frequencyType", &F::frequencyType),
        col(L"datesInMonth", &F::datesInMonth),
        col(L"daysInMonth", &F::daysInMonth),
        col(L"endDateDay", &F::endDateDay),
        col(L"endDateMonth", &F::endDateMonth),
        col(L"endDateYear", &F::endDateYear),
    };
    return table;
}

BVSchedule::BVSchedule() : DIRRecord(kInfo) {}

HQRC BVSchedule::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ?", {QueryParm::name(name)}, name);
}

HQRC BVSchedule::listFirstbyProcess(const DIRId& process) {
    return listFirstRelated(L"listFirstbyProcess", rel::Process_TO_BVSchedul, RelationSide::Source,
                            process, kCalendarOrder);
}

HQRC BVSchedule::listFirstbyBV(const DIRId& step) {
    return listFirstRelated(L"listFirstbyBV", rel::BV_TO_Schedule, RelationSide::Source, step,
                            kCalendarOrder);
}

HQSTRING BVSchedule::getOwnerName(HQRC& rc) {
    rc = checkPopulated(L"getOwnerName");
    if (rc.code != 0)
        return HQSTRING();
    // Only the common part of the owner is needed, so the collections are
    // read as collections of metadata objects.
    const DIRBase* step = getBusinessView.getFirstBase(rc);
    if (step != nullptr || rc.code != 0)
        return step != nullptr ? step->getName() : HQSTRING();
    const DIRBase* process = getProcess.getFirstBase(rc);
    return process != nullptr ? process->getName() : HQSTRING();
}

HQSTRING BVSchedule::getStartTime() const {
    return timeText(f_.year, f_.monthOfYear, f_.dayOfMonth, f_.hour, f_.minute, f_.second);
}

HQSTRING BVSchedule::twoDigits(int64_t value) {
    HQSTRING text(std::to_wstring(value));
    if (text.size() == 1)
        text.insert(text.begin(), L'0');
    return text;
}

HQSTRING BVSchedule::timeText(int32_t storedYear, int32_t month, int32_t day, int32_t hour,
                              int32_t minute, int32_t second) {
    return HQSTRING(std::to_wstring(int64_t{storedYear} + 1900)) + L"-" + twoDigits(month) + L"-" +
           twoDigits(day) + L"-" + twoDigits(hour) + L":" + twoDigits(minute) + L":" +
           twoDigits(second);
}
