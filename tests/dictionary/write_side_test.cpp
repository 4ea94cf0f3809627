// The write side of the object model on the sample warehouse: created objects
// read back as written, passwords stored only enciphered, field checks,
// identifier collisions, the optimistic update, deletes with their refusals
// and dependent objects, relation changes, copies, and writes that fail half
// way leaving the control database as it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/business_view.h"
#include "dictionary/bv_alias.h"
#include "dictionary/bv_schedule.h"
#include "dictionary/data_resource.h"
#include "dictionary/hq_user.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "dictionary/map.h"
#include "dictionary/olap_cube.h"
#include "dictionary/password_cipher.h"
#include "dictionary/program.h"
#include "dictionary/program_parameter.h"
#include "dictionary/program_type.h"
#include "dictionary/security_group.h"
#include "tests/common/control_rows.h"
#include "tests/common/warehouse_builder.h"
#include "tests/dictionary/sample_warehouse_fixture.h"

using qrt_test::countRows;
using qrt_test::describe;
using qrt_test::queryRows;
using qrt_test::queryValue;
using qrt_test::sqliteDump;

namespace {

class WriteSide : public SampleWarehouse {
protected:
    // A text of the given number of bytes with non-ASCII characters on the
    // piece boundaries of the strings table.
    static HQSTRING longText(size_t bytes) {
        std::string text;
        while (text.size() < bytes)
            text += "Größe 'x' (ü) – ";
        return HQSTRING(text);
    }
    static HQSTRING where(const DIRId& id) { return L"qrtid = '" + id.toString() + L"'"; }
    // "SELECT <columns> FROM <table> WHERE qrtid = '<id>'"
    static HQSTRING rowOf(const wchar_t* columns, const wchar_t* table, const DIRId& id) {
        HQSTRING sql(L"SELECT ");
        sql += columns;
        sql += L" FROM ";
        sql += controldb::table(table);
        sql += L" WHERE ";
        sql += where(id);
        return sql;
    }
    std::string dump() const { return sqliteDump(db_); }
};

TEST_F(WriteSide, CreatedObjectsReadBackWithTheirTextsAndRelations) {
    InformationResource db;
    ASSERT_EQ(db.setName(L"NEWDB").code, 0);
    db.setShortDescription(L"O'Hara's (new) database");
    db.editFields().dbName = L"NEWDSN";
    db.editFields().dbType = static_cast<int32_t>(InformationResource::dbaseType::Oracle);
    db.editFields().subdbType = 20;
    db.editFields().isWarehouse = 1;
    db.editFields().contact = L"Müller (DBA)";
    const HQSTRING description = longText(9000);
    db.setLongDescription(description);
    HQRC rc = db.create();
    ASSERT_EQ(rc.code, 0) << describe(rc);
    EXPECT_EQ(db.getState(), 2);
    EXPECT_FALSE(db.getId().isUnset());
    EXPECT_EQ(db.getId().view().find_first_not_of("0123456789"), std::string_view::npos);

    DataResource table;
    table.setName(L"NEW.T1");
    table.editFields().largeSchemaName = L"NEW";
    table.editFields().largeTableName = L"T1";
    table.setCreateStmt(L"CREATE TABLE NEW.T1 (A INTEGER)");
    ASSERT_EQ(table.getInformationResource.add(db).code, 0); // kept until create
    EXPECT_EQ(countRows(L".RELATIONSHIP", L"target_qrtid = 'XXXXXXXXXX'"), 0);
    rc = table.create();
    ASSERT_EQ(rc.code, 0) << describe(rc);

    InformationResource read;
    ASSERT_EQ(read.retrieve(L"NEWDB").code, 0);
    EXPECT_EQ(read.getId(), db.getId());
    EXPECT_EQ(read.getShortDescription(), L"O'Hara's (new) database");
    EXPECT_EQ(read.fields().dbName, L"NEWDSN");
    EXPECT_EQ(read.fields().dbType, 20);
    EXPECT_EQ(read.fields().subdbType, 20);
    EXPECT_EQ(read.fields().contact, L"Müller (DBA)");
    EXPECT_EQ(read.getLongDescription(rc), description);
    // 9000 bytes take three rows, none cutting a character.
    EXPECT_EQ(countRows(L".QRTSTRINGS", L"name = 'IRLDesc' AND " + where(db.getId())), 3);
    RelationCollection<DataResource>* tables = read.getDataResourceList(rc);
    ASSERT_NE(tables, nullptr);
    DataResource* first = tables->getFirst(rc);
    ASSERT_NE(first, nullptr) << describe(rc);
    EXPECT_EQ(first->getName(), L"NEW.T1");
    EXPECT_EQ(first->getCreateStmt(rc), L"CREATE TABLE NEW.T1 (A INTEGER)");
    EXPECT_EQ(tables->getNext(rc), nullptr);
}

TEST_F(WriteSide, PasswordsAreStoredOnlyInTheCiphersForm) {
    const std::string plain = "Geheim-42";
    InformationResource db;
    db.setName(L"PWDB");
    db.setPassword(HQSTRING(plain));
    ASSERT_EQ(db.create().code, 0);
    AgentSite site;
    site.setName(L"PW site");
    ASSERT_EQ(site.setSitePassword(HQSTRING(plain)).code, 0);
    ASSERT_EQ(site.create().code, 0);
    HQUser user;
    user.setName(L"PWUSER");
    user.setPassword(HQSTRING(plain));
    ASSERT_EQ(user.create().code, 0);
    ProgParm parm;
    parm.setName(L"PW parm");
    parm.setPassword(HQSTRING(plain));
    ASSERT_EQ(parm.create().code, 0);

    const struct {
        const wchar_t* table;
        const wchar_t* columns;
        DIRId id;
    } rows[] = {{L".inforesource", L"password, BinaryPassword", db.getId()},
                {L".AgentSite", L"sitePassword, BinarySitePassword", site.getId()},
                {L".HQUser", L"password, BinaryPassword", user.getId()},
                {L".ProgParm", L"parmData, BinaryPassword", parm.getId()}};
    for (const auto& r : rows) {
        const auto stored = queryRows(rowOf(r.columns, r.table, r.id));
        ASSERT_EQ(stored.size(), 1u);
        for (const std::string& value : stored[0])
            EXPECT_EQ(value.find(plain), std::string::npos) << HQSTRING(r.table).toMultiByte();
        EXPECT_EQ(stored[0][1], encipherBinary(plain)) << HQSTRING(r.table).toMultiByte();
    }
    EXPECT_EQ(queryValue(rowOf(L"password", L".inforesource", db.getId())), encipherText(plain));
    // Nor anywhere else in the control database.
    EXPECT_EQ(dump().find(plain), std::string::npos);

    InformationResource readDb;
    ASSERT_EQ(readDb.retrieveId(db.getId()).code, 0);
    EXPECT_EQ(readDb.getPassword(), HQSTRING(plain));
    HQRC rc;
    ProgParm readParm;
    ASSERT_EQ(readParm.retrieveId(parm.getId()).code, 0);
    EXPECT_EQ(readParm.getParmData(rc), HQSTRING(plain));

    // Too long for the text column: kept by the binary column alone.
    const std::string longPassword = "a much longer password";
    AgentSite read;
    ASSERT_EQ(read.retrieveId(site.getId()).code, 0);
    read.editFields().sitePassword.assign(HQSTRING(longPassword));
    ASSERT_EQ(read.update().code, 0);
    const auto stored =
        queryRows(rowOf(L"sitePassword, BinarySitePassword", L".AgentSite", site.getId()));
    EXPECT_EQ(stored[0][0], qrt_test::kNull);
    EXPECT_EQ(stored[0][1], encipherBinary(longPassword));
    ASSERT_EQ(read.retrieveId(site.getId()).code, 0);
    EXPECT_EQ(read.getPassword(), HQSTRING(longPassword));
}

TEST_F(WriteSide, ValuesLongerThanTheirColumnAreRefusedAndNothingIsStored) {
    const std::string before = dump();
    InformationResource db;
    db.setName(L"TOOLONG");
    db.editFields().dbName = HQSTRING(std::string(40, 'D'));
    db.setLongDescription(L"kept out");
    ASSERT_EQ(db.verifyAttributes().code, 0);
    db.editFields().dbName += L"D";
    HQRC rc = db.create();
    EXPECT_EQ(rc.code, 3110);
    EXPECT_EQ(rc.token1, L"dbName");
    EXPECT_EQ(rc.token2, L"40");
    EXPECT_EQ(db.getState(), 0);
    EXPECT_TRUE(db.getId().isUnset());

    // 40 characters of two bytes each do not fit a buffer of 40 bytes.
    db.editFields().dbName = HQSTRING(std::string(20, 'D') + std::string(10, 'x'));
    db.editFields().contact = HQSTRING(std::string(64, 'c'));
    EXPECT_EQ(db.verifyAttributes().code, 0);
    db.editFields().contact = L"ü" + HQSTRING(std::string(63, 'c'));
    rc = db.create();
    EXPECT_EQ(rc.code, 3110);
    EXPECT_EQ(rc.token1, L"contact");
    EXPECT_EQ(dump(), before);
}

TEST_F(WriteSide, TakenIdentifierIsDrawnAgain) {
    DIRId warmUp;
    warmUp.setRandom(); // the generator is seeded with the time on its first use
    char taken[16];
    std::srand(4711);
    std::snprintf(taken, sizeof taken, "%010u", static_cast<unsigned>(std::rand()));
    char next[16];
    std::snprintf(next, sizeof next, "%010u", static_cast<unsigned>(std::rand()));
    SecurityGroup holder;
    holder.setId(DIRId(std::string_view(taken)));
    holder.setName(L"holds the first draw");
    ASSERT_EQ(holder.create(DIRBase::Identity::AsHeld).code, 0);

    std::srand(4711);
    SecurityGroup group;
    group.setName(L"drawn twice");
    HQRC rc = group.create();
    ASSERT_EQ(rc.code, 0) << describe(rc);
    EXPECT_EQ(group.getId().view(), next);
    EXPECT_EQ(countRows(L".SecurityGroup", L"qrtid = '" + HQSTRING(taken) + L"'"), 1);

    // The same identifier given as held is not drawn again: the failure is reported.
    SecurityGroup copy;
    copy.setId(DIRId(std::string_view(taken)));
    copy.setName(L"same identifier");
    EXPECT_NE(copy.create(DIRBase::Identity::AsHeld).code, 0);
    EXPECT_EQ(countRows(L".SecurityGroup", L"name = 'same identifier'"), 0);
}

TEST_F(WriteSide, UpdateOfARowStoredByOthersSinceItWasReadChangesNothing) {
    AgentSite mine, theirs;
    HQRC rc;
    ASSERT_EQ(mine.retrieve(L"ETL host (Unix)").code, 0);
    const HQSTRING description = mine.getLongDescription(rc);
    ASSERT_EQ(theirs.retrieve(L"ETL host (Unix)").code, 0);
    theirs.setShortDescription(L"theirs");
    ASSERT_EQ(theirs.update().code, 0);
    mine.setShortDescription(L"mine");
    mine.setLongDescription(L"mine too");
    rc = mine.update();
    EXPECT_EQ(rc.code, 3106);
    EXPECT_EQ(rc.token1, L"AgentSite");
    EXPECT_EQ(rc.token2, L"ETL host (Unix)");
    AgentSite stored;
    ASSERT_EQ(stored.retrieve(L"ETL host (Unix)").code, 0);
    EXPECT_EQ(stored.getShortDescription(), L"theirs");
    EXPECT_EQ(stored.getLongDescription(rc), description);

    // Read again, the update goes through; twice in a row, also within one second.
    ASSERT_EQ(mine.retrieve(L"ETL host (Unix)").code, 0);
    mine.setShortDescription(L"mine");
    ASSERT_EQ(mine.update().code, 0);
    ASSERT_EQ(theirs.update().code, 3106) << "the row changed since theirs was read";
    mine.setShortDescription(L"mine again");
    ASSERT_EQ(mine.update().code, 0);
    ASSERT_EQ(stored.retrieve(L"ETL host (Unix)").code, 0);
    EXPECT_EQ(stored.getShortDescription(), L"mine again");

    AgentSite never;
    never.setName(L"never stored");
    EXPECT_EQ(never.update().code, 3107);
}

TEST_F(WriteSide, RowWithoutATimeStampIsUpdatedOnceAndKeepsNoneWhenCopiedAsHeld) {
    exec("UPDATE AgentSite SET update_ts = NULL WHERE name = 'ETL host (Unix)'");
    AgentSite mine, theirs;
    ASSERT_EQ(mine.retrieve(L"ETL host (Unix)").code, 0);
    ASSERT_EQ(theirs.retrieve(L"ETL host (Unix)").code, 0);
    mine.setShortDescription(L"mine");
    HQRC rc = mine.update();
    ASSERT_EQ(rc.code, 0) << describe(rc);
    EXPECT_NE(queryValue(rowOf(L"update_ts", L".AgentSite", mine.getId())), qrt_test::kNull);
    theirs.setShortDescription(L"theirs");
    EXPECT_EQ(theirs.update().code, 3106) << "the row has a time stamp since theirs was read";

    // Copied with its identity into a fresh row, a read without a stamp
    // stores none either.
    exec("UPDATE AgentSite SET update_ts = NULL WHERE name = 'ETL host (Unix)'");
    ASSERT_EQ(theirs.retrieve(L"ETL host (Unix)").code, 0);
    const DIRId held = theirs.getId();
    AgentSite copy;
    ASSERT_EQ(copy.copyFrom(theirs).code, 0);
    exec("DELETE FROM AgentSite WHERE qrtid = '" + held.toString().toMultiByte() + "'");
    rc = copy.create(DIRBase::Identity::AsHeld);
    ASSERT_EQ(rc.code, 0) << describe(rc);
    EXPECT_EQ(queryValue(rowOf(L"update_ts", L".AgentSite", held)), qrt_test::kNull);
}

TEST_F(WriteSide, RenamedDatabaseKeepsTheDatabaseNameOfItsTablesAndColumns) {
    InformationResource db;
    ASSERT_EQ(db.retrieve(L"SALESDB").code, 0);
    db.setName(L"SALES2");
    db.setLongDescription(L"renamed");
    ASSERT_EQ(db.update().code, 0);
    const HQSTRING ofSales = L"qrtid in ('0000000201', '0000000202')";
    EXPECT_EQ(countRows(L".DataResource", L"IRName = 'SALES2'"), 2);
    EXPECT_EQ(countRows(L".DataResource", L"IRName = 'SALES2' AND " + ofSales), 2);
    EXPECT_EQ(countRows(L".Attribute", L"IRName = 'SALES2'"), 9);
    EXPECT_EQ(countRows(L".Attribute", L"IRName = 'SALESDB'"), 0);
    EXPECT_EQ(countRows(L".Attribute", L"IRName = 'WAREHOUSE'"), 12);
    HQRC rc;
    InformationResource read;
    ASSERT_EQ(read.retrieve(L"SALES2").code, 0);
    EXPECT_EQ(read.getLongDescription(rc), L"renamed");
}

struct Refusal {
    DIRObjectType type;
    const char* id;
    const wchar_t* reason; // the third token of 3105
};

TEST_F(WriteSide, DeleteIsRefusedWhileTheObjectIsInUse) {
    const Refusal refusals[] = {
        {DIRObjectType::AgentSite, "0000000602", L"BV_TO_AgentSite"},
        {DIRObjectType::DataResource, "0000000201", L"BV_TO_Input_DR"},
        {DIRObjectType::DataResource, "0000000204", L"BV_TO_Output_DR"},
        {DIRObjectType::DataResource, "0000000205", L"BV_TO_Output_DR"},
        {DIRObjectType::InformationResource, "0000000101", L"BV_TO_SourceIR"},
        {DIRObjectType::InformationResource, "0000000103", L"BV_TO_TargetIR"},
        // its tables are read by steps
        {DIRObjectType::InformationResource, "0000000102", L"BV_TO_Input_DR"},
        {DIRObjectType::BusinessView, "0000001001", L"status Production"},
        {DIRObjectType::SecurityGroup, "0000000701", L"HQdefault"},
        {DIRObjectType::ProgFunc, "0000001501", L"UDP_TO_AggreFuncs"},
        {DIRObjectType::OLAPCube, "0000002601", L"BV_TO_OLAPCube"},
    };
    const std::string before = dump();
    for (const Refusal& r : refusals) {
        std::unique_ptr<DIRBase> object = DIRBase::makeObject(r.type);
        const HQRC rc = object->destroyId(id(r.id));
        EXPECT_EQ(rc.code, 3105) << r.id << ": " << describe(rc);
        EXPECT_EQ(rc.token3, r.reason) << r.id;
    }
    EXPECT_EQ(dump(), before);
}

TEST_F(WriteSide, DeleteTakesWhatBelongsToTheObjectAndNothingElse) {
    const std::string before = dump();
    {
        qrt_test::WarehouseBuilder b;
        b.add<InformationResource>("0000009101", L"SCRATCH", [](InformationResource& db) {
            db.setLongDescription(L"goes");
            db.setPassword(L"pw");
        });
        b.add<DataResource>("0000009201", L"S.T", [](DataResource& t) {
            t.setCreateStmt(L"CREATE TABLE S.T (A INTEGER, B INTEGER)");
        });
        b.add<Attribute>("0000009301", L"A", [](Attribute& a) { a.setLongDescription(L"col A"); });
        b.add<Attribute>("0000009302", L"B");
        b.add<PrimaryKey>("0000009401", L"PK_T");
        b.add<ForeignKey>("0000009402", L"FK_T");
        b.add<KeyMap>("0000009501", L"PK_T_1");
        b.add<KeyMap>("0000009502", L"FK_T_1");
        b.relate(rel::IR_TO_DR_Rel, "0000009101", "0000009201");
        b.relate(rel::DR_TO_Attr_Rel, "0000009201", "0000009301");
        b.relate(rel::DR_TO_Attr_Rel, "0000009201", "0000009302");
        b.relate(rel::DR_TO_PrimaryKey_Rel, "0000009201", "0000009401");
        b.relate(rel::DR_TO_ForeignKey_Rel, "0000009201", "0000009402");
        b.relate(rel::PrimK_TO_ForeignK, "0000009402", "0000009401");
        b.relate(rel::KeyMap_TO_PrimaryKey, "0000009501", "0000009401");
        b.relate(rel::KeyMap_TO_ForeignKey, "0000009502", "0000009402");
        b.relate(rel::Attr_TO_PKeyMap_Rel, "0000009501", "0000009301");
        b.relate(rel::Attr_TO_FKeyMap_Rel, "0000009502", "0000009302");
        b.relate(rel::Attr_TO_PKeyMap_Rel, "0000009502", "0000009301");
        // links to objects of the sample, which stay
        b.add<AgentSite>("0000009601", L"scratch site");
        b.relate(rel::IR_TO_AgentSite, "0000009601", "0000009101");
    }
    ASSERT_NE(dump(), before);
    AgentSite site;
    ASSERT_EQ(site.retrieveId(id("0000000601")).code, 0);
    ASSERT_EQ(site.relate(rel::IR_TO_AgentSite, RelationSide::Source,
                          *DIRBase::makeObject(DIRObjectType::InformationResource))
                  .code,
              3103);

    InformationResource db;
    HQRC rc = db.destroyID(id("0000009101"));
    ASSERT_EQ(rc.code, 0) << describe(rc);
    EXPECT_EQ(db.getState(), 0);
    EXPECT_TRUE(db.getId().isUnset());
    AgentSite scratchSite;
    ASSERT_EQ(scratchSite.destroyId(id("0000009601")).code, 0);
    EXPECT_EQ(dump(), before);
    EXPECT_TRUE(DIRBase::isNotFound(db.destroyID(id("0000009101"))));
}

TEST_F(WriteSide, DeletingAStepTakesItsPartsAndTheNotificationStepsItStarts) {
    {
        qrt_test::WarehouseBuilder b;
        const auto development = [](BusinessView& s) {
            s.editFields().status = L"Development";
            s.setStatement("BVselect", L"SELECT 1");
            s.setBLOBDATA(std::string("\0\1\2", 3));
        };
        b.add<BusinessView>("0000009001", L"Doomed step", development);
        b.add<BusinessView>("0000009002", L"Tells of failure", development);
        b.add<BusinessView>("0000009003", L"Runs after it", development);
        b.add<Map>("0000009101", L"M1");
        b.add<BVAlias>("0000009201", L"V1");
        b.add<BVSchedule>("0000009301", L"Daily");
        b.add<ProgType>("0000009401", L"Notification",
                        [](ProgType& t) { t.editFields().progNum = 6; });
        b.add<ProgFunc>("0000009402", L"Mailer",
                        [](ProgFunc& p) { p.editFields().uniqueKey = L"ProgFunc"; });
        b.add<AggreFunc>("0000009403", L"",
                         [](AggreFunc& a) { a.setInstance(L"AggreFunc", L"FORM"); });
        b.add<ProgParm>("0000009404", L"TO", [](ProgParm& p) { p.setOrderNo(1); });
        b.relate(rel::UDP_TO_ProgType, "0000009402", "0000009401");
        b.relate(rel::UDP_TO_AggreFuncs, "0000009403", "0000009402");
        b.relate(rel::ProgParm_TOAggreFunc, "0000009403", "0000009404");
        b.relate(rel::BV_TO_AggregFunc, "0000009002", "0000009403");
        b.relate(rel::BV_POSTCAS_TO_BVFAIL, "0000009001", "0000009002");
        b.relate(rel::BV_TO_ChildBV, "0000009001", "0000009003");
        b.relate(rel::BV_TO_ChildBV, "0000009001", "0000009001"); // starts itself
        b.relate(rel::BV_TO_Map, "0000009101", "0000009001");
        b.relate(rel::BV_TO_BVAlias, "0000009001", "0000009201");
        b.relate(rel::BV_TO_Schedule, "0000009001", "0000009301");
        b.relate(rel::BV_TO_Input_DR, "0000009001", "0000000201");
        b.relate(rel::BV_TO_AgentSite, "0000000601", "0000009001");
    }
    const long stepTexts = countRows(L".QRTSTRINGS");
    BusinessView step;
    HQRC rc = step.destroyId(id("0000009001"));
    ASSERT_EQ(rc.code, 0) << describe(rc);
    for (const char* gone : {"0000009001", "0000009002", "0000009101", "0000009201", "0000009301",
                             "0000009403", "0000009404"}) {
        HQSTRING w = L"qrtid = '" + HQSTRING(gone) + L"'";
        long rows = 0;
        for (const wchar_t* table :
             {L".BusinessView", L".map", L".BVAlias", L".BVSchedule", L".ProgFunc2", L".ProgParm"})
            rows += countRows(table, w);
        EXPECT_EQ(rows, 0) << gone;
        EXPECT_EQ(countRows(L".RELATIONSHIP", L"source_qrtid = '" + HQSTRING(gone) +
                                                  L"' OR target_qrtid = '" + HQSTRING(gone) + L"'"),
                  0)
            << gone;
    }
    EXPECT_EQ(countRows(L".QRTSTRINGS"), stepTexts - 2);
    EXPECT_EQ(countRows(L".BINARYDATA", L"qrtid IN ('0000009001', '0000009002')"), 0);
    // The step it started unconditionally is no notification step; the
    // program, its type and the table stay.
    EXPECT_EQ(countRows(L".BusinessView", L"qrtid = '0000009003'"), 1);
    EXPECT_EQ(countRows(L".ProgFunc2", L"qrtid = '0000009402'"), 1);
    EXPECT_EQ(countRows(L".DataResource", L"qrtid = '0000000201'"), 1);
    EXPECT_EQ(countRows(L".RELATIONSHIP", L"relation_name = 'BV_TO_Input_DR'"), 6);
}

TEST_F(WriteSide, AddingAMemberReplacesThePartnerOfASingleValuedSide) {
    DataResource view;
    ASSERT_EQ(view.retrieve(L"WHS.V_CUSTOMER", L"WAREHOUSE").code, 0);
    InformationResource sales, flat;
    ASSERT_EQ(sales.retrieve(L"SALESDB").code, 0);
    ASSERT_EQ(flat.retrieve(L"FLATFILES").code, 0);
    HQRC rc;
    // The table has one database: adding it to another moves it.
    ASSERT_EQ(sales.getDataResourceList(rc)->add(view).code, 0);
    EXPECT_EQ(countRows(L".RELATIONSHIP",
                        L"relation_name = 'IR_TO_DR_Rel' AND target_qrtid = '0000000207'"),
              1);
    EXPECT_EQ(view.getInformationResource(rc)->getName(), L"SALESDB");
    EXPECT_EQ(sales.getDataResourceList(rc)->entries(rc), 3u);
    // The same from the table's side.
    ASSERT_EQ(view.getInformationResource.add(flat).code, 0);
    EXPECT_EQ(view.getInformationResource(rc)->getName(), L"FLATFILES");
    EXPECT_EQ(sales.getDataResourceList(rc)->entries(rc), 2u);
    // A pair already related is stored once.
    ASSERT_EQ(flat.getDataResourceList(rc)->add(view).code, 0);
    EXPECT_EQ(countRows(L".RELATIONSHIP", L"target_qrtid = '0000000207'"), 1);
    // Where both sides may have several partners, nothing is replaced.
    AgentSite site;
    ASSERT_EQ(site.retrieve(L"Default agent site").code, 0);
    ASSERT_EQ(flat.getAgentSiteList(rc)->add(site).code, 0);
    EXPECT_EQ(flat.getAgentSiteList(rc)->entries(rc), 2u);
    ASSERT_EQ(flat.getAgentSiteList(rc)->destroy(site).code, 0);
    EXPECT_EQ(flat.getAgentSiteList(rc)->entries(rc), 1u);

    InformationResource none;
    rc = flat.getDataResourceList(rc)->add(none);
    EXPECT_EQ(rc.code, 3103);
    EXPECT_EQ(rc.comment, L"Invalid DIRId for Target - XXXXXXXXXX");
}

TEST_F(WriteSide, CopyJoinsTheSharedPartnersButNotWhatBelongsToTheSource) {
    DataResource source;
    ASSERT_EQ(source.retrieve(L"SALES.CUSTOMER", L"SALESDB").code, 0);
    HQRC rc;
    const HQSTRING description = source.getLongDescription(rc);
    DataResource copy;
    rc = copy.copy(source, L"SALES.CUSTOMER_COPY");
    ASSERT_EQ(rc.code, 0) << describe(rc);
    EXPECT_FALSE(copy.getId() == source.getId());

    DataResource read;
    ASSERT_EQ(read.retrieveId(copy.getId()).code, 0);
    EXPECT_EQ(read.DIRBase::getName(), L"SALES.CUSTOMER_COPY");
    EXPECT_EQ(read.getLongDescription(rc), description);
    EXPECT_EQ(read.fields().largeTableName, source.fields().largeTableName);
    // Its database and the steps reading the source have it too; columns,
    // keys and correlations stay with the source.
    EXPECT_EQ(read.getInformationResource(rc)->getName(), L"SALESDB");
    EXPECT_EQ(read.getBusinessViewInputList(rc)->entries(rc), 1u);
    EXPECT_EQ(read.getAttributeList(rc)->entries(rc), 0u);
    EXPECT_EQ(read.getPrimaryKeyList(rc)->entries(rc), 0u);
    EXPECT_EQ(source.getAttributeList(rc)->entries(rc), 4u);
}

TEST_F(WriteSide, AWriteThatFailsHalfWayLeavesTheControlDatabaseAsItWas) {
    // The binary-data table is gone: a step's delete fails after its
    // dependents, long texts and relation rows were already deleted.
    exec("DROP TABLE BINARYDATA;");
    const std::string before = dump();
    BusinessView step;
    HQRC rc = step.destroyId(id("0000001005"));
    EXPECT_NE(rc.code, 0);
    EXPECT_EQ(dump(), before);

    // The same for a create: its row and its long text are not kept.
    exec("DROP TABLE QRTSTRINGS;");
    const std::string beforeCreate = dump();
    BusinessView created;
    created.setName(L"never there");
    created.setStatement("BVselect", L"SELECT 1");
    created.getInputList.add(step);
    EXPECT_NE(created.create().code, 0);
    EXPECT_EQ(created.getState(), 0);
    EXPECT_TRUE(created.getId().isUnset());
    EXPECT_EQ(dump(), beforeCreate);
}

} // namespace
