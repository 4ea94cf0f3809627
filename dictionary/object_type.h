// The object-type numbers of the metadata classes (0..32) and their names,
// which are also the type tokens that messages and the tag vocabulary use.
// Both come from the object-type table (dictionary/object_types.def).
#pragma once

#include <cstdint>

#include "runtime/hq_string.h"

enum class DIRObjectType : int32_t {
#define QRT_OBJECT_TYPE(number, name, ...) name = number,
#include "dictionary/object_types.def"
#undef QRT_OBJECT_TYPE
};

// "None" for a number outside 1..32.
HQSTRING objectTypeToString(int32_t type);
inline HQSTRING objectTypeToString(DIRObjectType type) {
    return objectTypeToString(static_cast<int32_t>(type));
}
// Exact, case-sensitive; an unknown name gives 0.
int32_t objectTypeFromString(const HQSTRING& name);
