// Export of schedules: the "QRTSCHED" record of a schedule of a step or of a
// process, its times in their text forms.
#pragma once

#include "export/tag_property.h"

class BVSchedule;

// One "QRTSCHED" object (once per run). A schedule without a name is named
// after its owner: the value of the NAME key of ownerKeys (the keys of its
// step or process). No relation and no checkpoint: the caller writes the
// CONTAIN record from the owner.
void export_BVSchedule(BVSchedule* schedule, const Euit_ParmList& ownerKeys);
