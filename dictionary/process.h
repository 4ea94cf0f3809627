// Process: a named group of steps, tables and schedules that run together,
// in at most one subject, with the steps it notifies when it succeeds or fails.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class BusinessView;
class BVSchedule;
class DataResource;
class SecurityGroup;
class Subject;

struct ProcessFields {
    HQSTRING SubjectName;
    HQSTRING contact;
    int32_t processType = 0;

    static const ColumnTable<ProcessFields>& columns();
};

class Process : public DIRRecord<ProcessFields> {
public:
    Process();

    HQRC retrieve(const HQSTRING& name);
    // The process of that name in the subject of that name.
    HQRC retrieve(const HQSTRING& name, const HQSTRING& subjectName);
    HQRC retrieveByProcessType(int32_t processType);
    // Every process but those of types 2 and 3, by name.
    HQRC listFirst();
    // The processes of a subject, of a step, of a security group, and those
    // holding a table of a database; by name.
    HQRC listFirstBySubject(const DIRId& subject);
    HQRC listFirstByBV(const DIRId& step);
    HQRC listFirstBySG(const DIRId& group);
    HQRC listFirstByIR(const DIRId& database);

    // The layout of the process diagram (a long text of its own).
    HQSTRING getGraphicsData(HQRC& rc) { return graphicsData_.getValue(rc); }

    // 3110 when the text has more characters than its column holds.
    HQRC setContact(const HQSTRING& text);
    HQRC setSubjectName(const HQSTRING& text);
    void setProcessType(int32_t type) { f_.processType = type; }

    // Its subject (at most one), steps, tables, schedules, security groups,
    // and the steps run after it succeeds and after it fails; null with 3104
    // when the object was never read.
    RelatedObject<Subject> getSubject{*this, rel::COLL_TO_Process, RelationSide::Target,
                                      L"getSubject"};
    RelationList<BusinessView> getBusinessViewList{*this, rel::Process_TO_BV, RelationSide::Source,
                                                   L"getBusinessViewList"};
    RelationList<DataResource> getDataResourceList{*this, rel::Process_TO_DR, RelationSide::Source,
                                                   L"getDataResourceList"};
    RelationList<BVSchedule> getScheduleList{*this, rel::Process_TO_BVSchedul, RelationSide::Source,
                                             L"getScheduleList"};
    RelationList<SecurityGroup> getSecurityGroupList{*this, rel::Process_TO_SG,
                                                     RelationSide::Source, L"getSecurityGroupList"};
    RelationList<BusinessView> getSuccessNotificationList{
        *this, rel::Process_TO_BVPOSTCAS, RelationSide::Source, L"getSuccessNotificationList"};
    RelationList<BusinessView> getFailureNotificationList{
        *this, rel::Process_TO_BVPOSTCAF, RelationSide::Source, L"getFailureNotificationList"};

private:
    DIRString graphicsData_;
};
