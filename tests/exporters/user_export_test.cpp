// The user export, called directly (no section of the input file reaches
// it): its record, written once per run, and never the user's password,
// e-mail address or mail server.
#include <gtest/gtest.h>

#include "dictionary/hq_user.h"
#include "export/export_registry.h"
#include "export/tag_file.h"
#include "export/user_export.h"
#include "runtime/configuration.h"
#include "tests/exporters/scratch_warehouse.h"
#include "tests/exporters/tag_text.h"

using namespace export_test;

TEST(UserExport, WritesNameDescriptionAndUserIdOnceAndNothingSecret) {
    ScratchWarehouse w("user");
    w.add<HQUser>("US00000001", "Ann (ops)", [](HQUser& user) {
        ASSERT_EQ(user.setShortDescription(L"On call (nights)").code, 0);
        auto& f = user.editFields();
        f.userid = L"ann(1)";
        f.EmailAddress = L"ann@mail.example";
        f.MailServer = L"smtp.example";
        f.contact = L"desk 4";
        user.setPassword(L"pw-secret");
    });
    w.add<HQUser>("US00000002", "Bob", [](HQUser& user) { user.editFields().userid = L"bob"; });
    w.load();
    // A DSN of its own: the driver manager keeps what it read of an earlier
    // connection's odbc.ini in this process.
    qrt_test::useOdbcIni(w.dir(), qrt_test::sqliteDsn("QRTUSERS", w.database()));
    ASSERT_EQ(HQConfiguration::init(L"QRTUSERS", L"QRT", L"", L"", 0).code, 0);
    Tag_ExpList::getInstance().clear();
    const fs::path tagFile = w.dir() / "user.tag";
    ASSERT_EQ(Tag_File::init(tagFile.string()).code, 0);

    HQUser user;
    ASSERT_EQ(user.retrieve(L"Ann (ops)").code, 0);
    ASSERT_EQ(user.getPassword(), L"pw-secret"); // read, but never written
    export_User(&user);
    export_User(&user);
    HQUser other;
    ASSERT_EQ(other.retrieve(L"Bob").code, 0);
    export_User(&other);
    Tag_File::clean_up();
    Tag_ExpList::getInstance().clear();
    HQConfiguration::terminate();

    const std::string tag = readFile(tagFile);
    EXPECT_EQ(tag, objectRecord("QRTUSER", {"NAME(Ann '('ops')')", "SHRTDESC(On call '('nights')')",
                                            "USRID(ann(1))"}) +
                       objectRecord("QRTUSER", {"NAME(Bob)", "USRID(bob)"}));
    for (const char* secret : {"pw-secret", "ann@mail.example", "smtp.example", "desk 4"})
        EXPECT_EQ(tag.find(secret), std::string::npos) << secret;
}
