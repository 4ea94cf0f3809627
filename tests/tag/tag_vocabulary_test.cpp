// Tests of the tag vocabulary tables and lookups.
#include <gtest/gtest.h>

#include <set>

#include "export/tag_vocabulary.h"

namespace {

TEST(NameNType, TableHoldsTheRowsInOrder) {
    ASSERT_EQ(NameNType::objMap.size(), 28u);
    EXPECT_EQ(NameNType::objMap.front().name, L"QRTSAVU");
    EXPECT_EQ(NameNType::objMap.front().number, 1);
    EXPECT_EQ(NameNType::objMap[19].name, L"INFOGRPS");
    EXPECT_EQ(NameNType::objMap[19].number, 26);
    EXPECT_EQ(NameNType::objMap[26].name, L"OLAPCUBE");
    EXPECT_EQ(NameNType::objMap.back().name, L"PROGRAMS");
    EXPECT_EQ(NameNType::objMap.back().number, 0);
    for (const auto& row : NameNType::objMap)
        EXPECT_LE(row.name.size(), 8u) << HQSTRING(row.name).toMultiByte();
}

TEST(NameNType, TypeFiveHasFourNamesAndTheFirstWins) {
    EXPECT_EQ(NameNType::objTypeToTypeName(5), L"TABLES");
    for (const wchar_t* name : {L"TABLES", L"QSAFTABL", L"HDXTABLE", L"BLOBTABL"})
        EXPECT_EQ(NameNType::objTypeFromTypeName(name), 5);
}

TEST(NameNType, NumbersWithoutRowsAndUnknownNames) {
    EXPECT_EQ(NameNType::objTypeToTypeName(0), L"PROGRAMS");
    EXPECT_EQ(NameNType::objTypeFromTypeName(L"NOSUCH"), 0);
    EXPECT_EQ(NameNType::objTypeFromTypeName(L"tables"), 0);
    EXPECT_EQ(NameNType::objTypeFromTypeName(L"TABLES "), 0);
    for (int32_t missing : {10, 11, 14, 20, 21, 22, 27, 28, 33, -1, 129})
        EXPECT_EQ(NameNType::objTypeToTypeName(missing), L"None") << missing;
}

TEST(NameNType, EveryNameMapsBackToItsNumber) {
    for (const auto& row : NameNType::objMap)
        EXPECT_EQ(NameNType::objTypeFromTypeName(HQSTRING(row.name)), row.number);
    EXPECT_EQ(NameNType::objTypeToTypeName(26), L"INFOGRPS");
    EXPECT_EQ(NameNType::objTypeToTypeName(29), L"PROCESS");
    EXPECT_EQ(NameNType::objTypeToTypeName(12), L"QRTAGENT");
}

TEST(NameNType2, TableAndLookups) {
    ASSERT_EQ(NameNType2::objMap2.size(), 20u);
    EXPECT_EQ(NameNType2::objMap2[4].name, L"MAPINCOL");
    EXPECT_EQ(NameNType2::objMap2.back().name, L"BVNTFYSG");
    std::set<int32_t> numbers;
    for (const auto& row : NameNType2::objMap2) {
        numbers.insert(row.number);
        EXPECT_EQ(NameNType2::relobjTypeFromTypeName(HQSTRING(row.name)), row.number);
        EXPECT_EQ(NameNType2::relobjTypeToTypeName(row.number), row.name);
    }
    EXPECT_EQ(numbers.size(), 20u);
    EXPECT_EQ(*numbers.begin(), 129);
    EXPECT_EQ(*numbers.rbegin(), 148);

    EXPECT_EQ(NameNType2::relobjTypeToTypeName(129), L"BVPARENT");
    EXPECT_EQ(NameNType2::relobjTypeFromTypeName(L"bvparent"), 128);
    EXPECT_EQ(NameNType2::relobjTypeToTypeName(128), L"None");
    EXPECT_EQ(NameNType2::relobjTypeToTypeName(149), L"None");
}

TEST(NameNType2, SourceObjectTypeOfRelationTypes) {
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(136), 1);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(128), 0);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(137), 8);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(140), 7);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(142), 15);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(143), 25);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(148), 29);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(5), 0);
}

TEST(TagConstants, SpellingOfWordsThatDifferFromTheirNames) {
    EXPECT_EQ(table_tag, L"TABLES");
    EXPECT_EQ(qrtsubj_tag, L"QRTSUBJ");
    EXPECT_EQ(DIRBname_key, L"NAME");
    EXPECT_EQ(schdow_key, L"SCHDAYOW");
    EXPECT_EQ(schmoy_key, L"SCHMONOY");
    EXPECT_EQ(qrtaving_key, L"QRTAVING");
    EXPECT_EQ(Y_key, L"Y");
    EXPECT_EQ(r_parenSpace, L") ");
}

} // namespace
