// Export of security groups and their user functions.
#pragma once

class SecurityGroup;
class UserFunction;

// The group (once per run) with its user functions, each with a CONTAIN
// record from the group.
void export_SCG_root(SecurityGroup* group);
// One "QRTSCGRP" object. It does not consult the registry: export_SCG_root
// does that before calling it.
void export_SecurityGroup(SecurityGroup* group);
// One "QRTUFUNC" object.
void export_UserFunction(UserFunction* function);
