// Small platform functions: the process's command text, formatting of one
// number into a wide buffer, the current date and time as short texts, wiping
// a wide text, and the host name.
#pragma once

#include "runtime/hq_string.h"

namespace hq {

// The value of the environment variable EXEC_NAME, empty when it is not set.
HQSTRING GetCommandLine();

// Formats value with a wide printf format such as L"%ld" into buf, which must
// have room for the formatted text and its terminator (as with sprintf).
// Returns the number of characters written, -1 when the format is invalid.
int _stprintf(wchar_t* buf, const wchar_t* format, long value);

// The current date in UTC as "mm/dd/yy" (8 characters and a terminator).
void _strdate(char buf[9]);

// The current local time as "hh:mm:ss" (8 characters and a terminator).
void _strtime(char buf[9]);

// Overwrites every character of the terminated wide text with c.
void _tcsset(wchar_t* text, wchar_t c);

// Name of this machine, empty when the system cannot tell.
HQSTRING hostName();

} // namespace hq
