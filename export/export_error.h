// Return codes of the export's own errors (domain 11) and the module names
// that the export's units record in them.
#pragma once

#include <cstdint>

#include "runtime/return_code.h"

// Module names recorded in the return codes of the export's units.
inline constexpr std::wstring_view tagxport_module = L"TAGXPORT";
inline constexpr std::wstring_view tagxobj_module = L"TAGXOBJ";
inline constexpr std::wstring_view tagparms_module = L"TAGPARMS";
inline constexpr std::wstring_view metatype_module = L"METATYPE";

// A return code with the given message number in the export's domain (11):
// location names the failing function, module (upper case) goes into
// commandLine; nativeCode stays 0.
HQRC tagHQRCset(int32_t code, const HQSTRING& location, const HQSTRING& module);
// The same, naming the file the failure is about in the first message token.
HQRC tagHQRCset(int32_t code, const HQSTRING& location, const HQSTRING& module,
                const HQSTRING& fileName);

// Throws rc when its code is not 0: the export's way of passing a failure up
// to the driver.
inline void raise_on_error(const HQRC& rc) {
    if (rc.code != 0)
        throw rc;
}
