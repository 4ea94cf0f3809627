// Star schemas and OLAP cubes on the sample warehouse: retrieval with fields
// and long description, the list conditions, the database, tables and join
// links of a schema, the length checks of the setters.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "dictionary/attribute_link.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/olap_cube.h"
#include "dictionary/star_schema.h"
#include "sample_warehouse_fixture.h"

namespace {
using Names = std::vector<std::wstring>;

// The names a list selects; an error other than the end is a failure.
template <class T> Names listed(T& object, const std::function<HQRC()>& first) {
    Names names;
    HQRC rc;
    for (rc = first(); rc.code == 0; rc = object.listNext())
        names.push_back(object.getName());
    EXPECT_TRUE(DIRBase::isNotFound(rc)) << rc.location.toMultiByte();
    return names;
}

// The names of the members of a relation collection.
template <class T> Names members(RelationCollection<T>* collection) {
    Names names;
    HQRC rc;
    EXPECT_NE(collection, nullptr);
    if (collection == nullptr)
        return names;
    for (T* member = collection->getFirst(rc); member != nullptr; member = collection->getNext(rc))
        names.push_back(member->getName());
    EXPECT_EQ(rc.code, 0) << rc.location.toMultiByte();
    return names;
}

const std::wstring kPriceStar = L"Price star (weekly) – O'Hara's Ström";
} // namespace

using StarSchemas = SampleWarehouse;

TEST_F(StarSchemas, RetrievedByNameWithFieldsDatabaseTablesAndLinks) {
    StarSchema schema;
    ASSERT_EQ(schema.retrieve(L"Sales star").code, 0);
    EXPECT_EQ(schema.getId().toString(), L"0000001901");
    EXPECT_EQ(schema.fields().contact, L"BI team");
    EXPECT_EQ(schema.fields().hostdbname, L"WHSDSN");
    HQRC rc;
    EXPECT_EQ(schema.getLongDescription(rc),
              L"Sales fact with the customer and product dimensions.");

    InformationResource* database = schema.getInformationResource(rc);
    ASSERT_NE(database, nullptr) << rc.location.toMultiByte();
    EXPECT_EQ(database->getName(), L"WAREHOUSE");
    EXPECT_EQ(members(schema.getDataResourceList(rc)).size(), 3u);
    EXPECT_EQ(members(schema.getAttributeLinkList(rc)).size(), 7u);

    // A schema without tables, links or database.
    ASSERT_EQ(schema.retrieve(L"Empty star").code, 0);
    EXPECT_EQ(schema.getInformationResource(rc), nullptr);
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(members(schema.getDataResourceList(rc)), Names{});
    EXPECT_EQ(members(schema.getAttributeLinkList(rc)), Names{});
    EXPECT_EQ(schema.getLongDescription(rc), L"");
    EXPECT_EQ(schema.fields().contact, L"");

    // A name that does not exist names the class and the name.
    const HQRC missing = schema.retrieve(L"No such star");
    EXPECT_TRUE(DIRBase::isNotFound(missing));
    EXPECT_EQ(missing.location, L"StarSchema::retrieve");
    EXPECT_EQ(missing.token1, L"StarSchema");
    EXPECT_EQ(missing.token2, L"No such star");
}

TEST_F(StarSchemas, ListConditionsSelectTheirSchemas) {
    StarSchema schema;
    EXPECT_EQ(listed(schema, [&] { return schema.listFirst(); }).size(), 3u);
    // NULL and empty host database names are both left out.
    EXPECT_EQ(listed(schema, [&] { return schema.listFirstOneDatabase(); }), Names{L"Sales star"});
    // The product dimension belongs to two schemas, the source customers to none.
    EXPECT_EQ(listed(schema, [&] { return schema.listFirstByDR(id("0000000205")); }),
              (Names{L"Sales star", kPriceStar}));
    EXPECT_EQ(listed(schema, [&] { return schema.listFirstByDR(id("0000000201")); }), Names{});

    DataResource table;
    EXPECT_EQ(listed(table, [&] { return table.listFirstStarSchema(id("0000001902")); }),
              (Names{L"SALES.ORDERS", L"prices.csv", L"WHS.PRODUCT_DIM"}));
    // Links in the order they were last stored, not in identifier order.
    AttributeLink link;
    const Names links = listed(link, [&] { return link.listFirstStarSchema(id("0000001902")); });
    EXPECT_EQ(links, (Names{L"Price check (first column lost)", L"ITEM = ITEM ('prices.csv')"}));
}

TEST_F(StarSchemas, CubesOfAStep) {
    OLAPCube cube;
    ASSERT_EQ(cube.retrieve(L"Sales cube").code, 0);
    EXPECT_EQ(cube.fields().contact, L"BI team");
    EXPECT_EQ(listed(cube, [&] { return cube.listFirstByBV(id("0000001002")); }),
              Names{L"Sales cube"});
    EXPECT_EQ(listed(cube, [&] { return cube.listFirstByBV(id("0000001001")); }), Names{});
    EXPECT_EQ(listed(cube, [&] { return cube.listFirst(); }), Names{L"Sales cube"});
    EXPECT_TRUE(DIRBase::isNotFound(cube.retrieve(L"Sales star")));
}

TEST_F(StarSchemas, SettersRefuseTextsLongerThanTheirColumns) {
    StarSchema schema;
    EXPECT_EQ(schema.setContact(std::wstring(64, L'ö')).code, 0);
    EXPECT_EQ(schema.setContact(std::wstring(65, L'c')).code, kDirTooLong);
    EXPECT_EQ(schema.fields().contact, std::wstring(64, L'ö'));
    EXPECT_EQ(schema.setHostDatabaseName(std::wstring(110, L'h')).code, 0);
    EXPECT_EQ(schema.setHostDatabaseName(std::wstring(111, L'h')).code, kDirTooLong);
    OLAPCube cube;
    EXPECT_EQ(cube.setContact(std::wstring(65, L'c')).code, kDirTooLong);
}
