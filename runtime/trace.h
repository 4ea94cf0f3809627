// Diagnostic output on standard output. The method trace writes entry and exit
// lines of runtime methods when debugComnt is not 0; the component trace of
// the call-level-interface layer and the configuration writes a few lines when
// the component's level (from "TRACELVL" rows of the configuration table) is
// above 0. Both are off in ordinary runs.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/configuration.h"

class TimeStamp;
class HQabsMutexSemaphore;

// Level of the method trace: 0 off; any other value writes entry and exit
// lines; 5 or more adds detail lines in some operations.
extern int32_t debugComnt;

// The trace time stamp and the trace lock ("tracelock"), created on first use.
TimeStamp& getTraceTS();
HQabsMutexSemaphore& getTraceLock();
// True once either of the two exists.
bool traceObjectsCreated();

// Writes "comnt: ts=<time>: tid=<thread>: enter method <name>" (or "exit
// method") when debugComnt is not 0.
void traceMethod(bool enter, std::string_view methodName);
// Writes a detail line as it is when debugComnt is at least `level`.
void traceDetail(int32_t level, std::string_view text);

// Entry line now, exit line when the scope ends.
class HQMethodTrace {
public:
    explicit HQMethodTrace(std::string_view methodName) : name_(methodName) {
        traceMethod(true, name_);
    }
    ~HQMethodTrace() { traceMethod(false, name_); }
    HQMethodTrace(const HQMethodTrace&) = delete;
    HQMethodTrace& operator=(const HQMethodTrace&) = delete;

private:
    std::string_view name_;
};

// True when the component's trace level is above 0.
bool componentTraceOn(ComponentEnum component);
// Writes text as it is when the component's trace level is above 0.
void componentTrace(ComponentEnum component, std::string_view text);
