// Rows of steps, processes and what they refer to for a scratch warehouse,
// and a run of the program over its processes with the run's switches.
#pragma once

#include <string>
#include <vector>

#include "dictionary/business_view.h"
#include "dictionary/bv_schedule.h"
#include "dictionary/process.h"
#include "dictionary/program.h"
#include "dictionary/program_type.h"
#include "dictionary/security_group.h"
#include "tests/common/odbc_test_env.h"
#include "tests/exporters/scratch_warehouse.h"

namespace export_test {

class StepRows {
public:
    explicit StepRows(ScratchWarehouse& w) : w_(w) {}

    // A step; columns and values add further columns of its row.
    void step(const std::string& id, const std::string& name, const std::string& columns = "",
              const std::string& values = "") {
        w_.add<BusinessView>(id, name);
        w_.stored("BusinessView", id, columns, values);
    }

    // A process of type 1 holding the steps.
    void process(const std::string& id, const std::string& name,
                 const std::vector<std::string>& steps) {
        w_.add<Process>(id, name, [](Process& p) { p.editFields().processType = 1; });
        for (const std::string& step : steps)
            w_.relation(rel::Process_TO_BV, id, step);
    }

    // A schedule (name "NULL" leaves it NULL) of an owner (a step or a
    // process, by the relation) with its fourteen stored integers in column
    // order: type, second, minute, hour, day of week, day of month, month,
    // year since 1900, frequency, dates, days, end day, end month, end year.
    void schedule(const std::string& id, const std::string& name, const Relation& relation,
                  const std::string& owner, const std::vector<int>& fields) {
        std::string values = name == "NULL" ? "NULL" : "'" + ScratchWarehouse::quoted(name) + "'";
        for (int f : fields)
            values += ", " + std::to_string(f);
        w_.add<BVSchedule>(id, name == "NULL" ? "" : name);
        w_.stored("BVSchedule", id,
                  "name, schedType, second, minute, hour, dayOfWeek, dayOfMonth, monthOfYear, "
                  "year, frequencyType, datesInMonth, daysInMonth, endDateDay, endDateMonth, "
                  "endDateYear",
                  values);
        w_.relation(relation, owner, id);
    }

    // A security group.
    void group(const std::string& id, const std::string& name) { w_.add<SecurityGroup>(id, name); }

    // Makes the step a notification step: it runs an instance of a program
    // of program type 6 (written once, with the first call).
    void notificationProgram(const std::string& step, const std::string& instance) {
        if (!notificationProgram_) {
            w_.add<ProgType>("TY00000006", "Notify");
            w_.stored("PROGTYPE", "TY00000006", "programType, progNum",
                      "'Notification program', 6");
            w_.add<ProgFunc>("PF00000006", "Mail",
                             [](ProgFunc& f) { f.editFields().programName = L"mailer"; });
            w_.relation(rel::UDP_TO_ProgType, "PF00000006", "TY00000006");
            notificationProgram_ = true;
        }
        w_.add<AggreFunc>(instance, "", [](AggreFunc& f) { f.setInstance(L"AggreFunc", L""); });
        w_.stored("ProgFunc2", instance, "name", "NULL");
        w_.relation(rel::UDP_TO_AggreFuncs, instance, "PF00000006");
        w_.relation(rel::BV_TO_AggregFunc, step, instance);
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
    ScratchWarehouse& w_;
    bool notificationProgram_ = false;
};

} // namespace export_test
