// Retrieval and lists on the sample warehouse: fields and long texts, NULL
// columns keeping their defaults, fresh content on every fetch, the
// not-found codes with their locations and tokens, and the end of lists.
#include <gtest/gtest.h>

#include <vector>

#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/data_resource.h"
#include "dictionary/hq_user.h"
#include "dictionary/information_resource.h"
#include "dictionary/security_group.h"
#include "sample_warehouse_fixture.h"
#include "tests/common/warehouse_builder.h"

using Retrieval = SampleWarehouse;

TEST_F(Retrieval, DatabaseByNameWithFieldsAndLongDescriptionOverSeveralRows) {
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    EXPECT_EQ(ir.getState(), 1);
    EXPECT_EQ(ir.getId().toString(), L"0000000101");
    EXPECT_EQ(ir.getShortDescription(), L"Order entry database (sales)");
    const InformationResourceFields& f = ir.fields();
    EXPECT_EQ(f.dbName, L"SALESDSN");
    EXPECT_EQ(f.dbType, 1);
    EXPECT_EQ(f.subdbType, 18);
    EXPECT_EQ(f.contact, L"Mary O'Brien");
    EXPECT_EQ(f.codePage, 1208);
    EXPECT_EQ(f.defaultRetryIntrv, 5);
    EXPECT_EQ(f.dbVersion, L"07.02.0000");
    HQRC rc;
    EXPECT_EQ(ir.getLongDescription(rc),
              L"The order-entry database of the sales department. It holds customers and orders "
              L"(one row per order line); the warehouse reads it every night.");
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(ir.getODBCConnectString(1), L"DSN=SALESDSN;UID=salesrd;PWD=********");
}

TEST_F(Retrieval, LongTextRowsAreJoinedInSequenceWhateverTheStoredOrder) {
    // A strings table without its key is read in the order its rows were
    // stored; these are stored against their sequence, with gaps.
    exec("DROP TABLE QRTSTRINGS;"
         "CREATE TABLE QRTSTRINGS (name VARCHAR(20), qrtid CHAR(10), seqno INTEGER, text "
         "VARCHAR(4000));"
         "INSERT INTO QRTSTRINGS VALUES ('IRLDesc', '0000000101', 30, 'C');"
         "INSERT INTO QRTSTRINGS VALUES ('IRLDesc', '0000000101', 4, 'B');"
         "INSERT INTO QRTSTRINGS VALUES ('IRLDesc', '0000000101', 1, 'A');");
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    HQRC rc;
    EXPECT_EQ(ir.getLongDescription(rc), L"ABC");
    EXPECT_EQ(rc.code, 0);
}

TEST_F(Retrieval, NameHeldByTwoRowsGivesTheLowerIdentifier) {
    {
        qrt_test::WarehouseBuilder w;
        w.add<InformationResource>("0000000100", L"SALESDB", [](InformationResource& db) {
            db.editFields().dbName = L"SECOND";
        });
    }
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    EXPECT_EQ(ir.getId().toString(), L"0000000100");
    EXPECT_EQ(ir.fields().dbName, L"SECOND");
}

TEST_F(Retrieval, MissingNameIsNotFoundWithClassTokenAndLocation) {
    InformationResource ir;
    const HQRC rc = ir.retrieve(L"NO SUCH DB");
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.domain, DomainWhsDDD);
    EXPECT_EQ(rc.location, L"InformationResource::retrieve");
    EXPECT_EQ(rc.commandLine, L"DDDPIR");
    EXPECT_EQ(rc.token1, L"InformationResource");
    EXPECT_EQ(rc.token2, L"NO SUCH DB");
    EXPECT_EQ(ir.getState(), 0);

    AgentSite site;
    const HQRC byId = site.retrieveId(DIRId(std::string_view("0000009999")));
    EXPECT_EQ(byId.code, 3142);
    EXPECT_EQ(byId.location, L"AgentSite::retrieveId");
    EXPECT_EQ(byId.token1, L"AgentSite");
    EXPECT_EQ(byId.token2, L"0000009999");
}

TEST_F(Retrieval, NullColumnsKeepDefaultsAndFlatFileDelimiter) {
    exec("UPDATE AgentSite SET moduleName = NULL, contact = NULL WHERE qrtid = '0000000602';");
    AgentSite site;
    ASSERT_EQ(site.retrieve(L"ETL host (Unix)").code, 0);
    EXPECT_EQ(site.fields().moduleName, L"QRT2AGNT");
    EXPECT_EQ(site.fields().contact, L"");
    EXPECT_EQ(site.fields().siteOS, 7);

    InformationResource files;
    ASSERT_EQ(files.retrieve(L"FLATFILES").code, 0);
    EXPECT_EQ(files.fields().userId, L"");
    EXPECT_EQ(files.fields().dbType, 70);
    EXPECT_EQ(files.getDefaultDelimiter(), L"`"); // stored as a blank
    EXPECT_EQ(files.getODBCConnectString(0), L"");
}

TEST_F(Retrieval, EveryFetchStartsFromFreshContent) {
    InformationResource ir;
    HQRC rc;
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    ASSERT_FALSE(ir.getLongDescription(rc).empty());
    ASSERT_EQ(ir.fields().location, L"Data centre 1");
    // FLATFILES has no long description and a NULL location.
    ASSERT_EQ(ir.retrieve(L"FLATFILES").code, 0);
    EXPECT_EQ(ir.getLongDescription(rc), L"");
    EXPECT_EQ(ir.fields().location, L"");
    EXPECT_EQ(ir.fields().DELIMITER, L" ");

    // The same across the rows of a list.
    std::vector<std::wstring> seen;
    for (rc = ir.listFirst(); rc.code == 0; rc = ir.listNext()) {
        HQRC textRc;
        seen.push_back(ir.getName() + L"|" + ir.fields().location + L"|" +
                       ir.getLongDescription(textRc));
    }
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(rc.location, L"InformationResource::listNext");
    EXPECT_EQ(seen, (std::vector<std::wstring>{
                        L"FLATFILES||",
                        L"SALESDB|Data centre 1|The order-entry database of the sales "
                        L"department. It holds customers and orders (one row per order line); "
                        L"the warehouse reads it every night.",
                        L"WAREHOUSE|Data centre 2|Target of all loads: the sales star schema."}));
}

TEST_F(Retrieval, ListEndsWithNotFoundThenNoCursor) {
    InformationResource ir;
    HQRC rc = ir.listFirstdbType(L"Sybase");
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"InformationResource::listFirstdbType");
    EXPECT_EQ(rc.token1, L"InformationResource");
    EXPECT_EQ(ir.listNext().code, 3116);

    ASSERT_EQ(ir.listFirstWarehouse().code, 0);
    EXPECT_EQ(ir.getName(), L"WAREHOUSE");
    EXPECT_EQ(ir.listNext().code, 3142);
    EXPECT_EQ(ir.listNext().code, 3116);
    // A type text with a quote is quoted into the literal, not an SQL error.
    EXPECT_EQ(ir.listFirstdbType(L"O'Brien DB").code, 3142);
}

TEST_F(Retrieval, TablesByQualifiedNameFollowTheCaseRuleOfTheirDatabase) {
    DataResource table;
    // Oracle is not case-sensitive: the name is upper-cased before the lookup.
    ASSERT_EQ(table.retrieve(L"whs.customer_dim", L"WAREHOUSE").code, 0);
    EXPECT_EQ(table.getName(), L"WHS.CUSTOMER_DIM");
    // The Nordbase family is case-sensitive: the name is taken as written.
    HQRC rc = table.retrieve(L"sales.customer", L"SALESDB");
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"DataResource::retrieve");
    EXPECT_EQ(rc.commandLine, L"DDDPDRES");
    ASSERT_EQ(table.retrieve(L"prices.csv", L"FLATFILES").code, 3142); // dot splits off "prices"
    rc = table.retrieve(L"SALES.CUSTOMER", L"NODB");
    EXPECT_EQ(rc.location, L"InformationResource::retrieve");
    EXPECT_EQ(rc.comment, L"DataResource::retrieve");
}

TEST_F(Retrieval, TableNamesTableSpaceAndCreateStatements) {
    DataResource table;
    HQRC rc;
    ASSERT_EQ(table.retrieveId(DIRId(std::string_view("0000000201"))).code, 0);
    EXPECT_EQ(table.getName(), L"SALES.CUSTOMER");
    EXPECT_EQ(table.getNordbaseTableNameSpace(), L"TSSALES INDEX IN TSSALESIX");
    EXPECT_EQ(table.getTypeOfCreationNumber(), 1);
    // Stored statement, joined from two rows with its line feeds.
    EXPECT_EQ(table.getCreateStmt(rc), L"CREATE TABLE SALES.CUSTOMER(\n  CUST_ID INTEGER NOT "
                                       L"NULL,\n  CUST_NAME VARCHAR(40),\n  REGION CHAR(2),\n  "
                                       L"PARENT_CUST_ID INTEGER) IN TSSALES");

    ASSERT_EQ(table.retrieveId(DIRId(std::string_view("0000000203"))).code, 0);
    EXPECT_EQ(table.getName(), L"prices.csv");
    EXPECT_EQ(table.getFileTypeNumber(), 1);
    EXPECT_EQ(table.getCreateStmt(rc), L""); // no stored statement

    // Generated: columns in seqNo order, no table space.
    ASSERT_EQ(table.retrieveId(DIRId(std::string_view("0000000205"))).code, 0);
    EXPECT_EQ(table.getCreateStmt(rc),
              L"CREATE TABLE WHS.PRODUCT_DIM(ITEM CHAR(8)  NOT NULL , PRICE DECIMAL(7,2) )");
    // A one-character table space gives no IN clause; two characters do.
    exec("UPDATE DataResource SET NordbaseTableNameSpace = 'T' WHERE qrtid = '0000000205';"
         "DELETE FROM RELATIONSHIP WHERE source_qrtid = '0000000205';"
         "UPDATE Attribute SET largeDRTableName = 'GONE' WHERE largeDRTableName = 'PRODUCT_DIM';");
    ASSERT_EQ(table.retrieveId(DIRId(std::string_view("0000000205"))).code, 0);
    EXPECT_EQ(table.getCreateStmt(rc), L"CREATE TABLE WHS.PRODUCT_DIM()");
    exec("UPDATE DataResource SET NordbaseTableNameSpace = 'TS' WHERE qrtid = '0000000205';");
    ASSERT_EQ(table.retrieveId(DIRId(std::string_view("0000000205"))).code, 0);
    EXPECT_EQ(table.getCreateStmt(rc), L"CREATE TABLE WHS.PRODUCT_DIM() IN TS");
}

TEST_F(Retrieval, ColumnsOfATableInSequenceWithTheirCreateExpressions) {
    DataResource table;
    ASSERT_EQ(table.retrieveId(DIRId(std::string_view("0000000203"))).code, 0);
    Attribute column;
    std::vector<std::wstring> expressions;
    HQRC rc;
    for (rc = column.listFirstDR(table); rc.code == 0; rc = column.listNext())
        expressions.push_back(column.getName() + L"=" + column.getCreateTableExpression(0));
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(expressions,
              (std::vector<std::wstring>{L"ITEM=ITEM CHARACTER(8) ", L"PRICE=PRICE NUMERIC(7,2) ",
                                         L"PICTURE=PICTURE VARCHAR(20) FOR BIT DATA "}));
    ASSERT_EQ(column.retrieve(L"ORDER_ID", L"SALESDB", L"SALES", L"ORDERS").code, 0);
    EXPECT_EQ(column.getCreateTableExpression(1), L"ORDER_ID INTEGER NOT NULL  WITH DEFAULT ");
    EXPECT_EQ(column.fields().offset, -1);
}

TEST_F(Retrieval, LargeObjectColumnsDependOnTheSubTypeOfTheirDatabase) {
    exec("UPDATE Attribute SET nativeDataType = 'CLOB', precDigits = 1000 WHERE qrtid = "
         "'0000000302';");
    Attribute column;
    ASSERT_EQ(column.retrieveId(DIRId(std::string_view("0000000302"))).code, 0);
    EXPECT_EQ(column.getCreateTableExpression(0), L"CUST_NAME CLOB(1000) NOT LOGGED ");
    exec("UPDATE inforesource SET subdbType = 'Nordbase/VM' WHERE qrtid = '0000000101';");
    ASSERT_EQ(column.retrieveId(DIRId(std::string_view("0000000302"))).code, 0);
    EXPECT_EQ(column.getCreateTableExpression(0), L"CUST_NAME CLOB(1000) ");
    exec("DELETE FROM RELATIONSHIP WHERE target_qrtid = '0000000302';");
    ASSERT_EQ(column.retrieveId(DIRId(std::string_view("0000000302"))).code, 0);
    EXPECT_EQ(column.getCreateTableExpression(0), L"");
}

TEST_F(Retrieval, PasswordsAreDecipheredOnRead) {
    const std::string text = encipherText("s3cret");
    exec("UPDATE AgentSite SET sitePassword = '" + text +
         "' WHERE qrtid = '0000000601';"
         "UPDATE AgentSite SET sitePassword = '" +
         text + "', BinarySitePassword = " + qrt_test::sqliteBlob(encipherBinary("binary pw")) +
         " WHERE qrtid = '0000000602';");
    AgentSite site;
    ASSERT_EQ(site.retrieveId(DIRId(std::string_view("0000000601"))).code, 0);
    EXPECT_EQ(site.getPassword(), L"s3cret");
    ASSERT_EQ(site.retrieveId(DIRId(std::string_view("0000000602"))).code, 0);
    EXPECT_EQ(site.getPassword(), L"binary pw"); // the binary form is read last
    exec("UPDATE AgentSite SET sitePassword = '', BinarySitePassword = NULL;");
    ASSERT_EQ(site.retrieveId(DIRId(std::string_view("0000000602"))).code, 0);
    EXPECT_EQ(site.getPassword(), L"");
}

TEST_F(Retrieval, AgentSitesAndGroupsOfDatabasesByList) {
    AgentSite site;
    std::vector<std::wstring> names;
    HQRC rc;
    for (rc = site.listFirstBySrc(DIRId(std::string_view("0000000101"))); rc.code == 0;
         rc = site.listNext())
        names.push_back(site.getName());
    EXPECT_EQ(rc.location, L"AgentSite::listNext");
    EXPECT_EQ(names.size(), 2u);
    rc = site.listFirstByTar(DIRId(std::string_view("0000000199")));
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"AgentSite::listFirstByTar");
    ASSERT_EQ(site.retrieveDefault().code, 0);
    EXPECT_EQ(site.getName(), L"Default agent site");
    EXPECT_EQ(site.setSiteHostName(HQSTRING(std::wstring(200, L'h'))).code, 0);
    EXPECT_EQ(site.setSiteHostName(HQSTRING(std::wstring(201, L'h'))).code, 3110);

    SecurityGroup group;
    ASSERT_EQ(group.listFirstTargetIRAlpha(DIRId(std::string_view("0000000103"))).code, 0);
    EXPECT_EQ(group.getName(), L"Default security group");
    EXPECT_EQ(group.listFirstByNotificationBV(DIRId(std::string_view("0000009999"))).code, 3142);

    HQUser user;
    ASSERT_EQ(user.listFirstBySecurityGroup(DIRId(std::string_view("0000000702"))).code, 0);
    EXPECT_EQ(user.fields().userid, L"mobrien");
    EXPECT_EQ(user.listNext().code, 3142);
}

TEST_F(Retrieval, StoredStatementsBelongToTheirOwnRowOfAList) {
    DataResource table;
    std::vector<std::wstring> statements;
    HQRC rc;
    for (rc = table.listFirstIR(L"SALESDB"); rc.code == 0; rc = table.listNext()) {
        HQRC textRc;
        statements.push_back(table.getCreateStmt(textRc).substr(0, 26));
    }
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(statements, (std::vector<std::wstring>{L"CREATE TABLE SALES.CUSTOME",
                                                     L"CREATE TABLE SALES.ORDERS("}));
    ASSERT_EQ(table.listFirstIR(L"FLATFILES").code, 0);
    EXPECT_EQ(table.getCreateStmt(rc), L"");
    EXPECT_EQ(table.getLongDescription(rc),
              L"Comma-separated; the first line holds the column names.");
}

TEST_F(Retrieval, MaterialisingByTypeAndIdentifier) {
    HQRC rc;
    std::unique_ptr<DIRBase> object = DIRBase::retrieveIdBase(DIRId(std::string_view("0000000311")),
                                                              DIRObjectType::Attribute, rc);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(object->getObjectType(), DIRObjectType::Attribute);
    EXPECT_EQ(static_cast<Attribute&>(*object).getName(), L"PRICE");
    object =
        DIRBase::retrieveIdBase(DIRId(std::string_view("0000000311")), DIRObjectType::KeyMap, rc);
    EXPECT_EQ(rc.code, 3142); // the object is handed back with the failure
    EXPECT_NE(object, nullptr);
    object = DIRBase::retrieveIdBase(DIRId(std::string_view("0000001001")),
                                     DIRObjectType::BusinessView, rc);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->getName(), L"Load customers");
    object = DIRBase::retrieveIdBase(DIRId(std::string_view("0000001001")), DIRObjectType::PIN, rc);
    EXPECT_EQ(object, nullptr); // a type without a class
    EXPECT_EQ(rc.code, 99);
}
