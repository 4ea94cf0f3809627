// Steps and their details on the sample warehouse: source and target
// databases (explicit, derived, missing), retry values left to the source
// database, stored statements, binary SQL data of any length, the
// notification lists of a process, cascades, maps of every kind,
// correlations and aliases, and fresh content on every fetch.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/business_view.h"
#include "dictionary/bv_alias.h"
#include "dictionary/data_resource.h"
#include "dictionary/dr_correlation.h"
#include "dictionary/hq_user.h"
#include "dictionary/information_resource.h"
#include "dictionary/map.h"
#include "dictionary/security_group.h"
#include "sample_warehouse_fixture.h"
#include "tests/common/byte_pattern.h"

namespace {
using Names = std::vector<std::wstring>;

template <class T> Names namesOf(RelationCollection<T>* list) {
    Names names;
    HQRC rc;
    EXPECT_NE(list, nullptr);
    if (list == nullptr)
        return names;
    for (T* o = list->getFirst(rc); o != nullptr; o = list->getNext(rc))
        names.push_back(o->getName());
    EXPECT_EQ(rc.code, 0) << rc.location.toMultiByte();
    return names;
}

std::unique_ptr<BusinessView> step(const wchar_t* name) {
    auto s = std::make_unique<BusinessView>();
    const HQRC rc = s->retrieve(name);
    EXPECT_EQ(rc.code, 0) << HQSTRING(name).toMultiByte();
    return s;
}

HQSTRING number(long n) {
    return HQSTRING(std::to_wstring(n));
}
} // namespace

using Steps = SampleWarehouse;

TEST_F(Steps, RetrievalByExactNameWithFieldsAndStoredStatements) {
    BusinessView s;
    HQRC rc = s.retrieve(L"Derive product dim"); // the stored name has a blank at each end
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"BusinessView::retrieve");
    EXPECT_EQ(rc.commandLine, L"DDDPBUSV");
    EXPECT_EQ(rc.token1, L"BusinessView");
    EXPECT_EQ(rc.token2, L"Derive product dim");
    ASSERT_EQ(s.retrieve(L" Derive product dim ").code, 0);
    EXPECT_EQ(s.getId().toString(), L"0000001005");
    const BusinessViewFields& f = s.fields();
    EXPECT_EQ(f.status, L"Development");
    EXPECT_EQ(f.contact, L"Lars Ekstr\u00f6m");
    EXPECT_EQ(f.atomic_flag, 1);
    EXPECT_EQ(f.AutoGenSelectStmt, 1);
    EXPECT_EQ(f.SQLWarning, 2);
    EXPECT_EQ(f.selectDistinct, 1);
    EXPECT_EQ(f.EUIJoinXY, L"5,5;80,5");
    EXPECT_EQ(f.commitRowCount, 250);
    EXPECT_EQ(f.create_ts.get_year(), 124);
    EXPECT_EQ(s.getSelectStmt(rc),
              L"SELECT P.ITEM, ROUND(P.PRICE * 1.19, 2)\n  FROM \"prices.csv\" P");
    EXPECT_EQ(s.getFromPartOfSelect(rc), L"\"prices.csv\" P");
    EXPECT_EQ(s.getInsertStmt(rc), L"INSERT INTO WHS.PRODUCT_DIM(ITEM, PRICE) SELECT P.ITEM, "
                                   L"ROUND(P.PRICE * 1.19, 2) FROM \"prices.csv\" P");
    EXPECT_EQ(s.getDeleteStmt(rc), L"DELETE FROM WHS.PRODUCT_DIM");
    EXPECT_EQ(s.getAlterStmt(rc), L"ALTER TABLE WHS.PRODUCT_DIM ADD PRIMARY KEY (ITEM)");
    EXPECT_EQ(s.getJoinLayout(rc), L"P:5,5;80,5");
    EXPECT_EQ(s.getGroupByPart(rc), L"");
    EXPECT_EQ(rc.code, 0);

    // The keyword column, the program and the NULL columns.
    auto fact = step(L"Load sales fact");
    EXPECT_EQ(fact->fields().having, 1);
    EXPECT_EQ(fact->fields().groupBy, 1);
    EXPECT_EQ(fact->fields().selectDistinct, 0);
    EXPECT_EQ(fact->getGroupByPart(rc), L"O.ORDER_ID, O.CUST_ID, O.ITEM");
    EXPECT_EQ(step(L"Clean staging")->fields().ProgFuncId, L"0000001502");
    auto archive = step(L"Archive orders");
    EXPECT_EQ(archive->getShortDescription(), L"");
    EXPECT_EQ(archive->fields().create_ts.get_Stamp(), TimeStamp().get_Stamp());
    EXPECT_EQ(archive->getSelectStmt(rc), L"");
}

TEST_F(Steps, SourceAndTargetDatabasesExplicitDerivedAndMissing) {
    HQRC rc;
    // Related explicitly.
    auto customers = step(L"Load customers");
    ASSERT_NE(customers->getSourceIR(rc), nullptr);
    EXPECT_EQ(customers->getSourceIR(rc)->getName(), L"SALESDB");
    EXPECT_EQ(customers->getTargetIR(rc)->getName(), L"WAREHOUSE");
    // From the first source table and the target table.
    auto product = step(L" Derive product dim ");
    ASSERT_NE(product->getSourceIR(rc), nullptr);
    EXPECT_EQ(product->getSourceIR(rc)->getName(), L"FLATFILES");
    EXPECT_EQ(product->getTargetIR(rc)->getName(), L"WAREHOUSE");
    // The explicit source database wins over the one of the source table.
    auto archive = step(L"Archive orders");
    ASSERT_NE(archive->getSourceIR(rc), nullptr);
    EXPECT_EQ(archive->getSourceIR(rc)->getName(), L"SALESDB");
    // No target table and no target database.
    EXPECT_EQ(archive->getTargetIR(rc), nullptr);
    EXPECT_EQ(rc.code, 3713);
    EXPECT_EQ(rc.location, L"BusinessView::getTargetIR");
    EXPECT_EQ(rc.commandLine, L"DDDPBUSV");
    // Derived source, explicit target.
    auto reload = step(L"Reload 'orders' (2nd try)");
    EXPECT_EQ(reload->getSourceIR(rc)->getName(), L"SALESDB");
    EXPECT_EQ(reload->getTargetIR(rc)->getName(), L"WAREHOUSE");
    // No source table and no source database.
    auto notify = step(L"Notify load failure");
    EXPECT_EQ(notify->getSourceIR(rc), nullptr);
    EXPECT_EQ(rc.code, 3714);
    EXPECT_EQ(rc.location, L"BusinessView::getSourceIR");
    EXPECT_EQ(notify->getTargetIR(rc), nullptr);
    EXPECT_EQ(rc.code, 3713);
    // A source table that names no database gives none, without a failure;
    // the retry values left to that database stay -99.
    exec("DELETE FROM RELATIONSHIP WHERE relation_name = 'IR_TO_DR_Rel' AND target_qrtid = "
         "'0000000203';");
    product = step(L" Derive product dim ");
    EXPECT_EQ(product->getSourceIR(rc), nullptr);
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(product->getRetryInterval(rc), -99);
    EXPECT_EQ(rc.code, 0);
    // A step never read.
    BusinessView unread;
    EXPECT_EQ(unread.getSourceIR(rc), nullptr);
    EXPECT_EQ(rc.code, 3104);
}

TEST_F(Steps, RetryValuesLeftToTheSourceDatabase) {
    HQRC rc;
    auto customers = step(L"Load customers"); // -99: SALESDB's 5 and 3
    EXPECT_EQ(customers->getRetryInterval(rc), 5);
    EXPECT_EQ(customers->getRetryCount(rc), 3);
    EXPECT_EQ(rc.code, 0);
    auto product = step(L" Derive product dim "); // NULL: FLATFILES's 10 and 1
    EXPECT_EQ(product->fields().BVRetryIntrv, -99);
    EXPECT_EQ(product->getRetryInterval(rc), 10);
    EXPECT_EQ(product->getRetryCount(rc), 1);
    EXPECT_EQ(step(L"Load sales fact")->getRetryInterval(rc), 30); // as stored
    auto reload = step(L"Reload 'orders' (2nd try)");
    EXPECT_EQ(reload->getRetryInterval(rc), 0); // 0 is a value of its own
    EXPECT_EQ(reload->getRetryCount(rc), 0);
    auto notify = step(L"Notify load failure"); // -99 and no source database
    EXPECT_EQ(notify->getRetryInterval(rc), -99);
    EXPECT_EQ(rc.code, 3714);
    EXPECT_EQ(notify->getRetryCount(rc), -99);
    EXPECT_EQ(rc.code, 3714);

    // The resolved value is kept until the next fetch, which resolves again.
    exec("UPDATE inforesource SET defaultRetryIntrv = 7 WHERE name = 'SALESDB';");
    EXPECT_EQ(customers->getRetryInterval(rc), 5);
    ASSERT_EQ(customers->retrieve(L"Load customers").code, 0);
    EXPECT_EQ(customers->getRetryInterval(rc), 7);
}

TEST_F(Steps, BinarySqlDataOfEveryLength) {
    HQRC rc;
    auto product = step(L" Derive product dim ");
    const std::string text = "SELECT P.ITEM, ROUND(P.PRICE * 1.19, 2)\n  FROM \"prices.csv\" P -- "
                             "'gross' (\xe2\x82\xac)\n";
    EXPECT_EQ(product->getBLOBDATALength(rc), text.size());
    EXPECT_EQ(product->getBLOBDATA(rc), text);
    EXPECT_EQ(rc.code, 0);
    // An empty value and no row at all.
    EXPECT_EQ(step(L"Archive orders")->getBLOBDATALength(rc), 0u);
    EXPECT_EQ(rc.code, 0);
    auto customers = step(L"Load customers");
    EXPECT_EQ(customers->getBLOBDATA(rc), "");
    EXPECT_EQ(rc.code, 0);

    // Values up to and beyond one piece of 131,072 bytes, and a megabyte.
    for (const size_t length : {size_t{131072}, size_t{131073}, size_t{1} << 20}) {
        const std::string bytes = qrt_test::bytePattern(length);
        exec("DELETE FROM BINARYDATA WHERE qrtid = '0000001001';"
             "INSERT INTO BINARYDATA VALUES ('BLOBDATA', '0000001001', X'" +
             qrt_test::hexOf(bytes) + "');");
        ASSERT_EQ(customers->retrieve(L"Load customers").code, 0);
        EXPECT_EQ(customers->getBLOBDATALength(rc), length);
        EXPECT_TRUE(customers->getBLOBDATA(rc) == bytes) << length;
        EXPECT_EQ(rc.code, 0);
    }
    // Read once per fetch: the row changed behind the object is seen after
    // the next fetch only.
    exec("UPDATE BINARYDATA SET data = X'00' WHERE qrtid = '0000001001';");
    EXPECT_EQ(customers->getBLOBDATALength(rc), size_t{1} << 20);
    ASSERT_EQ(customers->retrieve(L"Load customers").code, 0);
    EXPECT_EQ(customers->getBLOBDATA(rc), std::string(1, '\0'));
    exec("UPDATE BINARYDATA SET data = NULL WHERE qrtid = '0000001001';");
    ASSERT_EQ(customers->retrieve(L"Load customers").code, 0);
    EXPECT_EQ(customers->getBLOBDATALength(rc), 0u);
    EXPECT_EQ(rc.code, 0);
}

TEST_F(Steps, NotificationStepsOfAProcessOnSuccessAndOnFailure) {
    BusinessView s;
    const DIRId process = id("0000001301");
    auto success = [&] {
        return listed(s, [&] { return s.listFirstNotificationBVSuccessProcess(process); });
    };
    auto failure = [&] {
        return listed(s, [&] { return s.listFirstNotificationBVFailProcess(process); });
    };
    EXPECT_EQ(success(), Names{});
    EXPECT_EQ(failure(), Names{L"Notify load failure"});
    // A step in both lists of the process is in neither.
    exec("INSERT INTO RELATIONSHIP VALUES ('Process_TO_BVPOSTCAS', '0000001301', '0000001004');");
    EXPECT_EQ(success(), Names{});
    EXPECT_EQ(failure(), Names{});
    exec("DELETE FROM RELATIONSHIP WHERE relation_name = 'Process_TO_BVPOSTCAF';");
    EXPECT_EQ(success(), Names{L"Notify load failure"});
    EXPECT_EQ(failure(), Names{});
    // A step whose program is not a notification program is left out.
    exec("INSERT INTO RELATIONSHIP VALUES ('Process_TO_BVPOSTCAS', '0000001301', '0000001003');"
         "INSERT INTO RELATIONSHIP VALUES ('Process_TO_BVPOSTCAS', '0000001301', '0000001001');");
    EXPECT_EQ(success(), Names{L"Notify load failure"});
    // ... until its program's type becomes one.
    exec("UPDATE PROGTYPE SET progNum = 6 WHERE qrtid = '0000001701';");
    EXPECT_EQ(success(), (Names{L"Clean staging", L"Notify load failure"}));
    EXPECT_EQ(listed(s, [&] { return s.listFirstNotificationBVSuccessProcess(id("0000009999")); }),
              Names{});
}

TEST_F(Steps, ListsByProcessSubjectTableAndCascade) {
    BusinessView s;
    EXPECT_EQ(listed(s, [&] { return s.listFirstByProcess(id("0000001301")); }),
              (Names{L"Load customers", L"Load sales fact", L"Clean staging"}));
    EXPECT_EQ(listed(s, [&] { return s.listFirstBySubject(id("0000001401")); }),
              (Names{L"Load customers", L"Load sales fact"}));
    const Names all = listed(s, [&] { return s.listFirst(); });
    ASSERT_EQ(all.size(), 8u);
    EXPECT_EQ(all.front(), L" Derive product dim ");
    EXPECT_EQ(listed(s, [&] { return s.listFirstBySourceTable(id("0000000203")); }),
              (Names{L"Load sales fact", L" Derive product dim ", L"Archive orders"}));
    EXPECT_EQ(listed(s, [&] { return s.listFirstByTargetTable(id("0000000206")); }),
              (Names{L"Load sales fact", L"Clean staging", L"Reload 'orders' (2nd try)"}));
    // Cascades: a step that starts itself, two that start each other.
    EXPECT_EQ(listed(s, [&] { return s.listFirstByCascade(id("0000001005")); }),
              Names{L" Derive product dim "});
    EXPECT_EQ(listed(s, [&] { return s.listFirstByCascade(id("0000001006")); }),
              Names{L"Reload 'orders' (2nd try)"});
    EXPECT_EQ(listed(s, [&] { return s.listFirstByCascadeFail(id("0000001007")); }),
              Names{L"Archive orders"});
    EXPECT_EQ(listed(s, [&] { return s.listFirstCascadingTo(id("0000001006")); }),
              Names{L"Reload 'orders' (2nd try)"});
    EXPECT_EQ(listed(s, [&] { return s.listFirstCascadingTo(id("0000001004")); }),
              Names{L"Load sales fact"});
    EXPECT_EQ(listed(s, [&] { return s.listFirstChildren(id("0000001006")); }),
              Names{L" Derive product dim "});
}

TEST_F(Steps, RelatedObjectsOfAStep) {
    HQRC rc;
    auto product = step(L" Derive product dim ");
    ASSERT_NE(product->getAgentSite(rc), nullptr);
    EXPECT_EQ(product->getAgentSite(rc)->getName(), L"Default agent site");
    EXPECT_EQ(namesOf(product->getInputList(rc)), Names{L"prices.csv"});
    ASSERT_NE(product->getOutputTable(rc), nullptr);
    EXPECT_EQ(product->getOutputTable(rc)->getName(), L"WHS.PRODUCT_DIM");
    EXPECT_EQ(namesOf(product->getAliasList(rc)), Names{L"V_PRODUCT_CURRENT"});
    EXPECT_EQ(namesOf(product->getNotifyGroupList(rc)), Names{L"Sales analysts"});
    EXPECT_EQ(namesOf(product->getNotifyUserList(rc)), Names{L"ADMIN"});
    EXPECT_EQ(product->getCorrelation(rc)->fields().correlationName, L"P");
    // The step that starts itself: a second object of the same row, whose
    // predecessor is the first one again.
    BusinessView* next = product->getPostCascadeList(rc)->getFirst(rc);
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, product.get());
    EXPECT_EQ(next->getId(), product->getId());
    // Two steps that start each other, and a child.
    auto archive = step(L"Archive orders");
    BusinessView* reload = archive->getPostCascadeList(rc)->getFirst(rc);
    ASSERT_NE(reload, nullptr);
    EXPECT_EQ(namesOf(reload->getPostCascadeFailList(rc)), Names{L"Archive orders"});
    EXPECT_EQ(namesOf(reload->getPreCascadeList(rc)), Names{L"Load customers"});
    EXPECT_EQ(namesOf(reload->getUDPManagedCascadeList(rc)), Names{L"WHS.SALES_FACT"});
    EXPECT_EQ(namesOf(archive->getChildList(rc)), Names{L" Derive product dim "});
    EXPECT_EQ(archive->getAgentSite(rc), nullptr);
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(archive->getOutputTable(rc), nullptr);
    EXPECT_EQ(rc.code, 0);
    // Walking from a table back to the steps that read it.
    DataResource* prices = product->getInputList(rc)->getFirst(rc);
    ASSERT_NE(prices, nullptr);
    BusinessView* reader = nullptr;
    for (BusinessView* s = prices->getBusinessViewInputList(rc)->getFirst(rc); s != nullptr;
         s = prices->getBusinessViewInputList(rc)->getNext(rc))
        if (s->getId() == product->getId())
            reader = s;
    EXPECT_EQ(reader, product.get());
    // A step never read has no related objects.
    BusinessView unread;
    EXPECT_EQ(unread.getAgentSite(rc), nullptr);
    EXPECT_EQ(rc.code, 3104);
    EXPECT_EQ(unread.getMapList(rc), nullptr);
    EXPECT_EQ(rc.code, 3104);
}

TEST_F(Steps, MapsOfEveryKindWithExpressionsAndColumns) {
    HQRC rc;
    auto product = step(L" Derive product dim ");
    std::vector<std::wstring> seen;
    RelationCollection<Map>* maps = product->getMapList(rc);
    ASSERT_NE(maps, nullptr);
    for (Map* m = maps->getFirst(rc); m != nullptr; m = maps->getNext(rc)) {
        Attribute* in = m->getInputAttribute(rc);
        Attribute* out = m->getOutputAttribute(rc);
        seen.push_back(m->getName() + L"|" + m->getTypeOfMapText() + L"|" +
                       number(m->getTypeOfMap()) + L"|" + m->getExpression(rc) + L"|" +
                       (in ? in->getId().toString() : HQSTRING(L"-")) + L"|" +
                       (out ? out->getId().toString() : HQSTRING(L"-")));
        EXPECT_EQ(m->getBusinessView(rc), product.get());
    }
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(seen, (std::vector<std::wstring>{
                        L"ITEM|Attribute|2|P.ITEM|0000000310|0000000317",
                        L"PRICE|Attribute|2|ROUND(P.PRICE * 1.19, 2) -- \"gross\" (\u20ac, "
                        L"'rounded')|0000000311|0000000318",
                        L"LOADED|None|0|CURRENT TIMESTAMP|-|-"}));

    Map map;
    EXPECT_EQ(listed(map, [&] { return map.listFirstByBV(id("0000001001")); }),
              (Names{L"CUST_KEY", L"CUST_NAME", L"REGION", L"EDITION"}));
    ASSERT_EQ(map.retrieveId(id("0000001104")).code, 0);
    EXPECT_EQ(map.getTypeOfMapText(), L"Token");
    EXPECT_EQ(map.getExpression(rc), L"&CURRENT_EDITION");
    ASSERT_EQ(map.retrieveId(id("0000001105")).code, 0);
    EXPECT_EQ(map.getTypeOfMap(), 1);
    ASSERT_EQ(map.retrieveId(id("0000001110")).code, 0); // NULL kind
    EXPECT_EQ(map.getTypeOfMap(), 0);
    EXPECT_EQ(map.getTypeOfMapText(), L"None");
    EXPECT_EQ(map.fields().BVName, L"Reload 'orders' (2nd try)");
    EXPECT_EQ(map.getInputAttribute(rc), nullptr);
    EXPECT_EQ(rc.code, 0);
    ASSERT_EQ(map.retrieveId(id("0000001108")).code, 0);
    EXPECT_EQ(map.fields().transName, L"Gross price (VAT)");
    EXPECT_EQ(map.fields().attr2Flags, 2);
    EXPECT_EQ(map.fields().iAttrCRELName, L"P");
    EXPECT_EQ(listed(map, [&] { return map.listFirstInputAttr(id("0000000311")); }),
              Names{L"PRICE"});
    EXPECT_EQ(listed(map, [&] { return map.listFirstOutputAttr(id("0000000316")); }),
              Names{L"EDITION"});

    EXPECT_EQ(Map::typeOfMapToString(2), L"Attribute");
    EXPECT_EQ(Map::typeOfMapToString(3), L"None");
    EXPECT_EQ(Map::typeOfMapToString(-1), L"None");
    EXPECT_EQ(Map::typeOfMapFromString(L"Literal"), 1);
    EXPECT_EQ(Map::typeOfMapFromString(L"literal"), 0);
    Map unread;
    EXPECT_EQ(unread.getOutputAttribute(rc), nullptr);
    EXPECT_EQ(rc.code, 3104);
    EXPECT_EQ(rc.token1, L"Map");
}

TEST_F(Steps, CorrelationsAndAliasesWithTheirViews) {
    HQRC rc;
    DRCorrelation c;
    EXPECT_EQ(listed(c, [&] { return c.listFirstByBV(id("0000001002")); }), (Names{L"O", L"P"}));
    ASSERT_EQ(c.retrieveByDRBV(id("0000000203"), id("0000001002")).code, 0);
    EXPECT_EQ(c.getId().toString(), L"0000002103");
    EXPECT_EQ(c.retrieveByDRBV(id("0000000201"), id("0000001002")).code, 3142);
    ASSERT_EQ(c.retrieveId(id("0000002104")).code, 0);
    EXPECT_EQ(c.getName(), L"P (prices)");
    EXPECT_EQ(c.fields().correlationName, L"P");
    EXPECT_EQ(c.getDataResource(rc)->getName(), L"prices.csv");
    EXPECT_EQ(c.getBusinessView(rc)->getName(), L" Derive product dim ");

    BVAlias alias;
    ASSERT_EQ(alias.retrieve(L"V_CUSTOMER").code, 0);
    EXPECT_EQ(alias.getCreateStmt(rc), L"CREATE VIEW V_CUSTOMER AS SELECT * FROM WHS.CUSTOMER_DIM");
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(alias.getDropStmt(), L"DROP VIEW V_CUSTOMER");
    ASSERT_EQ(alias.retrieve(L"V_ARCHIVE").code, 0); // its step has no target table
    EXPECT_EQ(alias.getCreateStmt(rc), L"");
    EXPECT_EQ(rc.code, 3709);
    EXPECT_EQ(rc.location, L"BVAlias::getCreateStmt");
    EXPECT_EQ(rc.commandLine, L"DDDPALIA");
    ASSERT_EQ(alias.retrieve(L"V_ORPHAN").code, 0); // it belongs to no step
    EXPECT_EQ(alias.getCreateStmt(rc), L"");
    EXPECT_EQ(rc.code, 3708);
    EXPECT_EQ(alias.getDropStmt(), L"DROP VIEW V_ORPHAN");
    BVAlias unread;
    EXPECT_EQ(unread.getCreateStmt(rc), L"");
    EXPECT_EQ(rc.code, 3104);
    EXPECT_EQ(rc.token1, L"Business View Alias");
    EXPECT_EQ(alias.retrieve(L"v_orphan").code, 3142);
}

TEST_F(Steps, EveryFetchStartsFromFreshContent) {
    // Each row of the list shows its own texts, data, resolved retry values
    // and related objects, never those of the row before.
    BusinessView s;
    std::vector<std::wstring> seen;
    HQRC rc;
    for (rc = s.listFirst(); rc.code == 0; rc = s.listNext()) {
        HQRC r;
        AgentSite* site = s.getAgentSite(r);
        const int32_t retry = s.getRetryInterval(r);
        seen.push_back(s.getName() + L"|" + number(retry) + L"|" +
                       number(static_cast<long>(s.getBLOBDATALength(r))) + L"|" +
                       number(static_cast<long>(s.getFromPartOfSelect(r).size())) + L"|" +
                       (site ? site->getName() : HQSTRING(L"-")));
    }
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(seen, (std::vector<std::wstring>{
                        L" Derive product dim |10|79|14|Default agent site",
                        L"Archive orders|5|0|0|-", L"Clean staging|-99|0|0|Default agent site",
                        L"Load customers|5|0|16|ETL host (Unix)",
                        L"Load sales fact|30|0|30|ETL host (Unix)",
                        L"Notify load failure|-99|0|0|Default agent site",
                        L"Notify year-end (mail)|-99|0|0|Default agent site",
                        L"Reload 'orders' (2nd try)|0|81|0|ETL host (Unix)"}));

    // Maps, correlations and aliases as well.
    Map map;
    std::vector<std::wstring> expressions;
    for (rc = map.listFirstByBV(id("0000001005")); rc.code == 0; rc = map.listNext()) {
        HQRC r;
        Attribute* in = map.getInputAttribute(r);
        expressions.push_back(map.getExpression(r) + L"|" + (in ? in->getName() : HQSTRING(L"-")));
    }
    EXPECT_EQ(expressions.back(), L"CURRENT TIMESTAMP|-");
    DRCorrelation c;
    Names tables;
    for (rc = c.listFirstByBV(id("0000001002")); rc.code == 0; rc = c.listNext())
        tables.push_back(c.getDataResource(rc)->getName());
    EXPECT_EQ(tables, (Names{L"SALES.ORDERS", L"prices.csv"}));
    BVAlias alias;
    ASSERT_EQ(alias.retrieve(L"V_CUSTOMER").code, 0);
    ASSERT_NE(alias.getCreateStmt(rc), L"");
    ASSERT_EQ(alias.retrieve(L"V_ORPHAN").code, 0);
    EXPECT_EQ(alias.getBusinessView(rc), nullptr);
    EXPECT_EQ(alias.getCreateStmt(rc), L"");
}
