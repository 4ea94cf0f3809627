// Whole-run tests of the program export ("<UDP>") on small made-up
// warehouses: predefined groups and programs, a program reached twice,
// password parameters, the order of parameters, a program without a type,
// a missing group name; and, within the process, a program without a group
// and the parameters of a program instance.
#include <gtest/gtest.h>

#include "dictionary/password_cipher.h"
#include "dictionary/program.h"
#include "dictionary/program_group.h"
#include "dictionary/program_parameter.h"
#include "dictionary/program_type.h"
#include "export/export_registry.h"
#include "export/program_export.h"
#include "export/tag_file.h"
#include "runtime/configuration.h"
#include "tests/exporters/scratch_warehouse.h"
#include "tests/exporters/tag_text.h"

using namespace export_test;

namespace {

// Program rows of a scratch warehouse. Every program gets the type TY00000001
// (number 1) unless told otherwise; an empty group or type writes no relation.
class ProgramRows {
public:
    explicit ProgramRows(ScratchWarehouse& w) : w_(w) {
        w_.add<ProgType>("TY00000001", "Executable");
        w_.stored("PROGTYPE", "TY00000001", "programType, progNum, delimiter",
                  "'Executable', 1, ' '");
    }

    void group(const std::string& id, const std::string& name, int predefined) {
        w_.add<UDPGrouping>(id, name);
        w_.stored("UDPGROUP", id, "OLVDefined, groupType, orderNo",
                  std::to_string(predefined) + ", 2, 1");
    }

    // A type identifier that names no type row gives a relation row pointing
    // nowhere.
    void program(const std::string& id, const std::string& name, const std::string& groupId,
                 int predefined, const std::string& typeId = "TY00000001") {
        w_.add<ProgFunc>(id, name);
        w_.stored("ProgFunc2", id, "programName, OLVDefined",
                  "'prog_" + id + "', " + std::to_string(predefined));
        if (!groupId.empty())
            w_.relation(rel::UDP_TO_Grouping, id, groupId);
        if (typeId == "TY00000001")
            w_.relation(rel::UDP_TO_ProgType, id, typeId);
        else if (!typeId.empty())
            w_.rawRelation(rel::UDP_TO_ProgType, id, typeId);
    }

    // A parameter of a program (or, with the relation given, of an instance);
    // data "NULL" leaves the value NULL.
    void parm(const std::string& id, const std::string& ownerId, const std::string& name,
              int orderNo, const std::string& data, const std::string& type,
              const Relation& relation = rel::ProgParm_TO_ProgFunc) {
        const std::string value =
            data == "NULL" ? data : "'" + ScratchWarehouse::quoted(data) + "'";
        w_.add<ProgParm>(id, name);
        w_.stored("ProgParm", id, "orderNo, parmData, HQProgKey, parmDataType",
                  std::to_string(orderNo) + ", " + value + ", 0, '" + type + "'");
        w_.relation(relation, ownerId, id);
    }

    ExportResult exportGroups(const std::vector<std::string>& names) {
        w_.load();
        std::string input = "<UDP>\n";
        for (const std::string& name : names)
            input += name + "\n";
        return runExport(w_.dir(), "QRTWH", input);
    }

private:
    ScratchWarehouse& w_;
};

std::string parmRecord(const std::vector<std::string>& lines) {
    return objectRecord("QRTPARM", lines);
}

} // namespace

TEST(ProgramExport, PredefinedGroupWritesNothingButItsProgramsAreWalked) {
    ScratchWarehouse w("udp_predefined");
    ProgramRows p(w);
    p.group("GR00000001", "Shipped (group)", 1);
    p.program("PF00000001", "Shipped program", "GR00000001", 1);
    p.parm("PM00000001", "PF00000001", "HIDDEN_PARM", 1, "v", "String");
    p.program("PF00000002", "Own program", "GR00000001", 0);
    const ExportResult r = p.exportGroups({"Shipped (group)"});
    ASSERT_EQ(r.status, 0) << r.output;

    EXPECT_EQ(countOf(r.tag, "Begin QRTUDPGR Instance"), 0u) << r.tag;
    EXPECT_EQ(countOf(r.tag, "Begin QRTPROGF Instance"), 1u);
    EXPECT_EQ(r.tag.find("Shipped program"), std::string::npos);
    EXPECT_EQ(r.tag.find("HIDDEN_PARM"), std::string::npos);
    EXPECT_NE(r.tag.find(objectRecord("QRTPROGF", {"NAME(Own program)", "PGMNAME(prog_PF00000002)",
                                                   "PGMTYPE(1)"}) +
                         ":COMMIT.CHKPID(151)\n" +
                         relationRecord(true, "QRTUDPGR", "NAME(Shipped '('group')') ", "QRTPROGF",
                                        "NAME(Own program) ") +
                         ":COMMIT.CHKPID(152)\n"),
              std::string::npos)
        << r.tag;
}

TEST(ProgramExport, ProgramReachedTwiceIsWrittenOnce) {
    ScratchWarehouse w("udp_twice");
    ProgramRows p(w);
    p.group("GR00000001", "First", 0);
    p.group("GR00000002", "Second", 0);
    p.program("PF00000001", "Shared", "GR00000001", 0);
    w.relation(rel::UDP_TO_Grouping, "PF00000001", "GR00000002"); // in two groups
    p.parm("PM00000001", "PF00000001", "P", 1, "v", "String");
    const ExportResult r = p.exportGroups({"First", "Second", "First"});
    ASSERT_EQ(r.status, 0) << r.output;

    EXPECT_EQ(countOf(r.tag, "Begin QRTUDPGR Instance"), 2u);
    EXPECT_EQ(countOf(r.tag, "Begin QRTPROGF Instance"), 1u);
    EXPECT_EQ(countOf(r.tag, "Begin QRTPARM Instance"), 1u);
    EXPECT_EQ(countOf(r.tag, "SOURCETYPE(QRTUDPGR) TARGETYPE(QRTPROGF)"), 1u);
    EXPECT_EQ(countOf(r.tag, ":COMMENT. Exporting UDP group First\n"), 2u);
}

TEST(ProgramExport, PasswordParameterHasNoValueLineAndItsValueIsNeverWritten) {
    ScratchWarehouse w("udp_password");
    ProgramRows p(w);
    p.group("GR00000001", "G", 0);
    p.program("PF00000001", "P", "GR00000001", 0);
    p.parm("PM00000001", "PF00000001", "PW", 1, "plain (pw)", "Password");
    w.sql("UPDATE ProgParm SET BinaryPassword = " +
          qrt_test::sqliteBlob(encipherBinary("binary pw")) + " WHERE qrtid = 'PM00000001';");
    p.parm("PM00000002", "PF00000001", "EMPTY", 2, "", "String");
    p.parm("PM00000003", "PF00000001", "WRAPPED", 3, "x(1)", "Token");
    p.parm("PM00000004", "PF00000001", "ODD", 4, "NULL", "Strange");
    const ExportResult r = p.exportGroups({"G"});
    ASSERT_EQ(r.status, 0) << r.output;

    const std::string owner = "NAME(P) ";
    const auto contain = [&](const std::string& parmId) {
        return relationRecord(true, "QRTPROGF", owner, "QRTPARM", "PRMID(" + parmId + ") ");
    };
    EXPECT_NE(
        r.tag.find(parmRecord({"NAME(PW)", "PRMORDER(1)", "PRMTYPE(3)", "PRMID(PM00000001)"}) +
                   contain("PM00000001") + ":COMMIT.CHKPID(152)\n" +
                   parmRecord({"NAME(EMPTY)", "PRMORDER(2)", "PRMDATA()", "PRMTYPE(1)",
                               "PRMID(PM00000002)"}) +
                   contain("PM00000002") + ":COMMIT.CHKPID(153)\n" +
                   parmRecord({"NAME(WRAPPED)", "PRMORDER(3)", "PRMDATA(x'('1')')", "PRMTYPE(4)",
                               "PRMID(PM00000003)"}) +
                   contain("PM00000003") + ":COMMIT.CHKPID(154)\n" +
                   parmRecord({"NAME(ODD)", "PRMORDER(4)", "PRMDATA()", "PRMTYPE(0)",
                               "PRMID(PM00000004)"})),
        std::string::npos)
        << r.tag;
    for (const char* secret : {"plain", "binary pw"}) {
        EXPECT_EQ(r.tag.find(secret), std::string::npos) << secret;
        EXPECT_EQ(r.output.find(secret), std::string::npos) << secret;
    }
}

TEST(ProgramExport, ParametersAreWrittenByOrderNumberThenIdentifier) {
    ScratchWarehouse w("udp_order");
    ProgramRows p(w);
    p.group("GR00000001", "G", 0);
    p.program("PF00000001", "P", "GR00000001", 0);
    // Relation rows and identifiers both against the order numbers; a row
    // naming a missing parameter among them.
    p.parm("PM00000004", "PF00000001", "D", 1, "d", "String");
    w.rawRelation(rel::ProgParm_TO_ProgFunc, "PF00000001", "PM00000009");
    p.parm("PM00000003", "PF00000001", "C", 2, "c", "String");
    p.parm("PM00000001", "PF00000001", "A", 3, "a", "String");
    p.parm("PM00000002", "PF00000001", "B", 2, "b", "String");
    const ExportResult r = p.exportGroups({"G"});
    ASSERT_EQ(r.status, 0) << r.output;

    std::vector<std::string> written;
    for (size_t at = r.tag.find("PRMID("); at != std::string::npos;
         at = r.tag.find("PRMID(", at + 1)) {
        if (r.tag.compare(at - 4, 4, "    ") == 0) // the record's line, not a key
            written.push_back(r.tag.substr(at + 6, 10));
    }
    EXPECT_EQ(written,
              (std::vector<std::string>{"PM00000004", "PM00000002", "PM00000003", "PM00000001"}));
}

TEST(ProgramExport, ProgramWithoutTypeEndsTheRunAfterTheRowsBeforeItsType) {
    for (const bool typeRowMissing : {false, true}) {
        ScratchWarehouse w(typeRowMissing ? "udp_typerow" : "udp_notype");
        ProgramRows p(w);
        p.group("GR00000001", "G", 0);
        p.program("PF00000001", "A untyped", "GR00000001", 0, typeRowMissing ? "TY00000009" : "");
        w.sql("UPDATE ProgFunc2 SET short_description = 'd(1)', funcName = 'f' WHERE qrtid = "
              "'PF00000001';");
        w.longText("PRGDesc", "PF00000001", {"long ", "text"});
        p.program("PF00000002", "B typed", "GR00000001", 0);
        const ExportResult r = p.exportGroups({"G", "G"});

        EXPECT_EQ(r.status, 3142 % 256) << r.output;
        EXPECT_NE(r.feedback.find(":RC.3142/0\n"), std::string::npos) << r.feedback;
        const std::string location =
            typeRowMissing ? "ProgType::retrieveId" : "ProgFunc::getProgTypeObj";
        EXPECT_NE(r.tag.find(objectHeader("QRTPROGF") +
                             "    NAME(A untyped)\n    PGMNAME(prog_PF00000001)\n"
                             "    SHRTDESC(d'('1')')\n    LONGDESC(long text)\n"
                             "Failing operation: " +
                             location + "\n"),
                  std::string::npos)
            << r.tag;
        // The run ends although the group walk does not look at the result.
        EXPECT_EQ(r.tag.find("B typed"), std::string::npos);
        EXPECT_EQ(countOf(r.tag, "Exporting UDP group"), 1u);
    }
}

TEST(ProgramExport, MissingGroupNameEndsTheRunWithNotFound) {
    ScratchWarehouse w("udp_missing");
    ProgramRows p(w);
    p.group("GR00000001", "G", 0);
    const ExportResult r = p.exportGroups({"G", "No (such) group", "G"});
    EXPECT_EQ(r.status, 3142 % 256);
    EXPECT_NE(r.feedback.find(":RC.3142/0\n:MESSAGE."), std::string::npos) << r.feedback;
    EXPECT_NE(r.tag.find(":COMMENT. Exporting UDP group No (such) group\n"
                         "Failing operation: UDPGrouping::retrieve\n"),
              std::string::npos)
        << r.tag;
    EXPECT_EQ(countOf(r.tag, "Exporting UDP group G\n"), 1u);
    EXPECT_EQ(countOf(r.tag, "Begin QRTUDPGR Instance"), 1u);
}

// Within the process: export_UDP reached from elsewhere than a group, and the
// parameters of a program instance.
class ProgramPieces : public testing::Test {
protected:
    static void SetUpTestSuite() {
        warehouse = std::make_unique<ScratchWarehouse>("udp_pieces");
        ScratchWarehouse& w = *warehouse;
        ProgramRows p(w);
        p.group("GR00000001", "Shipped", 1);
        p.program("PF00000001", "Loose (program)", "", 0);
        p.parm("PM00000001", "PF00000001", "P1", 1, "v", "String");
        p.program("PF00000002", "Shipped program", "GR00000001", 1);
        w.add<AggreFunc>("AF00000001", "", [](AggreFunc& f) { f.setInstance(L"AggreFunc", L"F"); });
        w.stored("ProgFunc2", "AF00000001", "name", "NULL");
        w.relation(rel::UDP_TO_AggreFuncs, "AF00000001", "PF00000001");
        p.parm("PM00000002", "AF00000001", "P1", 1, "w(2)", "String", rel::ProgParm_TOAggreFunc);
        w.load();
        // A data source name of its own: the driver manager keeps what it
        // read of another suite's "QRTWH" in this process.
        qrt_test::useOdbcIni(w.dir(), qrt_test::sqliteDsn("QRTPROGRAMS", w.database()));
        const HQRC rc = HQConfiguration::init(L"QRTPROGRAMS", L"QRT", L"", L"", 0);
        ASSERT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    }
    static void TearDownTestSuite() {
        HQConfiguration::terminate();
        warehouse.reset();
    }
    void SetUp() override {
        Tag_ExpList::getInstance().clear();
        tagFile =
            warehouse->dir() /
            (std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + ".tag");
        ASSERT_EQ(Tag_File::init(tagFile.string()).code, 0);
    }
    void TearDown() override { Tag_ExpList::getInstance().clear(); }
    std::string written() {
        Tag_File::clean_up();
        return readFile(tagFile);
    }

    static inline std::unique_ptr<ScratchWarehouse> warehouse;
    fs::path tagFile;
};

TEST_F(ProgramPieces, ProgramWithoutGroupHasNoGroupRecordNoContainAndNoCheckpoint) {
    ProgFunc program;
    ASSERT_EQ(program.retrieve(L"Loose (program)").code, 0);
    Euit_ParmList keys;
    EXPECT_EQ(export_UDP(&program, keys).code, 0);
    EXPECT_EQ(keys.toString().toMultiByte(), "NAME(Loose '('program')') ");
    const std::string tag = written();
    EXPECT_EQ(tag, objectRecord("QRTPROGF", {"NAME(Loose '('program')')",
                                             "PGMNAME(prog_PF00000001)", "PGMTYPE(1)"}) +
                       parmRecord({"NAME(P1)", "PRMORDER(1)", "PRMDATA(v)", "PRMTYPE(1)",
                                   "PRMID(PM00000001)"}) +
                       relationRecord(true, "QRTPROGF", "NAME(Loose '('program')') ", "QRTPARM",
                                      "PRMID(PM00000001) ") +
                       ":COMMIT.CHKPID(151)\n:COMMIT.CHKPID(152)\n");
}

TEST_F(ProgramPieces, KeysAreFilledForAProgramWrittenBeforeOrPredefined) {
    ProgFunc program;
    ASSERT_EQ(program.retrieve(L"Shipped program").code, 0);
    Euit_ParmList keys;
    EXPECT_EQ(export_UDP(&program, keys).code, 0);
    EXPECT_EQ(keys.toString().toMultiByte(), "NAME(Shipped program) ");
    ASSERT_EQ(program.retrieve(L"Loose (program)").code, 0);
    ASSERT_EQ(export_UDP(&program, keys).code, 0);
    const std::string once = written();
    ASSERT_EQ(Tag_File::init(tagFile.string()).code, 0);
    Euit_ParmList again;
    EXPECT_EQ(export_UDP(&program, again).code, 0);
    EXPECT_EQ(again.toString().toMultiByte(), "NAME(Loose '('program')') ");
    EXPECT_EQ(written(), "") << "a program written before is not written again";
    EXPECT_EQ(countOf(once, "Begin QRTPROGF Instance"), 1u) << "the predefined one is not written";
}

TEST_F(ProgramPieces, ParametersOfAnInstanceAreContainedInTheInstance) {
    AggreFunc instance;
    ASSERT_EQ(instance.retrieveId(DIRId(std::string_view("AF00000001"))).code, 0);
    Euit_ParmList instanceKeys;
    Tag_ExpList::getInstance().getKeys(&instance, instanceKeys);
    EXPECT_EQ(instanceKeys.toString().toMultiByte(), "PGMUNKEY(AggreFunc) ");
    export_ProgParms(&instance, instanceKeys, DIRObjectType::AggreFunc);
    EXPECT_EQ(written(), parmRecord({"NAME(P1)", "PRMORDER(1)", "PRMDATA(w'('2')')", "PRMTYPE(1)",
                                     "PRMID(PM00000002)"}) +
                             relationRecord(true, "QRTAGGRF", "PGMUNKEY(AggreFunc) ", "QRTPARM",
                                            "PRMID(PM00000002) ") +
                             ":COMMIT.CHKPID(151)\n");
}
