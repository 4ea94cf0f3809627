// Export of security groups and user functions: their property tables and
// the walk over a group's user functions.
#include "export/security_group_export.h"

#include <array>

#include "dictionary/security_group.h"
#include "dictionary/user_function.h"
#include "export/export_registry.h"
#include "export/property_table.h"
#include "export/tag_vocabulary.h"

namespace {

using F = PropertyForm;
using SG = SecurityGroup;
using UF = UserFunction;

constexpr int securityGroupType = 7;
constexpr int userFunctionType = 16;

const std::array<PropertyRow<SG>, 4> securityGroupProperties = {{
    {DIRBname_key, F::Wrapped, [](SG& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {shrtdesc_key, F::WrappedIfNonEmpty,
     [](SG& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {longdesc_key, F::WrappedIfNonEmpty,
     [](SG& o, HQRC& rc) -> PropertyValue { return o.getLongDescription(rc); }},
    {contact_key, F::WrappedIfNonEmpty,
     [](SG& o, HQRC&) -> PropertyValue { return o.fields().contact; }},
}};

const std::array<PropertyRow<UF>, 2> userFunctionProperties = {{
    {DIRBname_key, F::Wrapped, [](UF& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {shrtdesc_key, F::WrappedIfNonEmpty,
     [](UF& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
}};

} // namespace

HQRC export_SCG_root(SecurityGroup* group) {
    Euit_ParmList groupKeys;
    if (Tag_ExpList::getInstance().addElem(group, groupKeys) != 0) {
        return exportOk();
    }
    export_SecurityGroup(group);
    Tag_File::write_chkpid();

    // The walk ends at the end of the collection; a failure to read it is
    // raised.
    HQRC rc;
    RelationCollection<UserFunction>* functions = group->getUserFunctionList(rc);
    raiseIfFailed(rc);
    for (UserFunction* function = functions->getFirst(rc); function && rc.code == 0;
         function = functions->getNext(rc)) {
        raiseIfFailed(export_UserFunction(function));
        Euit_ParmList functionKeys;
        Tag_ExpList::getInstance().getKeys(function, functionKeys);
        writeContain(securityGroupType, groupKeys, userFunctionType, functionKeys);
        Tag_File::write_chkpid();
    }
    endOfWalk(rc);
    return exportOk();
}

HQRC export_SecurityGroup(SecurityGroup* group) {
    const Euit_ParmList noKeys; // the record has no key lines
    writeObjectRecord<SecurityGroup>(securityGroupType, securityGroupProperties, *group, noKeys);
    return exportOk();
}

HQRC export_UserFunction(UserFunction* function) {
    Euit_ParmList functionKeys;
    if (Tag_ExpList::getInstance().addElem(function, functionKeys) != 0) {
        return exportOk();
    }
    writeObjectRecord<UserFunction>(userFunctionType, userFunctionProperties, *function,
                                    functionKeys);
    return exportOk();
}
