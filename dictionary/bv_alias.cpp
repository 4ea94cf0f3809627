// Step aliases: retrieval and the statements that define and drop the view.
#include "dictionary/bv_alias.h"

#include "dictionary/business_view.h"
#include "dictionary/data_resource.h"

namespace {
using F = BVAliasFields;
const ClassInfo kInfo{DIRObjectType::BVAlias, L".BVAlias", L"DDDPALIA", "BVAliasDesc", L""};

constexpr int32_t kAliasWithoutStep = 3708;
constexpr int32_t kStepWithoutTargetTable = 3709;
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{};
    return table;
}

BVAlias::BVAlias() : DIRRecord(kInfo) {}

HQRC BVAlias::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ?", {QueryParm::name(name)}, name);
}

HQSTRING BVAlias::getCreateStmt(HQRC& rc) {
    constexpr const wchar_t* operation = L"getCreateStmt";
    if (getState() == 0) {
        rc = makeError(kDirNotPopulated, operation, L"Business View Alias", getName());
        return L"";
    }
    BusinessView* step = getBusinessView(rc);
    if (rc.code != 0) {
        rc = passUp(rc, operation);
        return L"";
    }
    if (step == nullptr) {
        rc = makeError(kAliasWithoutStep, operation, getName(), L"");
        return L"";
    }
    DataResource* table = step->getOutputTable(rc);
    if (rc.code != 0) {
        rc = passUp(rc, operation);
        return L"";
    }
    if (table == nullptr) {
        rc = makeError(kStepWithoutTargetTable, operation, getName(), step->getName());
        return L"";
    }
    return L"CREATE VIEW " + getName() + L" AS SELECT * FROM " + table->getName();
}
