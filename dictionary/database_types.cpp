// The database-type and sub-type table (docs/stored_vocabularies.md) and its
// lookups.
#include "dictionary/database_types.h"

#include <algorithm>

namespace {
constexpr bool relational = true;
constexpr bool caseSensitive = true;
constexpr bool longNames = true;
constexpr bool host = true;
constexpr bool no = false;
using enum ConnectForm;

constexpr DatabaseType kTypes[] = {
    // number, text, relational, case-sensitive, connect string
    {1, L"Nordbase Family", relational, caseSensitive, UserPassword},
    {20, L"Oracle", relational, no, UserPassword},
    {30, L"Sybase", relational, caseSensitive, UserPassword},
    {40, L"Microsoft SQLServer", relational, caseSensitive, UserPassword},
    {50, L"Informix", relational, caseSensitive, UserPassword},
    {60, L"Generic ODBC", no, caseSensitive, None},
    {70, L"Flat File LAN", no, caseSensitive, None},
    {80, L"QSAF", no, no, LoginKeywords},
    {90, L"HDX", no, no, LoginKeywords},
};

// The family as a whole comes first, then its editions; the warehouse
// generator writes the texts in this order.
constexpr DatabaseSubType kSubTypes[] = {
    // number, text, type, long names from version 6, host edition
    {18, L"Nordbase Family", 1, no, no},
    {1, L"Nordbase/NT", 1, longNames, no},
    {2, L"Nordbase/6000", 1, longNames, no},
    {3, L"Nordbase/MVS", 1, no, host},
    {4, L"Nordbase/VM", 1, no, host},
    {5, L"Nordbase/400", 1, no, host},
    {6, L"Nordbase/HPUX", 1, longNames, no},
    {7, L"Nordbase/SUN", 1, longNames, no},
    {8, L"Nordbase/SNI", 1, longNames, no},
    {9, L"Nordbase/SCO", 1, longNames, no},
    {11, L"Nordbase/SGI", 1, longNames, no},
    {12, L"Nordbase/6000 PE", 1, longNames, no},
    {14, L"Nordbase/Linux", 1, no, no},
    {15, L"Nordbase/Linux PE", 1, no, no},
    {16, L"Nordbase/Windows PE", 1, no, no},
    {17, L"Nordbase/Solaris PE", 1, no, no},
    {19, L"Nordbase/Host Connect", 1, no, no},
    {100, L"Nordbase/zSeries", 1, no, no},
    {101, L"Nordbase/iSeries", 1, no, no},
    {20, L"Oracle", 20, no, no},
    {30, L"Sybase", 30, no, no},
    {31, L"Sybase System 11", 30, no, no},
    {40, L"Microsoft SQL Server", 40, no, no},
    {50, L"Informix", 50, no, no},
    {60, L"User Defined ODBC", 60, no, no},
    {70, L"Flat File LAN Local Command", 70, no, no},
    {71, L"Flat File LAN FTP Copy", 70, no, no},
    {72, nullptr, 70, no, no},
    {80, L"QSAF", 80, no, no},
    {90, L"HDX", 90, no, no},
};

constexpr DatabaseTextAlias kAliases[] = {
    {L"Oracle Version 7", 20},
    {L"Sybase Version 10", 30},
    {L"Informix Version 5", 50},
    {L"Microsoft SQLServer Version 6", 40},
};

template <class Row> const Row* byNumber(std::span<const Row> rows, int32_t number) {
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [number](const Row& r) { return r.number == number; });
    return found == rows.end() ? nullptr : &*found;
}

template <class Row> int32_t fromText(std::span<const Row> rows, const HQSTRING& text) {
    for (const Row& r : rows)
        if (r.text != nullptr && text == r.text)
            return r.number;
    for (const DatabaseTextAlias& alias : kAliases)
        if (text == alias.text)
            return alias.number;
    return 0;
}

template <class Row> HQSTRING textOf(const Row* row) {
    return row == nullptr || row->text == nullptr ? HQSTRING() : HQSTRING(row->text);
}
} // namespace

namespace dbtypes {
std::span<const DatabaseType> types() {
    return kTypes;
}
std::span<const DatabaseSubType> subTypes() {
    return kSubTypes;
}
std::span<const DatabaseTextAlias> aliases() {
    return kAliases;
}

const DatabaseType* type(int32_t number) {
    return byNumber(types(), number);
}
const DatabaseSubType* subType(int32_t number) {
    return byNumber(subTypes(), number);
}
const DatabaseType* typeOfSubType(int32_t subTypeNumber) {
    const DatabaseSubType* sub = subType(subTypeNumber);
    return sub == nullptr ? nullptr : type(sub->type);
}

int32_t typeFromText(const HQSTRING& text) {
    return fromText(types(), text);
}
int32_t subTypeFromText(const HQSTRING& text) {
    return fromText(subTypes(), text);
}
HQSTRING typeText(int32_t number) {
    return textOf(type(number));
}
HQSTRING subTypeText(int32_t number) {
    return textOf(subType(number));
}
} // namespace dbtypes
