// Programs and program instances: the column tables of the program table,
// the lists of program definitions, a definition's type and group, the
// ordered parameters, and the instance query over the instance row and its
// definition row.
#include "dictionary/program.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "dictionary/agent_site.h"
#include "dictionary/information_resource.h"
#include "dictionary/program_group.h"
#include "dictionary/program_parameter.h"
#include "dictionary/program_type.h"

namespace {
using F = UDPBaseFuncFields;
// The parameters of a program or of an instance belong to it.
constexpr RelationEnd kProgramParameters[] = {{&rel::ProgParm_TO_ProgFunc, RelationSide::Source}};
constexpr RelationEnd kInstanceParameters[] = {{&rel::ProgParm_TOAggreFunc, RelationSide::Source}};
const ClassInfo kProgFuncInfo{
    DIRObjectType::ProgFunc, L".ProgFunc2", L"DDDPPROG", "PRGDesc", L"Called from ", {},
    kProgramParameters};
const ClassInfo kAggreFuncInfo{
    DIRObjectType::AggreFunc, L".ProgFunc2", L"DDDPAGFN", "AGRDesc", L"", {}, kInstanceParameters};

// "(programname <> 'hqpnotes' AND ...)": not a program of the warehouse itself.
HQSTRING notInternal() {
    HQSTRING text = L"(";
    for (const wchar_t* name : ProgFunc::kInternalPrograms)
        text += HQSTRING(text.size() > 1 ? L" AND " : L"") + L"programname <> '" + name + L"'";
    return text + L")";
}

// The programs that may run on an agent site serving the database that the
// parameter names.
HQSTRING programsOnSitesOfOne() {
    return relatedIdsQuery(rel::UDP_TO_AgentSite, RelationSide::Target,
                           relatedIdsQuery(rel::IR_TO_AgentSite, RelationSide::Target));
}

// The same for a site that serves both databases the two parameters name.
HQSTRING programsOnSitesOfBoth() {
    return relatedIdsQuery(rel::UDP_TO_AgentSite, RelationSide::Target,
                           L"(" + relatedIdsQuery(rel::IR_TO_AgentSite, RelationSide::Target) +
                               L" INTERSECT " +
                               relatedIdsQuery(rel::IR_TO_AgentSite, RelationSide::Target) + L")");
}
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"programName", 241, &F::programName), col(L"funcName", 81, &F::funcName),
        col(L"uniqueKey", 81, &F::uniqueKey),      col(L"contact", 65, &F::contact),
        col(L"userid", 129, &F::userid),           col(L"VBForm", 51, &F::VBForm),
        col(L"OLVDefined", &F::OLVDefined),        col(L"beanClassName", 255, &F::beanClassName),
    };
    return table;
}

const ColumnTable<F>& F::instanceColumns() {
    static const ColumnTable<F> table{
        col(L"prog.programName", 241, &F::programName),
        col(L"prog.funcName", 81, &F::funcName),
        col(L"agg.uniqueKey", 81, &F::uniqueKey),
        col(L"prog.qrtid", 11, &F::definitionId),
        col(L"prog.contact", 65, &F::contact),
        col(L"prog.userid", 129, &F::userid),
        col(L"agg.vbform", 51, &F::VBForm),
        col(L"prog.OLVDefined", &F::OLVDefined),
    };
    return table;
}

// Program definitions and instances -------------------------------------------

UDPBaseFunc::UDPBaseFunc(const ClassInfo& info, const Relation& parameters)
    : DIRRecord(info),
      getProgParmList(*this, parameters, RelationSide::Source, L"getProgParmList") {}

std::vector<ProgParm*> UDPBaseFunc::getProgParms(HQRC& rc) {
    std::vector<ProgParm*> parms;
    RelationCollection<ProgParm>* collection = getProgParmList(rc);
    if (collection == nullptr)
        return parms;
    // A member that cannot be read because its row is missing (3142) is
    // passed over; the walk goes on until the collection ends (null, code 0).
    for (ProgParm* parm = collection->getFirst(rc);; parm = collection->getNext(rc)) {
        if (parm != nullptr) {
            parms.push_back(parm);
            continue;
        }
        if (!isNotFound(rc))
            break;
    }
    if (rc.code != 0) {
        parms.clear();
        return parms;
    }
    std::ranges::stable_sort(parms, [](const ProgParm* a, const ProgParm* b) {
        if (a->getOrderNo() != b->getOrderNo())
            return a->getOrderNo() < b->getOrderNo();
        return a->getId().view() < b->getId().view();
    });
    return parms;
}

HQSTRING UDPBaseFunc::getDelimiter(HQRC& rc) {
    rc = HQRC();
    return L"BASE";
}

HQRC UDPBaseFunc::setProgramName(const HQSTRING& text) {
    return setLimited(L"setProgramName", f_.programName, text, 240);
}

HQRC UDPBaseFunc::setFuncName(const HQSTRING& text) {
    return setLimited(L"setFuncName", f_.funcName, text, 80);
}

HQRC UDPBaseFunc::setContact(const HQSTRING& text) {
    return setLimited(L"setContact", f_.contact, text, 64);
}

HQRC UDPBaseFunc::setUserid(const HQSTRING& text) {
    return setLimited(L"setUserid", f_.userid, text, 128);
}

HQRC UDPBaseFunc::setVBForm(const HQSTRING& text) {
    return setLimited(L"setVBForm", f_.VBForm, text, 50);
}

// Program definitions -----------------------------------------------------------

// A new program is a definition, so that it is found by name once created.
ProgFunc::ProgFunc() : UDPBaseFunc(kProgFuncInfo, rel::ProgParm_TO_ProgFunc) {
    f_.uniqueKey = L"ProgFunc";
}

HQRC ProgFunc::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L" WHERE name = ? and uniquekey = 'ProgFunc'",
                         {QueryParm::name(name)}, name);
}

HQRC ProgFunc::retrieveByProgramName(const HQSTRING& programName) {
    return retrieveWhere(L"retrieveByProgramName",
                         L" WHERE programname = ? and uniqueKey='ProgFunc'",
                         {QueryParm::text(programName, 241)}, programName);
}

HQRC ProgFunc::listFirst() {
    return listFirstWhere(L"listFirst", L" where uniquekey = 'ProgFunc' order by name ", {});
}

HQRC ProgFunc::listFirstByGrp(const DIRId& group) {
    return listFirstRelated(L"listFirstByGrp", rel::UDP_TO_Grouping, RelationSide::Target, group,
                            L" order by name");
}

HQRC ProgFunc::listFirstByIR(const DIRId& database) {
    return listFirstRelated(L"listFirstByIR", rel::UDP_TO_IR, RelationSide::Target, database,
                            L" order by name");
}

HQRC ProgFunc::listFirstBySIR(const DIRId& source) {
    return listFirstWhere(L"listFirstBySIR",
                          L" where qrtid in " + programsOnSitesOfOne() + L" order by name",
                          {QueryParm::id(source)});
}

HQRC ProgFunc::listFirstBySIRTIR(const DIRId& source, const DIRId& target) {
    return listFirstWhere(L"listFirstBySIRTIR",
                          L" where qrtid in " + programsOnSitesOfBoth() + L" order by name",
                          {QueryParm::id(source), QueryParm::id(target)});
}

HQRC ProgFunc::listFirstByGrpTIR(const DIRId& group, const DIRId& target) {
    return listFirstWhere(L"listFirstByGrpTIR",
                          L" where qrtid in " +
                              relatedIdsQuery(rel::UDP_TO_Grouping, RelationSide::Target) +
                              L" and qrtid in " + programsOnSitesOfOne() + L" order by name",
                          {QueryParm::id(group), QueryParm::id(target)});
}

HQRC ProgFunc::listFirstByGrpTIRSIR(const DIRId& group, const DIRId& target, const DIRId& source) {
    return listFirstWhere(L"listFirstByGrpTIRSIR",
                          L" where qrtid in " +
                              relatedIdsQuery(rel::UDP_TO_Grouping, RelationSide::Target) +
                              L" and qrtid in " + programsOnSitesOfBoth() + L" order by name",
                          {QueryParm::id(group), QueryParm::id(target), QueryParm::id(source)});
}

HQRC ProgFunc::listFirstByAgent(const DIRId& site) {
    return listFirstRelated(L"listFirstByAgent", rel::UDP_TO_AgentSite, RelationSide::Target, site,
                            L" and " + notInternal() + L" order by name");
}

HQRC ProgFunc::listFirstExclude() {
    return listFirstWhere(
        L"listFirstExclude",
        L" where uniqueKey='ProgFunc' and " + notInternal() + L" and qrtid not in " +
            relatedIdsQuery(rel::UDP_TO_ProgType, RelationSide::Target,
                            L"(select qrtid from " + controldb::table(L".progtype") +
                                L" where prognum = 4)"),
        {});
}

ProgType* ProgFunc::getProgTypeObj(HQRC& rc) {
    rc = checkPopulated(L"getProgTypeObj");
    if (rc.code != 0)
        return nullptr;
    ProgType* type = progType_.getFirst(rc);
    if (type == nullptr && rc.code == 0)
        rc = makeError(kDirNotFound, L"getProgTypeObj", objectTypeToString(DIRObjectType::ProgType),
                       getName());
    return type;
}

int32_t ProgFunc::getProgType(HQRC& rc) {
    const ProgType* type = getProgTypeObj(rc);
    return type == nullptr ? 0 : type->getProgNum();
}

HQSTRING ProgFunc::getDelimiter(HQRC& rc) {
    const ProgType* type = getProgTypeObj(rc);
    return type == nullptr ? HQSTRING() : type->getDelimiter();
}

bool ProgFunc::isInUse(HQRC& rc) {
    RelationCollection<AggreFunc>* instances = getAggreFuncList(rc);
    const bool used = instances != nullptr && instances->entries(rc) > 0;
    if (used)
        inUseBy_ = HQSTRING(rel::UDP_TO_AggreFuncs.name);
    return used;
}

// Program instances --------------------------------------------------------------

UDPInstance::UDPInstance(const ClassInfo& info, const Relation& parameters,
                         const Relation& definition)
    : UDPBaseFunc(info, parameters),
      getProgFunc(*this, definition, RelationSide::Source, L"getProgFunc") {}

HQSTRING UDPInstance::getDelimiter(HQRC& rc) {
    ProgFunc* definition = getProgFunc(rc);
    return definition == nullptr ? HQSTRING() : definition->getDelimiter(rc);
}

AggreFunc::AggreFunc()
    : UDPInstance(kAggreFuncInfo, rel::ProgParm_TOAggreFunc, rel::UDP_TO_AggreFuncs) {}

DIRBase::SelectSource AggreFunc::selectSource() const {
    const HQSTRING programs = controldb::table(L".progfunc2");
    return {L"agg.qrtid, agg.updated_by, agg.update_ts, prog.name,prog.short_description",
            programs + L" agg, " + programs + L" prog "};
}

std::span<const ColumnDesc> AggreFunc::columnLayout() const {
    return Fields::instanceColumns().layout();
}

void AggreFunc::populateProxy(const ColumnBuffer& buffer) {
    Fields::instanceColumns().populate(buffer, f_);
}

HQRC AggreFunc::retrieveId(const DIRId& id) {
    // Of several definition rows (which the relation does not allow) the
    // lowest identifier is taken.
    return retrieveWhere(L"retrieveId",
                         L" where agg.qrtid = ? and prog.qrtid in " +
                             relatedIdsQuery(rel::UDP_TO_AggreFuncs, RelationSide::Source) +
                             L" ORDER BY prog.qrtid",
                         {QueryParm::id(id), QueryParm::id(id)}, id.toString());
}

HQRC AggreFunc::listFirstByProgFunc(const DIRId& program) {
    return listFirstWhere(L"listFirstByProgFunc",
                          L" where agg.qrtid in " +
                              relatedIdsQuery(rel::UDP_TO_AggreFuncs, RelationSide::Target) +
                              L" and prog.qrtid = ? ORDER BY agg.qrtid",
                          {QueryParm::id(program), QueryParm::id(program)});
}

void AggreFunc::addWriteColumns(DIRInsert& insert) const {
    insert.addValue(L"uniqueKey", columnwrite::text(f_.uniqueKey));
    insert.addValue(L"VBForm", columnwrite::text(f_.VBForm));
}
