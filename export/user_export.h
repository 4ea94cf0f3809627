// Export of warehouse users.
#pragma once

class HQUser;

// One "QRTUSER" object: name, short description and user id. The password,
// the e-mail address and the mail server are never written.
void export_User(HQUser* user);
