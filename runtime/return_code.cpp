// Operations of HQRC: tokens, the comment trail and the domain names.
#include "runtime/return_code.h"

namespace {
struct DomainName {
    int32_t value;
    const wchar_t* name;
};
constexpr DomainName kDomainNames[] = {
    {DomainWindows, L"Windows"}, {DomainODBC, L"ODBC"},       {DomainWhsDDD, L"WhsDDD"},
    {DomainWhsSrv, L"WhsSrv"},   {DomainWhsClnt, L"WhsClnt"}, {DomainSockets, L"Sockets"},
};
} // namespace

void HQRC::SetHQMessage(const HQSTRING& t1, const HQSTRING& t2, const HQSTRING& t3,
                        const HQSTRING& t4, const HQSTRING& t5, const HQSTRING& t6,
                        const HQSTRING& t7, const HQSTRING& t8, const HQSTRING& t9,
                        const HQSTRING& t10) {
    token1 = t1, token2 = t2, token3 = t3, token4 = t4, token5 = t5;
    token6 = t6, token7 = t7, token8 = t8, token9 = t9, token10 = t10;
}

void HQRC::GetHQMessage(HQSTRING& t1, HQSTRING& t2, HQSTRING& t3, HQSTRING& t4, HQSTRING& t5,
                        HQSTRING& t6, HQSTRING& t7, HQSTRING& t8, HQSTRING& t9,
                        HQSTRING& t10) const {
    t1 = token1, t2 = token2, t3 = token3, t4 = token4, t5 = token5;
    t6 = token6, t7 = token7, t8 = token8, t9 = token9, t10 = token10;
}

HQRC HQRC::AddComment(const HQSTRING& text) {
    if (!comment.empty())
        comment += L"\n";
    comment += text;
    return *this;
}

HQRC HQRC::SetComment(const HQSTRING& text) {
    comment = text;
    return *this;
}

HQSTRING HQRC::domainTypeToString(int32_t domain) {
    for (const auto& d : kDomainNames)
        if (d.value == domain)
            return d.name;
    return L"WhsInvDom";
}

int32_t HQRC::domainTypeFromString(const HQSTRING& name) {
    for (const auto& d : kDomainNames)
        if (name == d.name)
            return d.value;
    return -1;
}
