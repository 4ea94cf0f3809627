// The relation instances that tie an object to the columns it names (a key
// map's, a step map's and a join link's two columns): one pass per column,
// in a fixed order. A pass whose column is missing writes nothing; otherwise
// it writes a relation instance of its type carrying the object's keys and two
// relation records: one from the object to the instance and one from the
// instance to the column. The columns themselves are written with their
// tables.
#pragma once

#include <span>

#include "dictionary/attribute.h"
#include "dictionary/object_type.h"
#include "dictionary/relation_collection.h"
#include "export/export_registry.h"
#include "export/property_table.h"
#include "export/tag_vocabulary.h"
#include "export/tag_writer.h"

// One pass: the getter of the column and the relation type of the instance.
template <class T> struct ColumnPass {
    RelatedObject<Attribute> T::*column;
    NameNType2::relobjType relationType;
};

// How a kind of object writes the two relation records of a pass.
struct ColumnPassRecords {
    bool contain;           // CONTAIN records, else LINK records
    bool columnRecordFirst; // the record to the column before the one from the object
};

// Runs the passes for object (of type objectType, with keys). A failing
// column getter is raised.
template <class T>
void writeColumnPasses(T& object, DIRObjectType objectType, const Euit_ParmList& keys,
                       std::span<const ColumnPass<T>> passes, ColumnPassRecords records) {
    const auto relate = records.contain ? writeContain : writeLink;
    for (const ColumnPass<T>& pass : passes) {
        HQRC rc;
        Attribute* column = (object.*pass.column)(rc);
        raiseIfFailed(rc);
        if (!column)
            continue;
        Euit_ParmList columnKeys;
        Tag_ExpList::getInstance().getKeys(column, columnKeys);
        export_relinstance(pass.relationType, keys);
        if (records.columnRecordFirst) {
            relate(pass.relationType, keys, DIRObjectType::Attribute, columnKeys);
            relate(objectType, keys, pass.relationType, keys);
        } else {
            relate(objectType, keys, pass.relationType, keys);
            relate(pass.relationType, keys, DIRObjectType::Attribute, columnKeys);
        }
    }
}
