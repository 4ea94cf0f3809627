// Subject: a subject area that groups processes, steps and security groups.
#pragma once

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class BusinessView;
class Process;
class SecurityGroup;

struct SubjectFields {
    HQSTRING contact;

    static const ColumnTable<SubjectFields>& columns();
};

class Subject : public DIRRecord<SubjectFields> {
public:
    Subject();

    HQRC retrieve(const HQSTRING& name);
    HQRC listFirst();
    // The subjects of a process, of a step, of a security group, and those of
    // the processes that hold a table of a database.
    HQRC listFirstByProcess(const DIRId& process);
    HQRC listFirstByBV(const DIRId& step);
    HQRC listFirstBySG(const DIRId& group);
    HQRC listFirstByIR(const DIRId& database);

    // 3110 when the text has more characters than its column holds.
    HQRC setContact(const HQSTRING& text);

    // Its security groups, steps and processes; null with 3104 when the
    // object was never read.
    RelationList<SecurityGroup> getSecurityGroupList{*this, rel::COLL_TO_SG, RelationSide::Source,
                                                     L"getSecurityGroupList"};
    RelationList<BusinessView> getBusinessViewList{*this, rel::COLL_TO_BV, RelationSide::Source,
                                                   L"getBusinessViewList"};
    RelationList<Process> getProcessList{*this, rel::COLL_TO_Process, RelationSide::Source,
                                         L"getProcessList"};
};
