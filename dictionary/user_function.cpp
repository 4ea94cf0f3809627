// User functions: retrieval by name, the list of all, and their groups.
#include "dictionary/user_function.h"

#include "dictionary/relation_getters.h"

namespace {
using F = UserFunctionFields;
const ClassInfo kInfo{DIRObjectType::UserFunction, L".UserFunction", L"DDDPUFUN", "UFUNCLDesc",
                      L"Called from "};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{};
    return table;
}

UserFunction::UserFunction()
    : DIRRecord(kInfo),
      groups_(*this, L"UserFun_TO_SecGr_Rel", 0, DIRObjectType::SecurityGroup, 0) {}

HQRC UserFunction::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ?", {QueryParm::name(name)}, name);
}

HQRC UserFunction::listFirst() {
    return listFirstWhere(L"listFirst", L"", {});
}

RelationCollection<SecurityGroup>* UserFunction::getSecurityGroupList(HQRC& rc) {
    return guardedList(*this, groups_, L"getSecurityGroupList", rc);
}
