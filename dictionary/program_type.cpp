// Program types: column table and retrievals.
#include "dictionary/program_type.h"

#include <string>

namespace {
using F = ProgTypeFields;
const ClassInfo kInfo{DIRObjectType::ProgType, L".PROGTYPE", L"DDDPPTYP", "PTYPEDesc",
                      L"Called from "};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"programType", 101, &F::programType),
        col(L"progNum", &F::progNum),
        col(L"delimiter", 101, &F::delimiter),
    };
    return table;
}

ProgType::ProgType() : DIRRecord(kInfo) {}

HQRC ProgType::retrieveProgramType(const HQSTRING& programType) {
    return retrieveWhere(L"retrieveProgramType", L" WHERE programtype = ?",
                         {QueryParm::text(programType, 101)}, programType);
}

HQRC ProgType::retrieveProgramNum(int32_t progNum) {
    // A number, so it goes into the text: both DBMSs compare it with the
    // integer column without a parameter type to agree on.
    const HQSTRING number(std::to_wstring(progNum));
    return retrieveWhere(L"retrieveProgramNum", L" WHERE prognum = " + number, {}, number);
}

HQRC ProgType::listFirst() {
    return listFirstWhere(L"listFirst", L"", {});
}
