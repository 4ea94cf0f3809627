// Copies a warehouse object by object through the object model: every object
// that a listing of its class's table or a relation collection reaches is
// read from the source control database together with its long texts, binary
// data and relation rows, and written into another control database by the
// write side (create with the identifiers and time stamps as read, then the
// relation rows through the collections, then the configuration settings).
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"
#include "runtime/configuration.h"
#include "tests/common/warehouse_builder.h"

namespace roundtrip {

// The relation row "source is related to target".
using RelationRow = std::tuple<const Relation*, std::string, std::string>;

// A warehouse held in memory: copies of its objects (content complete, not
// yet stored anywhere), its relation rows and its configuration settings.
struct WarehouseCopy {
    std::map<std::string, std::unique_ptr<DIRBase>> objects; // by identifier
    std::set<RelationRow> relations;
    std::vector<HQConfigurationElement> settings;
    size_t missing = 0; // relation rows naming no object, not copied
};

// The types whose table holds no other class's objects: every row of it is
// one object of the type.
inline std::vector<DIRObjectType> typesWithTablesOfTheirOwn() {
    std::map<std::wstring, std::vector<DIRObjectType>> byTable;
    for (int32_t number = 1; number <= 32; ++number) {
        const auto type = static_cast<DIRObjectType>(number);
        if (const std::unique_ptr<DIRBase> object = DIRBase::makeObject(type))
            byTable[object->classInfo().table].push_back(type);
    }
    std::vector<DIRObjectType> types;
    for (const auto& [table, kinds] : byTable)
        if (kinds.size() == 1)
            types.push_back(kinds.front());
    return types;
}

// Reads the warehouse of the connected control database.
inline WarehouseCopy readWarehouse() {
    WarehouseCopy copy;
    std::deque<std::unique_ptr<DIRBase>> pending;
    std::set<std::string> seen;
    const auto reach = [&](DIRObjectType type, const DIRId& id) {
        const std::string key(id.view());
        if (!seen.insert(key).second)
            return;
        HQRC rc;
        std::unique_ptr<DIRBase> object = DIRBase::retrieveIdBase(id, type, rc);
        if (DIRBase::isNotFound(rc)) {
            seen.erase(key);
            return;
        }
        EXPECT_EQ(rc.code, 0) << key << ": " << qrt_test::describe(rc);
        if (rc.code == 0)
            pending.push_back(std::move(object));
    };
    for (DIRObjectType type : typesWithTablesOfTheirOwn()) {
        const std::unique_ptr<DIRBase> cursor = DIRBase::makeObject(type);
        HQRC rc;
        std::vector<DIRId> ids;
        for (rc = cursor->listFirstAll(); rc.code == 0; rc = cursor->listNext())
            ids.push_back(cursor->getId());
        EXPECT_TRUE(DIRBase::isNotFound(rc)) << qrt_test::describe(rc);
        for (const DIRId& id : ids)
            reach(type, id);
    }
    while (!pending.empty()) {
        std::unique_ptr<DIRBase> object = std::move(pending.front());
        pending.pop_front();
        for (RelationCollectionBase* collection : object->getCollections()) {
            HQRC rc;
            for (RelationElement* e = collection->getFirstElement(rc); e != nullptr;
                 e = collection->getNextElement(rc)) {
                const std::string own(object->getId().view()), other(e->getId().view());
                const bool source = collection->ownerSide() == RelationSide::Source;
                copy.relations.emplace(&collection->relation(), source ? own : other,
                                       source ? other : own);
                reach(collection->getRelatedType(), e->getId());
            }
            EXPECT_EQ(rc.code, 0) << qrt_test::describe(rc);
        }
        std::unique_ptr<DIRBase> stored = DIRBase::makeObject(object->getObjectType());
        const HQRC rc = stored->copyFrom(*object);
        EXPECT_EQ(rc.code, 0) << qrt_test::describe(rc);
        copy.objects[std::string(object->getId().view())] = std::move(stored);
    }
    // Rows naming an object that does not exist cannot be made again.
    for (auto it = copy.relations.begin(); it != copy.relations.end();) {
        if (copy.objects.contains(std::get<1>(*it)) && copy.objects.contains(std::get<2>(*it))) {
            ++it;
        } else {
            ++copy.missing;
            it = copy.relations.erase(it);
        }
    }
    // The settings of the table, not those of the connection that the
    // configuration store adds itself.
    for (const HQConfigurationElement& e : HQConfiguration::getInstance().getListAll())
        if (!(e.component == ComponentEnum::DDD && (e.name == L"dbName" || e.name == L"prefix" ||
                                                    e.name == L"userid" || e.name == L"password")))
            copy.settings.push_back(e);
    return copy;
}

// Writes the warehouse into the connected (empty) control database.
inline void writeWarehouse(WarehouseCopy& copy) {
    qrt_test::WarehouseBuilder builder; // one transaction for everything
    for (auto& [id, object] : copy.objects) {
        const HQRC rc = object->create(DIRBase::Identity::AsHeld);
        ASSERT_EQ(rc.code, 0) << id << ": " << qrt_test::describe(rc);
    }
    for (const auto& [relation, source, target] : copy.relations) {
        const HQRC rc = copy.objects.at(source)->relate(*relation, RelationSide::Source,
                                                        *copy.objects.at(target));
        ASSERT_EQ(rc.code, 0) << HQSTRING(relation->name).toMultiByte() << " " << source << " "
                              << target << ": " << qrt_test::describe(rc);
    }
    for (const HQConfigurationElement& setting : copy.settings) {
        const HQRC rc = HQConfiguration::getInstance().storeNewVariable(setting);
        ASSERT_EQ(rc.code, 0) << qrt_test::describe(rc);
    }
    ASSERT_EQ(builder.finish().code, 0);
}

// Copies the warehouse of one control database into another, each given by
// its DSN and schema prefix.
inline WarehouseCopy copyWarehouse(const std::string& fromDsn, const std::string& fromPrefix,
                                   const std::string& toDsn, const std::string& toPrefix,
                                   const std::string& user = "", const std::string& password = "") {
    WarehouseCopy copy;
    HQRC rc = HQConfiguration::init(HQSTRING(fromDsn), HQSTRING(fromPrefix), HQSTRING(user),
                                    HQSTRING(password), 0);
    EXPECT_EQ(rc.code, 0) << qrt_test::describe(rc);
    if (rc.code == 0)
        copy = readWarehouse();
    HQConfiguration::terminate();
    HQConfiguration::clear();
    rc = HQConfiguration::init(HQSTRING(toDsn), HQSTRING(toPrefix), HQSTRING(user),
                               HQSTRING(password), 0);
    EXPECT_EQ(rc.code, 0) << qrt_test::describe(rc);
    if (rc.code == 0)
        writeWarehouse(copy);
    HQConfiguration::terminate();
    HQConfiguration::clear();
    return copy;
}

} // namespace roundtrip
