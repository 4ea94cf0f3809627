// Export of security groups and their user functions.
#pragma once

#include "runtime/return_code.h"

class SecurityGroup;
class UserFunction;

// The group (once per run) with its user functions, each with a CONTAIN
// record from the group.
HQRC export_SCG_root(SecurityGroup* group);
// One "QRTSCGRP" object. It does not consult the registry: export_SCG_root
// does that before calling it.
HQRC export_SecurityGroup(SecurityGroup* group);
// One "QRTUFUNC" object.
HQRC export_UserFunction(UserFunction* function);
