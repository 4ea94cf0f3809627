// Steps: columns, list conditions, the source and target databases, the
// retry values left to the source database, and the stored statements.
#include "dictionary/business_view.h"

#include "dictionary/agent_site.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/program.h"

namespace {
using F = BusinessViewFields;
// The maps, aliases, schedules, program instance and join links of a step
// belong to it.
constexpr RelationEnd kDependents[] = {{&rel::BV_TO_Map, RelationSide::Target},
                                       {&rel::BV_TO_BVAlias, RelationSide::Source},
                                       {&rel::BV_TO_Schedule, RelationSide::Source},
                                       {&rel::BV_TO_AggregFunc, RelationSide::Source},
                                       {&rel::BV_TO_AttLink_Rel, RelationSide::Target}};
const ClassInfo kInfo{
    DIRObjectType::BusinessView, L".BusinessView", L"DDDPBUSV", "BVLDesc", L"", {}, kDependents};

constexpr int32_t kNoTargetDatabase = 3713;

constexpr int32_t kNoSourceDatabase = 3714;
// Program type of the programs that notify people of a process's outcome.
constexpr int32_t kNotificationProgramType = 6;
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"persistentFlag", &F::persistentFlag),
        col(L"status", 16, &F::status),
        col(L"version", &F::version),
        col(L"contact", 65, &F::contact),
        col(L"max_editions", &F::max_editions),
        col(L"create_ts", &F::create_ts),
        col(L"atomic_flag", &F::atomic_flag),
        col(L"extern_populated", &F::extern_populated),
        col(L"must_have_data", &F::must_have_data),
        col(L"by_req_schedule", &F::by_req_schedule),
        col(L"AutoGenSelectStmt", &F::AutoGenSelectStmt),
        col(L"grantToPublic", &F::grantToPublic),
        col(L"BVRetryIntrv", &F::BVRetryIntrv),
        col(L"BVRetryCount", &F::BVRetryCount),
        col(L"lastColSeqNmCreate", &F::lastColSeqNmCreate),
        col(L"lastColSeqNmAlter", &F::lastColSeqNmAlter),
        col(L"createTarTab", &F::createTarTab),
        col(L"bvType", &F::bvType),
        col(L"SQLWarning", &F::SQLWarning),
        col(L"selectDistinct", &F::selectDistinct),
        col(L"groupBy", &F::groupBy),
        col(L"having", &F::having),
        col(L"EUIJoinXY", 255, &F::EUIJoinXY),
        col(L"AutoGenCreateStmt", &F::AutoGenCreateStmt),
        col(L"PrimaryKeyNew", &F::PrimaryKeyNew),
        col(L"ForeignKeyNew", &F::ForeignKeyNew),
        col(L"commitDelete", &F::commitDelete),
        col(L"commitRowCount", &F::commitRowCount),
        col(L"populationType", &F::populationType),
        col(L"ProgFuncId", 11, &F::ProgFuncId),
        col(L"schedulesFlag", &F::schedulesFlag),
    };
    return table;
}

BusinessView::BusinessView()
    : DIRRecord(kInfo), createStmt_(*this, "BVcreate"), selectStmt_(*this, "BVselect"),
      insertStmt_(*this, "BVinsert"), deleteStmt_(*this, "BVdelete"), alterStmt_(*this, "BValter"),
      fromPart_(*this, "BVfrompart"), groupByPart_(*this, "BVgroupBy"),
      joinLayout_(*this, "BVEUIJoinXY"), blobData_(*this, "BLOBDATA") {}

void BusinessView::resetFields() {
    DIRRecord::resetFields();
    retryInterval_.reset();
    retryCount_.reset();
}

HQRC BusinessView::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L" WHERE name = ?", {QueryParm::name(name)}, name);
}

HQRC BusinessView::listFirst() {
    return listFirstWhere(L"listFirst", L" ORDER BY name", {});
}

HQRC BusinessView::listFirstByProcess(const DIRId& process) {
    return listFirstRelated(L"listFirstByProcess", rel::Process_TO_BV, RelationSide::Source,
                            process);
}

namespace {
// The steps related to a process for one outcome and not for the other,
// whose program instance belongs to a program of the notification type.
HQSTRING notificationCondition(const Relation& outcome, const Relation& other) {
    const HQSTRING notificationTypes = L"(select qrtid from " + controldb::table(L".progtype") +
                                       L" where prognum=" +
                                       HQSTRING(std::to_wstring(kNotificationProgramType)) + L")";
    const HQSTRING programs =
        relatedIdsQuery(rel::UDP_TO_ProgType, RelationSide::Target, notificationTypes);
    const HQSTRING instances =
        relatedIdsQuery(rel::UDP_TO_AggreFuncs, RelationSide::Target, programs);
    return L" where qrtid in " + relatedIdsQuery(outcome, RelationSide::Source) +
           L" and qrtid not in " + relatedIdsQuery(other, RelationSide::Source) +
           L" and qrtid in " +
           relatedIdsQuery(rel::BV_TO_AggregFunc, RelationSide::Target, instances);
}
} // namespace

HQRC BusinessView::listFirstNotificationBVSuccessProcess(const DIRId& process) {
    return listFirstWhere(
        L"listFirstNotificationBVSuccessProcess",
        notificationCondition(rel::Process_TO_BVPOSTCAS, rel::Process_TO_BVPOSTCAF),
        {QueryParm::id(process), QueryParm::id(process)});
}

HQRC BusinessView::listFirstNotificationBVFailProcess(const DIRId& process) {
    return listFirstWhere(
        L"listFirstNotificationBVFailProcess",
        notificationCondition(rel::Process_TO_BVPOSTCAF, rel::Process_TO_BVPOSTCAS),
        {QueryParm::id(process), QueryParm::id(process)});
}

HQRC BusinessView::listFirstBySubject(const DIRId& subject) {
    return listFirstRelated(L"listFirstBySubject", rel::COLL_TO_BV, RelationSide::Source, subject);
}

HQRC BusinessView::listFirstByCascade(const DIRId& step) {
    return listFirstRelated(L"listFirstByCascade", rel::BV_POSTCASCADE_TO_BV, RelationSide::Source,
                            step);
}

HQRC BusinessView::listFirstByCascadeFail(const DIRId& step) {
    return listFirstRelated(L"listFirstByCascadeFail", rel::BV_POSTCAS_TO_BVFAIL,
                            RelationSide::Source, step);
}

HQRC BusinessView::listFirstCascadingTo(const DIRId& step) {
    return listFirstWhere(
        L"listFirstCascadingTo",
        L" where qrtid in " + relatedIdsQuery(rel::BV_POSTCASCADE_TO_BV, RelationSide::Target) +
            L" or qrtid in " + relatedIdsQuery(rel::BV_POSTCAS_TO_BVFAIL, RelationSide::Target),
        {QueryParm::id(step), QueryParm::id(step)});
}

HQRC BusinessView::listFirstChildren(const DIRId& step) {
    return listFirstRelated(L"listFirstChildren", rel::BV_TO_ChildBV, RelationSide::Source, step);
}

HQRC BusinessView::listFirstBySourceTable(const DIRId& table) {
    return listFirstRelated(L"listFirstBySourceTable", rel::BV_TO_Input_DR, RelationSide::Target,
                            table);
}

HQRC BusinessView::listFirstByTargetTable(const DIRId& table) {
    return listFirstRelated(L"listFirstByTargetTable", rel::BV_TO_Output_DR, RelationSide::Target,
                            table);
}

InformationResource* BusinessView::databaseOf(const wchar_t* operation,
                                              RelationCollection<InformationResource>& explicitly,
                                              RelationCollection<DataResource>& tables,
                                              int32_t missing, HQRC& rc) {
    rc = checkPopulated(operation);
    if (rc.code != 0)
        return nullptr;
    if (InformationResource* database = explicitly.getFirst(rc); database != nullptr)
        return database;
    if (rc.code != 0) {
        rc = passUp(rc, operation);
        return nullptr;
    }
    DataResource* table = tables.getFirst(rc);
    InformationResource* database =
        table != nullptr && rc.code == 0 ? table->getInformationResource(rc) : nullptr;
    if (rc.code != 0) {
        rc = passUp(rc, operation);
        return nullptr;
    }
    if (table == nullptr) // no table: no database
        rc = makeError(missing, operation, objectTypeToString(DIRObjectType::BusinessView),
                       getName());
    return database; // null with code 0 for a table that names no database
}

InformationResource* BusinessView::getSourceIR(HQRC& rc) {
    return databaseOf(L"getSourceIR", sourceIR_, getInputList, kNoSourceDatabase, rc);
}

InformationResource* BusinessView::getTargetIR(HQRC& rc) {
    return databaseOf(L"getTargetIR", targetIR_, getOutputTable, kNoTargetDatabase, rc);
}

int32_t BusinessView::retryValue(const wchar_t* operation, int32_t stored,
                                 std::optional<int32_t>& resolved,
                                 int32_t InformationResourceFields::*fallback, HQRC& rc) {
    rc = HQRC();
    if (stored != Fields::kRetryFromDatabase)
        return stored;
    if (resolved)
        return *resolved;
    InformationResource* database = getSourceIR(rc);
    if (database == nullptr) {
        if (rc.code != 0)
            rc = passUp(rc, operation);
        return Fields::kRetryFromDatabase;
    }
    resolved = database->fields().*fallback;
    return *resolved;
}

int32_t BusinessView::getRetryInterval(HQRC& rc) {
    return retryValue(L"getRetryInterval", f_.BVRetryIntrv, retryInterval_,
                      &InformationResourceFields::defaultRetryIntrv, rc);
}

int32_t BusinessView::getRetryCount(HQRC& rc) {
    return retryValue(L"getRetryCount", f_.BVRetryCount, retryCount_,
                      &InformationResourceFields::defaultRetryCount, rc);
}

size_t BusinessView::getBLOBDATALength(HQRC& rc) {
    blobData_.getData(rc);
    return blobData_.getLength();
}

void BusinessView::setStatement(const char* key, const HQSTRING& text) {
    if (DIRString* statement = getString(key))
        statement->setValue(text);
}

bool BusinessView::isInUse(HQRC& rc) {
    rc = HQRC();
    if (f_.status != L"Production")
        return false;
    inUseBy_ = L"status Production";
    return true;
}

bool BusinessView::isNotificationStep(HQRC& rc) {
    AggreFunc* instance = getAggreFunc(rc);
    ProgFunc* program = instance == nullptr ? nullptr : instance->getProgFunc(rc);
    if (program == nullptr)
        return false;
    const int32_t type = program->getProgType(rc);
    if (isNotFound(rc)) // a program without a type notifies nobody
        rc = HQRC();
    return rc.code == 0 && type == kNotificationProgramType;
}

HQRC BusinessView::destroyParticular() {
    HQRC rc;
    for (RelationCollection<BusinessView>* started :
         {getChildList(rc), getPostCascadeList(rc), getPostCascadeFailList(rc)}) {
        if (started == nullptr)
            return rc;
        std::vector<DIRId> steps;
        for (RelationElement* e = started->getFirstElement(rc); e != nullptr;
             e = started->getNextElement(rc))
            if (!(e->getId() == getId()))
                steps.push_back(e->getId());
        for (const DIRId& id : steps) {
            if (rc.code != 0)
                return rc;
            BusinessView step;
            rc = step.retrieveId(id);
            if (isNotFound(rc)) {
                rc = HQRC();
                continue;
            }
            if (rc.code == 0 && step.isNotificationStep(rc))
                rc = step.destroyId(id);
        }
    }
    return rc;
}
