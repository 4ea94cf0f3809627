// The object-type and relation tables as the classes use them: each class
// the type table names carries its own type, each relation collection stands
// on a side of its relation whose type is its owner's, and a relation kept by
// two classes has a collection on both sides (so that a member can be tied
// back to its owner).
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <utility>

#include "dictionary/dir_base.h"
#include "dictionary/relation_collection.h"

namespace {
std::string nameOf(DIRObjectType type) {
    return objectTypeToString(type).toMultiByte();
}

std::string nameOf(const Relation& relation) {
    return HQSTRING(relation.name).toMultiByte();
}

// Relations whose collection only the class on one side keeps.
bool keptOnOneSideOnly(const Relation& relation) {
    return &relation == &rel::BV_TO_OLAPCube || &relation == &rel::StarSchema_TO_IR;
}
} // namespace

TEST(ObjectTypeTable, EachClassCarriesItsOwnType) {
    int classes = 0;
    for (int32_t number = 0; number <= 32; ++number) {
        const auto type = static_cast<DIRObjectType>(number);
        const std::unique_ptr<DIRBase> object = DIRBase::makeObject(type);
        if (object == nullptr)
            continue;
        ++classes;
        EXPECT_EQ(object->getObjectType(), type) << nameOf(type);
        EXPECT_EQ(object->getState(), 0) << nameOf(type);
    }
    EXPECT_GE(classes, 12);
    EXPECT_EQ(DIRBase::makeObject(DIRObjectType::None), nullptr);
    EXPECT_EQ(DIRBase::makeObject(static_cast<DIRObjectType>(33)), nullptr);

    // A type without a class cannot be materialised.
    HQRC rc;
    EXPECT_EQ(DIRBase::retrieveIdBase(DIRId(), DIRObjectType::PIN, rc), nullptr);
    EXPECT_EQ(rc.code, 99);
    EXPECT_EQ(rc.token1, L"PIN");
}

TEST(RelationTable, NamesAreUniqueAndFoundAgain) {
    std::set<std::wstring_view> names;
    for (const Relation* relation : rel::all) {
        EXPECT_TRUE(names.insert(relation->name).second) << nameOf(*relation);
        EXPECT_LE(relation->name.size(), 20u) << nameOf(*relation);
        EXPECT_EQ(rel::byName(relation->name), relation);
    }
    EXPECT_EQ(std::size(rel::all), 68u);
    EXPECT_EQ(rel::byName(L"ir_to_dr_rel"), nullptr);
}

TEST(RelationTable, CollectionsStandOnTheirOwnersSideAndAreKeptOnBoth) {
    for (int32_t number = 1; number <= 32; ++number) {
        const auto type = static_cast<DIRObjectType>(number);
        const std::unique_ptr<DIRBase> owner = DIRBase::makeObject(type);
        if (owner == nullptr)
            continue;
        std::set<std::pair<const Relation*, RelationSide>> seen;
        for (const RelationCollectionBase* collection : owner->getCollections()) {
            const Relation& relation = collection->relation();
            const std::string what = nameOf(type) + " " + nameOf(relation);
            EXPECT_TRUE(seen.emplace(&relation, collection->ownerSide()).second) << what;
            EXPECT_EQ(relation.typeOn(collection->ownerSide()), type) << what;
            EXPECT_EQ(owner->getCollection(relation, collection->ownerSide()), collection) << what;

            const std::unique_ptr<DIRBase> partner =
                DIRBase::makeObject(collection->getRelatedType());
            if (partner == nullptr || keptOnOneSideOnly(relation))
                continue;
            EXPECT_NE(partner->getCollection(relation, opposite(collection->ownerSide())), nullptr)
                << what << ": no collection on the side of "
                << nameOf(collection->getRelatedType());
        }
    }
}

TEST(RelationTable, WriteRulesNameCollectionsTheirClassKeeps) {
    int rules = 0;
    for (int32_t number = 1; number <= 32; ++number) {
        const auto type = static_cast<DIRObjectType>(number);
        const std::unique_ptr<DIRBase> owner = DIRBase::makeObject(type);
        if (owner == nullptr)
            continue;
        const ClassInfo& info = owner->classInfo();
        for (const auto& ends : {info.inUseBy, info.dependents}) {
            for (const RelationEnd& end : ends) {
                ++rules;
                EXPECT_NE(owner->getCollection(*end.relation, end.side), nullptr)
                    << nameOf(type) << " " << nameOf(*end.relation);
            }
        }
        // What belongs to an object has it as its only partner.
        for (const RelationEnd& end : info.dependents)
            EXPECT_EQ(end.relation->partnersOf(opposite(end.side)), Cardinality::Single)
                << nameOf(type) << " " << nameOf(*end.relation);
    }
    EXPECT_GT(rules, 15);
}
