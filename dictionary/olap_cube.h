// OLAPCube: a cube that steps populate, with its diagram.
#pragma once

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class BusinessView;

struct OLAPCubeFields {
    HQSTRING contact;

    static const ColumnTable<OLAPCubeFields>& columns();
};

class OLAPCube : public DIRRecord<OLAPCubeFields> {
public:
    OLAPCube();

    HQRC retrieve(const HQSTRING& name);
    HQRC listFirst();
    // The cubes that the step populates.
    HQRC listFirstByBV(const DIRId& step);

    // 3110 when the text has more characters than its column holds.
    HQRC setContact(const HQSTRING& text);

    // The diagram, read from the binary-data table on first use.
    const std::string& getGraphicsData(HQRC& rc) { return graphicsData_.getData(rc); }
    size_t getGraphicsDataLength() const { return graphicsData_.getLength(); }

    // The steps that populate it; null with 3104 when the object was never read.
    RelationList<BusinessView> getBusinessViewList{*this, rel::BV_TO_OLAPCube, RelationSide::Target,
                                                   L"getBusinessViewList"};

private:
    DIRBinary graphicsData_;
};
