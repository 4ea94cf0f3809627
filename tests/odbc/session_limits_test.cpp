// The time limits of every connection: a lock held by another session is
// waited for only as long as the connection's lock timeout (30 s unless a
// test sets it).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "runtime/configuration.h"
#include "sqlite_fixture.h"

using LimitsTest = SqliteControlDb;

namespace {
// The value of a one-row, one-column query as text.
std::string single(HQOdbcConnect& c, const wchar_t* query) {
    HQOdbcCursor cursor(&c);
    char text[64] = {};
    SQLLEN length = 0;
    HQRC rc = cursor.prepare(query);
    if (rc.code == 0)
        rc = cursor.bindCol(1, SQL_C_CHAR, text, sizeof text, &length);
    if (rc.code == 0 && cursor.fetch(rc) == 1)
        return text;
    return "failed: " + rc.nativeMessage.toMultiByte();
}
} // namespace

TEST_F(LimitsTest, TheDriversBusyWaitIsTheLockTimeout) {
    HQOdbcConnect& c = connected();
    EXPECT_EQ(c.lockTimeout(), std::chrono::seconds(30));
    EXPECT_EQ(single(c, L"PRAGMA busy_timeout"), "30000");
    c.setLockTimeout(std::chrono::milliseconds(1200));
    ASSERT_EQ(c.connect(L"QRTLITE", L"", L"").code, 0);
    EXPECT_EQ(single(c, L"PRAGMA busy_timeout"), "1200");
}

TEST_F(LimitsTest, ADatabaseLockedByAWriterEndsTheLoadAfterTheLockTimeout) {
    // A writer holds the database's exclusive lock while its input stays open.
    const std::string command = "sqlite3 '" + db_.string() + "' > /dev/null 2>&1";
    std::FILE* writer = ::popen(command.c_str(), "w");
    ASSERT_NE(writer, nullptr);
    // It says so in a file once its transaction holds the lock; on a busy
    // machine it may take a while to start.
    const std::filesystem::path flag = db_.string() + ".locked";
    std::filesystem::remove(flag);
    std::fputs(("BEGIN EXCLUSIVE;\nINSERT INTO AgentSite (qrtid) VALUES ('AS00000009');\n"
                ".output '" +
                flag.string() + "'\nSELECT 'locked';\n.output stdout\n")
                   .c_str(),
               writer);
    std::fflush(writer);
    bool locked = false;
    for (int i = 0; i < 1500 && !locked; ++i) {
        std::ifstream in(flag);
        std::string word;
        locked = static_cast<bool>(in >> word) && word == "locked";
        if (!locked)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!locked) {
        std::fputs("ROLLBACK;\n", writer);
        ::pclose(writer);
    }
    ASSERT_TRUE(locked) << "the writer never took its lock";

    HQOdbc::getEnv().connection(0).setLockTimeout(std::chrono::milliseconds(1500));
    HQConfiguration::clear();
    const auto start = std::chrono::steady_clock::now();
    const HQRC rc = HQConfiguration::init(L"QRTLITE", L"QRT", L"", L"", 0);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fputs("ROLLBACK;\n", writer);
    ::pclose(writer);

    EXPECT_NE(rc.code, 0);
    EXPECT_EQ(rc.domain, DomainODBC);
    EXPECT_NE(rc.nativeMessage.toMultiByte().find("locked"), std::string::npos)
        << rc.nativeMessage.toMultiByte();
    EXPECT_GE(seconds, 1.4);
    EXPECT_LT(seconds, 10.0);
}
