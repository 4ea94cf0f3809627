// TimeStamp: field changes through the local-time normalisation of mktime, and
// the text and ODBC forms.
#include "runtime/time_stamp.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

namespace {
// The lowest stamp a field change starts from: five hours after the epoch, so
// that the local-time conversion never falls before 1970.
constexpr int32_t kLowestStamp = 18000;

bool fitsStamp(std::time_t t) {
    return t != static_cast<std::time_t>(-1) && t >= INT32_MIN && t <= INT32_MAX;
}
} // namespace

void TimeStamp::timeStamp() {
    Stamp = static_cast<int32_t>(std::time(nullptr));
}

std::tm TimeStamp::local() const {
    const std::time_t t = Stamp;
    std::tm fields{};
    localtime_r(&t, &fields);
    return fields;
}

int TimeStamp::set_date(int month, int day, int year) {
    return change({{&std::tm::tm_mon, month - 1LL, false},
                   {&std::tm::tm_mday, day, false},
                   {&std::tm::tm_year, year, false}});
}

int TimeStamp::set_time(int hours, int minutes, int seconds) {
    return change({{&std::tm::tm_hour, hours, false},
                   {&std::tm::tm_min, minutes, false},
                   {&std::tm::tm_sec, seconds, false}},
                  Correction::setTime);
}

int TimeStamp::incr_hours(int n) {
    return change({{&std::tm::tm_hour, n, true}}, Correction::incrHours);
}

int TimeStamp::change(std::initializer_list<FieldChange> changes, Correction correction) {
    const std::time_t start = Stamp < kLowestStamp ? kLowestStamp : Stamp;
    std::tm fields{};
    localtime_r(&start, &fields);
    const int hourBefore = fields.tm_hour;
    const int daylightBefore = fields.tm_isdst;
    for (const FieldChange& c : changes) {
        const long long value = c.add ? fields.*c.field + c.value : c.value;
        if (value < INT_MIN || value > INT_MAX)
            return kNotRepresentable;
        fields.*c.field = static_cast<int>(value);
    }
    const int hourSet = fields.tm_hour;
    std::time_t result = std::mktime(&fields);
    if (!fitsStamp(result))
        return kNotRepresentable;

    // Around a change of daylight-saving time the normalised hour can come out
    // one below the hour asked for (set_time) or unchanged (incr_hours). The
    // hour is then moved on by two and converted again under the original
    // daylight-saving flag, which nets out the hour the flag takes away.
    const bool correct = (correction == Correction::setTime && fields.tm_hour == hourSet - 1) ||
                         (correction == Correction::incrHours && fields.tm_hour == hourBefore);
    if (correct) {
        fields.tm_hour += 2;
        fields.tm_isdst = daylightBefore;
        result = std::mktime(&fields);
        if (!fitsStamp(result))
            return kNotRepresentable;
    }
    Stamp = static_cast<int32_t>(result);
    return kDone;
}

HQSTRING TimeStamp::toString() const {
    const std::tm f = local();
    wchar_t text[64];
    std::swprintf(text, 64, L"%d/%d/%d %d:%d:%d", f.tm_year + 1900, f.tm_mon + 1, f.tm_mday,
                  f.tm_hour, f.tm_min, f.tm_sec);
    return text;
}

HQSTRING TimeStamp::toStringNordbase() const {
    const std::tm f = local();
    wchar_t text[64];
    std::swprintf(text, 64, L"%d-%02d-%02d-%02d.%02d.%02d.000000", f.tm_year + 1900, f.tm_mon + 1,
                  f.tm_mday, f.tm_hour, f.tm_min, f.tm_sec);
    return text;
}

void TimeStamp::toOdbc(SQL_TIMESTAMP_STRUCT& out) const {
    const std::tm f = local();
    out.year = static_cast<SQLSMALLINT>(f.tm_year + 1900);
    out.month = static_cast<SQLUSMALLINT>(f.tm_mon + 1);
    out.day = static_cast<SQLUSMALLINT>(f.tm_mday);
    out.hour = static_cast<SQLUSMALLINT>(f.tm_hour);
    out.minute = static_cast<SQLUSMALLINT>(f.tm_min);
    out.second = static_cast<SQLUSMALLINT>(f.tm_sec);
    out.fraction = 0;
}

int TimeStamp::fromOdbc(const SQL_TIMESTAMP_STRUCT& in) {
    // The same record from the same start always gives the same stamp, and
    // the local-time conversions cost a look at the time-zone file each: the
    // last conversions are remembered (rows share few distinct stamps, and a
    // fresh object starts from the current second).
    struct Conversion {
        int32_t start = 0;
        SQL_TIMESTAMP_STRUCT record{};
        int32_t stamp = 0;
        bool used = false;
    };
    // Some thousands of distinct stamps in a large warehouse.
    constexpr unsigned kSlotBits = 12;
    thread_local std::vector<Conversion> remembered(size_t{1} << kSlotBits);
    const auto same = [](const SQL_TIMESTAMP_STRUCT& a, const SQL_TIMESTAMP_STRUCT& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
               a.minute == b.minute && a.second == b.second;
    };
    // The fields side by side (6 bits for seconds and minutes, 5 for hour
    // and day, 4 for the month), the start above them.
    uint64_t packed = static_cast<uint16_t>(in.year);
    for (const auto& [value, bits] : {std::pair<unsigned, unsigned>{in.month, 4},
                                      {in.day, 5},
                                      {in.hour, 5},
                                      {in.minute, 6},
                                      {in.second, 6}})
        packed = (packed << bits) | (value & ((1u << bits) - 1));
    const uint64_t mixed = (packed ^ (static_cast<uint64_t>(static_cast<uint32_t>(Stamp)) << 32)) *
                           0x9E3779B97F4A7C15ULL;
    const size_t slot = static_cast<size_t>(mixed >> (64 - kSlotBits));
    Conversion& c = remembered[slot];
    if (c.used && c.start == Stamp && same(c.record, in)) {
        Stamp = c.stamp;
        return kDone;
    }
    const int32_t start = Stamp;
    const int rc = set_date(in.month, in.day, in.year - 1900);
    if (rc != kDone)
        return rc;
    if (const int timeRc = set_time(in.hour, in.minute, in.second); timeRc != kDone)
        return timeRc;
    c = Conversion{start, in, Stamp, true};
    return kDone;
}
