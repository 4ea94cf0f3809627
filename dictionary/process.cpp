// Processes: column table, retrievals and the list conditions.
#include "dictionary/process.h"

#include <string>

namespace {
using F = ProcessFields;
const ClassInfo kInfo{DIRObjectType::Process, L".Process", L"DDDPPROC", "ProcessDesc", L""};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"SubjectName", 81, &F::SubjectName),
        col(L"contact", 65, &F::contact),
        col(L"processType", &F::processType),
    };
    return table;
}

Process::Process() : DIRRecord(kInfo), graphicsData_(*this, "graphicsData") {}

HQRC Process::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L" WHERE name = ? ", {QueryParm::name(name)}, name);
}

HQRC Process::retrieve(const HQSTRING& name, const HQSTRING& subjectName) {
    return retrieveWhere(L"retrieve", L" WHERE name = ? and SubjectName = ?",
                         {QueryParm::name(name), QueryParm::name(subjectName)}, name);
}

HQRC Process::retrieveByProcessType(int32_t processType) {
    return retrieveWhere(L"retrieveByProcessType", L" WHERE processType = ?",
                         {QueryParm{SQL_INTEGER, 10, 12, std::to_string(processType)}},
                         HQSTRING(std::to_wstring(processType)));
}

HQRC Process::listFirst() {
    return listFirstWhere(L"listFirst",
                          L" where (processtype <> 2 and processtype <> 3) ORDER BY name", {});
}

HQRC Process::listFirstBySubject(const DIRId& subject) {
    return listFirstRelated(L"listFirstBySubject", rel::COLL_TO_Process, RelationSide::Source,
                            subject, L"  ORDER BY name");
}

HQRC Process::listFirstByBV(const DIRId& step) {
    return listFirstRelated(L"listFirstByBV", rel::Process_TO_BV, RelationSide::Target, step,
                            L"  ORDER BY name");
}

HQRC Process::listFirstBySG(const DIRId& group) {
    return listFirstRelated(L"listFirstBySG", rel::Process_TO_SG, RelationSide::Target, group,
                            L"  ORDER BY name");
}

HQRC Process::listFirstByIR(const DIRId& database) {
    const HQSTRING tablesOfDatabase = relatedIdsQuery(rel::IR_TO_DR_Rel, RelationSide::Source);
    return listFirstWhere(
        L"listFirstByIR",
        L" where qrtid in " +
            relatedIdsQuery(rel::Process_TO_DR, RelationSide::Target, tablesOfDatabase) +
            L"  ORDER BY name",
        {QueryParm::id(database)});
}

HQRC Process::setContact(const HQSTRING& text) {
    return setLimited(L"setContact", f_.contact, text, 64);
}

HQRC Process::setSubjectName(const HQSTRING& text) {
    return setLimited(L"setSubjectName", f_.SubjectName, text, 80);
}
