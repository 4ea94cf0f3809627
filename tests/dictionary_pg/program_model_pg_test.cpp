// Programs on the sample warehouse in the throwaway PostgreSQL cluster: the
// instance query over two rows of the program table, the program lists with
// nested and intersected relation subqueries, the type by number, the order
// of parameters and a long value, through psqlODBC and the dialect layer. One
// test, so that no other process reloads its schema while it reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "dictionary/program.h"
#include "dictionary/program_group.h"
#include "dictionary/program_parameter.h"
#include "dictionary/program_type.h"
#include "runtime/configuration.h"
#include "tests/common/odbc_test_env.h"

namespace {
DIRId id(const char* text) {
    return DIRId(std::string_view(text));
}

template <class T> std::vector<std::wstring> names(T& object, HQRC first) {
    std::vector<std::wstring> listed;
    for (HQRC rc = first; rc.code == 0; rc = object.listNext())
        listed.push_back(object.getName());
    return listed;
}
} // namespace

TEST(PostgresPrograms, InstancesListsTypesAndParameters) {
    const std::string load = "PGHOST=" QRT_PG_HOST " PGPORT=" QRT_PG_PORT " PGUSER=" QRT_PG_USER
                             " PGPASSWORD=" QRT_PG_PASSWORD " PGDATABASE=" QRT_PG_DB " " +
                             std::string(QRT_SOURCE_DIR) +
                             "/tools/load_warehouse.sh postgres QRTPROGPG > /dev/null 2>&1";
    ASSERT_EQ(std::system(load.c_str()), 0);
    qrt_test::useOdbcIni(qrt_test::makeTempDir("dictionary_pg_programs"),
                         qrt_test::postgresDsn("QRTPGPROGRAMS"));
    HQRC rc = HQConfiguration::init(L"QRTPGPROGRAMS", L"QRTPROGPG", L"" QRT_PG_USER,
                                    L"" QRT_PG_PASSWORD, 0);
    ASSERT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();

    AggreFunc instance;
    ASSERT_EQ(instance.retrieveId(id("0000001502")).code, 0);
    EXPECT_EQ(instance.getName(), L"Clean staging tables");
    EXPECT_EQ(instance.getUniqueKey(), L"AggreFunc");
    EXPECT_EQ(instance.fields().definitionId, L"0000001501");
    EXPECT_EQ(names(instance, instance.listFirstByProgFunc(id("0000001506"))),
              std::vector<std::wstring>{L"Refresh (summary) tables"});
    EXPECT_EQ(instance.retrieveId(id("0000001501")).code, 3142) << "a definition is no instance";

    ProgFunc program;
    EXPECT_EQ(names(program, program.listFirstBySIRTIR(id("0000000101"), id("0000000103"))),
              (std::vector<std::wstring>{L"Archive (old) orders", L"Clean staging tables",
                                         L"Send mail"}));
    EXPECT_EQ(names(program, program.listFirstByGrpTIRSIR(id("0000001603"), id("0000000102"),
                                                          id("0000000101"))),
              std::vector<std::wstring>{L"Refresh (summary) tables"});
    EXPECT_EQ(names(program, program.listFirstExclude()).size(), 4u);

    ASSERT_EQ(program.retrieve(L"Refresh (summary) tables").code, 0);
    std::vector<std::wstring> order;
    for (const ProgParm* parm : program.getProgParms(rc))
        order.push_back(parm->getId().toString());
    EXPECT_EQ(order, (std::vector<std::wstring>{L"0000001812", L"0000001810", L"0000001811",
                                                L"0000001809"}));
    ProgParm parm;
    ASSERT_EQ(parm.retrieveId(id("0000001809")).code, 0);
    EXPECT_TRUE(parm.getParmData(rc).ends_with(L"Größe ≥ 1 MB; END"));

    ProgType type;
    ASSERT_EQ(type.retrieveProgramNum(4).code, 0);
    EXPECT_EQ(type.getProgramType(), L"Stored procedure");
    UDPGrouping group;
    EXPECT_EQ(
        names(group, group.listFirst()),
        (std::vector<std::wstring>{L"Warehouse utilities", L"Notification", L"Nordbase Programs"}));
    HQConfiguration::terminate();
}
