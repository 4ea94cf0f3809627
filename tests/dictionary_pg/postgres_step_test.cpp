// Steps and their details on the sample warehouse in the throwaway
// PostgreSQL cluster: binary SQL data of any length through psqlODBC, names
// with blanks at their ends, the notification lists' nested conditions,
// maps and aliases. Each test loads the sample into a schema of its own, so
// that tests can run side by side.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "dictionary/business_view.h"
#include "dictionary/bv_alias.h"
#include "dictionary/information_resource.h"
#include "dictionary/map.h"
#include "runtime/configuration.h"
#include "runtime/odbc.h"
#include "tests/common/byte_pattern.h"
#include "tests/common/odbc_test_env.h"

namespace {
class PostgresSteps : public testing::Test {
protected:
    void SetUp() override {
        const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
        schema_ = "qrtsteps_" + test;
        for (char& c : schema_)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::string load = "PGHOST=" QRT_PG_HOST " PGPORT=" QRT_PG_PORT " PGUSER=" QRT_PG_USER
                                 " PGPASSWORD=" QRT_PG_PASSWORD " PGDATABASE=" QRT_PG_DB " " +
                                 std::string(QRT_SOURCE_DIR) +
                                 "/tools/load_warehouse.sh postgres " + schema_ +
                                 " > /dev/null 2>&1";
        ASSERT_EQ(std::system(load.c_str()), 0) << "the sample did not load into PostgreSQL";
        dir_ = qrt_test::makeTempDir(schema_);
        qrt_test::useOdbcIni(dir_, qrt_test::postgresDsn("QRTPGSTEPS"));
        const HQRC rc = HQConfiguration::init(L"QRTPGSTEPS", HQSTRING(schema_), L"" QRT_PG_USER,
                                              L"" QRT_PG_PASSWORD, 0);
        ASSERT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte() << rc.comment.toMultiByte();
    }
    void TearDown() override {
        HQConfiguration::terminate();
        psql("DROP SCHEMA " + schema_ + " CASCADE;");
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    void psql(const std::string& sql) const {
        ASSERT_TRUE(qrt_test::psqlExec(dir_, "SET search_path TO " + schema_ + ";\n" + sql)) << sql;
    }

    std::string schema_;
    std::filesystem::path dir_;
};

} // namespace

TEST_F(PostgresSteps, BinarySqlDataOfEveryLength) {
    HQRC rc;
    BusinessView product;
    ASSERT_EQ(product.retrieve(L" Derive product dim ").code, 0);
    // The sample's text value reads as the same bytes as from SQLite.
    EXPECT_EQ(product.getBLOBDATA(rc), "SELECT P.ITEM, ROUND(P.PRICE * 1.19, 2)\n  FROM "
                                       "\"prices.csv\" P -- 'gross' (\xe2\x82\xac)\n");
    EXPECT_EQ(rc.code, 0);
    BusinessView archive;
    ASSERT_EQ(archive.retrieve(L"Archive orders").code, 0);
    EXPECT_EQ(archive.getBLOBDATALength(rc), 0u);
    EXPECT_EQ(rc.code, 0);

    BusinessView customers;
    for (const size_t length : {size_t{131072}, size_t{131073}, size_t{1} << 20}) {
        const std::string bytes = qrt_test::bytePattern(length);
        psql("DELETE FROM BINARYDATA WHERE qrtid = '0000001001';"
             "INSERT INTO BINARYDATA VALUES ('BLOBDATA', '0000001001', decode('" +
             qrt_test::hexOf(bytes) + "', 'hex'));");
        ASSERT_EQ(customers.retrieve(L"Load customers").code, 0);
        EXPECT_EQ(customers.getBLOBDATALength(rc), length);
        EXPECT_TRUE(customers.getBLOBDATA(rc) == bytes) << length;
        EXPECT_EQ(rc.code, 0);
    }
}

TEST_F(PostgresSteps, DatabasesListsMapsAndAliases) {
    HQRC rc;
    BusinessView s;
    ASSERT_EQ(s.retrieve(L" Derive product dim ").code, 0);
    EXPECT_EQ(s.retrieve(L"Derive product dim").code, 3142);
    ASSERT_EQ(s.retrieve(L"Archive orders").code, 0);
    EXPECT_EQ(s.getSourceIR(rc)->getName(), L"SALESDB"); // explicit, not from its table
    EXPECT_EQ(s.getTargetIR(rc), nullptr);
    EXPECT_EQ(rc.code, 3713);
    EXPECT_EQ(s.getRetryCount(rc), 3);

    const DIRId process(std::string_view("0000001301"));
    psql("INSERT INTO RELATIONSHIP VALUES ('Process_TO_BVPOSTCAS', '0000001301', '0000001004');");
    EXPECT_TRUE(DIRBase::isNotFound(s.listFirstNotificationBVFailProcess(process)));
    psql("DELETE FROM RELATIONSHIP WHERE relation_name = 'Process_TO_BVPOSTCAF';");
    ASSERT_EQ(s.listFirstNotificationBVSuccessProcess(process).code, 0);
    EXPECT_EQ(s.getName(), L"Notify load failure");
    EXPECT_TRUE(DIRBase::isNotFound(s.listNext()));

    std::vector<std::wstring> kinds;
    Map map;
    for (rc = map.listFirstByBV(DIRId(std::string_view("0000001005"))); rc.code == 0;
         rc = map.listNext())
        kinds.push_back(map.getName() + L":" + map.getTypeOfMapText());
    EXPECT_EQ(kinds,
              (std::vector<std::wstring>{L"ITEM:Attribute", L"PRICE:Attribute", L"LOADED:None"}));
    BVAlias alias;
    ASSERT_EQ(alias.retrieve(L"V_PRODUCT_CURRENT").code, 0);
    EXPECT_EQ(alias.getCreateStmt(rc),
              L"CREATE VIEW V_PRODUCT_CURRENT AS SELECT * FROM WHS.PRODUCT_DIM");
}
