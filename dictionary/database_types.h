// The kinds of database the warehouse knows, one row each: the database
// types of inforesource.dbType and the sub-types (editions) of
// inforesource.subdbType, with their stored texts and everything the program
// derives from them (connect string, owner in table names, case of names,
// name lengths of the control database, logging of large objects).
#pragma once

#include <cstdint>
#include <span>

#include "runtime/hq_string.h"

// How the connect string of a database that does not store its own is made.
enum class ConnectForm : uint8_t {
    None,         // no connect string
    UserPassword, // "DSN=db" or "DSN=db;UID=user;PWD=password"
    LoginKeywords // "DSN=db;" or "DSN=db;LOGINID=user;LOGINPWD=password;"
};

struct DatabaseType {
    int32_t number;
    const wchar_t* text; // the stored text
    bool relational;     // table names carry their owner before the first "."
    bool caseSensitive;  // names are compared with their case
    ConnectForm connect;
};

struct DatabaseSubType {
    int32_t number;
    const wchar_t* text; // the stored text; null for a number without one
    int32_t type;        // the database type it belongs to
    bool longNames;      // as the control database's edition: long names from version 6
    bool hostEdition;    // large-object columns are created without "NOT LOGGED"
};

// Older texts that either column may hold; each reads as the number given,
// both as a type and as a sub-type. They are never written.
struct DatabaseTextAlias {
    const wchar_t* text;
    int32_t number;
};

namespace dbtypes {
std::span<const DatabaseType> types();
std::span<const DatabaseSubType> subTypes();
std::span<const DatabaseTextAlias> aliases();

// The row of a number; null when there is none.
const DatabaseType* type(int32_t number);
const DatabaseSubType* subType(int32_t number);
// The type of a sub-type; null for an unknown sub-type.
const DatabaseType* typeOfSubType(int32_t subTypeNumber);

// Number of a stored text (exact, case-sensitive; older texts included); 0
// for any other text.
int32_t typeFromText(const HQSTRING& text);
int32_t subTypeFromText(const HQSTRING& text);
// Stored text of a number; empty for a number without one.
HQSTRING typeText(int32_t number);
HQSTRING subTypeText(int32_t number);
} // namespace dbtypes
