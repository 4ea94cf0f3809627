// Export of star schemas: the schema record, its tables and its join links
// with the relation instances that name their columns.
#pragma once

#include "dictionary/object_type.h"
#include "export/tag_property.h"
#include "runtime/return_code.h"

class AttributeLink;
class StarSchema;

// The "STARSCHM" object, then each of its tables (written once per run) with
// a CONTAIN record from the schema, then its join links. Returns the end code
// of the join-link walk (0 on a normal end).
HQRC export_Schema(StarSchema* schema);
// One "QRTATLNK" object and its CONTAIN record from the owner (ownerType);
// for a link of type 0 also the relation instances to its two columns, each
// with its LINK records. A column the link does not name is passed over.
void export_AttributeLink(AttributeLink* link, Euit_ParmList& ownerKeys, DIRObjectType ownerType);
