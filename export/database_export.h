// Export of databases (information resources): the database record with its
// agent sites and security groups, and the root export of a database with all
// its tables.
#pragma once

#include "export/tag_property.h"

class InformationResource;

// One "DATABASE" object, its agent sites and its security groups.
void export_InfoRes(InformationResource* ir);
// The database and a CONTAIN record from the program that owns it.
void export_InfoRes_forUDP(InformationResource* ir, Euit_ParmList& programKeys);
// The database, then every table of it.
void export_IR_root(InformationResource* ir);
