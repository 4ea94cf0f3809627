// Rows of steps, processes and what they refer to for a scratch warehouse,
// and a run of the program over its processes with the run's switches.
#pragma once

#include <string>
#include <vector>

#include "tests/common/odbc_test_env.h"
#include "tests/exporters/scratch_warehouse.h"

namespace export_test {

class StepRows {
public:
    explicit StepRows(ScratchWarehouse& w) : w_(w) {}

    // A step; columns and values add further columns of its row.
    void step(const std::string& id, const std::string& name, const std::string& columns = "",
              const std::string& values = "") {
        w_.sql("INSERT INTO BusinessView (qrtid, name" + more(columns) + ") VALUES ('" + id +
               "', '" + ScratchWarehouse::quoted(name) + "'" + more(values) + ");");
    }

    // A process of type 1 holding the steps.
    void process(const std::string& id, const std::string& name,
                 const std::vector<std::string>& steps) {
        w_.sql("INSERT INTO Process (qrtid, name, processType) VALUES ('" + id + "', '" +
               ScratchWarehouse::quoted(name) + "', 1);");
        for (const std::string& step : steps)
            w_.relation("Process_TO_BV", id, step);
    }

    // A schedule (name "NULL" leaves it NULL) of an owner (a step or a
    // process, by the relation) with its fourteen stored integers in column
    // order: type, second, minute, hour, day of week, day of month, month,
    // year since 1900, frequency, dates, days, end day, end month, end year.
    void schedule(const std::string& id, const std::string& name, const std::string& relation,
                  const std::string& owner, const std::vector<int>& fields) {
        std::string values;
        for (int f : fields)
            values += ", " + std::to_string(f);
        const std::string stored =
            name == "NULL" ? name : "'" + ScratchWarehouse::quoted(name) + "'";
        w_.sql("INSERT INTO BVSchedule (qrtid, name, schedType, second, minute, hour, dayOfWeek, "
               "dayOfMonth, monthOfYear, year, frequencyType, datesInMonth, daysInMonth, "
               "endDateDay, endDateMonth, endDateYear) VALUES ('" +
               id + "', " + stored + values + ");");
        w_.relation(relation, owner, id);
    }

    // A security group.
    void group(const std::string& id, const std::string& name) {
        w_.sql("INSERT INTO SecurityGroup (qrtid, name) VALUES ('" + id + "', '" +
               ScratchWarehouse::quoted(name) + "');");
    }

    // Makes the step a notification step: it runs an instance of a program
    // of program type 6 (written once, with the first call).
    void notificationProgram(const std::string& step, const std::string& instance) {
        if (!notificationProgram_) {
            w_.sql("INSERT INTO PROGTYPE (qrtid, name, programType, progNum) VALUES "
                   "('TY00000006', 'Notify', 'Notification program', 6);"
                   "INSERT INTO ProgFunc2 (qrtid, name, programName, uniqueKey, OLVDefined) "
                   "VALUES ('PF00000006', 'Mail', 'mailer', 'ProgFunc', 0);");
            w_.relation("UDP_TO_ProgType", "PF00000006", "TY00000006");
            notificationProgram_ = true;
        }
        w_.sql("INSERT INTO ProgFunc2 (qrtid, uniqueKey) VALUES ('" + instance +
               "', 'AggreFunc');");
        w_.relation("UDP_TO_AggreFuncs", instance, "PF00000006");
        w_.relation("BV_TO_AggregFunc", step, instance);
    }

    // Loads the warehouse and exports the processes with the options.
    ExportResult exportProcesses(const std::vector<std::string>& names,
                                 const std::string& options = "") {
        w_.load();
        return exportAgain(names, options);
    }
    // Another run on the warehouse loaded before.
    ExportResult exportAgain(const std::vector<std::string>& names,
                             const std::string& options = "") {
        std::string input = "<PROC>\n";
        for (const std::string& name : names)
            input += name + "\n";
        return runExport(w_.dir(), "QRTWH", input, "qrt", "qrtpw", "QRT", options);
    }

private:
    static std::string more(const std::string& list) { return list.empty() ? "" : ", " + list; }

    ScratchWarehouse& w_;
    bool notificationProgram_ = false;
};

} // namespace export_test
