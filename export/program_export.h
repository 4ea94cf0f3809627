// Export of user-defined programs: program groups with their programs, each
// program with its parameters, group, agent sites and databases, and the
// parameters of a program or of a program instance. Programs and groups that
// come with the warehouse are registered but not written.
#pragma once

#include "dictionary/object_type.h"
#include "export/tag_property.h"
#include "runtime/return_code.h"

class ProgFunc;
class ProgParm;
class UDPBaseFunc;
class UDPGrouping;

// The group, then every program of the group. Returns the code that ended the
// walk over the programs (0 at its normal end).
HQRC export_UDPGrouping(UDPGrouping* group);
// One "QRTUDPGR" object, unless the group is predefined.
void export_UDPGroup(UDPGrouping* group);
// One "QRTPROGF" object (unless the program is predefined) with its
// parameters, the CONTAIN record from its group, and its agent sites and
// databases. Fills programKeys with the program's keys in every case; returns
// code 0 (failures are raised).
HQRC export_UDP(ProgFunc* program, Euit_ParmList& programKeys);
// The parameters of a program (ownerType ProgFunc) or of a program instance
// (AggreFunc), in their order, each with a CONTAIN record from the owner.
void export_ProgParms(UDPBaseFunc* function, Euit_ParmList& ownerKeys, DIRObjectType ownerType);
// One "QRTPARM" object with a CONTAIN record from its owner.
void export_ProgParm_forUDP(ProgParm* parm, Euit_ParmList& ownerKeys, DIRObjectType ownerType);
