// A SQLite control database for the tests of the call-level-interface layer:
// the control tables with a few objects, a DSN for it and one for a missing
// file.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "dictionary/agent_site.h"
#include "dictionary/attribute.h"
#include "dictionary/business_view.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "runtime/odbc.h"
#include "tests/common/odbc_test_env.h"
#include "tests/common/warehouse_builder.h"

// The control database shared by the SQLite tests, built once per process
// through the object model: two databases, the first with two tables and
// served by two agent sites, two columns, one step.
inline const std::filesystem::path& sqliteMasterDatabase() {
    static const std::filesystem::path master = [] {
        const std::filesystem::path dir = qrt_test::makeTempDir("odbc-master");
        const std::filesystem::path file = dir / "control.db";
        EXPECT_TRUE(qrt_test::emptySqliteControlDatabase(file));
        qrt_test::useOdbcIni(dir, qrt_test::sqliteDsn("QRTLITEMASTER", file));
        qrt_test::buildWarehouse("QRTLITEMASTER", "QRT", [](qrt_test::WarehouseBuilder& w) {
            w.add<InformationResource>("IR00000001", L"SALES");
            w.add<InformationResource>("IR00000002", L"WAREHOUSE");
            w.add<DataResource>("DR00000001", L"S.ORDERS");
            w.add<DataResource>("DR00000002", L"S.CUSTOMERS");
            w.add<AgentSite>("AS00000001", L"DEFAULT AGENT");
            w.add<AgentSite>("AS00000002", L"REMOTE AGENT");
            for (const auto& [id, name, isNull, offset, seqNo] :
                 {std::tuple{"AT00000001", L"CUST_ID", 0, -1, 1},
                  {"AT00000002", L"CUST_NAME", 1, 10, 2}}) {
                w.add<Attribute>(id, name, [&](Attribute& column) {
                    column.editFields().isNull = isNull;
                    column.editFields().offset = offset;
                    column.editFields().seqNo = seqNo;
                });
            }
            w.add<BusinessView>("BV00000001", L"LOAD_SALES",
                                [](BusinessView& step) { step.editFields().having = 1; });
            w.relate(rel::IR_TO_DR_Rel, "IR00000001", "DR00000001");
            w.relate(rel::IR_TO_DR_Rel, "IR00000001", "DR00000002");
            w.relate(rel::IR_TO_AgentSite, "AS00000001", "IR00000001");
            w.relate(rel::IR_TO_AgentSite, "AS00000001", "IR00000002");
            w.relate(rel::IR_TO_AgentSite, "AS00000002", "IR00000001");
        });
        return file;
    }();
    return master;
}

class SqliteControlDb : public testing::Test {
protected:
    void SetUp() override {
        dir_ = qrt_test::makeTempDir("odbc");
        db_ = dir_ / "control.db";
        std::filesystem::copy_file(sqliteMasterDatabase(), db_,
                                   std::filesystem::copy_options::overwrite_existing);
        qrt_test::useOdbcIni(dir_,
                             qrt_test::sqliteDsn("QRTLITE", db_) +
                                 qrt_test::sqliteDsn("QRTNOWHERE", dir_ / "no/such/dir/x.db"));
    }
    void TearDown() override { HQOdbc::free(); }

    // The first connection, connected to the test database with "QRT" as the
    // schema of the control tables.
    HQOdbcConnect& connected() {
        HQOdbcConnect& c = HQOdbc::getEnv().connection(0);
        const HQRC rc = c.connect(L"QRTLITE", L"", L"");
        EXPECT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
        EXPECT_EQ(c.setSchemaPrefix(L"QRT").code, 0);
        return c;
    }

    std::filesystem::path dir_;
    std::filesystem::path db_;
};
