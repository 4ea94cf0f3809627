// DRCorrelation: the correlation name under which a source table appears in
// a step's SQL.
#pragma once

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class BusinessView;
class DataResource;

struct DRCorrelationFields {
    HQSTRING correlationName;

    static const ColumnTable<DRCorrelationFields>& columns();
};

class DRCorrelation : public DIRRecord<DRCorrelationFields> {
public:
    DRCorrelation();

    // The correlations of a step.
    HQRC listFirstByBV(const DIRId& step);
    // The correlation of a table in a step; 3142 when the step has none for it.
    HQRC retrieveByDRBV(const DIRId& table, const DIRId& step);

    // Its step and its table; null with code 0 when there is none, null with
    // 3104 when the correlation was never read.
    RelatedObject<BusinessView> getBusinessView{*this, rel::BV_TO_Correlation, RelationSide::Target,
                                                L"getBusinessView"};
    RelatedObject<DataResource> getDataResource{*this, rel::DR_TO_Correlation, RelationSide::Target,
                                                L"getDataResource"};
};
