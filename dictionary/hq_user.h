// HQUser: a warehouse user with logon id, password, notification address and
// security groups.
#pragma once

#include <cstdint>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class SecurityGroup;
class BusinessView;

struct HQUserFields {
    HQSTRING userid;
    SecretText password;
    int32_t lockOutInd = 0;
    int16_t HQdefault = 0;
    int16_t encrypted = 0;
    HQSTRING EmailAddress;
    HQSTRING MailServer;
    HQSTRING contact;

    static const ColumnTable<HQUserFields>& columns();
};

class HQUser : public DIRRecord<HQUserFields> {
public:
    HQUser();

    HQRC retrieve(const HQSTRING& name);
    HQRC retrieveByUserID(const HQSTRING& userId);
    HQRC retrieveDefault();
    HQRC listFirst();
    HQRC listFirstBySecurityGroup(const DIRId& group);
    HQRC listFirstByNotificationBV(const DIRId& step);
    HQRC listFirstUnEncrypted();
    HQRC listFirstEncryptedNonBinary();
    HQRC listNextUnEncrypted() { return listNext(); }

    const HQSTRING& getPassword() const { return f_.password.plainText(); }
    // Sets the password, stored enciphered by create and update.
    void setPassword(const HQSTRING& plain) { f_.password.assign(plain); }

    // The user logged on to the process: the write side stores its user id
    // as the updated_by of every row it writes.
    static void setLoggedOnUser(const HQUser& user);
    bool isLoggedOnUser() const;
    // The user id of the logged-on user; without one, the user the control
    // database was connected as.
    static HQSTRING loggedOnUserId();
    // Its security groups; null with 3104 when the object was never read.
    RelationList<SecurityGroup> getSecurityGroupList{*this, rel::User_TO_SecGr_Rel,
                                                     RelationSide::Source, L"getSecurityGroupList"};

private:
    RelationCollection<BusinessView> notifyingSteps_{*this, rel::BV_NOTIFY_USERS,
                                                     RelationSide::Target};
};
