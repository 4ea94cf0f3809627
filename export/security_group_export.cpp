// Export of security groups and user functions: their records and the walk
// over a group's user functions.
#include "export/security_group_export.h"

#include "dictionary/security_group.h"
#include "dictionary/user_function.h"
#include "export/export_registry.h"
#include "export/list_walk.h"
#include "export/property_table.h"

namespace {

using F = PropertyForm;

using GroupRow = PropertyRow<SecurityGroup>;
const GroupRow securityGroupProperties[] = {
    GroupRow::name(),
    GroupRow::shortDescription(),
    GroupRow::longDescription(),
    GroupRow::field(contact_key, F::WrappedIfNonEmpty, &SecurityGroup::Fields::contact),
};

const ExportRecord<SecurityGroup> securityGroupRecord{DIRObjectType::SecurityGroup,
                                                      securityGroupProperties};

using FunctionRow = PropertyRow<UserFunction>;
const FunctionRow userFunctionProperties[] = {
    FunctionRow::name(),
    FunctionRow::shortDescription(),
};

const ExportRecord<UserFunction> userFunctionRecord{DIRObjectType::UserFunction,
                                                    userFunctionProperties};

} // namespace

void export_SCG_root(SecurityGroup* group) {
    Euit_ParmList groupKeys;
    if (!registerNew(*group, groupKeys))
        return;
    export_SecurityGroup(group);
    Tag_File::write_chkpid();
    walkRelated(group->getUserFunctionList, WalkEnd::SkipErrors, [&](UserFunction& function) {
        export_UserFunction(&function);
        Euit_ParmList functionKeys;
        Tag_ExpList::getInstance().getKeys(&function, functionKeys);
        writeContain(DIRObjectType::SecurityGroup, groupKeys, DIRObjectType::UserFunction,
                     functionKeys);
        Tag_File::write_chkpid();
    });
}

void export_SecurityGroup(SecurityGroup* group) {
    const Euit_ParmList noKeys; // the record has no key lines
    writeRecord(securityGroupRecord, *group, noKeys);
}

void export_UserFunction(UserFunction* function) {
    Euit_ParmList functionKeys;
    writeNewRecord(userFunctionRecord, *function, functionKeys);
}
