// TimeStamp: a date and time held as a signed 32-bit count of seconds since
// the epoch, with field access and changes in local time, the trace and
// database text forms, and conversion to and from the ODBC time-stamp record.
#pragma once

#include <cstdint>
#include <ctime>
#include <initializer_list>

#include <sql.h>
#include <sqlext.h>

#include "runtime/hq_string.h"

class TimeStamp {
public:
    // Result of the set_ and incr_ operations.
    static constexpr int kDone = 0;
    static constexpr int kNotRepresentable = 999;

    TimeStamp() { timeStamp(); } // the current time
    explicit TimeStamp(int32_t stamp) : Stamp(stamp) {}

    void timeStamp();
    int32_t get_Stamp() const { return Stamp; }
    void set_Stamp(int32_t stamp) { Stamp = stamp; }

    // Fields in local time: years since 1900, month 1-12, day 1-31, day of the
    // week 0-6 (0 = Sunday), day of the year 0-365.
    int get_year() const { return local().tm_year; }
    int get_month() const { return local().tm_mon + 1; }
    int get_day() const { return local().tm_mday; }
    int get_hours() const { return local().tm_hour; }
    int get_minutes() const { return local().tm_min; }
    int get_seconds() const { return local().tm_sec; }
    int get_dayOfWeek() const { return local().tm_wday; }
    int get_dayOfYear() const { return local().tm_yday; }

    // Each returns kDone, or kNotRepresentable and leaves the stamp unchanged.
    // Values out of a field's range roll over into the next field.
    int set_date(int month, int day, int year);
    int set_time(int hours, int minutes, int seconds);
    int set_day(int day) { return change({{&std::tm::tm_mday, day, false}}); }
    int set_month(int month) { return change({{&std::tm::tm_mon, month - 1LL, false}}); }
    int set_year(int year) { return change({{&std::tm::tm_year, year, false}}); }
    int set_hours(int hours) { return change({{&std::tm::tm_hour, hours, false}}); }
    int set_minutes(int minutes) { return change({{&std::tm::tm_min, minutes, false}}); }
    int set_seconds(int seconds) { return change({{&std::tm::tm_sec, seconds, false}}); }
    int incr_day(int n) { return change({{&std::tm::tm_mday, n, true}}); }
    int incr_month(int n) { return change({{&std::tm::tm_mon, n, true}}); }
    int incr_year(int n) { return change({{&std::tm::tm_year, n, true}}); }
    int incr_hours(int n);
    int incr_minutes(int n) { return change({{&std::tm::tm_min, n, true}}); }
    int incr_seconds(int n) { return change({{&std::tm::tm_sec, n, true}}); }

    // "2001/3/7 9:5:1": the form of the trace.
    HQSTRING toString() const;
    // "2001-03-07-09.05.01.000000": the database's time-stamp literal.
    HQSTRING toStringNordbase() const;
    void toOdbc(SQL_TIMESTAMP_STRUCT& out) const;
    // Sets date and time from the record (local time); the fraction is ignored.
    int fromOdbc(const SQL_TIMESTAMP_STRUCT& in);

    TimeStamp operator+(const TimeStamp& other) const {
        return TimeStamp(wrap(Stamp, other.Stamp, 1));
    }
    TimeStamp operator-(const TimeStamp& other) const {
        return TimeStamp(wrap(Stamp, other.Stamp, -1));
    }
    TimeStamp& operator+=(const TimeStamp& other) {
        Stamp = wrap(Stamp, other.Stamp, 1);
        return *this;
    }
    bool operator==(const TimeStamp& other) const { return Stamp == other.Stamp; }
    bool operator<(const TimeStamp& other) const { return Stamp < other.Stamp; }
    bool operator>(const TimeStamp& other) const { return Stamp > other.Stamp; }

private:
    // One field change: assign value to the field, or add it when add is set.
    struct FieldChange {
        int std::tm::*field;
        long long value;
        bool add;
    };
    // Daylight-saving corrections applied after the first normalisation.
    enum class Correction { none, setTime, incrHours };

    std::tm local() const;
    int change(std::initializer_list<FieldChange> changes,
               Correction correction = Correction::none);
    static int32_t wrap(int32_t a, int32_t b, int sign) {
        return static_cast<int32_t>(static_cast<uint32_t>(a) +
                                    static_cast<uint32_t>(sign) * static_cast<uint32_t>(b));
    }

    int32_t Stamp = 0;
};
