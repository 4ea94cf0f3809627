// StarSchema: the fact and dimension tables of a warehouse database with the
// join links between their columns, and its diagram.
#pragma once

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

class AttributeLink;
class DataResource;
class InformationResource;

struct StarSchemaFields {
    HQSTRING contact;
    HQSTRING hostdbname;

    static const ColumnTable<StarSchemaFields>& columns();
};

class StarSchema : public DIRRecord<StarSchemaFields> {
public:
    StarSchema();

    HQRC retrieve(const HQSTRING& name);
    HQRC listFirst();
    // The schemas that name a host database.
    HQRC listFirstOneDatabase();
    // The schemas that hold the table.
    HQRC listFirstByDR(const DIRId& table);

    // 3110 when the text has more characters than its column holds.
    HQRC setContact(const HQSTRING& text);
    HQRC setHostDatabaseName(const HQSTRING& text);

    // The diagram, read from the binary-data table on first use.
    const std::string& getGraphicsData(HQRC& rc) { return graphicsData_.getData(rc); }
    size_t getGraphicsDataLength() const { return graphicsData_.getLength(); }

    // Its database (null with code 0 when there is none), its tables and its
    // join links; null with 3104 when the object was never read.
    RelatedObject<InformationResource> getInformationResource{
        *this, rel::StarSchema_TO_IR, RelationSide::Source, L"getInformationResource"};
    RelationList<DataResource> getDataResourceList{*this, rel::StarSchema_TO_DR,
                                                   RelationSide::Source, L"getDataResourceList"};
    RelationList<AttributeLink> getAttributeLinkList{*this, rel::StarSchema_TO_AttLnk,
                                                     RelationSide::Target, L"getAttributeLinkList"};

private:
    DIRBinary graphicsData_;
};
