// User functions: retrieval by name, the list of all, and their groups.
#include "dictionary/user_function.h"

namespace {
using F = UserFunctionFields;
const ClassInfo kInfo{DIRObjectType::UserFunction, L".UserFunction", L"DDDPUFUN", "UFUNCLDesc",
                      L"Called from "};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{};
    return table;
}

UserFunction::UserFunction() : DIRRecord(kInfo) {}

HQRC UserFunction::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ?", {QueryParm::name(name)}, name);
}

HQRC UserFunction::listFirst() {
    return listFirstWhere(L"listFirst", L"", {});
}
