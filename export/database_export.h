// Export of databases (information resources): the database record with its
// agent sites and security groups, and the root export of a database with all
// its tables.
#pragma once

#include "export/tag_property.h"
#include "runtime/return_code.h"

class InformationResource;

// One "DATABASE" object, its agent sites and its security groups.
HQRC export_InfoRes(InformationResource* ir);
// The database and a CONTAIN record from the program that owns it.
HQRC export_InfoRes_forUDP(InformationResource* ir, Euit_ParmList& programKeys);
// The database, then every table of it.
HQRC export_IR_root(InformationResource* ir);
