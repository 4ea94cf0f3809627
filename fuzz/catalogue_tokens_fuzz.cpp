// Fuzz target: filling the positional tokens of a catalogue text. The input
// is the text, then up to twelve tokens, each after a NUL byte. A text
// without "%" comes back unchanged.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "runtime/message_resolver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const size_t end = rest.find('\0');
    const std::string_view text = rest.substr(0, end);
    std::array<std::string, HQResolveMessage::kTokenCount> tokens;
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    for (std::string& token : tokens) {
        const size_t next = rest.find('\0');
        token = std::string(rest.substr(0, next));
        rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
    }
    const std::string filled = fillMessageTokens(text, tokens);
    size_t longest = 1;
    for (const std::string& token : tokens)
        longest = std::max(longest, token.size());
    require(filled.size() <= text.size() * longest + text.size());
    if (text.find('%') == std::string_view::npos)
        require(filled == text);
    return 0;
}
