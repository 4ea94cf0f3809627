// Export of processes and subjects, and the cascade pass: a process with its
// subject, steps, tables and security groups and, with the cascade switch on,
// its schedules and the steps it notifies; after the last section, the
// relations between every exported step and the steps it starts.
#pragma once

#include "export/tag_property.h"
#include "runtime/return_code.h"

class BusinessView;
class Process;
class Subject;

// The process (once per run) with everything it refers to. cascade and
// relation are the run's switches (see export_BV). Returns the first failure
// of a walk that did not end the run, else 0.
HQRC export_Process_root(Process* process, int cascade, int relation);
// One "INFOGRPS" object (once per run) with its security groups.
void export_Sub(Subject* subject);
// The relation records from the step to the steps it starts on success and
// on failure, once per step and run. Returns the failure of a walk, else 0.
HQRC export_cascades(BusinessView* step);
// export_cascades for every step exported in this run, each found again by
// its name. A failure ends the run.
HQRC export_all_cascades();
