// The one mechanism that writes an object's property lines: each exporter
// describes its properties as a table of rows (name, value, form, condition),
// and writeProperties turns the rows into tag lines. Also the small pieces
// every exporter shares: relation records, relation instances, raising a
// failure and ending a list walk.
#pragma once

#include <span>
#include <variant>

#include "export/tag_properties.h"
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
// condition holds.
template <class T> struct PropertyRow {
    const HQSTRING* name; // unused for EachKey
    PropertyForm form;
    PropertyValue (*value)(T& object, HQRC& rc);
    bool (*condition)(T& object) = nullptr;
};

// Raises a non-zero return code as an exception carrying a copy of it.
inline void raiseIfFailed(const HQRC& rc) {
    if (rc.code != 0) {
        throw rc;
    }
}

// The end of a list walk: 3142 (no further row) becomes 0, any other non-zero
// code is raised.
HQRC endOfWalk(const HQRC& rc);

// Writes one property in its form (nothing for an empty value of an
// "if non-empty" form).
void writeProperty(const HQSTRING& name, PropertyForm form, const PropertyValue& value);
// Writes every key of keys as a property line ("    NAME(value) ").
void writeKeyLines(const Euit_ParmList& keys);
// The header and footer of an object (or relation) instance of a type.
void writeObjectHeader(int type);
void writeObjectFooter(int type);

template <class T>
void writeProperties(std::span<const PropertyRow<T>> rows, T& object, const Euit_ParmList& keys) {
    for (const PropertyRow<T>& row : rows) {
        if (row.condition && !row.condition(object)) {
            continue;
        }
        if (row.form == PropertyForm::EachKey) {
            writeKeyLines(keys);
            continue;
        }
        HQRC rc;
        PropertyValue value = row.value(object, rc);
        raiseIfFailed(rc);
        writeProperty(*row.name, row.form, value);
    }
}

// An object record: header, the property table, footer.
template <class T>
void writeObjectRecord(int type, std::span<const PropertyRow<T>> rows, T& object,
                       const Euit_ParmList& keys) {
    writeObjectHeader(type);
    writeProperties(rows, object, keys);
    writeObjectFooter(type);
}

// A relation record from source to target: CONTAIN or LINK.
void writeContain(int sourceType, const Euit_ParmList& sourceKeys, int targetType,
                  const Euit_ParmList& targetKeys);
void writeLink(int sourceType, const Euit_ParmList& sourceKeys, int targetType,
               const Euit_ParmList& targetKeys);

// A relation instance of relation type relType carrying the owner's keys.
void writeRelationInstance(int relType, const Euit_ParmList& ownerKeys);

// The next checkpoint line.
void writeCheckpoint();

// The leading decimal number of a text kept in a character column, 0 when the
// text does not start with one.
long leadingNumber(const HQSTRING& text);
