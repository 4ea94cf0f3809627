// Export of user-defined programs: the records of program groups, programs
// and parameters, the walk over a group's programs and a program's relations.
#include "export/program_export.h"

#include <vector>

#include "dictionary/agent_site.h"
#include "dictionary/information_resource.h"
#include "dictionary/program.h"
#include "dictionary/program_group.h"
#include "dictionary/program_parameter.h"
#include "dictionary/program_type.h"
#include "export/agent_site_export.h"
#include "export/database_export.h"
#include "export/export_registry.h"
#include "export/list_walk.h"
#include "export/property_table.h"

namespace {

using F = PropertyForm;

using GroupRow = PropertyRow<UDPGrouping>;
const GroupRow kGroupProperties[] = {
    GroupRow::name(),
    GroupRow::shortDescription(),
    GroupRow::longDescription(),
    GroupRow::field(contact_key, F::WrappedIfNonEmpty, &UDPGrouping::Fields::contact),
    GroupRow::field(pgrtype_key, F::Decimal, &UDPGrouping::Fields::groupType),
};
const ExportRecord<UDPGrouping> kGroupRecord{DIRObjectType::UDPGrouping, kGroupProperties,
                                             FromOwner::None, true};

using ProgramRow = PropertyRow<ProgFunc>;
using ProgramFields = ProgFunc::Fields;
const ProgramRow kProgramProperties[] = {
    ProgramRow::name(),
    ProgramRow::field(pgmname_key, F::Wrapped, &ProgramFields::programName),
    ProgramRow::shortDescription(),
    ProgramRow::longDescription(),
    // A program without a type ends the record here, with the type's failure.
    ProgramRow::computed(pgmtype_key, F::Decimal,
                         [](ProgFunc& program, HQRC& rc) -> PropertyValue {
                             const ProgType* type = program.getProgTypeObj(rc);
                             return long{type == nullptr ? 0 : type->getProgNum()};
                         }),
    ProgramRow::field(pgmfcnam_key, F::TextIfNonEmpty, &ProgramFields::funcName),
    ProgramRow::field(pgmconta_key, F::WrappedIfNonEmpty, &ProgramFields::contact),
    ProgramRow::field(userid_key, F::TextIfNonEmpty, &ProgramFields::userid),
    ProgramRow::field(pgmbean_key, F::TextIfNonEmpty, &ProgramFields::beanClassName),
};
const ExportRecord<ProgFunc> kProgramRecord{DIRObjectType::ProgFunc, kProgramProperties};

using ParmRow = PropertyRow<ProgParm>;
// A password parameter has no value line: its value is never asked for.
const ParmRow kParmProperties[] = {
    ParmRow::name(),
    ParmRow::shortDescription(),
    ParmRow::field(prmorder_key, F::Decimal, &ProgParm::Fields::orderNo),
    ParmRow::computed(
        prmdata_key, F::Wrapped,
        [](ProgParm& parm, HQRC& rc) -> PropertyValue { return parm.getParmData(rc); },
        [](ProgParm& parm) { return parm.getParmDataType() != ProgParm::Password; }),
    ParmRow::field(prmtype_key, F::Decimal, &ProgParm::Fields::parmDataType),
    ParmRow::identifier(prmid_key),
};
const ExportRecord<ProgParm> kParmRecord{DIRObjectType::ProgParm, kParmProperties,
                                         FromOwner::Contain, true};

} // namespace

HQRC export_UDPGrouping(UDPGrouping* group) {
    export_UDPGroup(group);
    ProgFunc program;
    // A program's result is not looked at; what it raises ends the run.
    return walkRows(program, program.listFirstByGrp(group->getId()), WalkEnd::ReturnErrors,
                    [](ProgFunc& each) {
                        Euit_ParmList programKeys;
                        export_UDP(&each, programKeys);
                    });
}

void export_UDPGroup(UDPGrouping* group) {
    Euit_ParmList groupKeys;
    if (!registerNew(*group, groupKeys) || group->isPredefined())
        return; // a predefined group stays registered: relations to it use its keys
    writeRecord(kGroupRecord, *group, groupKeys);
}

HQRC export_UDP(ProgFunc* program, Euit_ParmList& programKeys) {
    if (!registerNew(*program, programKeys) || program->isPredefined())
        return HQRC();
    writeRecord(kProgramRecord, *program, programKeys);
    export_ProgParms(program, programKeys, DIRObjectType::ProgFunc);
    Tag_File::write_chkpid();

    HQRC rc;
    if (UDPGrouping* group = program->getUDPGrouping(rc)) {
        export_UDPGroup(group);
        Euit_ParmList groupKeys;
        Tag_ExpList::getInstance().getKeys(group, groupKeys);
        writeContain(DIRObjectType::UDPGrouping, groupKeys, DIRObjectType::ProgFunc, programKeys);
        Tag_File::write_chkpid();
    }
    raiseIfFailed(rc);

    walkRelated(program->getAgentSiteList, WalkEnd::RaiseErrors,
                [&](AgentSite& site) { export_AgentSite_forUDP(&site, programKeys); });
    walkRelated(
        program->getStoreProcIRList, WalkEnd::RaiseErrors,
        [&](InformationResource& database) { export_InfoRes_forUDP(&database, programKeys); });
    return HQRC();
}

void export_ProgParms(UDPBaseFunc* function, Euit_ParmList& ownerKeys, DIRObjectType ownerType) {
    HQRC rc;
    const std::vector<ProgParm*> parms = function->getProgParms(rc);
    raiseIfFailed(rc);
    for (ProgParm* parm : parms)
        export_ProgParm_forUDP(parm, ownerKeys, ownerType);
}

void export_ProgParm_forUDP(ProgParm* parm, Euit_ParmList& ownerKeys, DIRObjectType ownerType) {
    Euit_ParmList parmKeys;
    writeNewRecord(kParmRecord, *parm, parmKeys, {ownerType, &ownerKeys});
}
