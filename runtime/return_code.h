// HQRC: the return code of every operation (message number, code of the layer
// below, error domain, descriptive texts and ten message tokens).
#pragma once

#include <cstdint>

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
};
