// Export of tables and files (data resources) with their database, columns,
// primary key and foreign keys.
#pragma once

#include "runtime/return_code.h"

class DataResource;

// The table's database, the "TABLES" object and its CONTAIN record from the
// database, its columns, its primary key and its foreign keys. Returns the end
// code of the foreign-key walk (0 on a normal end).
HQRC export_DataRes(DataResource* table);
