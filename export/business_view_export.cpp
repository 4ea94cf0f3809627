// Export of steps: the step's record (with the side file of its binary SQL
// data), the order in which it exports what it refers to, and the records of
// its aliases, correlations, maps and program instance.
#include "export/business_view_export.h"

#include <string>
#include <utility>

#include "dictionary/agent_site.h"
#include "dictionary/business_view.h"
#include "dictionary/bv_alias.h"
#include "dictionary/bv_schedule.h"
#include "dictionary/data_resource.h"
#include "dictionary/dr_correlation.h"
#include "dictionary/information_resource.h"
#include "dictionary/map.h"
#include "dictionary/program.h"
#include "dictionary/security_group.h"
#include "export/agent_site_export.h"
#include "export/column_passes.h"
#include "export/database_export.h"
#include "export/export_registry.h"
#include "export/list_walk.h"
#include "export/program_export.h"
#include "export/property_table.h"
#include "export/schedule_export.h"
#include "export/security_group_export.h"
#include "export/side_file.h"
#include "export/table_export.h"

namespace {

// The step has no target (source) database.
constexpr int32_t kNoTargetDatabase = 3713;
constexpr int32_t kNoSourceDatabase = 3714;

// 0 while the source database and the input tables of a step are exported
// and the run leaves source objects out: they then get relation records only.
int put_source = 1;

// Sets put_source to the run's relation switch while it lives.
class SourceObjects {
public:
    explicit SourceObjects(int relation) { put_source = relation; }
    ~SourceObjects() { put_source = 1; }
    SourceObjects(const SourceObjects&) = delete;
    SourceObjects& operator=(const SourceObjects&) = delete;
};

// What a step's record depends on besides the step: the cascade switch and
// the side file written for its binary SQL data.
struct StepContext {
    int cascade = 0;
    bool sideFileTried = false;
    int sideFile = 0; // number of the side file; 0: none was written
    long sideFileLength = 0;
};
using Step = ObjectInContext<BusinessView, StepContext>;
using StepRow = PropertyRow<Step>;
using StepFields = BusinessView::Fields;
using F = PropertyForm;

// A step that has no such object: the lookup's normal "none" answers.
bool isAbsence(const HQRC& rc, int32_t noDatabase) {
    return DIRBase::isNotFound(rc) || rc.code == noDatabase;
}

// A text on one line: every line feed becomes a blank.
HQSTRING onOneLine(const HQSTRING& text) {
    return DataResource::getNameReplaceString(text, L"\n", L" ");
}

// The retry values are written only when they can be worked out: a step
// whose value is left to a source database it does not have writes none.
// Any other failure ends the run.
template <int32_t (BusinessView::*value)(HQRC&)> bool retryKnown(Step& s) {
    HQRC rc;
    (s.object.*value)(rc);
    if (rc.code == 0)
        return true;
    if (isAbsence(rc, kNoSourceDatabase))
        return false;
    throw rc;
}
template <int32_t (BusinessView::*value)(HQRC&)> PropertyValue retry(Step& s, HQRC& rc) {
    return long{(s.object.*value)(rc)};
}

// Writes the side file of the step's binary SQL data on first call, when the
// step has data; true when a side file was written.
bool sideFileWritten(Step& s) {
    StepContext& c = s.context;
    if (!std::exchange(c.sideFileTried, true)) {
        HQRC rc;
        const size_t length = s.object.getBLOBDATALength(rc);
        const std::string& data = s.object.getBLOBDATA(rc);
        if (rc.code != 0 && !DIRBase::isNotFound(rc))
            throw rc;
        if (rc.code == 0 && length > 0) {
            c.sideFile = write_side_file(std::string_view(data).substr(0, length), L"export_BV");
            c.sideFileLength = static_cast<long>(length);
        }
    }
    return c.sideFile != 0;
}

const StepRow kStepProperties[] = {
    StepRow::name(),
    StepRow::shortDescription(),
    StepRow::longDescription(),
    // "N" for an atomic step, "Y" for a composite one.
    StepRow::computed(qrtcmpos_key, F::Text,
                      [](Step& s, HQRC&) -> PropertyValue {
                          return HQSTRING(s.fields().atomic_flag != 0 ? N_key : Y_key);
                      }),
    StepRow::field(qrtrqsch_key, F::YesIfNonZero, &StepFields::by_req_schedule),
    StepRow::field(qrtconta_key, F::WrappedIfNonEmpty, &StepFields::contact),
    StepRow::computed(qrtrtryi_key, F::Decimal, retry<&BusinessView::getRetryInterval>,
                      retryKnown<&BusinessView::getRetryInterval>),
    StepRow::computed(qrtrtryc_key, F::Decimal, retry<&BusinessView::getRetryCount>,
                      retryKnown<&BusinessView::getRetryCount>),
    StepRow::field(qrtselgn_key, F::YesIfNonZero, &StepFields::AutoGenSelectStmt),
    // The stored SELECT, only when it is not generated.
    StepRow::computed(
        qrtselst_key, F::Wrapped,
        [](Step& s, HQRC& rc) -> PropertyValue { return onOneLine(s.object.getSelectStmt(rc)); },
        [](Step& s) { return s.fields().AutoGenSelectStmt == 0; }),
    StepRow::field(qrtexpop_key, F::YesIfNonZero, &StepFields::extern_populated),
    StepRow::field(qrtbvtyp_key, F::Decimal, &StepFields::bvType),
    StepRow::field(qrtsqlw_key, F::Decimal, &StepFields::SQLWarning),
    StepRow::field(qrtdist_key, F::YesIfNonZero, &StepFields::selectDistinct),
    StepRow::field(qrtgroup_key, F::YesIfNonZero, &StepFields::groupBy),
    StepRow::field(qrtaving_key, F::YesIfNonZero, &StepFields::having),
    StepRow::field(qrtrqdat_key, F::Decimal, &StepFields::must_have_data),
    StepRow::field(qrtcomit_key, F::YesIfNonZero, &StepFields::commitDelete),
    StepRow::field(qrtcrows_key, F::Decimal, &StepFields::commitRowCount),
    // Only for a step with schedules, and only when schedules are exported.
    StepRow::computed(
        hassched_key, F::Text, [](Step&, HQRC&) -> PropertyValue { return HQSTRING(Y_key); },
        [](Step& s) { return s.fields().schedulesFlag != 0 && s.context.cascade == 1; }),
    StepRow::computed(qrtsqlfr_key, F::WrappedIfNonEmpty,
                      [](Step& s, HQRC& rc) -> PropertyValue {
                          return onOneLine(s.object.getFromPartOfSelect(rc));
                      }),
    // The length and the number of the side file, when one was written.
    StepRow::computed(
        qrtsqlen_key, F::Decimal,
        [](Step& s, HQRC&) -> PropertyValue { return s.context.sideFileLength; }, sideFileWritten),
    StepRow::computed(
        qrtsql_key, F::Decimal,
        [](Step& s, HQRC&) -> PropertyValue { return long{s.context.sideFile}; }, sideFileWritten),
};

const ExportRecord<Step> kStepRecord{DIRObjectType::BusinessView, kStepProperties, FromOwner::None,
                                     true};

using AliasRow = PropertyRow<BVAlias>;
const AliasRow kAliasProperties[] = {AliasRow::name(), AliasRow::shortDescription()};
const ExportRecord<BVAlias> kAliasRecord{DIRObjectType::BVAlias, kAliasProperties,
                                         FromOwner::Contain, true};

using CorrelationRow = PropertyRow<DRCorrelation>;
const CorrelationRow kCorrelationProperties[] = {
    CorrelationRow::field(DIRBname_key, F::Wrapped, &DRCorrelation::Fields::correlationName),
    CorrelationRow::identifier(keyid_key),
};
const ExportRecord<DRCorrelation> kCorrelationRecord{DIRObjectType::DRCorrelation,
                                                     kCorrelationProperties};

using MapRow = PropertyRow<Map>;
using MapFields = Map::Fields;
const MapRow kMapProperties[] = {
    MapRow::name(),
    MapRow::field(mapbvnam_key, F::Wrapped, &MapFields::BVName),
    MapRow::shortDescription(),
    MapRow::field(mapseqno_key, F::Decimal, &MapFields::seqNo),
    MapRow::computed(maptype_key, F::Decimal,
                     [](Map& m, HQRC&) -> PropertyValue { return long{m.getTypeOfMap()}; }),
    MapRow::computed(mapexpr_key, F::WrappedIfNonEmpty,
                     [](Map& m, HQRC& rc) -> PropertyValue { return m.getExpression(rc); }),
    MapRow::field(transnam_key, F::WrappedIfNonEmpty, &MapFields::transName),
    MapRow::field(attr1flg_key, F::Decimal, &MapFields::attr1Flags),
    MapRow::field(attr2flg_key, F::Decimal, &MapFields::attr2Flags),
};
const ExportRecord<Map> kMapRecord{DIRObjectType::Map, kMapProperties, FromOwner::Contain};

// The two column passes of a map: its input column, then its output column.
const ColumnPass<Map> kMapColumnPasses[] = {
    {&Map::getInputAttribute, NameNType2::MapInCol},
    {&Map::getOutputAttribute, NameNType2::MapOtCol},
};

using FunctionRow = PropertyRow<AggreFunc>;
const FunctionRow kFunctionProperties[] = {
    FunctionRow::field(pgmunkey_key, F::Text, &AggreFunc::Fields::uniqueKey),
};
const ExportRecord<AggreFunc> kFunctionRecord{DIRObjectType::AggreFunc, kFunctionProperties};

// The relation type that ties a table of that kind to its step. A table its
// program manages in cascade is tied like one it manages.
NameNType2::relobjType tableRelation(DRInOutType kind) {
    switch (kind) {
    case DROutput:
        return NameNType2::BVOutTbl;
    case DRInput:
        return NameNType2::BVInpTbl;
    default:
        return NameNType2::BVUdpOut;
    }
}

} // namespace

HQRC export_BV(BusinessView* step, int cascade, int relation) {
    Euit_ParmList stepKeys;
    if (!registerNew(*step, stepKeys))
        return HQRC();
    Step record{*step, StepContext{.cascade = cascade}};
    writeRecord(kStepRecord, record, stepKeys);
    Tag_ExpList& registry = Tag_ExpList::getInstance();

    walkRelated(step->getAliasList, WalkEnd::RaiseErrors,
                [&](BVAlias& alias) { export_BVAlias(&alias, stepKeys); });

    export_StepRelations(
        step->getChildList, stepKeys, NameNType2::BVParent,
        [&](BusinessView& child) { export_BV(&child, cascade, relation); },
        StepCheckpoint::AfterEach);

    HQRC rc;
    if (InformationResource* target = step->getTargetIR(rc))
        export_InfoRes_forBV(target, stepKeys, NameNType2::BVTarIR);
    else if (rc.code != kNoTargetDatabase)
        raiseIfFailed(rc);

    if (InformationResource* source = step->getSourceIR(rc)) {
        SourceObjects leftOut(relation);
        export_InfoRes_forBV(source, stepKeys, NameNType2::BVSrcIR);
    } else if (!isAbsence(rc, kNoSourceDatabase)) {
        raiseIfFailed(rc);
    }

    if (DataResource* output = step->getOutputTable(rc))
        export_DataRes_forBV(output, stepKeys, DROutput);
    raiseIfFailed(rc);

    {
        SourceObjects leftOut(relation);
        walkRelated(step->getInputList, WalkEnd::RaiseErrors,
                    [&](DataResource& table) { export_DataRes_forBV(&table, stepKeys, DRInput); });
    }
    walkRelated(step->getUDPManagedList, WalkEnd::RaiseErrors,
                [&](DataResource& table) { export_DataRes_forBV(&table, stepKeys, DRManaged); });
    walkRelated(step->getUDPManagedCascadeList, WalkEnd::RaiseErrors, [&](DataResource& table) {
        export_DataRes_forBV(&table, stepKeys, DRManagedCascade);
    });

    DRCorrelation correlation;
    walkRows(correlation, correlation.listFirstByBV(step->getId()), WalkEnd::RaiseErrors,
             [&](DRCorrelation& each) { export_DRCorrelation_forBV(&each, stepKeys); });

    walkRelated(step->getMapList, WalkEnd::RaiseErrors,
                [&](Map& map) { export_Map_forBV(&map, stepKeys); });

    if (AggreFunc* function = step->getAggreFunc(rc))
        export_AggreFunc_forBV(function, stepKeys);
    else if (!DIRBase::isNotFound(rc))
        raiseIfFailed(rc);

    if (AgentSite* site = step->getAgentSite(rc))
        export_AgentSite_forBV(site, stepKeys);
    raiseIfFailed(rc);

    if (cascade == 0)
        return HQRC();

    walkRelated(step->getScheduleList, WalkEnd::RaiseErrors, [&](BVSchedule& schedule) {
        export_BVSchedule(&schedule, stepKeys);
        Euit_ParmList scheduleKeys;
        registry.getKeys(&schedule, scheduleKeys);
        writeContain(DIRObjectType::BusinessView, stepKeys, DIRObjectType::BVSchedule,
                     scheduleKeys);
        Tag_File::write_chkpid();
    });
    // The relation records to the steps started come with the cascade pass.
    walkRelated(step->getPostCascadeList, WalkEnd::RaiseErrors,
                [&](BusinessView& next) { export_BV(&next, cascade, relation); });
    walkRelated(step->getPostCascadeFailList, WalkEnd::RaiseErrors,
                [&](BusinessView& next) { export_BV(&next, cascade, relation); });

    // Each notified group's record is written again for every step that
    // notifies it.
    SecurityGroup group;
    bool first = true;
    walkRows(group, group.listFirstByNotificationBV(step->getId()), WalkEnd::RaiseErrors,
             [&](SecurityGroup& each) {
                 if (std::exchange(first, false)) {
                     export_relinstance(NameNType2::BVNtfySG, stepKeys);
                     writeLink(DIRObjectType::BusinessView, stepKeys, NameNType2::BVNtfySG,
                               stepKeys);
                 }
                 export_SecurityGroup(&each);
                 Euit_ParmList groupKeys;
                 registry.getKeys(&each, groupKeys);
                 writeLink(NameNType2::BVNtfySG, stepKeys, DIRObjectType::SecurityGroup, groupKeys);
                 Tag_File::write_chkpid();
             });
    Tag_File::write_chkpid();
    return HQRC();
}

void export_BVRel(const Euit_ParmList& stepKeys, NameNType2::relobjType type) {
    export_relinstance(type, stepKeys);
    writeContain(DIRObjectType::BusinessView, stepKeys, type, stepKeys);
}

bool export_StepRelations(RelationList<BusinessView>& steps, const Euit_ParmList& stepKeys,
                          NameNType2::relobjType type,
                          const std::function<void(BusinessView&)>& each,
                          StepCheckpoint checkpoint) {
    bool any = false;
    walkRelated(steps, WalkEnd::RaiseErrors, [&](BusinessView& member) {
        if (!std::exchange(any, true))
            export_BVRel(stepKeys, type);
        each(member);
        Euit_ParmList memberKeys;
        Tag_ExpList::getInstance().getKeys(&member, memberKeys);
        writeContain(type, stepKeys, DIRObjectType::BusinessView, memberKeys);
        if (checkpoint == StepCheckpoint::AfterEach)
            Tag_File::write_chkpid();
    });
    if (any && checkpoint == StepCheckpoint::AfterAll)
        Tag_File::write_chkpid();
    return any;
}

void export_BVAlias(BVAlias* alias, const Euit_ParmList& stepKeys) {
    Euit_ParmList aliasKeys;
    writeNewRecord(kAliasRecord, *alias, aliasKeys, {DIRObjectType::BusinessView, &stepKeys});
}

void export_InfoRes_forBV(InformationResource* database, const Euit_ParmList& stepKeys,
                          NameNType2::relobjType type) {
    if (put_source != 0)
        export_InfoRes(database);
    export_BVRel(stepKeys, type);
    Euit_ParmList databaseKeys;
    Tag_ExpList::getInstance().getKeys(database, databaseKeys);
    writeContain(type, stepKeys, DIRObjectType::InformationResource, databaseKeys);
    Tag_File::write_chkpid();
}

void export_DataRes_forBV(DataResource* table, const Euit_ParmList& stepKeys, DRInOutType kind) {
    if (put_source != 0)
        raiseIfFailed(export_DataRes(table));
    const NameNType2::relobjType type = tableRelation(kind);
    export_BVRel(stepKeys, type);
    Euit_ParmList tableKeys;
    Tag_ExpList::getInstance().getKeys(table, tableKeys);
    writeContain(type, stepKeys, DIRObjectType::DataResource, tableKeys);
    Tag_File::write_chkpid();
}

void export_DRCorrelation_forBV(DRCorrelation* correlation, const Euit_ParmList& stepKeys) {
    Euit_ParmList correlationKeys;
    if (!writeNewRecord(kCorrelationRecord, *correlation, correlationKeys))
        return;
    HQRC rc;
    if (DataResource* table = correlation->getDataResource(rc)) {
        if (put_source != 0)
            raiseIfFailed(export_DataRes(table));
        Euit_ParmList tableKeys;
        Tag_ExpList::getInstance().getKeys(table, tableKeys);
        writeContain(DIRObjectType::DRCorrelation, correlationKeys, DIRObjectType::DataResource,
                     tableKeys);
    }
    raiseIfFailed(rc);
    writeContain(DIRObjectType::DRCorrelation, correlationKeys, DIRObjectType::BusinessView,
                 stepKeys);
    Tag_File::write_chkpid();
}

void export_Map_forBV(Map* map, const Euit_ParmList& stepKeys) {
    Euit_ParmList mapKeys;
    if (!writeNewRecord(kMapRecord, *map, mapKeys, {DIRObjectType::BusinessView, &stepKeys}))
        return;
    writeColumnPasses<Map>(*map, DIRObjectType::Map, mapKeys, kMapColumnPasses,
                           {.contain = true, .columnRecordFirst = false});
    Tag_File::write_chkpid();
}

void export_AggreFunc_forBV(AggreFunc* function, const Euit_ParmList& stepKeys) {
    Euit_ParmList functionKeys;
    if (!writeNewRecord(kFunctionRecord, *function, functionKeys))
        return;
    HQRC rc;
    ProgFunc* program = function->getProgFunc(rc);
    raiseIfFailed(rc);
    if (program) {
        // The record from the program is written even when the program's
        // export failed.
        Euit_ParmList programKeys;
        const HQRC programResult = export_UDP(program, programKeys);
        writeContain(DIRObjectType::ProgFunc, programKeys, DIRObjectType::AggreFunc, functionKeys);
        raiseIfFailed(programResult);
    }
    writeContain(DIRObjectType::BusinessView, stepKeys, DIRObjectType::AggreFunc, functionKeys);
    export_ProgParms(function, functionKeys, DIRObjectType::AggreFunc);
    Tag_File::write_chkpid();
}
