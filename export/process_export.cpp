// Export of processes and subjects: their records, the walks over a
// process's subject, steps, tables, security groups, schedules and notified
// steps; and the cascade pass over the steps exported in the run.
#include "export/process_export.h"

#include <utility>

#include "dictionary/business_view.h"
#include "dictionary/bv_schedule.h"
#include "dictionary/data_resource.h"
#include "dictionary/process.h"
#include "dictionary/security_group.h"
#include "dictionary/subject.h"
#include "export/business_view_export.h"
#include "export/export_registry.h"
#include "export/list_walk.h"
#include "export/property_table.h"
#include "export/schedule_export.h"
#include "export/security_group_export.h"
#include "export/table_export.h"

namespace {

using F = PropertyForm;

using ProcessRow = PropertyRow<Process>;
const ProcessRow kProcessProperties[] = {
    ProcessRow::name(),
    ProcessRow::shortDescription(),
    ProcessRow::longDescription(),
    ProcessRow::field(contact_key, F::WrappedIfNonEmpty, &Process::Fields::contact),
    ProcessRow::field(prctype_key, F::Decimal, &Process::Fields::processType),
};
const ExportRecord<Process> kProcessRecord{DIRObjectType::Process, kProcessProperties,
                                           FromOwner::None, true};

using SubjectRow = PropertyRow<Subject>;
const SubjectRow kSubjectProperties[] = {
    SubjectRow::name(),
    SubjectRow::shortDescription(),
    SubjectRow::longDescription(),
    SubjectRow::field(contact_key, F::WrappedIfNonEmpty, &Subject::Fields::contact),
};
const ExportRecord<Subject> kSubjectRecord{DIRObjectType::Subject, kSubjectProperties,
                                           FromOwner::None, true};

Euit_ParmList keysOf(DIRBase* object) {
    Euit_ParmList keys;
    Tag_ExpList::getInstance().getKeys(object, keys);
    return keys;
}

// Walks the rows of a list that the cursor opened (first: the result of its
// listFirst... call): exports each with exportOne, then writes the relation
// record from the owner to it and a checkpoint.
template <class T, class Export>
void relateRows(T& cursor, HQRC first, const Owner& owner, FromOwner relation, Export exportOne) {
    walkRows(cursor, std::move(first), WalkEnd::RaiseErrors, [&](T& each) {
        exportOne(each);
        const Euit_ParmList keys = keysOf(&each);
        if (relation == FromOwner::Contain)
            writeContain(owner.type, *owner.keys, each.getObjectType(), keys);
        else
            writeLink(owner.type, *owner.keys, each.getObjectType(), keys);
        Tag_File::write_chkpid();
    });
}

// The steps a process notifies when it ends with one outcome (listFirst on
// the cursor), tied to it by a relation instance of type written before the
// first of them.
void exportNotifiedSteps(Process& process, const Euit_ParmList& processKeys,
                         HQRC (BusinessView::*listFirst)(const DIRId&), NameNType2::relobjType type,
                         int cascade, int relation) {
    BusinessView step;
    bool first = true;
    walkRows(step, (step.*listFirst)(process.getId()), WalkEnd::RaiseErrors,
             [&](BusinessView& each) {
                 if (std::exchange(first, false)) {
                     export_relinstance(type, processKeys);
                     writeLink(DIRObjectType::Process, processKeys, type, processKeys);
                 }
                 export_BV(&each, cascade, relation);
                 writeLink(type, processKeys, DIRObjectType::BusinessView, keysOf(&each));
                 Tag_File::write_chkpid();
             });
}

} // namespace

HQRC export_Process_root(Process* process, int cascade, int relation) {
    Euit_ParmList processKeys;
    if (!writeNewRecord(kProcessRecord, *process, processKeys))
        return HQRC();

    // A process without a subject writes nothing for it.
    Subject subject;
    const HQRC found = subject.listFirstByProcess(process->getId());
    if (found.code == 0) {
        export_Sub(&subject);
        writeContain(DIRObjectType::Subject, keysOf(&subject), DIRObjectType::Process, processKeys);
        Tag_File::write_chkpid();
    } else if (!DIRBase::isNotFound(found)) {
        throw found;
    }

    const Owner owner{DIRObjectType::Process, &processKeys};
    const DIRId& id = process->getId();
    BusinessView step;
    relateRows(step, step.listFirstByProcess(id), owner, FromOwner::Contain,
               [&](BusinessView& each) { export_BV(&each, cascade, relation); });
    DataResource table;
    relateRows(table, table.listFirstByProcess(id), owner, FromOwner::Link,
               [](DataResource& each) { raiseIfFailed(export_DataRes(&each)); });
    SecurityGroup group;
    relateRows(group, group.listFirstByProcess(id), owner, FromOwner::Link,
               [](SecurityGroup& each) { export_SCG_root(&each); });

    if (cascade == 0)
        return HQRC();

    BVSchedule schedule;
    relateRows(schedule, schedule.listFirstbyProcess(id), owner, FromOwner::Contain,
               [&](BVSchedule& each) { export_BVSchedule(&each, processKeys); });

    exportNotifiedSteps(*process, processKeys, &BusinessView::listFirstNotificationBVSuccessProcess,
                        NameNType2::PRPostBV, cascade, relation);
    Tag_File::write_chkpid();
    exportNotifiedSteps(*process, processKeys, &BusinessView::listFirstNotificationBVFailProcess,
                        NameNType2::PRFailBV, cascade, relation);
    return HQRC();
}

void export_Sub(Subject* subject) {
    Euit_ParmList subjectKeys;
    if (!writeNewRecord(kSubjectRecord, *subject, subjectKeys))
        return;
    SecurityGroup group;
    relateRows(group, group.listFirstBySubject(subject->getId()),
               {DIRObjectType::Subject, &subjectKeys}, FromOwner::Contain,
               [](SecurityGroup& each) { export_SCG_root(&each); });
}

HQRC export_cascades(BusinessView* step) {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    if (registry.isCascadeDone(step) != 0)
        return HQRC();
    const Euit_ParmList stepKeys = keysOf(step);
    // The steps started are in the file already: only the relations are
    // written.
    const auto relationOnly = [](BusinessView&) {};
    export_StepRelations(step->getPostCascadeList, stepKeys, NameNType2::BVPostBV, relationOnly,
                         StepCheckpoint::AfterAll);
    export_StepRelations(step->getPostCascadeFailList, stepKeys, NameNType2::BVFailBV, relationOnly,
                         StepCheckpoint::AfterAll);
    registry.setCascadeDone(step);
    return HQRC();
}

HQRC export_all_cascades() {
    Tag_ExpList& registry = Tag_ExpList::getInstance();
    BusinessView step;
    Euit_ParmList keys;
    for (int position = 0;;) {
        registry.getNextBV(position, keys);
        if (position == -1)
            return HQRC();
        HQSTRING name = keys.getValue(HQSTRING(DIRBname_key));
        unwrap_parens(name);
        raiseIfFailed(step.retrieve(name));
        raiseIfFailed(export_cascades(&step));
    }
}
