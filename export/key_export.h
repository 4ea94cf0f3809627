// Export of the keys of a table (primary and foreign keys) and of their key
// maps, the column pairs that make up a key.
#pragma once

#include "export/tag_property.h"
#include "runtime/return_code.h"

class ForeignKey;
class KeyMap;
class PrimaryKey;

// One "QRTPKEY" object, its CONTAIN record from the table, its key maps.
HQRC export_PrimaryKey(PrimaryKey* key, Euit_ParmList& tableKeys);
// The referenced table, one "QRTFKEY" object, its LINK to the primary key it
// refers to, its CONTAIN record from the table, its key maps. Without a
// referenced primary key the referenced-table export and the LINK are
// skipped; with a primary key that has no table only the table export is.
HQRC export_ForeignKey(ForeignKey* key, Euit_ParmList& tableKeys);
// One "QRTKYMAP" object, the relation instances to its two columns and its
// CONTAIN record from the key (ownerType 23 or 24).
HQRC export_KeyMap(KeyMap* map, Euit_ParmList& ownerKeys, int ownerType);
