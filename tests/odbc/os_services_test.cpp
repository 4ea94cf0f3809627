// The operating-system services through the factory: mutual exclusion, event
// signalling and timeouts, threads and child processes.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "runtime/os_factory.h"
#include "tests/common/odbc_test_env.h"

namespace {

struct Shared {
    HQabsMutexSemaphore* mutex;
    HQabsEventSemaphore* event;
    long counter = 0;
    std::atomic<bool> woke{false};
};

void* addUnderMutex(void* arg) {
    auto* s = static_cast<Shared*>(arg);
    for (int i = 0; i < 20000; ++i) {
        s->mutex->Acquire();
        const long seen = s->counter; // a lost update would show without the lock
        s->counter = seen + 1;
        s->mutex->Release();
    }
    return nullptr;
}

void* waitForEvent(void* arg) {
    auto* s = static_cast<Shared*>(arg);
    if (s->event->Wait(HQabsEventSemaphore::kInfinite).code == 0)
        s->woke = true;
    return nullptr;
}

} // namespace

TEST(OsServices, FactoryIsOneInstance) {
    EXPECT_EQ(&HQabsFactory::Instance(), &HQabsFactory::Instance());
    EXPECT_NE(dynamic_cast<HQNTFactory*>(&HQabsFactory::Instance()), nullptr);
}

TEST(OsServices, MutexSerialisesThreads) {
    HQabsFactory& f = HQabsFactory::Instance();
    auto mutex = f.CreateMutexSemaphore(L"counter");
    EXPECT_EQ(mutex->name(), L"counter");
    Shared s{mutex.get(), nullptr};
    auto a = f.CreateThread(addUnderMutex, &s);
    auto b = f.CreateThread(addUnderMutex, &s);
    ASSERT_EQ(a->StartThread().code, 0);
    ASSERT_EQ(b->StartThread().code, 0);
    EXPECT_EQ(a->WaitForTermination(HQabsEventSemaphore::kInfinite).code, 0);
    EXPECT_EQ(b->WaitForTermination(HQabsEventSemaphore::kInfinite).code, 0);
    EXPECT_EQ(s.counter, 40000);
    // A mutex whose Create was never called refuses to lock.
    HQNTMutexSemaphore never(L"");
    const HQRC rc = never.Acquire();
    EXPECT_NE(rc.code, 0);
    EXPECT_EQ(rc.location, L"HQNTMutexSemaphore::Acquire");
}

TEST(OsServices, EventWaitTimesOutAndWakesOnSignal) {
    HQabsFactory& f = HQabsFactory::Instance();
    auto event = f.CreateEventSemaphore(L"ev");
    const auto start = std::chrono::steady_clock::now();
    const HQRC timeout = event->Wait(150);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_NE(timeout.code, 0);
    EXPECT_EQ(timeout.nativeCode, ETIMEDOUT);
    EXPECT_GE(waited, std::chrono::milliseconds(140));
    EXPECT_LT(waited, std::chrono::seconds(5));

    Shared s{nullptr, event.get()};
    auto waiter = f.CreateThread(waitForEvent, &s);
    ASSERT_EQ(waiter->StartThread().code, 0);
    auto sleeper = f.CreateThreadControl();
    // Signal until the waiter has woken (a signal before it waits is lost).
    for (int i = 0; i < 100 && !s.woke; ++i) {
        EXPECT_EQ(sleeper->Sleep(20).code, 0);
        EXPECT_EQ(event->Signal().code, 0);
    }
    EXPECT_EQ(waiter->WaitForTermination(0).code, 0);
    EXPECT_TRUE(s.woke);
    EXPECT_EQ(event->ResetSignal().code, 0);
}

TEST(OsServices, ProcessRunsInItsDirectoryAndCanBeTerminated) {
    const auto dir = qrt_test::makeTempDir("process");
    auto p = HQabsFactory::Instance().CreateProcess(L"/bin/sh", 0, SIGTERM);
    auto* process = dynamic_cast<HQNTProcess*>(p.get());
    ASSERT_NE(process, nullptr);
    process->setArguments({L"-c", L"pwd > where.txt; exit 3"});
    process->setWorkingDirectory(HQSTRING(dir.string()));
    EXPECT_EQ(process->MakeCommandLine(),
              (std::vector<std::string>{"/bin/sh", "-c", "pwd > where.txt; exit 3"}));
    ASSERT_EQ(process->StartProcess().code, 0);
    int status = 0;
    ASSERT_EQ(process->waitForExit(status).code, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
    std::string where;
    std::getline(std::ifstream(dir / "where.txt"), where);
    EXPECT_EQ(std::filesystem::canonical(where), std::filesystem::canonical(dir));

    auto sleeper = HQabsFactory::Instance().CreateProcess(L"sleep", 0, SIGTERM);
    auto* running = dynamic_cast<HQNTProcess*>(sleeper.get());
    running->setArguments({L"30"});
    ASSERT_EQ(running->StartProcess().code, 0);
    EXPECT_EQ(running->TerminateProcess().code, 0);
    ASSERT_EQ(running->waitForExit(status).code, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);

    // A missing user stops the start before anything runs.
    auto other = HQabsFactory::Instance().CreateProcess(L"/bin/true", 0, SIGTERM);
    auto* impossible = dynamic_cast<HQNTProcess*>(other.get());
    impossible->setUser(L"no_such_user_qrt");
    EXPECT_NE(impossible->StartProcess().code, 0);
    EXPECT_EQ(impossible->pid(), -1);
}
