// Export of schedules: the property rows of a "QRTSCHED" record, with its
// years as calendar years and its month, day and time of day in two-digit
// form.
#include "export/schedule_export.h"

#include "dictionary/bv_schedule.h"
#include "export/property_table.h"

namespace {

using F = PropertyForm;
using Fields = BVSchedule::Fields;
// The schedule with the keys of its owner, which name a schedule that has no
// name of its own.
using Schedule = ObjectInContext<BVSchedule, const Euit_ParmList&>;
using Row = PropertyRow<Schedule>;

// NAME: the schedule's name, wrapped; without one, the owner's NAME key,
// which is in wrapped form already.
PropertyValue nameOrOwnerName(Schedule& s, HQRC&) {
    const HQSTRING& name = s.getName();
    if (!name.empty()) {
        HQSTRING wrapped(name);
        wrap_parens(wrapped);
        return wrapped;
    }
    return s.context.getValue(HQSTRING(DIRBname_key));
}

// A field in two-digit form ("03", "12", "-1").
template <int32_t Fields::*field> PropertyValue twoDigits(Schedule& s, HQRC&) {
    return BVSchedule::twoDigits(s.fields().*field);
}

const Row kScheduleProperties[] = {
    Row::computed(DIRBname_key, F::Text, nameOrOwnerName),
    Row::field(schtype_key, F::Decimal, &Fields::schedType),
    Row::shortDescription(),
    Row::field(schdow_key, F::Decimal, &Fields::dayOfWeek),
    Row::computed(schyear_key, F::Decimal,
                  [](Schedule& s, HQRC&) -> PropertyValue {
                      return static_cast<long>(s.object.getCalendarYear());
                  }),
    Row::computed(schmoy_key, F::Text, twoDigits<&Fields::monthOfYear>),
    Row::computed(schdom_key, F::Text, twoDigits<&Fields::dayOfMonth>),
    Row::computed(schhour_key, F::Text, twoDigits<&Fields::hour>),
    Row::computed(schmin_key, F::Text, twoDigits<&Fields::minute>),
    Row::computed(schsec_key, F::Text, twoDigits<&Fields::second>),
    Row::computed(schtime_key, F::Text,
                  [](Schedule& s, HQRC&) -> PropertyValue { return s.object.getStartTime(); }),
    Row::field(schftype_key, F::Decimal, &Fields::frequencyType),
    Row::field(schdates_key, F::Decimal, &Fields::datesInMonth),
    Row::field(schdays_key, F::Decimal, &Fields::daysInMonth),
    Row::field(schenddy_key, F::Decimal, &Fields::endDateDay),
    Row::field(schendmn_key, F::Decimal, &Fields::endDateMonth),
    Row::computed(schendyr_key, F::Decimal,
                  [](Schedule& s, HQRC&) -> PropertyValue {
                      return static_cast<long>(s.object.getCalendarEndYear());
                  }),
};

const ExportRecord<Schedule> kScheduleRecord{DIRObjectType::BVSchedule, kScheduleProperties};

} // namespace

void export_BVSchedule(BVSchedule* schedule, const Euit_ParmList& ownerKeys) {
    Euit_ParmList scheduleKeys;
    if (!registerNew(*schedule, scheduleKeys))
        return;
    Schedule record{*schedule, ownerKeys};
    writeRecord(kScheduleRecord, record, scheduleKeys);
}
