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
const GroupRow kSecurityGroupProperties[] = {
    GroupRow::name(),
    GroupRow::shortDescription(),
    GroupRow::longDescription(),
    GroupRow::field(contact_key, F::WrappedIfNonEmpty, &SecurityGroup::Fields::contact),
};

const ExportRecord<SecurityGroup> kSecurityGroupRecord{DIRObjectType::SecurityGroup,
                                                       kSecurityGroupProperties};

using FunctionRow = PropertyRow<UserFunction>;
const FunctionRow kUserFunctionProperties[] = {
    FunctionRow::name(),
    FunctionRow::shortDescription(),
};

const ExportRecord<UserFunction> kUserFunctionRecord{DIRObjectType::UserFunction,
                                                     kUserFunctionProperties};

} // namespace

void export_SCG_root(SecurityGroup* group) {
    Euit_ParmList groupKeys;
    if (!registerNew(*group, groupKeys))
        return;
    export_SecurityGroup(group);
    Tag_File::write_chkpid();
    walkRelated(group->getUserFunctionList, WalkEnd::RaiseErrors, [&](UserFunction& function) {
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
    writeRecord(kSecurityGroupRecord, *group, noKeys);
}

void export_UserFunction(UserFunction* function) {
    Euit_ParmList functionKeys;
    writeNewRecord(kUserFunctionRecord, *function, functionKeys);
}
