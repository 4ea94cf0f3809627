// Program parameters: column table, the vocabulary of parameter types, lists
// and the value.
#include "dictionary/program_parameter.h"

#include <iterator>

#include "dictionary/password_cipher.h"

namespace {
using F = ProgParmFields;
const ClassInfo kInfo{DIRObjectType::ProgParm, L".ProgParm", L"DDDPPARM", "PARMDesc",
                      L"Called from "};

struct ParmTypeText {
    int32_t type;
    const wchar_t* text;
};
constexpr ParmTypeText kParmTypes[] = {
    {ProgParm::String, L"String"},
    {ProgParm::Number, L"Number"},
    {ProgParm::Password, L"Password"},
    {ProgParm::Token, L"Token"},
};

int32_t parmTypeOf(const HQSTRING& text) {
    return ProgParm::parmTypeFromString(text);
}
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"orderNo", &F::orderNo),
        col(L"parmData", 241, &F::parmData),
        col(L"HQProgKey", &F::HQProgKey),
        col(L"parmDataLong", 3001, &F::parmDataLong),
        enumText(L"parmDataType", 11, &F::parmDataType, &parmTypeOf, &ProgParm::parmTypeToString),
        col(L"BinaryPassword", 151, &F::BinaryPassword),
        col(L"notifyCondition", &F::notifyCondition),
    };
    return table;
}

ProgParm::ProgParm() : DIRRecord(kInfo) {}

HQSTRING ProgParm::parmTypeToString(int32_t type) {
    for (const ParmTypeText& entry : kParmTypes)
        if (entry.type == type)
            return entry.text;
    return {};
}

int32_t ProgParm::parmTypeFromString(const HQSTRING& text) {
    for (const ParmTypeText& entry : kParmTypes)
        if (text == entry.text)
            return entry.type;
    return 0;
}

HQRC ProgParm::listFirstByRef(const DIRBase& owner, const Relation& relation) {
    return listFirstRelated(L"listFirstByRef", relation, RelationSide::Source, owner.getId(),
                            L" order by orderno");
}

HQRC ProgParm::listFirstHQKeys() {
    return listFirstWhere(
        L"listFirstHQKeys",
        L" where HQProgKey = 1 and parmdataLong not like '&PARENT.%' order by orderno", {});
}

HQRC ProgParm::listFirstHQKeysParent() {
    return listFirstWhere(L"listFirstHQKeysParent",
                          L" where HQProgKey = 1 and parmdataLong LIKE '&parent.%'", {});
}

HQRC ProgParm::retrieveHQ(const HQSTRING& name) {
    return retrieveWhere(L"retrieveHQ", L" WHERE name = ? and HQProgKey = 1",
                         {QueryParm::name(name)}, name);
}

HQRC ProgParm::retrieveHQParmData(const HQSTRING& parmDataLong) {
    return retrieveWhere(L"retrieveHQParmData", L" WHERE parmdataLong = ? and HQProgKey = 1",
                         {QueryParm::text(parmDataLong, 3001)}, parmDataLong);
}

HQRC ProgParm::listFirstEmailServers() {
    return listFirstWhere(
        L"listFirstEmailServers",
        L" where orderno=4 and name ='NOTIFY_EMAILSERVER' and parmDataLong <> '' ", {});
}

HQSTRING ProgParm::getParmData(HQRC& rc) {
    rc = HQRC();
    if (f_.parmDataType == Password)
        return HQSTRING(decipherBinary(f_.BinaryPassword));
    if (!f_.parmData.empty())
        return f_.parmData;
    return longValue_.getValue(rc);
}

void ProgParm::setPassword(const HQSTRING& plain) {
    f_.parmDataType = Password;
    f_.BinaryPassword = encipherBinary(plain.toMultiByte());
}
