// Programs, program groups, types, parameters and program instances on the
// sample warehouse: the lists of program definitions, a program's type and
// group with their not-found cases, parameters in order with long and
// enciphered values, and the instance read with its definition in one query.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "dictionary/password_cipher.h"
#include "dictionary/program.h"
#include "dictionary/program_group.h"
#include "dictionary/program_parameter.h"
#include "dictionary/program_type.h"
#include "sample_warehouse_fixture.h"
#include "tests/common/warehouse_builder.h"

namespace {
std::vector<std::wstring> idsOf(const std::vector<ProgParm*>& parms) {
    std::vector<std::wstring> ids;
    for (const ProgParm* parm : parms)
        ids.push_back(parm->getId().toString());
    return ids;
}
} // namespace

using Programs = SampleWarehouse;

TEST_F(Programs, DefinitionListsSelectTheirPrograms) {
    ProgFunc p;
    // Definitions only, by name; instances (uniqueKey "AggreFunc") are left out.
    EXPECT_EQ(listed(p, [&] { return p.listFirst(); }),
              (Names{L"Archive (old) orders", L"Clean staging tables", L"Refresh (summary) tables",
                     L"Reorganise tables", L"Send mail"}));
    EXPECT_EQ(listed(p, [&] { return p.listFirstByGrp(id("0000001603")); }),
              (Names{L"Refresh (summary) tables", L"Reorganise tables"}));
    EXPECT_EQ(listed(p, [&] { return p.listFirstByIR(id("0000000103")); }),
              (Names{L"Clean staging tables", L"Refresh (summary) tables"}));
    // Site 601 serves SALESDB and WAREHOUSE, site 602 SALESDB and FLATFILES.
    EXPECT_EQ(listed(p, [&] { return p.listFirstBySIR(id("0000000102")); }),
              (Names{L"Clean staging tables", L"Refresh (summary) tables"}));
    EXPECT_EQ(listed(p, [&] { return p.listFirstBySIRTIR(id("0000000101"), id("0000000103")); }),
              (Names{L"Archive (old) orders", L"Clean staging tables", L"Send mail"}));
    EXPECT_EQ(listed(p, [&] { return p.listFirstBySIRTIR(id("0000000102"), id("0000000103")); }),
              Names{});
    EXPECT_EQ(listed(p, [&] { return p.listFirstByGrpTIR(id("0000001601"), id("0000000103")); }),
              Names{L"Clean staging tables"});
    EXPECT_EQ(listed(p,
                     [&] {
                         return p.listFirstByGrpTIRSIR(id("0000001603"), id("0000000102"),
                                                       id("0000000101"));
                     }),
              Names{L"Refresh (summary) tables"});
    // The warehouse's own programs are not offered for a site, nor stored
    // procedures for a choice.
    {
        qrt_test::WarehouseBuilder w;
        w.add<ProgFunc>("0000001599", L"Notes", [](ProgFunc& notes) {
            notes.editFields().programName = L"hqpnotes";
            notes.editFields().OLVDefined = 1;
        });
        w.relate(rel::UDP_TO_AgentSite, "0000001599", "0000000601");
    }
    EXPECT_EQ(listed(p, [&] { return p.listFirstByAgent(id("0000000601")); }),
              (Names{L"Archive (old) orders", L"Clean staging tables", L"Send mail"}));
    EXPECT_EQ(listed(p, [&] { return p.listFirstExclude(); }).size(), 4u);
    // A group without programs.
    EXPECT_EQ(listed(p, [&] { return p.listFirstByGrp(id("0000009999")); }), Names{});
}

TEST_F(Programs, RetrievalByNameFindsDefinitionsOnly) {
    ProgFunc p;
    ASSERT_EQ(p.retrieve(L"Refresh (summary) tables").code, 0);
    EXPECT_EQ(p.getProgramName(), L"WHS.REFRESH_SUMMARY");
    EXPECT_EQ(p.fields().beanClassName, L"com.example.whs.Refresh");
    EXPECT_FALSE(p.isPredefined());
    ASSERT_EQ(p.retrieveByProgramName(L"QZTNXORG").code, 0);
    EXPECT_EQ(p.getName(), L"Reorganise tables");
    EXPECT_TRUE(p.isPredefined());

    // An instance row named like a program is not a definition.
    exec("UPDATE ProgFunc2 SET name = 'Instance only' WHERE qrtid = '0000001502';");
    const HQRC rc = p.retrieve(L"Instance only");
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"ProgFunc::retrieve");
    EXPECT_EQ(rc.commandLine, L"DDDPPROG");
    EXPECT_EQ(rc.token1, L"ProgFunc");
    EXPECT_EQ(rc.token2, L"Instance only");
}

TEST_F(Programs, TypeAndGroupOfAProgram) {
    ProgFunc p;
    ASSERT_EQ(p.retrieveId(id("0000001503")).code, 0);
    HQRC rc;
    const ProgType* type = p.getProgTypeObj(rc);
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->getProgramType(), L"Notification program");
    EXPECT_EQ(p.getProgType(rc), 6);
    EXPECT_EQ(p.getDelimiter(rc), L",");
    const UDPGrouping* group = p.getUDPGrouping(rc);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->getName(), L"Notification");

    // No group: none, and no failure.
    ASSERT_EQ(p.retrieveId(id("0000001508")).code, 0);
    EXPECT_EQ(p.getUDPGrouping(rc), nullptr);
    EXPECT_EQ(rc.code, 0);

    // No type: the program's own not-found; a type row that is missing: the type's.
    exec("DELETE FROM RELATIONSHIP WHERE relation_name = 'UDP_TO_ProgType' AND source_qrtid = "
         "'0000001508';"
         "UPDATE RELATIONSHIP SET target_qrtid = '0000001799' WHERE relation_name = "
         "'UDP_TO_ProgType' AND source_qrtid = '0000001501';");
    ASSERT_EQ(p.retrieveId(id("0000001508")).code, 0);
    EXPECT_EQ(p.getProgTypeObj(rc), nullptr);
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"ProgFunc::getProgTypeObj");
    EXPECT_EQ(rc.token1, L"ProgType");
    EXPECT_EQ(rc.token2, L"Archive (old) orders");
    EXPECT_EQ(p.getProgType(rc), 0);
    EXPECT_EQ(rc.code, 3142);
    ASSERT_EQ(p.retrieveId(id("0000001501")).code, 0);
    EXPECT_EQ(p.getProgTypeObj(rc), nullptr);
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"ProgType::retrieveId");

    ProgFunc neverRead;
    EXPECT_EQ(neverRead.getProgTypeObj(rc), nullptr);
    EXPECT_EQ(rc.code, 3104);
}

TEST_F(Programs, ParametersComeByOrderNumberThenIdentifier) {
    ProgFunc p;
    ASSERT_EQ(p.retrieveId(id("0000001506")).code, 0);
    HQRC rc;
    // Stored as 1811, 1809, 1812, 1810 with the order numbers 2, 3, 1, 2.
    EXPECT_EQ(idsOf(p.getProgParms(rc)), (std::vector<std::wstring>{L"0000001812", L"0000001810",
                                                                    L"0000001811", L"0000001809"}));
    EXPECT_EQ(rc.code, 0);

    // A relation row whose parameter row is missing is passed over.
    exec("INSERT INTO RELATIONSHIP VALUES ('ProgParm_TO_ProgFunc', '0000001506', '0000001800');"
         "INSERT INTO RELATIONSHIP VALUES ('ProgParm_TO_ProgFunc', '0000001506', '0000001899');");
    ASSERT_EQ(p.retrieveId(id("0000001506")).code, 0);
    EXPECT_EQ(p.getProgParms(rc).size(), 4u);
    EXPECT_EQ(rc.code, 0);

    // The same order through the parameter list of the program.
    ProgParm parm;
    std::vector<std::wstring> ids;
    for (rc = parm.listFirstByRef(p, rel::ProgParm_TO_ProgFunc); rc.code == 0; rc = parm.listNext())
        ids.push_back(parm.getId().toString());
    EXPECT_EQ(ids, (std::vector<std::wstring>{L"0000001812", L"0000001810", L"0000001811",
                                              L"0000001809"}));

    // A program without parameters.
    ASSERT_EQ(p.retrieveId(id("0000001505")).code, 0);
    EXPECT_TRUE(p.getProgParms(rc).empty());
    EXPECT_EQ(rc.code, 0);
}

TEST_F(Programs, ParameterValuesByTypeAndLength) {
    ProgParm parm;
    HQRC rc;
    ASSERT_EQ(parm.retrieveId(id("0000001802")).code, 0);
    EXPECT_EQ(parm.getParmDataType(), ProgParm::Number);
    EXPECT_EQ(parm.getParmData(rc), L"30");
    // An empty value is read from the strings table, over several rows.
    ASSERT_EQ(parm.retrieveId(id("0000001806")).code, 0);
    EXPECT_EQ(parm.getParmData(rc), L"45");
    ASSERT_EQ(parm.retrieveId(id("0000001809")).code, 0);
    const HQSTRING statement = parm.getParmData(rc);
    EXPECT_EQ(rc.code, 0);
    EXPECT_GT(statement.size(), 240u);
    EXPECT_TRUE(statement.starts_with(L"BEGIN CALL WHS.REFRESH_SUMMARY('SALES', "));
    EXPECT_TRUE(statement.ends_with(L"Größe ≥ 1 MB; END"));
    // A value of 240 characters is taken as it is, the strings table is not read.
    const std::string full(240, 'v');
    exec("UPDATE ProgParm SET parmData = '" + full + "' WHERE qrtid = '0000001809';");
    ASSERT_EQ(parm.retrieveId(id("0000001809")).code, 0);
    EXPECT_EQ(parm.getParmData(rc), HQSTRING(full));

    // Type texts outside the vocabulary read as 0; the vocabulary both ways.
    exec("UPDATE ProgParm SET parmDataType = 'string' WHERE qrtid = '0000001801';");
    ASSERT_EQ(parm.retrieveId(id("0000001801")).code, 0);
    EXPECT_EQ(parm.getParmDataType(), 0);
    EXPECT_EQ(ProgParm::parmTypeFromString(L"Token"), ProgParm::Token);
    EXPECT_EQ(ProgParm::parmTypeToString(ProgParm::Password), L"Password");
    EXPECT_EQ(ProgParm::parmTypeToString(5), L"");

    // A password parameter: its value is the binary column, deciphered only
    // when asked for; the row keeps the enciphered bytes.
    const std::string stored = encipherBinary("pw (refresh)");
    exec("UPDATE ProgParm SET parmData = 'plain text', BinaryPassword = " +
         qrt_test::sqliteBlob(stored) + " WHERE qrtid = '0000001812';");
    ASSERT_EQ(parm.retrieveId(id("0000001812")).code, 0);
    EXPECT_EQ(parm.fields().BinaryPassword, stored);
    EXPECT_EQ(parm.getParmData(rc), L"pw (refresh)");
    EXPECT_EQ(parm.getProgFunc(rc)->getName(), L"Refresh (summary) tables");
}

TEST_F(Programs, InstanceIsReadWithItsDefinition) {
    AggreFunc instance;
    ASSERT_EQ(instance.retrieveId(id("0000001502")).code, 0);
    EXPECT_EQ(instance.getId().toString(), L"0000001502");
    EXPECT_EQ(instance.getName(), L"Clean staging tables"); // the definition's
    EXPECT_EQ(instance.getUniqueKey(), L"AggreFunc");       // the instance's own
    EXPECT_EQ(instance.fields().VBForm, L"PARMFORM");
    EXPECT_EQ(instance.fields().definitionId, L"0000001501");
    EXPECT_EQ(instance.getProgramName(), L"/opt/whs/bin/cleanstg");
    HQRC rc;
    ProgFunc* definition = instance.getProgFunc(rc);
    ASSERT_NE(definition, nullptr);
    EXPECT_EQ(definition->getId().toString(), L"0000001501");
    EXPECT_EQ(instance.getDelimiter(rc), L" ");
    EXPECT_EQ(idsOf(instance.getProgParms(rc)),
              (std::vector<std::wstring>{L"0000001805", L"0000001806"}));
    // Walking back from the definition gives the instance itself.
    RelationCollection<AggreFunc>* instances = definition->getAggreFuncList(rc);
    ASSERT_NE(instances, nullptr);
    EXPECT_EQ(instances->getFirst(rc), &instance);

    // As a related object, through the class factory.
    const std::unique_ptr<DIRBase> made =
        DIRBase::retrieveIdBase(id("0000001504"), DIRObjectType::AggreFunc, rc);
    ASSERT_EQ(rc.code, 0);
    EXPECT_EQ(made->getName(), L"Send mail");

    EXPECT_EQ(listed(instance, [&] { return instance.listFirstByProgFunc(id("0000001506")); }),
              Names{L"Refresh (summary) tables"});
}

TEST_F(Programs, InstanceWithoutDefinitionIsNotFound) {
    // The definition's row is gone, then the relation to it.
    exec("DELETE FROM ProgFunc2 WHERE qrtid = '0000001503';");
    AggreFunc instance;
    HQRC rc = instance.retrieveId(id("0000001504"));
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"AggreFunc::retrieveId");
    EXPECT_EQ(rc.commandLine, L"DDDPAGFN");
    EXPECT_EQ(rc.token1, L"AggreFunc");
    EXPECT_EQ(rc.token2, L"0000001504");
    exec("DELETE FROM RELATIONSHIP WHERE relation_name = 'UDP_TO_AggreFuncs' AND source_qrtid = "
         "'0000001502';");
    EXPECT_EQ(instance.retrieveId(id("0000001502")).code, 3142);
    EXPECT_EQ(instance.getState(), 0);
    EXPECT_EQ(instance.listFirstByProgFunc(id("0000001501")).code, 3142);
}

TEST_F(Programs, GroupsAndTypes) {
    UDPGrouping g;
    EXPECT_EQ(listed(g, [&] { return g.listFirst(); }),
              (Names{L"Warehouse utilities", L"Notification", L"Nordbase Programs"}));
    EXPECT_EQ(listed(g, [&] { return g.listFirstByType(1); }), Names{L"Nordbase Programs"});
    EXPECT_EQ(listed(g, [&] { return g.listFirstByType(0); }).size(), 2u);
    ASSERT_EQ(g.retrieve(L"Nordbase Programs").code, 0);
    EXPECT_TRUE(g.isPredefined());
    EXPECT_TRUE(g.isNordbaseProgramGroup());
    EXPECT_EQ(g.fields().groupType, 3);
    EXPECT_EQ(g.fields().icon, L"nbprog");
    ASSERT_EQ(g.retrieve(L"Warehouse utilities").code, 0);
    EXPECT_FALSE(g.isPredefined());
    EXPECT_FALSE(g.isNordbaseProgramGroup());
    EXPECT_TRUE(g.canHaveProgFuncs());
    const HQRC missing = g.retrieve(L"No such group");
    EXPECT_EQ(missing.code, 3142);
    EXPECT_EQ(missing.location, L"UDPGrouping::retrieve");
    EXPECT_EQ(missing.token2, L"No such group");

    ProgType t;
    ASSERT_EQ(t.retrieveProgramType(L"Stored procedure").code, 0);
    EXPECT_EQ(t.getProgNum(), 4);
    ASSERT_EQ(t.retrieveProgramNum(6).code, 0);
    EXPECT_EQ(t.getProgramType(), L"Notification program");
    EXPECT_EQ(t.retrieveProgramNum(99).code, 3142);
    EXPECT_EQ(listed(t, [&] { return t.listFirst(); }).size(), 3u);
}

TEST_F(Programs, ParametersOfTheWarehouseProgramsAndNotification) {
    {
        qrt_test::WarehouseBuilder w;
        for (const auto& [id, name, orderNo, hqKey, data] :
             {std::tuple{"0000001891", L"B", 2, 1, L"x"},
              {"0000001892", L"A", 1, 1, L"&PARENT.STEPNAME"},
              {"0000001893", L"C", 0, 1, L"y"},
              {"0000001894", L"NOTIFY_EMAILSERVER", 4, 0, L"mail.example.com"},
              {"0000001895", L"NOTIFY_EMAILSERVER", 4, 0, L""}}) {
            w.add<ProgParm>(id, name, [&](ProgParm& parm) {
                parm.editFields().orderNo = orderNo;
                parm.editFields().HQProgKey = hqKey;
                parm.editFields().parmDataLong = data;
            });
        }
    }
    ProgParm parm;
    EXPECT_EQ(listed(parm, [&] { return parm.listFirstHQKeys(); }), (Names{L"C", L"B"}));
    EXPECT_EQ(listed(parm, [&] { return parm.listFirstHQKeysParent(); }), Names{L"A"});
    ASSERT_EQ(parm.retrieveHQ(L"B").code, 0);
    EXPECT_EQ(parm.getId().toString(), L"0000001891");
    ASSERT_EQ(parm.retrieveHQParmData(L"y").code, 0);
    EXPECT_EQ(parm.getName(), L"C");
    EXPECT_EQ(listed(parm, [&] { return parm.listFirstEmailServers(); }).size(), 1u);

    ASSERT_EQ(parm.retrieveId(id("0000001807")).code, 0);
    EXPECT_TRUE(parm.hasCondition(ProgParm::OnFailure));
    parm.makeCondition(ProgParm::OnSuccess);
    parm.resetCondition(ProgParm::OnFailure);
    EXPECT_EQ(parm.fields().notifyCondition, ProgParm::OnSuccess);
}
