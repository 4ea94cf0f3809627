// Relation collections on the sample warehouse: members in identifier
// order, reloading on every walk, tie-back to the owner, duplicate rows,
// related rows that no longer exist, and the navigation of keys and key maps.
#include <gtest/gtest.h>

#include <vector>

#include "dictionary/attribute.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "dictionary/security_group.h"
#include "dictionary/user_function.h"
#include "sample_warehouse_fixture.h"

namespace {
template <class T> std::vector<std::wstring> namesOf(RelationCollection<T>& list, HQRC& rc) {
    std::vector<std::wstring> names;
    for (T* o = list.getFirst(rc); o != nullptr; o = list.getNext(rc))
        names.push_back(o->getName());
    return names;
}
} // namespace

using Relations = SampleWarehouse;

TEST_F(Relations, TablesOfADatabaseAndTheWayBackToTheSameObjects) {
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    HQRC rc;
    RelationCollection<DataResource>* tables = ir.getDataResourceList(rc);
    ASSERT_NE(tables, nullptr);
    EXPECT_EQ(tables->entries(rc), 2u);
    DataResource* customer = tables->getFirst(rc);
    ASSERT_NE(customer, nullptr);
    EXPECT_EQ(customer->getName(), L"SALES.CUSTOMER");
    // The table's database is the owner itself, not a second copy.
    EXPECT_EQ(customer->getInformationResource(rc), &ir);
    // ...and walking back from it finds the same table object.
    EXPECT_EQ(customer->getInformationResource(rc)->getDataResourceList(rc)->getFirst(rc),
              customer);
    EXPECT_EQ(namesOf(*tables, rc),
              (std::vector<std::wstring>{L"SALES.CUSTOMER", L"SALES.ORDERS"}));
    EXPECT_EQ(rc.code, 0);
}

TEST_F(Relations, EveryWalkSeesTheCurrentRelationshipRows) {
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    HQRC rc;
    RelationCollection<DataResource>& tables = *ir.getDataResourceList(rc);
    DataResource* first = tables.getFirst(rc);
    ASSERT_NE(first, nullptr);
    exec("INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', '0000000101', '0000000203');");
    EXPECT_EQ(namesOf(tables, rc),
              (std::vector<std::wstring>{L"SALES.CUSTOMER", L"SALES.ORDERS", L"prices.csv"}));
    EXPECT_EQ(tables.getFirst(rc), first); // kept elements keep their objects
    exec("DELETE FROM RELATIONSHIP WHERE relation_name = 'IR_TO_DR_Rel' AND target_qrtid = "
         "'0000000201';");
    EXPECT_EQ(namesOf(tables, rc), (std::vector<std::wstring>{L"SALES.ORDERS", L"prices.csv"}));
    EXPECT_EQ(tables.getElement(DIRId(std::string_view("0000000201"))), nullptr);
    EXPECT_FALSE(tables.containsId(DIRId(std::string_view("0000000201")), rc));
    EXPECT_TRUE(tables.containsId(DIRId(std::string_view("0000000203")), rc));
}

TEST_F(Relations, MembersComeInIdentifierOrderWhateverTheStoredOrder) {
    // The rows of the database's tables stored against identifier order, one
    // of them twice; the other side keeps its rows.
    exec("DELETE FROM RELATIONSHIP WHERE relation_name = 'IR_TO_DR_Rel' AND source_qrtid = "
         "'0000000101';"
         "INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', '0000000101', '0000000202');"
         "INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', '0000000101', '0000000202');");
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    HQRC rc;
    RelationCollection<DataResource>& tables = *ir.getDataResourceList(rc);
    DataResource* orders = tables.getFirst(rc);
    ASSERT_NE(orders, nullptr);
    exec("INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', '0000000101', '0000000201');");
    // A member kept from the earlier walk moves behind the lower identifier.
    EXPECT_EQ(namesOf(tables, rc), (std::vector<std::wstring>{L"SALES.CUSTOMER", L"SALES.ORDERS"}));
    EXPECT_EQ(tables.getElement(DIRId(std::string_view("0000000202")))->peek(), orders);
    EXPECT_EQ(rc.code, 0);
}

TEST_F(Relations, OwnerOnTheTargetSideGetsItsSourcesInIdentifierOrder) {
    exec("DELETE FROM RELATIONSHIP WHERE relation_name = 'UserFun_TO_SecGr_Rel' AND target_qrtid "
         "= '0000000701';"
         "INSERT INTO RELATIONSHIP VALUES ('UserFun_TO_SecGr_Rel', '0000000803', '0000000701');"
         "INSERT INTO RELATIONSHIP VALUES ('UserFun_TO_SecGr_Rel', '0000000801', '0000000701');"
         "INSERT INTO RELATIONSHIP VALUES ('UserFun_TO_SecGr_Rel', '0000000802', '0000000701');");
    SecurityGroup group;
    ASSERT_EQ(group.retrieve(L"Default security group").code, 0);
    HQRC rc;
    EXPECT_EQ(namesOf(*group.getUserFunctionList(rc), rc),
              (std::vector<std::wstring>{L"Administration", L"Operations",
                                         L"Business Views Definition"}));
    EXPECT_EQ(rc.code, 0);
}

TEST_F(Relations, DuplicateRowsGiveOneMemberAndEmptyRelationsNone) {
    exec("INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', '0000000102', '0000000203');");
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"FLATFILES").code, 0);
    HQRC rc;
    EXPECT_EQ(ir.getDataResourceList(rc)->entries(rc), 1u);
    RelationCollection<SecurityGroup>& groups = *ir.getSecurityGroupTargetList(rc);
    EXPECT_EQ(groups.entries(rc), 0u);
    EXPECT_EQ(groups.getFirst(rc), nullptr);
    EXPECT_EQ(rc.code, 0);
}

TEST_F(Relations, MemberWithoutItsRowIsNotFoundAtItsRetrieval) {
    exec("INSERT INTO RELATIONSHIP VALUES ('IR_TO_DR_Rel', '0000000102', '0000009999');");
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"FLATFILES").code, 0);
    HQRC rc;
    RelationCollection<DataResource>& tables = *ir.getDataResourceList(rc);
    ASSERT_NE(tables.getFirst(rc), nullptr);
    EXPECT_EQ(tables.getNext(rc), nullptr);
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"DataResource::retrieveId");
    EXPECT_EQ(rc.token1, L"DataResource");
    EXPECT_EQ(rc.token2, L"0000009999");
}

TEST_F(Relations, ListNextDropsTheMembersOfThePreviousRow) {
    InformationResource ir;
    HQRC rc;
    std::vector<size_t> counts;
    for (rc = ir.listFirst(); rc.code == 0; rc = ir.listNext()) {
        HQRC walk;
        RelationCollection<DataResource>& tables = *ir.getDataResourceList(walk);
        size_t n = 0;
        for (DataResource* t = tables.getFirst(walk); t != nullptr; t = tables.getNext(walk)) {
            EXPECT_EQ(t->fields().IRName, ir.getName());
            ++n;
        }
        counts.push_back(n);
    }
    EXPECT_EQ(counts, (std::vector<size_t>{1, 2, 4}));
}

TEST_F(Relations, KeysKeyMapsAndTheSelfReferencingForeignKey) {
    DataResource customer;
    ASSERT_EQ(customer.retrieveId(DIRId(std::string_view("0000000201"))).code, 0);
    HQRC rc;
    PrimaryKey* pk = customer.getPrimaryKeyList(rc)->getFirst(rc);
    ASSERT_NE(pk, nullptr);
    EXPECT_EQ(pk->getName(), L"CUSTOMER_PK");
    EXPECT_EQ(pk->fields().typeStr, L"P");
    EXPECT_EQ(pk->getLongDescription(rc), L"One row per customer.");

    ForeignKey* fk = customer.getForeignKeyList(rc)->getFirst(rc);
    ASSERT_NE(fk, nullptr);
    EXPECT_EQ(fk->getName(), L"CUSTOMER_PARENT_FK");
    PrimaryKey* referenced = fk->getPrimaryKey(rc);
    ASSERT_NE(referenced, nullptr);
    EXPECT_EQ(referenced->getId(), pk->getId());
    DataResource* referencedTable = referenced->getDataResource(rc);
    ASSERT_NE(referencedTable, nullptr);
    EXPECT_EQ(referencedTable->getName(), L"SALES.CUSTOMER");

    KeyMap map;
    std::vector<std::wstring> columns;
    for (rc = map.listFirstByRef(*pk); rc.code == 0; rc = map.listNext()) {
        HQRC arc;
        Attribute* column = map.getPKeyAttribute(arc);
        columns.push_back(map.getName() + L":" + (column ? column->getName() : L"-"));
        EXPECT_EQ(map.getPrimaryKey(arc)->getId(), pk->getId());
    }
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(columns, (std::vector<std::wstring>{L"CUSTOMER_PK_1:CUST_ID"}));

    ForeignKey byList;
    ASSERT_EQ(byList.listFirstByDR(DIRId(std::string_view("0000000206"))).code, 0);
    EXPECT_EQ(byList.listNext().code, 0);
    EXPECT_EQ(byList.listNext().code, 3142);
    ASSERT_EQ(byList.listFirstByDRAlter(DIRId(std::string_view("0000000206"))).code, 0);
    EXPECT_EQ(byList.getName(), L"FACT_PRODUCT_FK");
    EXPECT_EQ(byList.listNext().code, 3142);
}

TEST_F(Relations, KeyMapThatLostItsReferringColumn) {
    // FACT_PRODUCT_FK_1 has no "Attr_TO_FKeyMap_Rel" row in the sample.
    KeyMap map;
    HQRC rc = map.retrieveId(DIRId(std::string_view("0000000514")));
    ASSERT_EQ(rc.code, 0);
    EXPECT_NE(map.getPKeyAttribute(rc), nullptr);
    EXPECT_EQ(map.getFKeyAttribute(rc), nullptr);
    EXPECT_EQ(rc.code, 0);
}

TEST_F(Relations, UserFunctionsOfAGroupInIdentifierOrder) {
    SecurityGroup group;
    ASSERT_EQ(group.retrieve(L"Default security group").code, 0);
    HQRC rc;
    EXPECT_EQ(namesOf(*group.getUserFunctionList(rc), rc),
              (std::vector<std::wstring>{L"Administration", L"Operations",
                                         L"Business Views Definition"}));
    UserFunction* first = group.getUserFunctionList(rc)->getFirst(rc);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->getSecurityGroupList(rc)->getFirst(rc), &group);
}
