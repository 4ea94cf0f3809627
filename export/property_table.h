// The one mechanism that writes an object's property lines: each exporter
// describes its properties as a table of rows (name, value, form, condition),
// and writeProperties turns the rows into tag lines. Also the small pieces
// every exporter shares: raising a failure, ending a list walk, relation
// records by their CONTAIN/LINK kind.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "export/tag_property.h"
#include "export/tag_writer.h"
#include "runtime/hq_string.h"
#include "runtime/return_code.h"

// How a property value is written.
enum class PropertyForm {
    Wrapped,           // parentheses protected, always written
    WrappedIfNonEmpty, // parentheses protected, only a non-empty value
    Text,              // as it is, always written
    TextIfNonEmpty,    // as it is, only a non-empty value
    Decimal,           // a number in plain decimal
    YesIfOne,          // "Y" when the number is 1, else "N"
    YesIfNonZero,      // "Y" when the number is not 0, else "N"
    EachKey,           // every property of the object's key list, in list order
};

// A property value: a text or a number (flags are numbers).
using PropertyValue = std::variant<HQSTRING, long>;

// One row of an exporter's property table. value may fill the HQRC; a
// non-zero code is raised. A row with a condition is written only when the
// condition holds. EachKey rows have neither name nor value.
template <class T> struct PropertyRow {
    std::wstring_view name;
    PropertyForm form;
    PropertyValue (*value)(T& object, HQRC& rc) = nullptr;
    bool (*condition)(T& object) = nullptr;
};

// Raises a non-zero return code as an exception carrying a copy of it.
inline void raiseIfFailed(const HQRC& rc) {
    if (rc.code != 0) {
        throw rc;
    }
}

inline HQRC exportOk() {
    return HQRC(0, 0, 3);
}

// The end of a list walk: 3142 (no further row) becomes 0, any other non-zero
// code is raised.
HQRC endOfWalk(const HQRC& rc);

// Writes one property in its form (nothing for an empty value of an
// "if non-empty" form, nothing for EachKey).
void writeProperty(std::wstring_view name, PropertyForm form, const PropertyValue& value);

template <class T>
void writeProperties(std::span<const PropertyRow<T>> rows, T& object, const Euit_ParmList& keys) {
    for (const PropertyRow<T>& row : rows) {
        if (row.condition && !row.condition(object)) {
            continue;
        }
        if (row.form == PropertyForm::EachKey) {
            write_keys(keys);
            continue;
        }
        HQRC rc;
        PropertyValue value = row.value(object, rc);
        raiseIfFailed(rc);
        writeProperty(row.name, row.form, value);
    }
}

// An object record: header, the property table, footer.
template <class T>
void writeObjectRecord(int32_t type, std::span<const PropertyRow<T>> rows, T& object,
                       const Euit_ParmList& keys) {
    export_objHeader(type);
    writeProperties(rows, object, keys);
    export_objFooter(type);
}

// Relation records from source to target.
inline void writeContain(int32_t sourceType, const Euit_ParmList& sourceKeys, int32_t targetType,
                         const Euit_ParmList& targetKeys) {
    export_relation(sourceType, sourceKeys, targetType, targetKeys, 1);
}
inline void writeLink(int32_t sourceType, const Euit_ParmList& sourceKeys, int32_t targetType,
                      const Euit_ParmList& targetKeys) {
    export_relation(sourceType, sourceKeys, targetType, targetKeys, 0);
}
