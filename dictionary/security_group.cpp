// Security groups: column table, list conditions and related objects.
#include "dictionary/security_group.h"

namespace {
using F = SecurityGroupFields;
const ClassInfo kInfo{DIRObjectType::SecurityGroup, L".SecurityGroup", L"DDDPSECG", "SECGROUPLDesc",
                      L"Called from "};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{col(L"HQdefault", &F::HQdefault),
                                      col(L"contact", 65, &F::contact)};
    return table;
}

SecurityGroup::SecurityGroup() : DIRRecord(kInfo) {}

HQRC SecurityGroup::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ?", {QueryParm::name(name)}, name);
}

HQRC SecurityGroup::retrieveDefault() {
    return retrieveWhere(L"retrieveDefault", L"WHERE   HQdefault = 1", {}, L"");
}

HQRC SecurityGroup::listFirst() {
    return listFirstWhere(L"listFirst", L" order by name ", {});
}

HQRC SecurityGroup::listFirstRelatedByName(const wchar_t* operation, const Relation& relation,
                                           const DIRId& id) {
    return listFirstRelated(operation, relation, RelationSide::Source, id, L" ORDER BY name");
}

HQRC SecurityGroup::listFirstBySubject(const DIRId& subject) {
    return listFirstRelatedByName(L"listFirstBySubject", rel::COLL_TO_SG, subject);
}

HQRC SecurityGroup::listFirstByNotificationBV(const DIRId& step) {
    return listFirstRelatedByName(L"listFirstByNotificationBV", rel::BV_NOTIFY_GROUPS, step);
}

HQRC SecurityGroup::listFirstByProcess(const DIRId& process) {
    return listFirstRelatedByName(L"listFirstByProcess", rel::Process_TO_SG, process);
}

HQRC SecurityGroup::listFirstTargetIRAlpha(const DIRId& database) {
    return listFirstRelatedByName(L"listFirstTargetIRAlpha", rel::IR_TO_SecGrTar_Rel, database);
}

HQRC SecurityGroup::setContact(const HQSTRING& text) {
    return setLimited(L"setContact", f_.contact, text, 64);
}

bool SecurityGroup::isInUse(HQRC& rc) {
    rc = HQRC();
    if (f_.HQdefault == 0)
        return DIRBase::isInUse(rc);
    inUseBy_ = L"HQdefault";
    return true;
}
