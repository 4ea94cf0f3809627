// Export of columns (attributes) of a table.
#pragma once

#include "export/tag_property.h"
#include "runtime/return_code.h"

class Attribute;

// One "COLUMN" object and a CONTAIN record from the table with tableKeys.
HQRC export_Attribute(Attribute* column, Euit_ParmList& tableKeys);
