// HQResolveMessage: turns a return code into its message text, looked up by
// number in the message catalogue and filled with the code's tokens, and the
// text of the layer below.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "runtime/return_code.h"

class HQResolveMessage {
public:
    // Number of positional tokens a catalogue text can refer to (%1 .. %12).
    static constexpr int kTokenCount = 12;
    // Capacity, terminator included, of a resolved text (bytes and characters).
    static constexpr size_t kTextCapacity = 24576;

    explicit HQResolveMessage(const HQSTRING& moduleName) : moduleName_(moduleName) {}

    // Fills messageText with the catalogue text of rc and nativeText with the
    // text of the layer below. Neither output changes when the lookup fails.
    HQRC ResolveMsgs(const HQRC& rc, HQSTRING& nativeText, HQSTRING& messageText,
                     const HQSTRING& extraText, unsigned number);

    // Catalogue lookup of message number with up to 12 tokens (null or empty
    // tokens show as "?"). text receives a new zero-filled buffer of
    // kTextCapacity characters. A missing catalogue or message gives an empty
    // text, never a failure. The module name is not used.
    HQRC LookupFileMsg(const HQSTRING& module, int32_t number, std::unique_ptr<wchar_t[]>& text,
                       const HQSTRING* const tokens[kTokenCount]);

    // System message lookup: always an empty text on this platform.
    HQRC LookupSysMsg(int32_t number, std::unique_ptr<wchar_t[]>& text);

    // Spreads rc into the lookup arguments: tokens 1-7, then extraText, then
    // number in decimal (as a signed 32-bit value), then tokens 8-10.
    static void UnloadHqrc(const HQRC& rc, const HQSTRING& extraText, unsigned number,
                           int32_t& messageNumber, int32_t& domain,
                           std::array<HQSTRING, kTokenCount>& tokens);

    // Event-log operations: there is no event log on this platform, so they
    // do nothing and report success.
    HQRC ResolveEvent(const HQRC&) { return HQRC(0, 0, DomainWhsSrv); }
    HQRC OpenNTEventLog(const HQSTRING&) { return HQRC(0, 0, DomainWhsSrv); }
    HQRC CloseNTEventLog() { return HQRC(0, 0, DomainWhsSrv); }
    HQRC LogNTEventError(const HQSTRING&) { return HQRC(0, 0, DomainWhsSrv); }
    HQRC LogNTEventWarning(const HQSTRING&) { return HQRC(0, 0, DomainWhsSrv); }
    HQRC LogNTEventInfo(const HQSTRING&) { return HQRC(0, 0, DomainWhsSrv); }
    HQRC LogNTEvent(int32_t, const HQSTRING&) { return HQRC(0, 0, DomainWhsSrv); }

    const HQSTRING& moduleName() const { return moduleName_; }

private:
    HQSTRING moduleName_;
};

// Fills the positional tokens %1 .. %12 of a catalogue text ("%%" is a
// percent sign); a reference to a token that is missing, or is empty, gives
// "?". Exposed for the tests.
std::string fillMessageTokens(std::string_view text,
                              const std::array<std::string, HQResolveMessage::kTokenCount>& tokens);
