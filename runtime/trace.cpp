// The method trace (entry and exit lines under the trace lock, stamped with
// the trace time stamp) and the component trace.
#include "runtime/trace.h"

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

#include "runtime/os_factory.h"
#include "runtime/time_stamp.h"

int32_t debugComnt = 0;

namespace {
std::unique_ptr<TimeStamp>& traceStamp() {
    static std::unique_ptr<TimeStamp> stamp;
    return stamp;
}
std::unique_ptr<HQabsMutexSemaphore>& traceLock() {
    static std::unique_ptr<HQabsMutexSemaphore> lock;
    return lock;
}
void writeOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}
} // namespace

TimeStamp& getTraceTS() {
    auto& stamp = traceStamp();
    if (!stamp)
        stamp = std::make_unique<TimeStamp>();
    return *stamp;
}

HQabsMutexSemaphore& getTraceLock() {
    auto& lock = traceLock();
    if (!lock)
        lock = HQabsFactory::Instance().CreateMutexSemaphore(L"tracelock");
    return *lock;
}

bool traceObjectsCreated() {
    return traceStamp() != nullptr || traceLock() != nullptr;
}

void traceMethod(bool enter, std::string_view methodName) {
    if (debugComnt == 0)
        return;
    TimeStamp& stamp = getTraceTS();
    stamp.timeStamp();
    std::string line = "comnt: ts=" + stamp.toString().toMultiByte() +
                       ": tid=" + std::to_string(static_cast<long>(gettid())) +
                       (enter ? ": enter method " : ": exit method ");
    line.append(methodName);
    line += '\n';
    HQabsMutexSemaphore& lock = getTraceLock();
    lock.Acquire();
    writeOut(line);
    lock.Release();
}

void traceDetail(int32_t level, std::string_view text) {
    if (debugComnt != 0 && debugComnt >= level)
        writeOut(text);
}

bool componentTraceOn(ComponentEnum component) {
    return HQConfiguration::getInstance().traceLevel(component) > 0;
}

void componentTrace(ComponentEnum component, std::string_view text) {
    if (componentTraceOn(component))
        writeOut(text);
}
