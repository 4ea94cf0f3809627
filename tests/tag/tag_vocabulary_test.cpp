// Tests of the tag vocabulary lookups.
#include <gtest/gtest.h>

#include "export/tag_vocabulary.h"

namespace {

TEST(NameNType, FirstRowWinsAndUnknownsFallBack) {
    EXPECT_EQ(NameNType::objTypeToTypeName(5), L"TABLES");
    for (const wchar_t* name : {L"TABLES", L"QSAFTABL", L"HDXTABLE", L"BLOBTABL"})
        EXPECT_EQ(NameNType::objTypeFromTypeName(name), 5);
    EXPECT_EQ(NameNType::objTypeToTypeName(0), L"PROGRAMS");
    EXPECT_EQ(NameNType::objTypeToTypeName(26), L"INFOGRPS");
    for (const wchar_t* unknown : {L"NOSUCH", L"tables", L"TABLES "})
        EXPECT_EQ(NameNType::objTypeFromTypeName(unknown), 0);
    for (int32_t missing : {10, 11, 14, 20, 21, 22, 27, 28, 33, -1, 129})
        EXPECT_EQ(NameNType::objTypeToTypeName(missing), L"None") << missing;
    ASSERT_EQ(NameNType::objMap.size(), 28u);
    for (const auto& row : NameNType::objMap)
        EXPECT_EQ(NameNType::objTypeFromTypeName(HQSTRING(row.name)), row.number);
}

TEST(NameNType2, RelationTypesAndTheirSourceTypes) {
    ASSERT_EQ(NameNType2::objMap2.size(), 20u);
    for (const auto& row : NameNType2::objMap2) {
        EXPECT_EQ(NameNType2::relobjTypeFromTypeName(HQSTRING(row.name)), row.number);
        EXPECT_EQ(NameNType2::relobjTypeToTypeName(row.number), row.name);
    }
    EXPECT_EQ(NameNType2::relobjTypeToTypeName(129), L"BVPARENT");
    EXPECT_EQ(NameNType2::relobjTypeToTypeName(136), L"BVNTFYSG");
    EXPECT_EQ(NameNType2::relobjTypeFromTypeName(L"bvparent"), 128);
    EXPECT_EQ(NameNType2::relobjTypeToTypeName(128), L"None");
    EXPECT_EQ(NameNType2::relobjTypeToTypeName(149), L"None");
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(136), 1);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(128), 0);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(137), 8);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(140), 7);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(142), 15);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(143), 25);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(148), 29);
    EXPECT_EQ(NameNType2::DIRBaseFromRelType(5), 0);
}

} // namespace
