// Tests of what a read snapshot keeps: fetched buffers as bytes and back, the
// byte budget of the kept rows, the relationship table read whole, and rows
// answered from the store exactly as the table gives them.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/control_database.h"
#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "dictionary/snapshot_store.h"
#include "runtime/fetched_value.h"
#include "tests/dictionary/sample_warehouse_fixture.h"

namespace {

TEST(FetchedBufferImage, RoundTripsLengthWordsAndTheBytesAReaderSees) {
    std::string image;
    fetched::saveBuffer(image, 5, "hello");
    fetched::saveBuffer(image, SQL_NULL_DATA, "");
    fetched::saveBuffer(image, SQL_NO_TOTAL, "cut");
    const SQLLEN wide = static_cast<SQLLEN>(INT64_C(5000000000));
    fetched::saveBuffer(image, wide, std::string_view("a\0b", 3));

    std::string_view rest = image;
    char buffer[8];
    SQLLEN length = 0;
    std::memset(buffer, 'x', sizeof buffer);
    ASSERT_TRUE(fetched::restoreBuffer(rest, length, buffer, sizeof buffer));
    EXPECT_EQ(length, 5);
    EXPECT_STREQ(buffer, "hello"); // a terminator follows the bytes
    ASSERT_TRUE(fetched::restoreBuffer(rest, length, buffer, sizeof buffer));
    EXPECT_EQ(length, SQL_NULL_DATA);
    ASSERT_TRUE(fetched::restoreBuffer(rest, length, buffer, sizeof buffer));
    EXPECT_EQ(length, SQL_NO_TOTAL);
    ASSERT_TRUE(fetched::restoreBuffer(rest, length, buffer, sizeof buffer));
    EXPECT_EQ(length, wide);
    EXPECT_EQ(std::string(buffer, 3), std::string("a\0b", 3));
    EXPECT_TRUE(rest.empty());
    // Nothing more to read.
    EXPECT_FALSE(fetched::restoreBuffer(rest, length, buffer, sizeof buffer));
}

TEST(FetchedBufferImage, RefusesBytesThatDoNotFitAndCutImages) {
    std::string image;
    fetched::saveBuffer(image, 9, "123456789");
    std::string_view rest = image;
    char small[4];
    SQLLEN length = 0;
    EXPECT_FALSE(fetched::restoreBuffer(rest, length, small, sizeof small));
    std::string_view cut = std::string_view(image).substr(0, image.size() - 1);
    char room[16];
    EXPECT_FALSE(fetched::restoreBuffer(cut, length, room, sizeof room));
}

// A kept row restored into the buffer an earlier, longer row was restored
// into reads as it would from a buffer of its own.
TEST(RestoreBuffer, AReusedBufferReadsAsAFreshOne) {
    static const ColumnDesc layout[] = {{L"label", ColumnKind::Text, 21},
                                        {L"payload", ColumnKind::Binary, 8},
                                        {L"count", ColumnKind::Int32, 0}};
    const auto image = [](SQLLEN textLength, std::string_view text, SQLLEN binaryLength,
                          std::string_view binary, std::string_view number) {
        std::string bytes;
        fetched::saveBuffer(bytes, textLength, text);
        fetched::saveBuffer(bytes, binaryLength, binary);
        fetched::saveBuffer(bytes, static_cast<SQLLEN>(number.size()), number);
        return bytes;
    };
    const std::string longer = image(20, "a label of twenty ch", 8, "12345678", "-2147483648");
    const std::string shorter = image(2, "ab", SQL_NULL_DATA, "", "7");

    controldb::SnapshotStore store;
    const NameLimits limits;
    ColumnBuffer& reused = store.restoreBuffer(layout, limits);
    std::string_view rest = longer;
    ASSERT_TRUE(reused.restoreFrom(rest));
    EXPECT_EQ(reused.bytes(0), "a label of twenty ch");
    EXPECT_EQ(&store.restoreBuffer(layout, limits), &reused);
    rest = shorter;
    ASSERT_TRUE(reused.restoreFrom(rest));

    ColumnBuffer fresh(layout, limits);
    rest = shorter;
    ASSERT_TRUE(fresh.restoreFrom(rest));
    for (size_t i = 0; i < fresh.count(); ++i) {
        EXPECT_EQ(reused.isNull(i), fresh.isNull(i)) << i;
        EXPECT_EQ(reused.bytes(i), fresh.bytes(i)) << i;
        EXPECT_EQ(reused.misfit(i), fresh.misfit(i)) << i;
    }
    EXPECT_EQ(reused.bytes(0), "ab");
    EXPECT_TRUE(reused.isNull(1));
    EXPECT_EQ(reused.int32(2), 7);
}

TEST(BoundedCache, LetsTheOldestGoOnceTheBudgetIsSpent) {
    controldb::BoundedCache<int, std::string> cache(100);
    cache.put(1, "one", 40);
    cache.put(2, "two", 40);
    EXPECT_EQ(cache.bytes(), 80u);
    cache.put(3, "three", 40); // 120 > 100: the oldest goes
    EXPECT_EQ(cache.find(1), nullptr);
    ASSERT_NE(cache.find(2), nullptr);
    EXPECT_EQ(*cache.find(3), "three");
    EXPECT_EQ(cache.bytes(), 80u);
    // Replacing a key counts its new cost only, and makes it the newest.
    cache.put(2, "TWO", 10);
    EXPECT_EQ(cache.bytes(), 50u);
    cache.put(4, "four", 60); // 110: entry 3 is now the oldest
    EXPECT_EQ(cache.find(3), nullptr);
    EXPECT_EQ(*cache.find(2), "TWO");
    // One entry larger than the whole budget is still kept, alone.
    cache.put(5, "big", 500);
    EXPECT_EQ(cache.size(), 1u);
    EXPECT_EQ(*cache.find(5), "big");
    cache.erase(5);
    EXPECT_EQ(cache.bytes(), 0u);
    EXPECT_EQ(cache.find(5), nullptr);
}

TEST(BoundedCache, ATakenOrReplacedEntryNeverCostsANewerOneItsPlace) {
    controldb::BoundedCache<int, std::string> cache(100);
    cache.put(1, "one", 40);
    cache.put(2, "two", 40);
    EXPECT_EQ(cache.take(1), std::optional<std::string>("one"));
    EXPECT_EQ(cache.take(1), std::nullopt);
    EXPECT_EQ(cache.bytes(), 40u);
    // 1 comes back as the newest: 2 is the oldest now.
    cache.put(1, "one again", 40);
    cache.put(3, "three", 40);
    EXPECT_EQ(cache.find(2), nullptr);
    EXPECT_EQ(*cache.find(1), "one again");
    EXPECT_EQ(*cache.find(3), "three");
    // Many puts and takes of other keys leave the order right: the oldest
    // kept entry goes first, whatever was taken in between.
    for (int i = 10; i < 5000; ++i) {
        cache.put(i, "x", 1);
        EXPECT_EQ(cache.take(i), std::optional<std::string>("x"));
    }
    cache.put(4, "four", 40);
    EXPECT_EQ(cache.find(1), nullptr);
    EXPECT_EQ(*cache.find(3), "three");
    EXPECT_EQ(*cache.find(4), "four");
    EXPECT_EQ(cache.size(), 2u);
}

class SnapshotStoreTest : public SampleWarehouse {
protected:
    void TearDown() override {
        snapshot_.end();
        SampleWarehouse::TearDown();
    }
    controldb::ReadSnapshot snapshot_;
};

std::vector<std::string> texts(const std::vector<DIRId>& ids) {
    std::vector<std::string> out;
    for (const DIRId& id : ids)
        out.push_back(std::string(id.data(), DIRId::kLength));
    return out;
}

TEST_F(SnapshotStoreTest, RelationRowsAnswerFromEitherSideInIdentifierOrder) {
    controldb::RelationRows rows;
    ASSERT_EQ(rows.load().code, 0);
    ASSERT_TRUE(rows.isKept());
    std::vector<DIRId> tables;
    ASSERT_TRUE(rows.related(rel::IR_TO_DR_Rel, RelationSide::Source, id("0000000103"), tables));
    EXPECT_EQ(texts(tables),
              (std::vector<std::string>{"0000000204", "0000000205", "0000000206", "0000000207"}));
    std::vector<DIRId> databases;
    ASSERT_TRUE(rows.related(rel::IR_TO_DR_Rel, RelationSide::Target, id("0000000202"), databases));
    EXPECT_EQ(texts(databases), std::vector<std::string>{"0000000101"});
    std::vector<DIRId> none;
    ASSERT_TRUE(rows.related(rel::IR_TO_DR_Rel, RelationSide::Source, id("0000009999"), none));
    EXPECT_TRUE(none.empty());

    // A table larger than the limit is not kept at all.
    controldb::RelationRows limited;
    ASSERT_EQ(limited.load(10).code, 0);
    EXPECT_FALSE(limited.isKept());
    EXPECT_FALSE(limited.related(rel::IR_TO_DR_Rel, RelationSide::Source, id("0000000103"), none));
}

// Identifiers are ordered as the database orders their bytes, unsigned,
// whichever byte they differ in.
TEST_F(SnapshotStoreTest, RelationRowsOrderIdentifiersByTheirBytes) {
    const std::string high = "0000000\xC3\xA9"
                             "0"; // a byte above 0x7F among the first eight
    for (const std::string& target : {std::string("Z000000000"), std::string("0000001000"), high,
                                      std::string("000000000A"), std::string("0000000009")})
        exec("INSERT INTO RELATIONSHIP (relation_name, source_qrtid, target_qrtid) "
             "VALUES ('IR_TO_DR_Rel', '0000000999', '" +
             target + "');");
    controldb::RelationRows rows;
    ASSERT_EQ(rows.load().code, 0);
    std::vector<DIRId> targets;
    ASSERT_TRUE(rows.related(rel::IR_TO_DR_Rel, RelationSide::Source, id("0000000999"), targets));
    EXPECT_EQ(texts(targets), (std::vector<std::string>{"0000000009", "000000000A", high,
                                                        "0000001000", "Z000000000"}));
    std::vector<DIRId> sources;
    ASSERT_TRUE(rows.related(rel::IR_TO_DR_Rel, RelationSide::Target, DIRId(std::string_view(high)),
                             sources));
    EXPECT_EQ(texts(sources), std::vector<std::string>{"0000000999"});
}

TEST_F(SnapshotStoreTest, AnIdentifierTheTableComparesOtherwiseLeavesItsRelationToTheTable) {
    exec("INSERT INTO RELATIONSHIP (relation_name, source_qrtid, target_qrtid) "
         "VALUES ('IR_TO_DR_Rel', '0000000103', 'SHORT');");
    controldb::RelationRows rows;
    ASSERT_EQ(rows.load().code, 0);
    std::vector<DIRId> out;
    EXPECT_FALSE(rows.related(rel::IR_TO_DR_Rel, RelationSide::Source, id("0000000103"), out));
    // Other relations are still answered.
    EXPECT_TRUE(rows.related(rel::DR_TO_Attr_Rel, RelationSide::Source, id("0000000201"), out));
    EXPECT_EQ(out.size(), 4u);
}

// Tables walked inside a snapshot come from kept rows: the same fields as
// outside it, and a row changed behind the program's back after the walk
// read ahead is not seen.
TEST_F(SnapshotStoreTest, WalkedMembersComeFromKeptRowsWithTheSameContent) {
    const auto walk = [] {
        InformationResource database;
        EXPECT_EQ(database.retrieve(L"WAREHOUSE").code, 0);
        HQRC rc;
        std::vector<std::wstring> seen;
        RelationCollection<DataResource>& list = *database.getDataResourceList(rc);
        for (DataResource* t = list.getFirst(rc); t != nullptr; t = list.getNext(rc))
            seen.push_back(std::wstring(t->getName()) + L"|" +
                           std::wstring(t->getShortDescription()) + L"|" +
                           std::to_wstring(t->getUpdateTs().get_Stamp()));
        EXPECT_EQ(rc.code, 0);
        return seen;
    };
    // In WAL mode a writer commits beside the open read transaction.
    exec("PRAGMA journal_mode=WAL;");
    const std::vector<std::wstring> outside = walk();
    ASSERT_EQ(outside.size(), 4u);
    ASSERT_EQ(snapshot_.begin().code, 0);
    ASSERT_NE(controldb::SnapshotStore::active(), nullptr);
    EXPECT_EQ(walk(), outside);
    exec("UPDATE DataResource SET short_description = 'changed' WHERE qrtid = '0000000205';");
    EXPECT_EQ(walk(), outside);
    ASSERT_EQ(snapshot_.end().code, 0);
    EXPECT_EQ(controldb::SnapshotStore::active(), nullptr);
    EXPECT_NE(walk(), outside);
}

} // namespace
