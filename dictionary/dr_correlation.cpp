// Correlation names of the tables of a step: columns and conditions.
#include "dictionary/dr_correlation.h"

#include "dictionary/business_view.h"
#include "dictionary/data_resource.h"

namespace {
using F = DRCorrelationFields;
const ClassInfo kInfo{DIRObjectType::DRCorrelation, L".correlation", L"DDDPCORL",
                      "DRCorrelationDesc", L""};
} // namespace

const ColumnTable<F>& F::columns() {
    static const ColumnTable<F> table{col(L"correlationName", 129, &F::correlationName)};
    return table;
}

DRCorrelation::DRCorrelation() : DIRRecord(kInfo) {}

HQRC DRCorrelation::listFirstByBV(const DIRId& step) {
    return listFirstRelated(L"listFirstByBV", rel::BV_TO_Correlation, RelationSide::Source, step);
}

HQRC DRCorrelation::retrieveByDRBV(const DIRId& table, const DIRId& step) {
    return retrieveWhere(
        L"retrieveByDRBV",
        L" WHERE qrtid in " + relatedIdsQuery(rel::BV_TO_Correlation, RelationSide::Source) +
            L" and qrtid in " + relatedIdsQuery(rel::DR_TO_Correlation, RelationSide::Source),
        {QueryParm::id(step), QueryParm::id(table)}, table.toString());
}
