// Every list condition of the classes runs as written (after the dialect
// layer) on the sample warehouse and selects the rows it names; connect
// strings; binary data; long texts whose characters span two rows.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "dictionary/agent_site.h"
#include "dictionary/attribute_link.h"
#include "dictionary/data_resource.h"
#include "dictionary/hq_user.h"
#include "dictionary/information_resource.h"
#include "dictionary/security_group.h"
#include "dictionary/user_function.h"
#include "sample_warehouse_fixture.h"

using Conditions = SampleWarehouse;

TEST_F(Conditions, DatabaseLists) {
    InformationResource ir;
    EXPECT_EQ(listed(ir, [&] { return ir.listFirstdbType(L"Oracle"); }), Names{L"WAREHOUSE"});
    EXPECT_EQ(listed(ir, [&] { return ir.listFirstUnEncrypted(); }).size(), 3u);
    EXPECT_EQ(listed(ir, [&] { return ir.listFirstEncryptedNonBinary(); }), Names{});
    EXPECT_EQ(listed(ir, [&] { return ir.listFirstBySystemDB(L"whs01.WHSDSN", L"Oracle"); }),
              Names{L"WAREHOUSE"});
    EXPECT_EQ(listed(ir, [&] { return ir.listFirstBySystemDB(L"whs01.WHSDSN", L"Sybase"); }),
              Names{});
}

TEST_F(Conditions, TableLists) {
    DataResource t;
    EXPECT_EQ(listed(t, [&] { return t.listFirstIR(L"SALESDB"); }),
              (Names{L"SALES.CUSTOMER", L"SALES.ORDERS"}));
    EXPECT_EQ(listed(t, [&] { return t.listFirstByProcess(id("0000001301")); }).size(), 5u);
    EXPECT_EQ(listed(t, [&] { return t.listFirstByBVSourceTables(id("0000001001")); }),
              Names{L"SALES.CUSTOMER"});
    EXPECT_EQ(listed(t, [&] { return t.listFirstUDPManaged(id("0000001003")); }),
              Names{L"WHS.SALES_FACT"});
    EXPECT_EQ(listed(t, [&] { return t.listFirstUDPManagedCascade(id("0000001001")); }), Names{});
    EXPECT_EQ(listed(t, [&] { return t.listFirstStarSchema(id("0000001901")); }).size(), 3u);
    const Names withSchema = listed(t, [&] { return t.listFirstSchema(); });
    EXPECT_EQ(withSchema.size(), 6u); // every table but the flat file without a schema
    EXPECT_EQ(withSchema.front(), L"SALES.CUSTOMER");
}

TEST_F(Conditions, AgentSiteLists) {
    AgentSite s;
    EXPECT_EQ(listed(s, [&] { return s.listFirst(); }).size(), 2u);
    EXPECT_EQ(listed(s, [&] { return s.listFirstBySrcTar(id("0000000101"), id("0000000103")); }),
              Names{L"Default agent site"});
    // Program 1501 may run on both sites, program 1503 on the default site only.
    EXPECT_EQ(listed(s, [&] { return s.listFirstByUDP(id("0000001503")); }),
              Names{L"Default agent site"});
    EXPECT_EQ(listed(s, [&] { return s.listFirstBySrcUDP(id("0000000102"), id("0000001503")); }),
              Names{});
    EXPECT_EQ(listed(s, [&] { return s.listFirstBySrcUDP(id("0000000101"), id("0000001503")); }),
              Names{L"Default agent site"});
    EXPECT_EQ(listed(s, [&] { return s.listFirstByTarUDP(id("0000000103"), id("0000001501")); }),
              Names{L"Default agent site"});
    EXPECT_EQ(listed(s,
                     [&] {
                         return s.listFirstBySrcTarUDP(id("0000000101"), id("0000000102"),
                                                       id("0000001501"));
                     }),
              Names{L"ETL host (Unix)"});
    EXPECT_EQ(listed(s, [&] { return s.listFirstAvailableAgent(id("0000001001")); }),
              Names{L"Default agent site"});
    EXPECT_EQ(listed(s, [&] { return s.listFirstUnEncrypted(); }).size(), 2u);
    EXPECT_EQ(listed(s, [&] { return s.listFirstEncryptedNonBinary(); }), Names{});
}

TEST_F(Conditions, GroupUserAndFunctionLists) {
    SecurityGroup g;
    EXPECT_EQ(listed(g, [&] { return g.listFirst(); }),
              (Names{L"Default security group", L"Sales analysts", L"Warehouse operators"}));
    EXPECT_EQ(listed(g, [&] { return g.listFirstByProcess(id("0000001301")); }),
              Names{L"Warehouse operators"});
    EXPECT_EQ(listed(g, [&] { return g.listFirstBySubject(id("0000009999")); }), Names{});
    ASSERT_EQ(g.retrieveDefault().code, 0);
    EXPECT_EQ(g.getName(), L"Default security group");

    HQUser u;
    EXPECT_EQ(listed(u, [&] { return u.listFirst(); }).size(), 2u);
    EXPECT_EQ(listed(u, [&] { return u.listFirstByNotificationBV(id("0000009999")); }), Names{});
    EXPECT_EQ(listed(u, [&] { return u.listFirstEncryptedNonBinary(); }), Names{});
    ASSERT_EQ(u.retrieveByUserID(L"mobrien").code, 0);
    EXPECT_EQ(u.getName(), L"MOBRIEN");
    EXPECT_EQ(u.fields().MailServer, L"mail.example.com");
    ASSERT_EQ(u.retrieveDefault().code, 0);
    EXPECT_EQ(u.getName(), L"ADMIN");

    UserFunction f;
    EXPECT_EQ(listed(f, [&] { return f.listFirst(); }).size(), 3u);
    AttributeLink link;
    EXPECT_EQ(listed(link, [&] { return link.listFirstStarSchema(id("0000009999")); }), Names{});
}

TEST_F(Conditions, ConnectStringsByKindOfDatabase) {
    exec("UPDATE inforesource SET password = '" + encipherText("pw1") + "';");
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    EXPECT_EQ(ir.getODBCConnectString(0), L"DSN=SALESDSN;UID=salesrd;PWD=pw1");
    EXPECT_EQ(ir.getPassword(), L"pw1");
    // The stored connect string is returned as it is, mask or not.
    exec("UPDATE inforesource SET ODBCConnectString = 'DSN=WHSDSN;UID=whsload;PWD=x' WHERE "
         "name = 'WAREHOUSE';"
         "UPDATE inforesource SET subdbType = 'QSAF', userId = NULL WHERE name = 'SALESDB';");
    ASSERT_EQ(ir.retrieve(L"WAREHOUSE").code, 0);
    EXPECT_EQ(ir.getODBCConnectString(1), L"DSN=WHSDSN;UID=whsload;PWD=x");
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    EXPECT_EQ(ir.getODBCConnectString(1), L"DSN=SALESDSN;");
    exec("UPDATE inforesource SET userId = 'u' WHERE name = 'SALESDB';");
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    EXPECT_EQ(ir.getODBCConnectString(1), L"DSN=SALESDSN;LOGINID=u;LOGINPWD=********;");
    EXPECT_EQ(ir.getODBCConnectString(0), L"DSN=SALESDSN;LOGINID=u;LOGINPWD=pw1;");
    exec("UPDATE inforesource SET subdbType = 'Sybase System 11', userId = NULL WHERE name = "
         "'SALESDB';");
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    EXPECT_EQ(ir.getODBCConnectString(0), L"DSN=SALESDSN");
    // Every edition of the family connects through its data source, the
    // sub-types 2, 7 and 17 as well.
    for (const std::string edition :
         {"Nordbase/6000", "Nordbase/SUN", "Nordbase/Solaris PE", "Nordbase Family"}) {
        exec("UPDATE inforesource SET subdbType = '" + edition +
             "', userId = 'u' WHERE name = 'SALESDB';");
        ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
        EXPECT_EQ(ir.getODBCConnectString(1), L"DSN=SALESDSN;UID=u;PWD=********") << edition;
    }
    // Flat files, user-defined sources and unknown editions have none.
    for (const std::string edition : {"Flat File LAN FTP Copy", "User Defined ODBC", "Unknown"}) {
        exec("UPDATE inforesource SET subdbType = '" + edition + "' WHERE name = 'SALESDB';");
        ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
        EXPECT_EQ(ir.getODBCConnectString(0), L"") << edition;
    }
}

TEST_F(Conditions, LongTextCharacterSplitOverTwoRowsAndBinaryData) {
    // "\xc3\xb6" is one character; its two bytes stand in two rows.
    exec("INSERT INTO QRTSTRINGS VALUES ('IRLDesc', '0000000102', 1, CAST(X'4B61C3' AS TEXT));"
         "INSERT INTO QRTSTRINGS VALUES ('IRLDesc', '0000000102', 2, CAST(X'B66C6E' AS TEXT));"
         "INSERT INTO BINARYDATA VALUES ('BLOBDATA', '0000000102', X'00FF0041');");
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"FLATFILES").code, 0);
    HQRC rc;
    EXPECT_EQ(ir.getLongDescription(rc), L"Ka\u00f6ln");
    DIRBinary data(ir, "BLOBDATA");
    EXPECT_EQ(data.getData(rc), std::string("\0\xff\0A", 4));
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(data.getLength(), 4u);
    // A refetch forgets the data; the next read sees the current row.
    exec("DELETE FROM BINARYDATA;");
    ASSERT_EQ(ir.retrieve(L"FLATFILES").code, 0);
    EXPECT_EQ(data.getData(rc), "");
}

TEST_F(Conditions, NamesAtAndBeyondTheColumnSize) {
    const std::wstring name80(80, L'N');
    exec("UPDATE UserFunction SET name = '" + std::string(80, 'N') +
         "' WHERE qrtid = '0000000801';");
    UserFunction f;
    ASSERT_EQ(f.retrieve(name80).code, 0);
    EXPECT_EQ(f.getName(), name80);
    EXPECT_EQ(f.retrieve(name80 + L"N").code, 3142);
}
