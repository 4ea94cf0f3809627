// Conversion between the program's wide strings and a Unicode byte form
// (UCS-2 or UTF-8) through iconv, and the mapping of code-set names to the
// names iconv expects. Used for stored passwords, which are enciphered in
// the byte form.
#pragma once

#include <string>
#include <string_view>

#include "runtime/return_code.h"

enum class UnicodeForm { UCS2, UTF8 };

// The iconv name for a code-set name: the table's mapping, a name iconv knows
// as it is, or else the value of HQA_LOCALE_TABLE; empty when none applies.
std::string GetIconvCodeset(std::string_view codeset);

// The code set of the program's multibyte form (see multiByteToWide).
std::string_view multiByteCodeset();

// Wide text -> multibyte form -> Unicode bytes. Failures: 8461 (no code set,
// or iconv failed), 8462 (a character has no multibyte form).
HQRC ConvertWideToUnicode(const HQSTRING& text, std::string& bytes, UnicodeForm form);

// Unicode bytes -> multibyte form -> wide text. Failures: 8461.
HQRC ConvertUnicodeToWide(std::string_view bytes, HQSTRING& text, UnicodeForm form);
