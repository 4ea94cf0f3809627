// HQRC: the return code of every operation (message number, code of the layer
// below, error domain, descriptive texts and ten message tokens).
#pragma once

#include <cstdint>
#include <utility>

#include "runtime/hq_string.h"

enum domainType : int32_t {
    DomainWindows = 0, // operating-system errors
    DomainODBC = 1,    // call-level-interface layer
    DomainWhsDDD = 2,  // configuration and metadata object model
    DomainWhsSrv = 3,  // success
    DomainWhsClnt = 4,
    DomainSockets = 5,
    DomainExport = 11, // the export's own errors
};

class HQRC {
public:
    int32_t code = 0;
    int32_t nativeCode = 0;
    int32_t reserved = 0; // kept and copied, never set otherwise
    domainType domain = DomainWhsSrv;
    HQSTRING location;
    HQSTRING commandLine;
    HQSTRING nativeMessage;
    HQSTRING comment;
    HQSTRING hostName;
    HQSTRING sqlState;
    HQSTRING token1, token2, token3, token4, token5, token6, token7, token8, token9, token10;

    HQRC() = default;
    HQRC(int32_t code, int32_t nativeCode, int32_t domain)
        : code(code), nativeCode(nativeCode), domain(static_cast<domainType>(domain)) {}
    // Return codes are copied and moved about on every call, nearly always
    // without a text: then only the numbers are taken.
    HQRC(const HQRC& other)
        : code(other.code), nativeCode(other.nativeCode), reserved(other.reserved),
          domain(other.domain) {
        if (other.hasTexts())
            eachText(*this, other, [](HQSTRING& to, const HQSTRING& from) { to = from; });
    }
    HQRC(HQRC&& other)
    noexcept
        : code(other.code), nativeCode(other.nativeCode), reserved(other.reserved),
          domain(other.domain) {
        if (other.hasTexts())
            eachText(*this, other, [](HQSTRING& to, HQSTRING& from) { to = std::move(from); });
    }
    HQRC& operator=(const HQRC& other) {
        if (this != &other) {
            code = other.code;
            nativeCode = other.nativeCode;
            reserved = other.reserved;
            domain = other.domain;
            if (hasTexts() || other.hasTexts())
                eachText(*this, other, [](HQSTRING& to, const HQSTRING& from) { to = from; });
        }
        return *this;
    }
    HQRC& operator=(HQRC&& other) noexcept {
        code = other.code;
        nativeCode = other.nativeCode;
        reserved = other.reserved;
        domain = other.domain;
        if (hasTexts() || other.hasTexts())
            eachText(*this, other, [](HQSTRING& to, HQSTRING& from) { to = std::move(from); });
        return *this;
    }
    ~HQRC() = default;

    void Reset() { *this = HQRC(0, 0, DomainWhsSrv); }

    void SetHQMessage(const HQSTRING& t1, const HQSTRING& t2, const HQSTRING& t3,
                      const HQSTRING& t4, const HQSTRING& t5, const HQSTRING& t6,
                      const HQSTRING& t7, const HQSTRING& t8, const HQSTRING& t9,
                      const HQSTRING& t10);
    void GetHQMessage(HQSTRING& t1, HQSTRING& t2, HQSTRING& t3, HQSTRING& t4, HQSTRING& t5,
                      HQSTRING& t6, HQSTRING& t7, HQSTRING& t8, HQSTRING& t9, HQSTRING& t10) const;

    // Appends text to the comment trail ("\n" between entries); returns a copy.
    HQRC AddComment(const HQSTRING& text);
    // Replaces the comment; returns a copy.
    HQRC SetComment(const HQSTRING& text);

    bool isRetryableImmediate() const { return false; }
    bool isRetryableWithDelay() const { return false; }

    static HQSTRING domainTypeToString(int32_t domain);
    // Exact, case-sensitive; a name outside the table yields -1.
    static int32_t domainTypeFromString(const HQSTRING& name);

private:
    bool hasTexts() const {
        bool any = false;
        eachText(*this, *this,
                 [&any](const HQSTRING& text, const HQSTRING&) { any |= !text.empty(); });
        return any;
    }
    // Calls f(a's text, b's text) for each text field.
    template <class A, class B, class F> static void eachText(A& a, B& b, F f) {
        f(a.location, b.location);
        f(a.commandLine, b.commandLine);
        f(a.nativeMessage, b.nativeMessage);
        f(a.comment, b.comment);
        f(a.hostName, b.hostName);
        f(a.sqlState, b.sqlState);
        f(a.token1, b.token1);
        f(a.token2, b.token2);
        f(a.token3, b.token3);
        f(a.token4, b.token4);
        f(a.token5, b.token5);
        f(a.token6, b.token6);
        f(a.token7, b.token7);
        f(a.token8, b.token8);
        f(a.token9, b.token9);
        f(a.token10, b.token10);
    }
};
// Four numbers and sixteen texts: a field added to HQRC must be added to
// eachText too.
static_assert(sizeof(HQRC) == 4 * sizeof(int32_t) + 16 * sizeof(HQSTRING));
