// Fuzz target: the protection of parentheses in tag property values. After
// wrap_parens no parenthesis stands unprotected (each is quoted on both
// sides), and unwrap_parens takes a value without quotes back to itself.
#include <cstdint>
#include <string>

#include "export/tag_property.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Bytes of the input as characters, four at a time when there are enough.
    std::wstring wide;
    for (size_t i = 0; i + 4 <= size; i += 4)
        wide += static_cast<wchar_t>(
            (data[i] | data[i + 1] << 8 | data[i + 2] << 16 | (data[i + 3] & 0x7f) << 24) %
            0x110000);
    for (size_t i = size - size % 4; i < size; ++i)
        wide += static_cast<wchar_t>(data[i]);
    const HQSTRING original(wide);
    HQSTRING text = original;
    wrap_parens(text);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'(' || text[i] == L')')
            require(i > 0 && i + 1 < text.size() && text[i - 1] == L'\'' && text[i + 1] == L'\'');
    }
    unwrap_parens(text);
    if (original.find(L'\'') == std::wstring::npos)
        require(text == original);
    return 0;
}
