// UserFunction: a function of the warehouse that a security group may use,
// identified by its name (the five common columns only).
#pragma once

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class SecurityGroup;

struct UserFunctionFields {
    static const ColumnTable<UserFunctionFields>& columns();
};

class UserFunction : public DIRRecord<UserFunctionFields> {
public:
    UserFunction();

    HQRC retrieve(const HQSTRING& name);
    HQRC listFirst();
    // Its security groups; null with 3104 when the object was never read.
    RelationList<SecurityGroup> getSecurityGroupList{*this, rel::UserFun_TO_SecGr_Rel,
                                                     RelationSide::Source, L"getSecurityGroupList"};
};
