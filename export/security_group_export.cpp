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
    {&DIRBname_key, F::Wrapped, [](SG& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {&shrtdesc_key, F::WrappedIfNonEmpty,
     [](SG& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
    {&longdesc_key, F::WrappedIfNonEmpty,
     [](SG& o, HQRC& rc) -> PropertyValue { return o.getLongDescription(rc); }},
    {&contact_key, F::WrappedIfNonEmpty,
     [](SG& o, HQRC&) -> PropertyValue { return o.getContact(); }},
}};

const std::array<PropertyRow<UF>, 2> userFunctionProperties = {{
    {&DIRBname_key, F::Wrapped, [](UF& o, HQRC&) -> PropertyValue { return o.getName(); }},
    {&shrtdesc_key, F::WrappedIfNonEmpty,
     [](UF& o, HQRC&) -> PropertyValue { return o.getShortDescription(); }},
}};

} // namespace

HQRC export_SCG_root(SecurityGroup* group) {
    Euit_ParmList groupKeys;
    if (Tag_ExpList::getInstance().addElem(group, groupKeys) != 0) {
        return HQRC(0, 0, DomainWhsSrv);
    }
    export_SecurityGroup(group);
    writeCheckpoint();

    // The walk ends at the first failing element or at the end of the
    // collection; its end code is not reported.
    HQRC rc;
    auto& functions = group->getUserFunctionList(rc);
    if (rc.code != 0) {
        return HQRC(0, 0, DomainWhsSrv);
    }
    for (DIRBase* member = functions.getFirstBase(rc); member && rc.code == 0;
         member = functions.getNextBase(rc)) {
        auto* function = static_cast<UserFunction*>(member);
        raiseIfFailed(export_UserFunction(function));
        Euit_ParmList functionKeys;
        Tag_ExpList::getInstance().getKeys(function, functionKeys);
        writeContain(securityGroupType, groupKeys, userFunctionType, functionKeys);
        writeCheckpoint();
    }
    return HQRC(0, 0, DomainWhsSrv);
}

HQRC export_SecurityGroup(SecurityGroup* group) {
    const Euit_ParmList noKeys; // the record has no key lines
    writeObjectRecord<SecurityGroup>(securityGroupType, securityGroupProperties, *group, noKeys);
    return HQRC(0, 0, DomainWhsSrv);
}

HQRC export_UserFunction(UserFunction* function) {
    Euit_ParmList functionKeys;
    if (Tag_ExpList::getInstance().addElem(function, functionKeys) != 0) {
        return HQRC(0, 0, DomainWhsSrv);
    }
    writeObjectRecord<UserFunction>(userFunctionType, userFunctionProperties, *function,
                                    functionKeys);
    return HQRC(0, 0, DomainWhsSrv);
}
