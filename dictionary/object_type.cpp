// Names of the object types, from the object-type table.
#include "dictionary/object_type.h"

#include <iterator>

namespace {
struct TypeName {
    int32_t number;
    const wchar_t* name;
};

#define QRT_OBJECT_TYPE(number, name, ...) {number, L## #name},
constexpr TypeName kTypeNames[] = {
#include "dictionary/object_types.def"
};
#undef QRT_OBJECT_TYPE

// The table lists every number from 0 on, in order, so a number is its index.
constexpr bool numberedInOrder() {
    for (size_t i = 0; i < std::size(kTypeNames); ++i)
        if (kTypeNames[i].number != static_cast<int32_t>(i))
            return false;
    return true;
}
static_assert(numberedInOrder(), "object types must be listed as 0, 1, 2 ... in order");
} // namespace

HQSTRING objectTypeToString(int32_t type) {
    if (type < 1 || type >= static_cast<int32_t>(std::size(kTypeNames)))
        return kTypeNames[0].name;
    return kTypeNames[type].name;
}

int32_t objectTypeFromString(const HQSTRING& name) {
    for (size_t i = 1; i < std::size(kTypeNames); ++i)
        if (name == kTypeNames[i].name)
            return kTypeNames[i].number;
    return 0;
}
