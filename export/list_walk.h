// The one way an exporter walks a list of related objects: the members of a
// relation collection (handed out by its getter) or the rows of a list opened
// on a cursor object. Each walk names, at its call site, what becomes of the
// code that ends it.
#pragma once

#include <type_traits>
#include <utility>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"
#include "export/export_error.h"

// What becomes of the code that ends a walk. The normal end of a list (3142,
// or the last member of a collection) always ends it quietly, with code 0.
enum class WalkEnd {
    RaiseErrors,  // any other code is raised
    ReturnErrors, // any other code is handed back to the caller
    SkipErrors,   // any other code is dropped: the walk just stops
};

namespace walk_detail {
// Calls each on one element. An each that returns an HQRC stops the walk with
// a non-zero code; any other each runs for every element (its failures are
// thrown).
template <class Each, class T> HQRC visit(Each& each, T& element) {
    if constexpr (std::is_same_v<std::invoke_result_t<Each&, T&>, HQRC>) {
        return each(element);
    } else {
        each(element);
        return HQRC();
    }
}

inline HQRC endWith(const HQRC& rc, WalkEnd end) {
    if (rc.code == 0 || rc.code == kDirNotFound || end == WalkEnd::SkipErrors)
        return HQRC();
    if (end == WalkEnd::RaiseErrors)
        raiseIfFailed(rc);
    return rc;
}
} // namespace walk_detail

// What a walk over a collection keeps of a member after visiting it.
enum class WalkKeep {
    Members, // the collection keeps every member it read
    Nothing, // each member is dropped after its visit (read again if asked
             // for again): a walk over many large members stays within the
             // memory of one
};

// Walks the members of the collection that getter hands out (a RelationList
// member such as table->getAttributeList); a getter that fails ends the walk
// like any other code.
template <class T, class Each>
HQRC walkRelated(RelationList<T>& getter, WalkEnd end, Each each,
                 WalkKeep keep = WalkKeep::Members) {
    HQRC rc;
    RelationCollection<T>* members = getter(rc);
    if (members != nullptr) {
        for (T* member = members->getFirst(rc); member != nullptr && rc.code == 0;
             member = members->getNext(rc)) {
            rc = walk_detail::visit(each, *member);
            if (keep == WalkKeep::Nothing)
                members->releaseCurrent();
            if (rc.code != 0)
                break;
        }
    }
    return walk_detail::endWith(rc, end);
}

// Walks the rows of a list whose first row the cursor object already holds:
// first is the result of its listFirst... call; the object moves on with
// listNext.
template <class T, class Each> HQRC walkRows(T& cursor, HQRC first, WalkEnd end, Each each) {
    HQRC rc = std::move(first);
    while (rc.code == 0) {
        rc = walk_detail::visit(each, cursor);
        if (rc.code == 0)
            rc = cursor.listNext();
    }
    return walk_detail::endWith(rc, end);
}
