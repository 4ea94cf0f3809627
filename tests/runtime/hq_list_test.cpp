// HQLIST and HQSortedPtrVector: order, lookup by the objects' equality, stable
// element addresses, and the sorted vector's search over runs of equal objects.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/hq_list.h"

namespace {
struct Item {
    std::string name;
    int rank;
    bool operator==(const Item& o) const { return name == o.name; }
    bool operator<(const Item& o) const { return rank < o.rank; }
};
} // namespace

TEST(HqList, ValuesKeepOrderAndAddressesWhileGrowing) {
    HQLIST<Item> list;
    list.append({"a", 1});
    Item* first = &list.at(0);
    for (int i = 0; i < 1000; ++i)
        list.append({"x" + std::to_string(i), i});
    EXPECT_EQ(first, &list.at(0)); // still valid after growth
    EXPECT_EQ(list.entries(), 1001u);
    EXPECT_EQ(list.at(500).name, "x499");
    ASSERT_NE(list.find(Item{"x10", 0}), nullptr);
    EXPECT_EQ(list.find(Item{"x10", 0})->rank, 10);
    EXPECT_EQ(list.find(Item{"zz", 0}), nullptr);
    EXPECT_TRUE(list.remove(Item{"a", 0}));
    EXPECT_FALSE(list.remove(Item{"a", 0}));
    EXPECT_EQ(list.first().name, "x0");
    list.clear();
    EXPECT_TRUE(list.isEmpty());
}

TEST(HqList, PointerListsCompareTheObjects) {
    Item a{"a", 1}, b{"b", 2};
    HQLIST<Item*> borrowed;
    borrowed.append(&a);
    borrowed.append(&b);
    EXPECT_EQ(borrowed.index(Item{"b", 0}), 1u);
    EXPECT_EQ(borrowed.index(&a), 0u); // pointer identity when given a pointer

    HQLIST<std::unique_ptr<Item>> owned;
    owned.append(std::make_unique<Item>(Item{"c", 3}));
    owned.append(std::make_unique<Item>(Item{"d", 4}));
    EXPECT_EQ((*owned.find(Item{"d", 0}))->rank, 4);
    owned.removeAt(0);
    EXPECT_EQ(owned.entries(), 1u);
}

TEST(HqSortedPtrVector, KeepsAscendingOrderAndFindsRunsOfEqualObjects) {
    std::vector<Item> items = {{"e", 5}, {"b", 2}, {"c2", 3}, {"a", 1}, {"c1", 3}, {"c3", 3}};
    HQSortedPtrVector<Item> sorted;
    for (Item& i : items)
        sorted.insert(&i);
    std::string order;
    for (const Item* i : sorted)
        order += i->name + " ";
    EXPECT_EQ(order, "a b c2 c1 c3 e "); // equal ranks keep their insertion order
    EXPECT_EQ(sorted.index(Item{"", 3}), 2u);
    EXPECT_EQ(sorted.span(Item{"", 3}), (std::pair<size_t, size_t>{2, 5}));
    EXPECT_EQ(sorted.occurrencesOf(Item{"", 3}), 3u);
    EXPECT_EQ(sorted.occurrencesOf(Item{"", 4}), 0u);
    EXPECT_EQ(sorted.index(Item{"", 9}), HQSortedPtrVector<Item>::npos);
    EXPECT_TRUE(sorted.remove(Item{"", 3}));
    EXPECT_EQ(sorted[2]->name, "c1");
    EXPECT_EQ(sorted.entries(), 5u);
}
