// The PostgreSQL server goes away: a cluster of this test's own is stopped
// before a run, and killed in the middle of a large export. Both runs end on
// their failure path within a bounded time, never hanging on a dead socket.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/faults/program_run.h"
#include "tests/faults_pg/pg_support.h"

using namespace fault_test;
using namespace pg_test;

namespace {

const std::string kBin = "/usr/lib/postgresql/15/bin";

// A cluster next to the shared one (another port, another folder).
class OwnCluster {
public:
    OwnCluster()
        : port_(std::to_string(std::stoi(QRT_PG_PORT) + 11)),
          dir_("/tmp/qrt-pgcluster-gone-" + port_) {
        started_ = run("'" + std::string(QRT_SOURCE_DIR) + "/tools/pg_cluster.sh' start " +
                       dir_.string() + " " + port_) == 0;
    }
    ~OwnCluster() {
        run("'" + std::string(QRT_SOURCE_DIR) + "/tools/pg_cluster.sh' stop " + dir_.string());
    }
    OwnCluster(const OwnCluster&) = delete;
    OwnCluster& operator=(const OwnCluster&) = delete;

    bool started() const { return started_; }
    const std::string& port() const { return port_; }
    // Stops the server at once, as a crash would (no shutdown of sessions).
    bool kill() { return pgCtl("-m immediate stop") == 0; }

private:
    static int run(const std::string& command) {
        return export_test::runCommand(command + " > /dev/null 2>&1");
    }
    // As the server's user: root runs it as "postgres", anyone else as themselves.
    int pgCtl(const std::string& what) {
        return run(std::string(::getuid() == 0 ? "runuser -u postgres -- " : "") + kBin +
                   "/pg_ctl -D " + dir_.string() + "/data " + what);
    }
    std::string port_;
    fs::path dir_;
    bool started_ = false;
};

} // namespace

TEST(ServerGone, AStoppedOrKilledServerEndsTheRunOnItsFailurePath) {
    OwnCluster cluster;
    ASSERT_TRUE(cluster.started());
    const fs::path dir = qrt_test::makeTempDir("pg-gone");
    // A warehouse large enough that its export runs for a while.
    ASSERT_EQ(export_test::runCommand("'" QRT_STAGE_DIR "/bin/generate_warehouse' --seed=3 "
                                      "--objects=6000 '" +
                                      (dir / "warehouse.sql").string() + "' '" +
                                      (dir / "export.inp").string() + "' > /dev/null"),
              0);
    ASSERT_TRUE(loadPostgres(dir, "QRTGONE", {dir / "warehouse.sql"}, cluster.port()))
        << export_test::readFile(dir / "load.log");
    qrt_test::useOdbcIni(dir, dsnAt("QRTPG", cluster.port()));
    const std::vector<std::string> args = {"export.inp",     "QRTPG",
                                           QRT_PG_USER,      QRT_PG_PASSWORD,
                                           "prefix=QRTGONE", "feedback=feedback.txt"};

    const ProgramRun whole = runProgram(dir, args, {});
    ASSERT_EQ(whole.status, 0) << whole.out;
    std::printf("a whole export takes %.2f s\n", whole.seconds);

    // Killed once the export has written a part of its tag file.
    const StartedProgram program = startProgram(dir, args, {});
    const size_t part = whole.tag.size() / 5;
    bool killed = false;
    const ProgramRun cut = finishProgram(program, std::chrono::seconds(120), [&] {
        if (!killed && fs::exists(dir / "export.tag") && fs::file_size(dir / "export.tag") > part)
            killed = cluster.kill();
    });
    ASSERT_TRUE(killed) << "the export ended before the server could be killed";
    EXPECT_FALSE(cut.timedOut);
    EXPECT_EQ(classify(cut, "", "").rfind("failure path 20", 0), 0u)
        << classify(cut, "", "") << "\n"
        << cut.out;
    EXPECT_LT(cut.tag.size(), whole.tag.size());
    std::printf("killed after %zu of %zu bytes: %s after %.2f s\n", cut.tag.size(),
                whole.tag.size(), classify(cut, "", "").c_str(), cut.seconds);

    // With the server down the run cannot connect.
    const ProgramRun refused = runProgram(dir, args, {}, std::chrono::seconds(120));
    EXPECT_FALSE(refused.timedOut);
    EXPECT_EQ(classify(refused, "", ""), "connect failure 2009") << refused.out;
    EXPECT_LT(refused.seconds, 35.0);
}
