// TimeStamp: the lower floor, roll-over normalisation, daylight-saving
// corrections (under fixed time-zone rules) and the text and ODBC forms.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "runtime/time_stamp.h"

namespace {

// Sets TZ for one test and restores the previous value afterwards. POSIX rule
// strings are used so that no time-zone database is needed.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ"))
            previous_ = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (previous_)
            setenv("TZ", previous_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> previous_;
};

constexpr const char* kNewYork = "EST5EDT,M3.2.0,M11.1.0";    // 2023: Mar 12 / Nov 5 at 2:00
constexpr const char* kBerlin = "CET-1CEST,M3.5.0,M10.5.0/3"; // 2023: Mar 26 2:00 / Oct 29 3:00
constexpr const char* kTokyo = "JST-9";                       // no daylight-saving time

// A local wall-clock time that exists exactly once, as a stamp.
int32_t at(int year, int month, int day, int hour, int minute, int second = 0) {
    std::tm f{};
    f.tm_year = year - 1900, f.tm_mon = month - 1, f.tm_mday = day;
    f.tm_hour = hour, f.tm_min = minute, f.tm_sec = second, f.tm_isdst = -1;
    return static_cast<int32_t>(std::mktime(&f));
}

std::string nordbase(const TimeStamp& t) {
    return t.toStringNordbase().toMultiByte();
}

} // namespace

TEST(TimeStamp, FieldChangesStartNoLowerThanFiveHoursAfterTheEpoch) {
    ScopedTimeZone tz(kNewYork);
    for (int32_t low : {0, -5, 17999}) {
        TimeStamp t(low);
        EXPECT_EQ(t.incr_day(1), TimeStamp::kDone);
        EXPECT_EQ(t.get_Stamp(), 18000 + 86400) << low; // 1970-01-02 00:00 EST
    }
    TimeStamp above(18001);
    EXPECT_EQ(above.set_seconds(2), TimeStamp::kDone);
    EXPECT_EQ(above.get_Stamp(), 18002);
    // Reading fields does not apply the floor.
    EXPECT_EQ(TimeStamp(0).get_hours(), 19);
}

TEST(TimeStamp, OutOfRangeFieldsRollOver) {
    ScopedTimeZone tz(kTokyo);
    TimeStamp t(at(2000, 6, 15, 12, 0));
    EXPECT_EQ(t.set_date(2, 30, 101), TimeStamp::kDone);
    EXPECT_EQ(nordbase(t), "2001-03-02-12.00.00.000000");
    EXPECT_EQ(t.set_day(32), TimeStamp::kDone); // of March
    EXPECT_EQ(nordbase(t), "2001-04-01-12.00.00.000000");
    EXPECT_EQ(t.incr_month(-4), TimeStamp::kDone);
    EXPECT_EQ(nordbase(t), "2000-12-01-12.00.00.000000");
    EXPECT_EQ(t.set_seconds(3661), TimeStamp::kDone);
    EXPECT_EQ(nordbase(t), "2000-12-01-13.01.01.000000");
    EXPECT_EQ(t.incr_minutes(-13 * 60 - 2), TimeStamp::kDone);
    EXPECT_EQ(nordbase(t), "2000-11-30-23.59.01.000000");
    EXPECT_EQ(t.set_month(13), TimeStamp::kDone);
    EXPECT_EQ(nordbase(t), "2001-01-30-23.59.01.000000");
    EXPECT_EQ(t.incr_year(3), TimeStamp::kDone);
    EXPECT_EQ(t.get_year(), 104);
    EXPECT_EQ(t.get_dayOfYear(), 29);
    EXPECT_EQ(t.get_dayOfWeek(), 5); // 2004-01-30 was a Friday
}

TEST(TimeStamp, UnrepresentableResultsLeaveTheStampUnchanged) {
    ScopedTimeZone tz(kBerlin);
    const int32_t start = at(2020, 1, 1, 0, 0);
    TimeStamp t(start);
    EXPECT_EQ(t.set_year(140), TimeStamp::kNotRepresentable); // 2040 is past 32 bits
    EXPECT_EQ(t.incr_day(INT_MAX), TimeStamp::kNotRepresentable);
    EXPECT_EQ(t.incr_year(-200), TimeStamp::kNotRepresentable);
    EXPECT_EQ(t.get_Stamp(), start);
    EXPECT_EQ(t.set_year(137), TimeStamp::kDone); // 2037 still fits
}

TEST(TimeStamp, SetTimeIntoTheSpringGapLandsAfterIt) {
    {
        ScopedTimeZone tz(kNewYork);
        // From a daylight-saving stamp of the switch day: 2:30 does not exist.
        TimeStamp t(at(2023, 3, 12, 12, 0));
        EXPECT_EQ(t.set_time(2, 30, 0), TimeStamp::kDone);
        EXPECT_EQ(nordbase(t), "2023-03-12-03.30.00.000000");
        // An hour before the switch comes out as asked.
        EXPECT_EQ(t.set_time(12, 0, 0), TimeStamp::kDone);
        EXPECT_EQ(t.set_time(1, 15, 0), TimeStamp::kDone);
        EXPECT_EQ(nordbase(t), "2023-03-12-01.15.00.000000");
        // From a standard-time stamp the normalisation alone moves past the gap.
        TimeStamp early(at(2023, 3, 12, 0, 30));
        EXPECT_EQ(early.set_time(2, 30, 0), TimeStamp::kDone);
        EXPECT_EQ(nordbase(early), "2023-03-12-03.30.00.000000");
    }
    {
        ScopedTimeZone tz(kBerlin);
        TimeStamp t(at(2023, 3, 26, 18, 0));
        EXPECT_EQ(t.set_time(2, 30, 0), TimeStamp::kDone);
        EXPECT_EQ(nordbase(t), "2023-03-26-03.30.00.000000");
        EXPECT_EQ(t.set_time(1, 0, 0), TimeStamp::kDone);
        EXPECT_EQ(t.get_Stamp(), at(2023, 3, 26, 1, 0));
    }
}

TEST(TimeStamp, IncrHoursOverTheAutumnChangeKeepsTheWallClockMoving) {
    ScopedTimeZone tz(kNewYork);
    // 1:30 daylight time on 2023-11-05; one hour on would show 1:30 again.
    const int32_t firstPass = at(2023, 11, 5, 0, 30) + 3600;
    TimeStamp t(firstPass);
    ASSERT_EQ(t.get_hours(), 1);
    EXPECT_EQ(t.incr_hours(1), TimeStamp::kDone);
    EXPECT_EQ(nordbase(t), "2023-11-05-02.30.00.000000");
    EXPECT_EQ(t.get_Stamp() - firstPass, 2 * 3600);
    // On an ordinary day the hours are added as they are.
    TimeStamp plain(at(2023, 7, 1, 22, 10));
    EXPECT_EQ(plain.incr_hours(3), TimeStamp::kDone);
    EXPECT_EQ(nordbase(plain), "2023-07-02-01.10.00.000000");
    EXPECT_EQ(plain.incr_hours(-5), TimeStamp::kDone);
    EXPECT_EQ(nordbase(plain), "2023-07-01-20.10.00.000000");
}

TEST(TimeStamp, TextForms) {
    ScopedTimeZone tz(kBerlin);
    TimeStamp t(at(2001, 3, 7, 9, 5, 1));
    EXPECT_EQ(t.toString(), L"2001/3/7 9:5:1");
    EXPECT_EQ(t.toStringNordbase(), L"2001-03-07-09.05.01.000000");
    TimeStamp late(at(1999, 12, 31, 23, 59, 59));
    EXPECT_EQ(late.toString(), L"1999/12/31 23:59:59");
    EXPECT_EQ(late.toStringNordbase(), L"1999-12-31-23.59.59.000000");
}

TEST(TimeStamp, OdbcRecordRoundTripIgnoresTheFraction) {
    ScopedTimeZone tz(kBerlin);
    const int32_t moment = at(2001, 7, 4, 23, 59, 58);
    SQL_TIMESTAMP_STRUCT record{};
    TimeStamp(moment).toOdbc(record);
    EXPECT_EQ(record.year, 2001);
    EXPECT_EQ(record.month, 7);
    EXPECT_EQ(record.day, 4);
    EXPECT_EQ(record.hour, 23);
    EXPECT_EQ(record.minute, 59);
    EXPECT_EQ(record.second, 58);
    EXPECT_EQ(record.fraction, 0u);

    // Start in winter: the record's summer date and time still come out exact.
    TimeStamp back(at(2001, 1, 10, 8, 0));
    EXPECT_EQ(back.fromOdbc(record), TimeStamp::kDone);
    EXPECT_EQ(back.get_Stamp(), moment);
    record.fraction = 500000000;
    TimeStamp withFraction(at(2001, 1, 10, 8, 0));
    withFraction.fromOdbc(record);
    EXPECT_EQ(withFraction, back);
}
