// The object model on the sample warehouse in the throwaway PostgreSQL
// cluster: the same retrievals, long texts, relation walks, keys and list
// conditions as on SQLite, through psqlODBC and the dialect layer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/bv_schedule.h"
#include "dictionary/custom_calender.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/key.h"
#include "dictionary/key_map.h"
#include "dictionary/process.h"
#include "dictionary/security_group.h"
#include "dictionary/subject.h"
#include "runtime/configuration.h"
#include "runtime/odbc.h"
#include "tests/common/odbc_test_env.h"

namespace {
class PostgresModel : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::string load = "PGHOST=" QRT_PG_HOST " PGPORT=" QRT_PG_PORT " PGUSER=" QRT_PG_USER
                                 " PGPASSWORD=" QRT_PG_PASSWORD " PGDATABASE=" QRT_PG_DB " " +
                                 std::string(QRT_SOURCE_DIR) +
                                 "/tools/load_warehouse.sh postgres QRTMODEL > /dev/null 2>&1";
        loaded_ = std::system(load.c_str()) == 0;
        dir_ = qrt_test::makeTempDir("dictionary_pg");
        qrt_test::useOdbcIni(dir_, qrt_test::postgresDsn("QRTPGMODEL"));
    }
    static void TearDownTestSuite() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    void SetUp() override {
        ASSERT_TRUE(loaded_) << "the sample warehouse did not load into PostgreSQL";
        const HQRC rc = HQConfiguration::init(L"QRTPGMODEL", L"QRTMODEL", L"" QRT_PG_USER,
                                              L"" QRT_PG_PASSWORD, 0);
        ASSERT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte() << rc.comment.toMultiByte();
    }
    void TearDown() override { HQConfiguration::terminate(); }

    static inline std::filesystem::path dir_;
    static inline bool loaded_ = false;
};
} // namespace

TEST_F(PostgresModel, DatabaseFieldsLongTextAndNotFound) {
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"SALESDB").code, 0);
    EXPECT_EQ(ir.getId().toString(), L"0000000101");
    EXPECT_EQ(ir.fields().subdbType, 18);
    EXPECT_EQ(ir.fields().contact, L"Mary O'Brien");
    HQRC rc;
    // Three rows joined; the blanks that end two of them are kept.
    EXPECT_EQ(ir.getLongDescription(rc),
              L"The order-entry database of the sales department. It holds customers and orders "
              L"(one row per order line); the warehouse reads it every night.");
    ASSERT_EQ(ir.retrieve(L"FLATFILES").code, 0);
    EXPECT_EQ(ir.fields().contact, L"Lars Ekstr\u00f6m");
    EXPECT_EQ(ir.getDefaultDelimiter(), L"`");
    rc = ir.retrieve(L"salesdb");
    EXPECT_EQ(rc.code, 3142);
    EXPECT_EQ(rc.location, L"InformationResource::retrieve");
}

TEST_F(PostgresModel, TablesColumnsAndKeysByRelation) {
    InformationResource ir;
    ASSERT_EQ(ir.retrieve(L"WAREHOUSE").code, 0);
    HQRC rc;
    std::vector<std::wstring> tables;
    RelationCollection<DataResource>& list = *ir.getDataResourceList(rc);
    for (DataResource* t = list.getFirst(rc); t != nullptr; t = list.getNext(rc)) {
        tables.push_back(t->getName());
        EXPECT_EQ(t->getInformationResource(rc), &ir);
    }
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(tables.size(), 4u);

    DataResource product;
    ASSERT_EQ(product.retrieve(L"whs.product_dim", L"WAREHOUSE").code, 0);
    EXPECT_EQ(product.getCreateStmt(rc),
              L"CREATE TABLE WHS.PRODUCT_DIM(ITEM CHAR(8)  NOT NULL , PRICE DECIMAL(7,2) )");
    Attribute column;
    ASSERT_EQ(column.listFirstDR(product).code, 0);
    EXPECT_EQ(column.getName(), L"ITEM");
    EXPECT_EQ(column.fields().offset, -1);
    EXPECT_EQ(column.fields().isNull, 0);

    ForeignKey fk;
    ASSERT_EQ(fk.listFirstByDRAlter(DIRId(std::string_view("0000000206"))).code, 0);
    EXPECT_EQ(fk.getName(), L"FACT_PRODUCT_FK");
    PrimaryKey* pk = fk.getPrimaryKey(rc);
    ASSERT_NE(pk, nullptr);
    KeyMap map;
    ASSERT_EQ(map.listFirstByRef(*pk).code, 0);
    EXPECT_EQ(map.getPKeyAttribute(rc)->getName(), L"ITEM");
}

TEST_F(PostgresModel, AgentSitesAndGroupsOfADatabase) {
    AgentSite site;
    std::vector<std::wstring> names;
    HQRC rc;
    for (rc = site.listFirstBySrcTar(DIRId(std::string_view("0000000101")),
                                     DIRId(std::string_view("0000000102")));
         rc.code == 0; rc = site.listNext())
        names.push_back(site.getName());
    EXPECT_TRUE(DIRBase::isNotFound(rc)) << rc.nativeMessage.toMultiByte();
    EXPECT_EQ(names, (std::vector<std::wstring>{L"ETL host (Unix)"}));
    SecurityGroup group;
    ASSERT_EQ(group.listFirstTargetIRAlpha(DIRId(std::string_view("0000000103"))).code, 0);
    EXPECT_EQ(group.getName(), L"Default security group");
}

TEST_F(PostgresModel, ProcessesSchedulesAndCalendarDates) {
    const auto idsOf = [](DIRBase& object, HQRC rc) {
        std::vector<std::wstring> ids;
        for (; rc.code == 0; rc = object.listNext())
            ids.push_back(object.getId().toString());
        EXPECT_TRUE(DIRBase::isNotFound(rc)) << rc.nativeMessage.toMultiByte();
        return ids;
    };
    const DIRId warehouse(std::string_view("0000000103"));
    Process p;
    EXPECT_EQ(idsOf(p, p.listFirstByIR(warehouse)),
              (std::vector<std::wstring>{L"0000001301", L"0000001303", L"0000001302"}));
    ASSERT_EQ(p.retrieveByProcessType(2).code, 0);
    EXPECT_EQ(p.getName(), L"Year-end close (O'Brien's)");
    Subject s;
    EXPECT_EQ(idsOf(s, s.listFirstByIR(warehouse)),
              (std::vector<std::wstring>{L"0000001401", L"0000001402"}));

    // Calendar order, the tie by identifier.
    BVSchedule schedule;
    EXPECT_EQ(idsOf(schedule, schedule.listFirstbyProcess(p.getId())),
              (std::vector<std::wstring>{L"0000001206", L"0000001204", L"0000001205"}));
    ASSERT_EQ(schedule.retrieveId(DIRId(std::string_view("0000001205"))).code, 0);
    EXPECT_EQ(schedule.getName(), L"   ");
    EXPECT_EQ(schedule.getStartTime(), L"2001-03-04-05:06:07");

    CalenderDate date;
    TimeStamp after(0);
    ASSERT_EQ(after.set_date(12, 30, 100), TimeStamp::kDone);
    ASSERT_EQ(date.retrieveBySeq(DIRId(std::string_view("0000002302")), after).code, 0);
    EXPECT_EQ(date.getName(), L"2001");
    EXPECT_EQ(date.fields().specificDate.get_hours(), 18);
}
