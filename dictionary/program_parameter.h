// ProgParm: one parameter of a program definition or of a program instance:
// its position, its type (by the stored vocabulary of parameter types) and its
// value, kept in the row, in the strings table when it is long, or enciphered
// for a password parameter.
#pragma once

#include <cstdint>
#include <string>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class ProgFunc;
class AggreFunc;

struct ProgParmFields {
    int32_t orderNo = 0; // position of the parameter (1, 2, ...)
    HQSTRING parmData;
    int32_t HQProgKey = 0; // 1 for the parameters of the warehouse's own programs
    HQSTRING parmDataLong;
    int32_t parmDataType = 0;   // ProgParm::ParmType, from the stored type text
    std::string BinaryPassword; // a password parameter's value, enciphered as stored
    int32_t notifyCondition = 0;

    static const ColumnTable<ProgParmFields>& columns();
};

class ProgParm : public DIRRecord<ProgParmFields> {
public:
    // Parameter types; any other stored text reads as 0.
    enum ParmType : int32_t { String = 1, Number = 2, Password = 3, Token = 4 };
    // Bits of notifyCondition.
    enum Condition : int32_t { OnSuccess = 1, OnFailure = 2, OnCompletion = 4 };

    ProgParm();

    // "String", "Number", "Password", "Token"; "" for any other number.
    static HQSTRING parmTypeToString(int32_t type);
    // Exact, case-sensitive; any other text gives 0.
    static int32_t parmTypeFromString(const HQSTRING& text);

    // The parameters related to owner (a program or an instance, the source of
    // relation), in order of their order numbers.
    HQRC listFirstByRef(const DIRBase& owner, const Relation& relation);
    // The parameters of the warehouse's own programs.
    HQRC listFirstHQKeys();
    HQRC listFirstHQKeysParent();
    HQRC retrieveHQ(const HQSTRING& name);
    HQRC retrieveHQParmData(const HQSTRING& parmDataLong);
    // The e-mail servers named for notification.
    HQRC listFirstEmailServers();

    int32_t getOrderNo() const { return f_.orderNo; }
    int32_t getParmDataType() const { return f_.parmDataType; }
    // The value: parmData when it is not empty, else the long text
    // "parmDataXLong". Of a password parameter: the deciphered password. The
    // export never asks a password parameter for its value.
    HQSTRING getParmData(HQRC& rc);

    void setOrderNo(int32_t orderNo) { f_.orderNo = orderNo; }
    // Makes the parameter a password parameter holding `plain`, kept
    // enciphered in the binary column.
    void setPassword(const HQSTRING& plain);
    // The value kept in the strings table when it is long.
    void setLongValue(const HQSTRING& text) { longValue_.setValue(text); }
    void setParmDataType(int32_t type) { f_.parmDataType = type; }
    void makeCondition(Condition condition) { f_.notifyCondition |= condition; }
    void resetCondition(Condition condition) { f_.notifyCondition &= ~condition; }
    bool hasCondition(Condition condition) const { return (f_.notifyCondition & condition) != 0; }

    // The program or instance the parameter belongs to; null with code 0 when
    // there is none, null with 3104 when the object was never read.
    RelatedObject<ProgFunc> getProgFunc{*this, rel::ProgParm_TO_ProgFunc, RelationSide::Target,
                                        L"getProgFunc"};
    RelatedObject<AggreFunc> getAggreFunc{*this, rel::ProgParm_TOAggreFunc, RelationSide::Target,
                                          L"getAggreFunc"};

private:
    DIRString longValue_{*this, "parmDataXLong"};
};
