// Export of warehouse users: the record of a "QRTUSER" object.
#include "export/user_export.h"

#include "dictionary/hq_user.h"
#include "export/property_table.h"

namespace {

using UserRow = PropertyRow<HQUser>;
const UserRow kUserProperties[] = {
    UserRow::name(),
    UserRow::shortDescription(),
    UserRow::field(usrid_key, PropertyForm::Text, &HQUser::Fields::userid),
};

const ExportRecord<HQUser> kUserRecord{DIRObjectType::HQUser, kUserProperties};

} // namespace

void export_User(HQUser* user) {
    Euit_ParmList userKeys;
    writeNewRecord(kUserRecord, *user, userKeys);
}
