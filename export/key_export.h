// Export of the keys of a table (primary and foreign keys) and of their key
// maps, the column pairs that make up a key.
#pragma once

#include "dictionary/object_type.h"
#include "export/tag_property.h"

class ForeignKey;
class KeyMap;
class PrimaryKey;

// One "QRTPKEY" object, its CONTAIN record from the table, its key maps.
void export_PrimaryKey(PrimaryKey* key, Euit_ParmList& tableKeys);
// The referenced table, one "QRTFKEY" object, its LINK to the primary key it
// refers to, its CONTAIN record from the table, its key maps. Without a
// referenced primary key the referenced-table export and the LINK are
// skipped; with a primary key that has no table only the table export is.
void export_ForeignKey(ForeignKey* key, Euit_ParmList& tableKeys);
// One "QRTKYMAP" object, the relation instances to its two columns and its
// CONTAIN record from the key (ownerType PrimaryKey or ForeignKey).
void export_KeyMap(KeyMap* map, Euit_ParmList& ownerKeys, DIRObjectType ownerType);
