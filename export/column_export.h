// Export of columns (attributes) of a table.
#pragma once

#include "export/tag_property.h"

class Attribute;

// One "COLUMN" object and its CONTAIN record from the table with tableKeys.
void export_Attribute(Attribute* column, Euit_ParmList& tableKeys);
