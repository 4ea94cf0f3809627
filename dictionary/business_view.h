// BusinessView: a warehouse step, the unit of work that reads source tables
// of a source database and writes a target table of a target database, by
// its SQL or by a program, on an agent site, on schedules or in cascades
// after other steps. Most relations of the metadata have a step at one end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class AgentSite;
class AggreFunc;
class AttributeLink;
class BVAlias;
class BVSchedule;
class BVSecurity;
class DataResource;
class DRCorrelation;
class HQUser;
class InformationResource;
struct InformationResourceFields;
class Map;
class OLAPCube;
class Process;
class SecurityGroup;
class Subject;
class TrigFunc;

struct BusinessViewFields {
    // Stored by the step editor when a retry value is left to the source
    // database, and held for a NULL column.
    static constexpr int32_t kRetryFromDatabase = -99;

    int16_t persistentFlag = 0;
    HQSTRING status;
    int16_t version = 0;
    HQSTRING contact;
    int32_t max_editions = 0;
    TimeStamp create_ts;
    int16_t atomic_flag = 0;
    int16_t extern_populated = 0;
    int16_t must_have_data = 0;
    int16_t by_req_schedule = 0;
    int16_t AutoGenSelectStmt = 0;
    int16_t grantToPublic = 0;
    int32_t BVRetryIntrv = kRetryFromDatabase;
    int32_t BVRetryCount = kRetryFromDatabase;
    int32_t lastColSeqNmCreate = 0;
    int32_t lastColSeqNmAlter = 0;
    int16_t createTarTab = 0;
    int32_t bvType = 0;
    int32_t SQLWarning = 0;
    int16_t selectDistinct = 0;
    int16_t groupBy = 0;
    int16_t having = 0;
    HQSTRING EUIJoinXY;
    int16_t AutoGenCreateStmt = 0;
    int16_t PrimaryKeyNew = 0;
    int16_t ForeignKeyNew = 0;
    int16_t commitDelete = 0;
    int32_t commitRowCount = 0;
    int32_t populationType = 0;
    HQSTRING ProgFuncId;
    int16_t schedulesFlag = 0;

    static const ColumnTable<BusinessViewFields>& columns();
};

class BusinessView : public DIRRecord<BusinessViewFields> {
public:
    BusinessView();

    // " WHERE name = ?"; 3142 with "BusinessView" and the name.
    HQRC retrieve(const HQSTRING& name);

    // All steps, in name order.
    HQRC listFirst();
    // The steps of a process.
    HQRC listFirstByProcess(const DIRId& process);
    // The steps that notify on the success (failure) of a process: related to
    // it for that outcome and not for the other, and running a program whose
    // program type has the number 6.
    HQRC listFirstNotificationBVSuccessProcess(const DIRId& process);
    HQRC listFirstNotificationBVFailProcess(const DIRId& process);
    // The steps of a subject.
    HQRC listFirstBySubject(const DIRId& subject);
    // The steps that a step starts after its success (failure), and those
    // that start it after theirs.
    HQRC listFirstByCascade(const DIRId& step);
    HQRC listFirstByCascadeFail(const DIRId& step);
    HQRC listFirstCascadingTo(const DIRId& step);
    // The child steps of a step.
    HQRC listFirstChildren(const DIRId& step);
    // The steps that read (write) a table.
    HQRC listFirstBySourceTable(const DIRId& table);
    HQRC listFirstByTargetTable(const DIRId& table);

    // The source (target) database: the one related to the step explicitly,
    // else the database of the first source (target) table; null with 3714
    // (3713) when the step has neither, null with code 0 when that table
    // names no database.
    InformationResource* getSourceIR(HQRC& rc);
    InformationResource* getTargetIR(HQRC& rc);
    // The retry interval and count as stored, or the source database's
    // default where the step leaves them to it (stored -99 or NULL); -99 with
    // the failure of getSourceIR when that database cannot be found, -99 with
    // code 0 when the first source table names no database.
    int32_t getRetryInterval(HQRC& rc);
    int32_t getRetryCount(HQRC& rc);

    // The stored statements and parts of the SELECT, each read on first use.
    HQSTRING getSelectStmt(HQRC& rc) { return selectStmt_.getValue(rc); }
    HQSTRING getFromPartOfSelect(HQRC& rc) { return fromPart_.getValue(rc); }
    HQSTRING getGroupByPart(HQRC& rc) { return groupByPart_.getValue(rc); }
    HQSTRING getCreateStmt(HQRC& rc) { return createStmt_.getValue(rc); }
    HQSTRING getInsertStmt(HQRC& rc) { return insertStmt_.getValue(rc); }
    HQSTRING getDeleteStmt(HQRC& rc) { return deleteStmt_.getValue(rc); }
    HQSTRING getAlterStmt(HQRC& rc) { return alterStmt_.getValue(rc); }
    HQSTRING getJoinLayout(HQRC& rc) { return joinLayout_.getValue(rc); }
    // The step's binary SQL data, read whole on first use; no row gives none.
    const std::string& getBLOBDATA(HQRC& rc) { return blobData_.getData(rc); }
    size_t getBLOBDATALength(HQRC& rc);

    // Write side: the statements and binary data, stored by create and update.
    void setStatement(const char* key, const HQSTRING& text);
    void setBLOBDATA(std::string bytes) { blobData_.setData(std::move(bytes)); }
    // A step in production is in use: it is taken out of production before
    // it may be deleted.
    bool isInUse(HQRC& rc) override;
    // True for a step that runs a notification program (program type 6).
    bool isNotificationStep(HQRC& rc);

    // The related objects; a getter of a collection gives null with 3104 when
    // the step was never read, a getter of one object null with code 0 when
    // there is none.
    RelatedObject<AgentSite> getAgentSite{*this, rel::BV_TO_AgentSite, RelationSide::Target,
                                          L"getAgentSite"};
    RelationList<DataResource> getInputList{*this, rel::BV_TO_Input_DR, RelationSide::Source,
                                            L"getInputList"};
    RelatedObject<DataResource> getOutputTable{*this, rel::BV_TO_Output_DR, RelationSide::Source,
                                               L"getOutputTable"};
    RelationList<DataResource> getUDPManagedList{*this, rel::BV_TO_UDPManagedDR,
                                                 RelationSide::Source, L"getUDPManagedList"};
    RelationList<DataResource> getUDPManagedCascadeList{
        *this, rel::BV_TO_UDPManagedDRC, RelationSide::Source, L"getUDPManagedCascadeList"};
    RelationList<BVAlias> getAliasList{*this, rel::BV_TO_BVAlias, RelationSide::Source,
                                       L"getAliasList"};
    RelationList<Map> getMapList{*this, rel::BV_TO_Map, RelationSide::Target, L"getMapList"};
    RelatedObject<DRCorrelation> getCorrelation{*this, rel::BV_TO_Correlation, RelationSide::Source,
                                                L"getCorrelation"};
    RelationList<AttributeLink> getAttributeLinkList{*this, rel::BV_TO_AttLink_Rel,
                                                     RelationSide::Target, L"getAttributeLinkList"};
    RelatedObject<AggreFunc> getAggreFunc{*this, rel::BV_TO_AggregFunc, RelationSide::Source,
                                          L"getAggreFunc"};
    RelationList<BVSchedule> getScheduleList{*this, rel::BV_TO_Schedule, RelationSide::Source,
                                             L"getScheduleList"};
    RelationList<BVSecurity> getSecurityList{*this, rel::BV_TO_Security, RelationSide::Source,
                                             L"getSecurityList"};
    RelatedObject<SecurityGroup> getUpdateSecurityGroup{
        *this, rel::BV_TO_UpdateSG, RelationSide::Source, L"getUpdateSecurityGroup"};
    RelationList<SecurityGroup> getNotifyGroupList{*this, rel::BV_NOTIFY_GROUPS,
                                                   RelationSide::Source, L"getNotifyGroupList"};
    RelationList<HQUser> getNotifyUserList{*this, rel::BV_NOTIFY_USERS, RelationSide::Source,
                                           L"getNotifyUserList"};
    RelationList<Subject> getSubjectList{*this, rel::COLL_TO_BV, RelationSide::Target,
                                         L"getSubjectList"};
    RelatedObject<Process> getProcess{*this, rel::Process_TO_BV, RelationSide::Target,
                                      L"getProcess"};
    // The steps this step starts: its children, before it, after its success
    // and after its failure.
    RelationList<BusinessView> getChildList{*this, rel::BV_TO_ChildBV, RelationSide::Source,
                                            L"getChildList"};
    RelationList<BusinessView> getPreCascadeList{*this, rel::BV_PRECASCADE_TO_BV,
                                                 RelationSide::Source, L"getPreCascadeList"};
    RelationList<BusinessView> getPostCascadeList{*this, rel::BV_POSTCASCADE_TO_BV,
                                                  RelationSide::Source, L"getPostCascadeList"};
    RelationList<BusinessView> getPostCascadeFailList{
        *this, rel::BV_POSTCAS_TO_BVFAIL, RelationSide::Source, L"getPostCascadeFailList"};

protected:
    void resetFields() override;
    // The notification steps that this step starts go with it.
    HQRC destroyParticular() override;

private:
    // The database related explicitly, else the one of the first table of
    // `tables`; `missing` when there is neither.
    InformationResource* databaseOf(const wchar_t* operation,
                                    RelationCollection<InformationResource>& explicitly,
                                    RelationCollection<DataResource>& tables, int32_t missing,
                                    HQRC& rc);
    int32_t retryValue(const wchar_t* operation, int32_t stored, std::optional<int32_t>& resolved,
                       int32_t InformationResourceFields::*fallback, HQRC& rc);

    DIRString createStmt_;
    DIRString selectStmt_;
    DIRString insertStmt_;
    DIRString deleteStmt_;
    DIRString alterStmt_;
    DIRString fromPart_;
    DIRString groupByPart_;
    DIRString joinLayout_;
    DIRBinary blobData_;
    std::optional<int32_t> retryInterval_;
    std::optional<int32_t> retryCount_;

    RelationCollection<InformationResource> sourceIR_{*this, rel::BV_TO_SourceIR,
                                                      RelationSide::Source};
    RelationCollection<InformationResource> targetIR_{*this, rel::BV_TO_TargetIR,
                                                      RelationSide::Source};
    RelationCollection<TrigFunc> trigger_{*this, rel::BV_TO_TrigFunc, RelationSide::Source};
    RelationCollection<TrigFunc> triggeredFrom_{*this, rel::BV_TO_TriggeredFrom,
                                                RelationSide::Source};
    RelationCollection<TrigFunc> triggeredFromFail_{*this, rel::BV_TO_TrigFromFail,
                                                    RelationSide::Source};
    RelationCollection<OLAPCube> cubes_{*this, rel::BV_TO_OLAPCube, RelationSide::Source};
    RelationCollection<Process> notifiesOnSuccessOf_{*this, rel::Process_TO_BVPOSTCAS,
                                                     RelationSide::Target};
    RelationCollection<Process> notifiesOnFailureOf_{*this, rel::Process_TO_BVPOSTCAF,
                                                     RelationSide::Target};
    // The steps that start this one.
    RelationCollection<BusinessView> parents_{*this, rel::BV_TO_ChildBV, RelationSide::Target};
    RelationCollection<BusinessView> preCascadeFrom_{*this, rel::BV_PRECASCADE_TO_BV,
                                                     RelationSide::Target};
    RelationCollection<BusinessView> postCascadeFrom_{*this, rel::BV_POSTCASCADE_TO_BV,
                                                      RelationSide::Target};
    RelationCollection<BusinessView> postCascadeFailFrom_{*this, rel::BV_POSTCAS_TO_BVFAIL,
                                                          RelationSide::Target};
};
