// The guard that keeps every text sent to the control database to a single
// statement: a ";" outside string literals and quoted names would let one
// call run several statements.
#pragma once

#include <string_view>

// True when the text holds no ";" outside '...' literals and "..." names
// (a doubled quote inside them stands for itself).
bool holdsOneStatement(std::wstring_view text);
