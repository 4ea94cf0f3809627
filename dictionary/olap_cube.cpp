// OLAP cubes: column table, list conditions and the length-checked setter.
#include "dictionary/olap_cube.h"

namespace {
using F = OLAPCubeFields;
// A cube that steps feed is in use.
constexpr RelationEnd kInUseBy[] = {{&rel::BV_TO_OLAPCube, RelationSide::Target}};
const ClassInfo kInfo{DIRObjectType::OLAPCube, L".OLAPCube", L"DDDPOLAP",
                      "OLAPCubeDesc",          L"",          kInUseBy};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{
        col(L"contact", 65, &F::contact),
    };
    return table;
}

OLAPCube::OLAPCube() : DIRRecord(kInfo), graphicsData_(*this, "graphicsData") {}

HQRC OLAPCube::retrieve(const HQSTRING& name) {
    return retrieveWhere(L"retrieve", L"WHERE   name = ?", {QueryParm::name(name)}, name);
}

HQRC OLAPCube::listFirst() {
    return listFirstWhere(L"listFirst", L"", {});
}

HQRC OLAPCube::listFirstByBV(const DIRId& step) {
    return listFirstRelated(L"listFirstByBV", rel::BV_TO_OLAPCube, RelationSide::Source, step);
}

HQRC OLAPCube::setContact(const HQSTRING& text) {
    return setLimited(L"setContact", f_.contact, text, 64);
}
