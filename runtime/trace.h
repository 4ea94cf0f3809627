// Diagnostic output on standard output: the component trace of the
// call-level-interface layer and the configuration (switched on per component
// by "TRACELVL" rows of the configuration table).
#pragma once

#include <string_view>

#include "runtime/configuration.h"

// True when the component's trace level is above 0.
bool componentTraceOn(ComponentEnum component);
// Writes text as it is when the component's trace level is above 0.
void componentTrace(ComponentEnum component, std::string_view text);
