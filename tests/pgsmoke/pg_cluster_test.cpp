// The throwaway PostgreSQL cluster of the test suite accepts the test role.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

TEST(PgCluster, AcceptsTheTestRoleOnLoopback) {
    const std::string cmd = std::string("PGPASSWORD=" QRT_PG_PASSWORD " psql -h " QRT_PG_HOST
                                        " -p " QRT_PG_PORT " -U " QRT_PG_USER " -d " QRT_PG_DB
                                        " -tAc 'select 40+2' | grep -qx 42");
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}
