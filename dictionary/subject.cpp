// Subjects: column table, retrieval and the list conditions.
#include "dictionary/subject.h"

namespace {
using F = SubjectFields;
const ClassInfo kInfo{DIRObjectType::Subject, L".Subject", L"DDDPSUBJ", "COLDesc", L""};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{col(L"contact", 65, &F::contact)};
    return table;
}

Subject::Subject() : DIRRecord(kInfo) {}

HQRC Subject::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L" WHERE name = ?", {QueryParm::name(name)}, name);
}

HQRC Subject::listFirst() {
    return listFirstWhere(L"listFirst", L"", {});
}

HQRC Subject::listFirstByProcess(const DIRId& process) {
    return listFirstRelated(L"listFirstByProcess", rel::COLL_TO_Process, RelationSide::Target,
                            process);
}

HQRC Subject::listFirstByBV(const DIRId& step) {
    return listFirstRelated(L"listFirstByBV", rel::COLL_TO_BV, RelationSide::Target, step);
}

HQRC Subject::listFirstBySG(const DIRId& group) {
    return listFirstRelated(L"listFirstBySG", rel::COLL_TO_SG, RelationSide::Target, group);
}

HQRC Subject::listFirstByIR(const DIRId& database) {
    const HQSTRING processesWithTables =
        relatedIdsQuery(rel::Process_TO_DR, RelationSide::Target,
                        relatedIdsQuery(rel::IR_TO_DR_Rel, RelationSide::Source));
    return listFirstWhere(L"listFirstByIR",
                          L" where qrtid in " + relatedIdsQuery(rel::COLL_TO_Process,
                                                                RelationSide::Target,
                                                                processesWithTables),
                          {QueryParm::id(database)});
}

HQRC Subject::setContact(const HQSTRING& text) {
    return setLimited(L"setContact", f_.contact, text, 64);
}
