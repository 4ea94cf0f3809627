// Return codes of the export's own errors (domain 11), the module names that
// the export's units record in them, and the one way a failure leaves an
// exporter: thrown, caught only by the export driver.
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

// Throws a copy of rc when its code is not 0: the export's one way of passing
// a failure up to the driver, which alone catches it.
inline void raiseIfFailed(const HQRC& rc) {
    if (rc.code != 0)
        throw rc;
}
