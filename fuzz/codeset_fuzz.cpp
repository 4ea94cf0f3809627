// Fuzz target: code-set conversion between Unicode bytes (UTF-8 or UCS-2)
// and wide text. Bytes that convert come back unchanged after the round
// trip; bytes that do not are refused with a code, never a crash.
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "runtime/codeset_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const UnicodeForm form = (data[0] & 1) ? UnicodeForm::UCS2 : UnicodeForm::UTF8;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    HQSTRING text;
    const HQRC toWide = ConvertUnicodeToWide(bytes, text, form);
    if (toWide.code != 0) {
        require(toWide.code >= 8461 && toWide.code <= 8463);
        return 0;
    }
    std::string back;
    const HQRC toBytes = ConvertWideToUnicode(text, back, form);
    require(toBytes.code == 0 || (toBytes.code >= 8461 && toBytes.code <= 8463));
    if (toBytes.code == 0 && form == UnicodeForm::UTF8)
        require(back == bytes);
    return 0;
}
