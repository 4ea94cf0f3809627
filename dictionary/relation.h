// The relations of the relationship table as data: one Relation per row of
// dictionary/relations.def (rel::IR_TO_DR_Rel ...), the two sides of a
// relation and how many partners an object has on each, and the one builder
// of the subquery "identifiers of the objects related to X through R".
#pragma once

#include <cstdint>
#include <string_view>

#include "dictionary/object_type.h"
#include "runtime/hq_string.h"
#include "runtime/return_code.h"

class DIRId;

// The side of a relation an object stands on.
enum class RelationSide : uint8_t { Source, Target };

// How many objects of the other side an object may be related to.
enum class Cardinality : uint8_t { Single, Multi };

constexpr RelationSide opposite(RelationSide side) {
    return side == RelationSide::Source ? RelationSide::Target : RelationSide::Source;
}

struct Relation {
    std::wstring_view name; // the stored relation_name
    DIRObjectType source;
    DIRObjectType target;
    Cardinality targetsPerSource;
    Cardinality sourcesPerTarget;
    uint8_t index; // position in rel::all

    // The object type on a side.
    constexpr DIRObjectType typeOn(RelationSide side) const {
        return side == RelationSide::Source ? source : target;
    }
    // How many partners an object on a side has.
    constexpr Cardinality partnersOf(RelationSide side) const {
        return side == RelationSide::Source ? targetsPerSource : sourcesPerTarget;
    }
};

namespace rel {
enum RelationIndex : uint8_t {
#define QRT_RELATION(name, ...) name##Index,
#include "dictionary/relations.def"
#undef QRT_RELATION
};
#define QRT_RELATION(name, source, target, perSource, perTarget)                                   \
    inline constexpr Relation name{L## #name,                                                      \
                                   DIRObjectType::source,                                          \
                                   DIRObjectType::target,                                          \
                                   Cardinality::perSource,                                         \
                                   Cardinality::perTarget,                                         \
                                   name##Index};
#include "dictionary/relations.def"
#undef QRT_RELATION

// Every relation, in table order.
inline constexpr const Relation* all[] = {
#define QRT_RELATION(name, ...) &name,
#include "dictionary/relations.def"
#undef QRT_RELATION
};

// The relation of a stored name; null for a name that is not in the table.
const Relation* byName(std::wstring_view name);
} // namespace rel

// Write side of the relationship table, whatever collections the classes
// keep: the row saying that `source` is related to `target`; the removal of
// that row, and of every row of a relation with `id` on one side.
HQRC insertRelationRow(const Relation& relation, const DIRId& source, const DIRId& target);
HQRC deleteRelationRow(const Relation& relation, const DIRId& source, const DIRId& target);
HQRC deleteRelationRows(const Relation& relation, RelationSide side, const DIRId& id);

// "(select <other side>_qrtid from <schema>.relationship where
// relation_name='<name>' and <known side>_qrtid = ?)": the identifiers of the
// objects related through `relation` to the one object on side `known` whose
// identifier is the parameter.
HQSTRING relatedIdsQuery(const Relation& relation, RelationSide known);
// The same for the objects related to any of the objects whose identifiers
// the subquery knownIds selects: "... and <known side>_qrtid in <knownIds>)".
HQSTRING relatedIdsQuery(const Relation& relation, RelationSide known, const HQSTRING& knownIds);
