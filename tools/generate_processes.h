// The processes of the warehouse generator: processes (one in four without
// a subject, some of the types 2 and 3 that general lists leave out) with
// their subjects, tables, security groups, steps, notification steps and
// schedules, the schedules of some steps, and the custom calendars some
// schedules follow. Schedules store
// their years as years since 1900, months and days now and then as -1; some
// pairs of a process's schedules start at the same time, and they are
// written out of their calendar order. Names are hostile like the rest of
// the generator's: quotes, parentheses, non-ASCII letters, blanks only,
// empty and NULL names.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tools/warehouse_sql.h"

namespace warehouse_sql {

// What the process part uses of the generator it is part of.
struct ProcessHooks {
    std::function<std::string()> newId;
    std::function<Value()> stamp;
    std::function<Value(const std::string& what)> shortDescription;
    // A long description now and then, over several string rows.
    std::function<void(const char* key, const std::string& id, const std::string& what)>
        longDescription;
    std::function<void(const char* relation, const std::string& source, const std::string& target)>
        relate;
    // One row of the strings table.
    std::function<void(const char* key, const std::string& id, long seqno, const std::string& text)>
        text;
};

// The objects of other parts that processes and subjects refer to.
struct ProcessMembers {
    std::vector<std::string> tables;
    std::vector<std::string> groups;
    std::vector<std::string> steps;
    // Steps whose program is a notification program (program type 6).
    std::vector<std::string> notificationSteps;
    // Steps with schedules.
    std::vector<std::string> scheduledSteps;
};

class ProcessWriter {
public:
    ProcessWriter(std::ostream& out, Rng& rng, ProcessHooks hooks)
        : rng(rng), hooks(std::move(hooks)),
          processRows(out, "Process",
                      "qrtid, updated_by, update_ts, name, short_description, SubjectName, "
                      "contact, processType"),
          subjectRows(out, "Subject",
                      "qrtid, updated_by, update_ts, name, short_description, contact"),
          scheduleRows(out, "BVSchedule",
                       "qrtid, updated_by, update_ts, name, short_description, schedType, "
                       "second, minute, hour, dayOfWeek, dayOfMonth, monthOfYear, year, "
                       "frequencyType, datesInMonth, daysInMonth, endDateDay, endDateMonth, "
                       "endDateYear"),
          calendarRows(out, "CUSTCAL", "qrtid, updated_by, update_ts, name, short_description"),
          dateRows(out, "CALDATE",
                   "qrtid, updated_by, update_ts, name, short_description, specificDate") {}

    void write(long processes, const ProcessMembers& members) {
        if (processes <= 0)
            return;
        writeCalendars(std::max(1L, processes / 2));
        writeSubjects(std::max(1L, processes / 3), members);
        std::vector<std::string> processIds;
        for (long p = 0; p < processes; ++p)
            processIds.push_back(writeProcess(p, members));
        for (size_t s = 0; s < members.scheduledSteps.size(); ++s)
            writeSchedules(static_cast<long>(s), members.scheduledSteps[s], "BV_TO_Schedule");
        // Each step belongs to at most one process, and is started by at
        // most one process on success and one on failure; every fifth step
        // belongs to none.
        for (size_t s = 0; s < members.steps.size(); ++s)
            if (s % 5 != 4)
                hooks.relate("Process_TO_BV", processIds[s % processIds.size()], members.steps[s]);
        for (size_t n = 0; n < members.notificationSteps.size(); ++n) {
            const std::string& step = members.notificationSteps[n];
            const std::string& process = processIds[n % processIds.size()];
            switch (n % 3) {
            case 0: // in both lists of one process
                hooks.relate("Process_TO_BVPOSTCAS", process, step);
                hooks.relate("Process_TO_BVPOSTCAF", process, step);
                break;
            case 1:
                hooks.relate("Process_TO_BVPOSTCAS", process, step);
                hooks.relate("Process_TO_BVPOSTCAF", processIds[(n + 1) % processIds.size()], step);
                break;
            default:
                hooks.relate("Process_TO_BVPOSTCAF", process, step);
                break;
            }
        }
    }

    long objectCount() const {
        return processRows.count() + subjectRows.count() + scheduleRows.count() +
               calendarRows.count() + dateRows.count();
    }

    // Names the processes under "<PROC>" in the input file.
    void listProcesses(std::ostream& input) const {
        input << "<PROC>\n";
        for (const std::string& name : processNames)
            input << name << '\n';
    }

private:
    // The fourteen stored integers of a schedule, in column order.
    using ScheduleFields = std::vector<long>;

    static Value admin() { return Value::text("GENERATOR"); }

    void writeCalendars(long count) {
        static constexpr const char* names[] = {"Month end %ld", "Jahresende (%ld) – Ärger",
                                                "O'Brien's holidays %ld", "締め日 %ld"};
        for (long c = 0; c < count; ++c) {
            const std::string id = hooks.newId();
            const std::string name = format(names[c % std::size(names)], c);
            calendarRows.add({Value::text(id), admin(), hooks.stamp(), Value::text(name),
                              hooks.shortDescription(name)});
            hooks.longDescription("CUSTCALDesc", id, name);
            calendarIds.push_back(id);
            const long dates = 1 + static_cast<long>(rng.below(4));
            for (long d = 0; d < dates; ++d) {
                const std::string dateId = hooks.newId();
                const long year = 1995 + static_cast<long>(rng.below(40));
                const long month = 1 + static_cast<long>(rng.below(12));
                const long day = 1 + static_cast<long>(rng.below(28));
                const long hour = static_cast<long>(rng.below(24));
                const Value when =
                    rng.oneIn(9) ? Value::null()
                                 : Value::text(format("%04ld-%02ld-%02ld ", year, month, day) +
                                               format("%02ld:00:00", hour));
                dateRows.add({Value::text(dateId), admin(), hooks.stamp(),
                              d == 2 ? Value::null() : Value::text(format("Date %ld (%ld)", d, c)),
                              hooks.shortDescription("date"), when});
                hooks.longDescription("CALDDesc", dateId, "a calendar date");
                hooks.relate("CustCal_TO_Date", id, dateId);
            }
        }
    }

    void writeSubjects(long count, const ProcessMembers& members) {
        static constexpr const char* names[] = {"Subject %ld – Verkäufe (\"EU\")",
                                                "Sales & Co's %ld", "Finanzen %ld", "(closed) %ld"};
        for (long s = 0; s < count; ++s) {
            const std::string id = hooks.newId();
            const std::string name = format(names[s % std::size(names)], s);
            subjectRows.add({Value::text(id), admin(), hooks.stamp(), Value::text(name),
                             hooks.shortDescription(name),
                             s % 2 ? Value::null() : Value::text("Müller (BI) 'team'")});
            hooks.longDescription("COLDesc", id, name);
            subjects.emplace_back(id, name);
            if (!members.groups.empty())
                hooks.relate("COLL_TO_SG", id, members.groups[s % members.groups.size()]);
            for (size_t b = static_cast<size_t>(s); b < members.steps.size();
                 b += static_cast<size_t>(count) + 1)
                hooks.relate("COLL_TO_BV", id, members.steps[b]);
        }
    }

    std::string writeProcess(long p, const ProcessMembers& members) {
        static constexpr const char* names[] = {
            "Process %ld (nightly) 'load'", "Prozeß %ld – Ärger's", "Proc_%ld", "処理 %ld (月末)"};
        const std::string id = hooks.newId();
        const std::string name = format(names[p % std::size(names)], p);
        processNames.push_back(name);
        const bool withSubject = p % 4 != 3;
        const auto& [subjectId, subjectName] = subjects[static_cast<size_t>(p) % subjects.size()];
        const long type = p % 6 == 2 ? 2 : p % 6 == 5 ? 3 : 1;
        processRows.add(
            {Value::text(id), admin(), hooks.stamp(), Value::text(name),
             hooks.shortDescription(name), withSubject ? Value::text(subjectName) : Value::null(),
             p % 3 ? Value::null() : Value::text("O'Neil (ops, ext. 12)"), Value::number(type)});
        hooks.longDescription("ProcessDesc", id, name);
        if (p % 2 == 0) {
            hooks.text("graphicsData", id, 1, format("BV at (%ld,%ld); ", p * 10, p * 20));
            hooks.text("graphicsData", id, 2, "link (a)->(b) 'dashed'");
        }
        if (withSubject)
            hooks.relate("COLL_TO_Process", subjectId, id);
        for (size_t k = 0; k < members.tables.size() && k < 1 + static_cast<size_t>(p % 3); ++k)
            hooks.relate("Process_TO_DR", id,
                         members.tables[(static_cast<size_t>(p) * 3 + k) % members.tables.size()]);
        if (p % 2 == 0 && !members.groups.empty())
            hooks.relate("Process_TO_SG", id,
                         members.groups[static_cast<size_t>(p) % members.groups.size()]);
        if (p % 5 != 3)
            writeSchedules(p, id, "Process_TO_BVSchedul");
        return id;
    }

    // One to three schedules of a process or step (the relation's source).
    // In one owner of three the second starts with the first, with another
    // type (with the same type in one of six); the rows are written last one
    // first.
    void writeSchedules(long p, const std::string& ownerId, const char* relation) {
        const long count = 1 + p % 3;
        std::vector<std::pair<std::string, ScheduleFields>> schedules;
        for (long s = 0; s < count; ++s) {
            ScheduleFields f = randomSchedule();
            if (s == 1 && p % 3 == 1) {
                const long type = f[0];
                f = schedules[0].second;
                if (p % 6 != 4)
                    f[0] = type == f[0] ? type % 5 + 1 : type;
            }
            schedules.emplace_back(hooks.newId(), std::move(f));
        }
        for (auto it = schedules.rbegin(); it != schedules.rend(); ++it) {
            const auto& [id, f] = *it;
            static constexpr const char* names[] = {"Run (%ld) 'night'", "Läuft – %ld", "   ", "",
                                                    "月末 %ld"};
            const size_t form = scheduleCount++ % (std::size(names) + 1);
            const Value name =
                form == std::size(names) ? Value::null() : Value::text(format(names[form], p));
            scheduleRows.add(
                {Value::text(id), admin(), hooks.stamp(), name, hooks.shortDescription("schedule"),
                 Value::number(f[0]), Value::number(f[1]), Value::number(f[2]), Value::number(f[3]),
                 Value::number(f[4]), Value::number(f[5]), Value::number(f[6]), Value::number(f[7]),
                 Value::number(f[8]), Value::number(f[9]), Value::number(f[10]),
                 Value::number(f[11]), Value::number(f[12]), Value::number(f[13])});
            hooks.longDescription("BVSched", id, "schedule");
            hooks.relate(relation, ownerId, id);
            if (rng.oneIn(3))
                hooks.relate("BVS_TO_CustCalender", id,
                             calendarIds[rng.below(static_cast<uint32_t>(calendarIds.size()))]);
        }
    }

    // schedType, second, minute, hour, dayOfWeek, dayOfMonth, monthOfYear,
    // year (since 1900), frequencyType, datesInMonth, daysInMonth and the
    // end day, month and year (since 1900, 0 for none).
    ScheduleFields randomSchedule() {
        const auto orMinusOne = [&](long value) { return rng.oneIn(10) ? -1L : value; };
        const bool ends = !rng.oneIn(4);
        return {1 + static_cast<long>(rng.below(5)),
                static_cast<long>(rng.below(60)),
                static_cast<long>(rng.below(60)),
                static_cast<long>(rng.below(24)),
                orMinusOne(rng.below(7)),
                orMinusOne(1 + rng.below(28)),
                orMinusOne(1 + rng.below(12)),
                95 + static_cast<long>(rng.below(40)),
                1 + static_cast<long>(rng.below(6)),
                static_cast<long>(rng.below(1u << 20)),
                static_cast<long>(rng.below(128)),
                ends ? 1 + static_cast<long>(rng.below(28)) : 0,
                ends ? 1 + static_cast<long>(rng.below(12)) : 0,
                ends ? 99 + static_cast<long>(rng.below(42)) : 0};
    }

    Rng& rng;
    ProcessHooks hooks;
    InsertBatch processRows, subjectRows, scheduleRows, calendarRows, dateRows;
    std::vector<std::string> calendarIds, processNames;
    size_t scheduleCount = 0;
    std::vector<std::pair<std::string, std::string>> subjects; // identifier, name
};

} // namespace warehouse_sql
