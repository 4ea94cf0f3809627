// ProgType: a type of user-defined program (its name, number and the
// delimiter that separates the parameters of programs of the type).
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class ProgFunc;

struct ProgTypeFields {
    HQSTRING programType; // the type's name
    int32_t progNum = 0;  // the type's number
    HQSTRING delimiter;

    static const ColumnTable<ProgTypeFields>& columns();
};

class ProgType : public DIRRecord<ProgTypeFields> {
public:
    ProgType();

    // By the type's name (" WHERE programtype = ?") or number (" WHERE prognum = ").
    HQRC retrieveProgramType(const HQSTRING& programType);
    HQRC retrieveProgramNum(int32_t progNum);
    HQRC listFirst();

    const HQSTRING& getProgramType() const { return f_.programType; }
    int32_t getProgNum() const { return f_.progNum; }
    const HQSTRING& getDelimiter() const { return f_.delimiter; }

    // The programs of the type; null with 3104 when the object was never read.
    RelationList<ProgFunc> getProgFuncList{*this, rel::UDP_TO_ProgType, RelationSide::Target,
                                           L"getProgFuncList"};
};
