// Message resolution over the POSIX message catalogue "$HQSPATH/msg/ovmsgs.mo"
// (message set 1, message number = return code).
#include "runtime/message_resolver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <nl_types.h>
#include <string>

namespace {

constexpr int kMessageSet = 1;

// An open catalogue, closed when it goes out of scope. Every lookup opens its
// own, so lookups from several threads do not share state.
class Catalogue {
public:
    Catalogue() {
        const char* home = std::getenv("HQSPATH");
        if (home) {
            const std::string path = std::string(home) + "/msg/ovmsgs.mo";
            handle_ = catopen(path.c_str(), NL_CAT_LOCALE);
        }
    }
    ~Catalogue() {
        if (handle_ != invalid())
            catclose(handle_);
    }
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // The raw text of a message, empty when the catalogue or message is missing.
    std::string text(int32_t number) const {
        if (handle_ == invalid())
            return {};
        return catgets(handle_, kMessageSet, number, "");
    }

private:
    static nl_catd invalid() { return reinterpret_cast<nl_catd>(-1); }
    nl_catd handle_ = invalid();
};

} // namespace

std::string
fillMessageTokens(std::string_view text,
                  const std::array<std::string, HQResolveMessage::kTokenCount>& tokens) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 1 == text.size()) {
            out.push_back(text[i]);
            continue;
        }
        if (text[i + 1] == '%') {
            out.push_back('%');
            ++i;
            continue;
        }
        // %1 .. %9, or two digits when they name token 10 to 12.
        int n = 0;
        size_t digits = 0;
        while (digits < 2 && i + 1 + digits < text.size() && text[i + 1 + digits] >= '0' &&
               text[i + 1 + digits] <= '9') {
            const int next = n * 10 + (text[i + 1 + digits] - '0');
            if (next > HQResolveMessage::kTokenCount)
                break;
            n = next;
            ++digits;
        }
        if (n < 1) {
            out.push_back('%');
            continue;
        }
        const std::string& token = tokens[static_cast<size_t>(n - 1)];
        out += token.empty() ? "?" : token;
        i += digits;
    }
    return out;
}

void HQResolveMessage::UnloadHqrc(const HQRC& rc, const HQSTRING& extraText, unsigned number,
                                  int32_t& messageNumber, int32_t& domain,
                                  std::array<HQSTRING, kTokenCount>& tokens) {
    messageNumber = rc.code;
    domain = rc.domain;
    char decimal[16];
    std::snprintf(decimal, sizeof decimal, "%d", static_cast<int32_t>(number));
    tokens = {rc.token1, rc.token2, rc.token3,         rc.token4, rc.token5, rc.token6,
              rc.token7, extraText, HQSTRING(decimal), rc.token8, rc.token9, rc.token10};
}

HQRC HQResolveMessage::LookupFileMsg(const HQSTRING& /*module*/, int32_t number,
                                     std::unique_ptr<wchar_t[]>& text,
                                     const HQSTRING* const tokens[kTokenCount]) {
    std::array<std::string, kTokenCount> bytes;
    for (int i = 0; i < kTokenCount; ++i)
        if (tokens && tokens[i])
            bytes[static_cast<size_t>(i)] = tokens[i]->toMultiByte();
    std::string filled = fillMessageTokens(Catalogue().text(number), bytes);
    if (filled.size() > kTextCapacity - 1)
        filled.resize(kTextCapacity - 1);
    HQSTRING wide(filled);
    if (wide.size() > kTextCapacity - 1)
        wide.resize(kTextCapacity - 1);
    text = std::make_unique<wchar_t[]>(kTextCapacity);
    std::copy(wide.begin(), wide.end(), text.get());
    return HQRC(0, 0, DomainWhsSrv);
}

HQRC HQResolveMessage::LookupSysMsg(int32_t /*number*/, std::unique_ptr<wchar_t[]>& text) {
    text = std::make_unique<wchar_t[]>(kTextCapacity);
    return HQRC(0, 0, DomainWhsSrv);
}

HQRC HQResolveMessage::ResolveMsgs(const HQRC& rc, HQSTRING& nativeText, HQSTRING& messageText,
                                   const HQSTRING& extraText, unsigned number) {
    int32_t messageNumber = 0;
    int32_t domain = 0;
    std::array<HQSTRING, kTokenCount> tokens;
    UnloadHqrc(rc, extraText, number, messageNumber, domain, tokens);
    const HQSTRING* pointers[kTokenCount];
    for (int i = 0; i < kTokenCount; ++i)
        pointers[i] = &tokens[static_cast<size_t>(i)];

    std::unique_ptr<wchar_t[]> text;
    HQRC result = LookupFileMsg(moduleName_, messageNumber, text, pointers);
    if (result.code != 0)
        return result;
    messageText = text.get();

    if (domain == DomainWindows) {
        std::unique_ptr<wchar_t[]> system;
        result = LookupSysMsg(rc.nativeCode, system);
        if (result.code != 0)
            return result;
        nativeText = system.get();
    } else if (domain == DomainSockets) {
        std::unique_ptr<wchar_t[]> native;
        result = LookupFileMsg(moduleName_, rc.nativeCode, native, pointers);
        if (result.code != 0)
            return result;
        nativeText = native.get();
    } else {
        nativeText = rc.nativeMessage;
    }
    return HQRC(0, 0, DomainWhsSrv);
}
