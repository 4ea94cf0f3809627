// The component trace: a few lines on standard output about connecting,
// configuration loading and statement execution, per component level.
#include "runtime/trace.h"

#include <cstdio>

bool componentTraceOn(ComponentEnum component) {
    return HQConfiguration::getInstance().traceLevel(component) > 0;
}

void componentTrace(ComponentEnum component, std::string_view text) {
    if (!componentTraceOn(component))
        return;
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}
