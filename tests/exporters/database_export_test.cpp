// Whole-run tests of the database, agent-site and security-group export on
// small made-up warehouses, and of a run that names a missing database.
#include <gtest/gtest.h>

#include "dictionary/agent_site.h"
#include "dictionary/password_cipher.h"
#include "dictionary/security_group.h"
#include "dictionary/user_function.h"
#include "tests/exporters/scratch_warehouse.h"
#include "tests/exporters/tag_text.h"

using namespace export_test;

TEST(DatabaseExport, PropertiesTakeTheirFormsAndNoPasswordIsWritten) {
    ScratchWarehouse w("dbforms");
    const std::string stored = encipherText("s3cr3tpw");
    w.database("DB00000001", "ODBCDB", "Oracle", 0,
               "short_description, userId, password, contact, useODBCConnectStr, codePage, "
               "defaultRetryCount, defaultRetryIntrv, hostName, postAccCmd, dbVersion",
               "'a(b)', 'u1', '" + ScratchWarehouse::quoted(stored) +
                   "', 'c(x)', 1, 0, 0, 0, 'h1', 'run (x)', '19c'");
    w.longText("IRLDesc", "DB00000001", {"first part ", "(second)"});
    w.database("DB00000002", "FILEDB", "Flat File LAN", 0,
               "userId, password, useODBCConnectStr, ODBCConnectString, codePage, DELIMITER",
               "'u2', '" + ScratchWarehouse::quoted(stored) +
                   "', 0, 'DSN=x;PWD=s3cr3tpw', 819, ' '");
    const ExportResult r = w.exportDatabases({"ODBCDB", "FILEDB"});
    ASSERT_EQ(r.status, 0) << r.output;

    EXPECT_NE(
        r.tag.find(objectRecord("DATABASE",
                                {"NAME(ODBCDB)", "DBNAME(ODBCDBDSN)", "SHRTDESC(a'('b')')",
                                 "LONGDESC(first part '('second')')", "DBTYPE(20)", "DBETYPE(20)",
                                 "ISWH(N)", "USERID(u1)", "CONTACT(c'('x')')", "USEODBC(Y)",
                                 "ODBCSTR()", "CODEPAGE(0)", "SERVER(h1)", "POSTACMD(run '('x')')",
                                 "RETRYCNT(0)", "RETRYINT(0)", "VERSION(19c)"}) +
                   ":COMMIT.CHKPID(151)\n"),
        std::string::npos)
        << r.tag;
    EXPECT_NE(r.tag.find(objectRecord("DATABASE", {"NAME(FILEDB)", "DBNAME(FILEDBDSN)",
                                                   "DBTYPE(70)", "DBETYPE(70)", "ISWH(N)",
                                                   "USERID(u2)", "USEODBC(N)", "CODEPAGE(819)",
                                                   "RETRYCNT(0)", "RETRYINT(0)", "DFLTDEL(`)"})),
              std::string::npos)
        << r.tag;
    EXPECT_EQ(r.tag.find("s3cr3tpw"), std::string::npos);
    EXPECT_EQ(r.output.find("s3cr3tpw"), std::string::npos);
}

TEST(DatabaseExport, AgentSiteServingTwoDatabasesIsWrittenOnceAndLinkedTwice) {
    ScratchWarehouse w("agents");
    w.database("DB00000001", "SRC", "Oracle");
    w.database("DB00000002", "WHS", "Oracle", 1);
    w.add<AgentSite>("AS00000001", "Agent (1)");
    w.stored("AgentSite", "AS00000001",
             "siteOS, siteHostName, siteUserId, sitePassword, contact, moduleName",
             "0, 'etl01', 'agent', '" + ScratchWarehouse::quoted(encipherText("agentpw")) +
                 "', 'ops', 'QRT2AGNT'");
    w.relation(rel::IR_TO_AgentSite, "AS00000001", "DB00000001");
    w.relation(rel::IR_TO_AgentSite, "AS00000001", "DB00000002");
    const ExportResult r = w.exportDatabases({"SRC", "WHS"});
    ASSERT_EQ(r.status, 0) << r.output;

    const std::string site = "NAME(Agent '('1')') ";
    EXPECT_NE(
        r.tag.find(
            ":COMMIT.CHKPID(151)\n" +
            objectRecord("QRTAGENT", {"NAME(Agent '('1')')", "CONTACT(ops)", "AGTOSTYP(0)",
                                      "AGTHOST(etl01)", "AGTUSRID(agent)", "AGTMODNM(QRT2AGNT)"}) +
            relationRecord(false, "DATABASE", "NAME(SRC) DBNAME(SRCDSN) ", "QRTAGENT", site) +
            ":COMMIT.CHKPID(152)\n"),
        std::string::npos)
        << r.tag;
    EXPECT_NE(r.tag.find(
                  relationRecord(false, "DATABASE", "NAME(WHS) DBNAME(WHSDSN) ", "QRTAGENT", site) +
                  ":COMMIT.CHKPID(154)\n"),
              std::string::npos)
        << r.tag;
    EXPECT_EQ(countOf(r.tag, "Begin QRTAGENT Instance"), 1u);
    EXPECT_EQ(r.tag.find("agentpw"), std::string::npos);
}

TEST(DatabaseExport, WarehouseUsesTargetGroupsAndSourceUsesSourceGroups) {
    ScratchWarehouse w("groups");
    w.database("DB00000001", "SRC", "Oracle");
    w.database("DB00000002", "WHS", "Oracle", 1);
    w.add<SecurityGroup>("SG00000001", "Readers");
    w.add<SecurityGroup>("SG00000002", "Loaders (all)");
    w.stored("SecurityGroup", "SG00000002", "short_description, contact", "'load', 'ops'");
    w.longText("SECGROUPLDesc", "SG00000002", {"Loads ", "everything"});
    w.add<UserFunction>("UF00000001", "Operations");
    w.stored("UserFunction", "UF00000001", "short_description", "'Run steps'");
    w.add<UserFunction>("UF00000002", "Admin");
    w.relation(rel::UserFun_TO_SecGr_Rel, "UF00000001", "SG00000002");
    w.relation(rel::UserFun_TO_SecGr_Rel, "UF00000002", "SG00000002");
    // Each database names one group on each side; only one of them counts.
    w.relation(rel::IR_TO_SecGR_Rel, "DB00000001", "SG00000002");
    w.relation(rel::IR_TO_SecGrTar_Rel, "DB00000001", "SG00000001");
    w.relation(rel::IR_TO_SecGR_Rel, "DB00000002", "SG00000001");
    w.relation(rel::IR_TO_SecGrTar_Rel, "DB00000002", "SG00000002");
    const ExportResult r = w.exportDatabases({"SRC", "WHS"});
    ASSERT_EQ(r.status, 0) << r.output;

    const std::string group = "NAME(Loaders '('all')') ";
    EXPECT_NE(r.tag.find(":COMMIT.CHKPID(151)\n" +
                         objectRecord("QRTSCGRP", {"NAME(Loaders '('all')')", "SHRTDESC(load)",
                                                   "LONGDESC(Loads everything)", "CONTACT(ops)"}) +
                         ":COMMIT.CHKPID(152)\n" +
                         objectRecord("QRTUFUNC", {"NAME(Operations)", "SHRTDESC(Run steps)"}) +
                         relationRecord(true, "QRTSCGRP", group, "QRTUFUNC", "NAME(Operations) ") +
                         ":COMMIT.CHKPID(153)\n" + objectRecord("QRTUFUNC", {"NAME(Admin)"}) +
                         relationRecord(true, "QRTSCGRP", group, "QRTUFUNC", "NAME(Admin) ") +
                         ":COMMIT.CHKPID(154)\n" +
                         relationRecord(false, "DATABASE", "NAME(SRC) DBNAME(SRCDSN) ", "QRTSCGRP",
                                        group) +
                         ":COMMIT.CHKPID(155)\n"),
              std::string::npos)
        << r.tag;
    // The warehouse writes only the LINK to the group it already exported.
    EXPECT_NE(r.tag.find(":COMMIT.CHKPID(156)\n" +
                         relationRecord(false, "DATABASE", "NAME(WHS) DBNAME(WHSDSN) ", "QRTSCGRP",
                                        group) +
                         ":COMMIT.CHKPID(157)\n"),
              std::string::npos)
        << r.tag;
    EXPECT_EQ(countOf(r.tag, "Begin QRTSCGRP Instance"), 1u);
    EXPECT_EQ(r.tag.find("Readers"), std::string::npos);
}

TEST(DatabaseExport, MissingDatabaseEndsTheRunWithNotFound) {
    ScratchWarehouse w("missing");
    w.database("DB00000001", "FIRST", "Oracle");
    w.database("DB00000002", "LAST", "Oracle");
    const ExportResult r = w.exportDatabases({"FIRST", "NO SUCH DB", "LAST"});

    EXPECT_EQ(r.status, 3142 % 256);
    EXPECT_NE(r.feedback.find(":RC.3142/0\n"), std::string::npos) << r.feedback;
    EXPECT_NE(r.feedback.find(":MESSAGE."), std::string::npos);
    EXPECT_NE(r.output.find("3142/0"), std::string::npos) << r.output;
    // Everything before the failure stays; nothing after it is exported.
    EXPECT_NE(r.tag.find("    NAME(FIRST)\n"), std::string::npos);
    EXPECT_EQ(r.tag.find("NAME(LAST)"), std::string::npos);
    const size_t failing = r.tag.find(":COMMENT. Exporting Database NO SUCH DB\n");
    ASSERT_NE(failing, std::string::npos);
    EXPECT_NE(r.tag.find("InformationResource::retrieve", failing), std::string::npos);
    EXPECT_NE(r.tag.find("3142/0\n", failing), std::string::npos);
    EXPECT_NE(r.tag.find(kCommentLine + ":COMMENT. End of Tag file: ", failing), std::string::npos);
}
