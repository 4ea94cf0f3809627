// BVAlias: a view defined over the target table of a step; its name is the
// name of the view.
#pragma once

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class BusinessView;

struct BVAliasFields {
    static const ColumnTable<BVAliasFields>& columns();
};

class BVAlias : public DIRRecord<BVAliasFields> {
public:
    BVAlias();

    // "WHERE   name = ?"; 3142 with "BVAlias" and the name.
    HQRC retrieve(const HQSTRING& name);

    // "CREATE VIEW <alias> AS SELECT * FROM <target table of the step>"; empty
    // with 3104 when the alias was never read, 3708 when it belongs to no
    // step, 3709 when its step has no target table.
    HQSTRING getCreateStmt(HQRC& rc);
    // "DROP VIEW <alias>".
    HQSTRING getDropStmt() const { return L"DROP VIEW " + getName(); }

    // Its step; null with code 0 when there is none, null with 3104 when the
    // alias was never read.
    RelatedObject<BusinessView> getBusinessView{*this, rel::BV_TO_BVAlias, RelationSide::Target,
                                                L"getBusinessView"};
};
