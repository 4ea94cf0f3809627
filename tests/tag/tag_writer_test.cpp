// Tests of the tag file and its framing, against golden files.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "export/export_error.h"
#include "export/tag_vocabulary.h"
#include "export/tag_writer.h"
#include "tests/tag/tag_test_support.h"

namespace {

using tagtest::golden;
using tagtest::maskTimeStamps;
using tagtest::readFile;

class TagWriter : public tagtest::WorkFolderTest {
protected:
    // Closes the tag file and returns its content.
    std::string finish(const std::string& name = "out.tag") {
        Tag_File::clean_up();
        return readFile(folder / name);
    }

    static Euit_ParmList tableKeys() {
        Euit_ParmList keys;
        HQSTRING table = L"ORDERS(2)";
        wrap_parens(table);
        keys.insertElem(HQSTRING(dbname_key), L"SALES");
        keys.insertElem(HQSTRING(owner_key), L"DBO");
        keys.insertElem(HQSTRING(tables_key), table);
        return keys;
    }
    static Euit_ParmList columnKeys() {
        Euit_ParmList keys = tableKeys();
        keys.insertElem(HQSTRING(columns_key), L"AMOUNT");
        return keys;
    }
};

TEST_F(TagWriter, HeaderAndFooter) {
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    EXPECT_EQ(export_header(L"CONTROLDB").code, 0);
    export_objtype();
    export_footer();
    EXPECT_EQ(maskTimeStamps(finish()), golden("header_footer.tag"));
}

TEST_F(TagWriter, ObjectRecord) {
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    export_objHeader(4);
    write_property(DIRBname_key, L"SALES");
    HQSTRING text = L"Sales (main) database";
    wrap_parens(text);
    write_property(shrtdesc_key, text);
    write_property(iswh_key, Y_key);
    export_objFooter(4);
    Tag_File::write_chkpid();
    EXPECT_EQ(finish(), golden("object_record.tag"));
}

TEST_F(TagWriter, RelationRecordsWithWrappedKeys) {
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    export_relation(5, tableKeys(), 6, columnKeys(), 1);
    Euit_ParmList db;
    db.insertElem(HQSTRING(DIRBname_key), L"SALES");
    export_relation(4, db, 12, Euit_ParmList(), 0);
    EXPECT_EQ(finish(), golden("relation_record.tag"));
}

TEST_F(TagWriter, RelationInstance) {
    Euit_ParmList step;
    step.insertElem(HQSTRING(DIRBname_key), L"LOAD'('1')'");
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    export_relinstance(NameNType2::BVInpTbl, step);
    export_relation(1, step, NameNType2::BVInpTbl, step, 1);
    export_relation(NameNType2::BVInpTbl, step, 5, tableKeys(), 1);
    EXPECT_EQ(finish(), golden("relation_instance.tag"));
}

TEST_F(TagWriter, TypeNamesOfRelationTypesAndUnknownNumbers) {
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    export_objHeader(129);
    export_objFooter(10);
    const std::string text = finish();
    EXPECT_NE(text.find(":OBJECT.TYPE(BVPARENT)\n"), std::string::npos);
    EXPECT_NE(text.find(":COMMENT.  End None Instance\n"), std::string::npos);
}

TEST_F(TagWriter, UnknownRelationSideThrows13105AndWritesNothing) {
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    for (const auto& [source, target] : {std::pair{5, 10}, std::pair{128, 5}, std::pair{-1, 4}}) {
        try {
            export_relation(source, Euit_ParmList(), target, Euit_ParmList(), 1);
            ADD_FAILURE() << "no exception for " << source << " -> " << target;
        } catch (const HQRC& rc) {
            EXPECT_EQ(rc.code, 13105);
            EXPECT_EQ(rc.domain, DomainExport);
            EXPECT_EQ(rc.location, L"export_relation");
            EXPECT_EQ(rc.commandLine, L"TAGXOBJ");
        }
    }
    EXPECT_EQ(finish(), "");
}

TEST_F(TagWriter, CheckpointsStartAt151AndRestartOnInit) {
    ASSERT_EQ(Tag_File::init("first.tag").code, 0);
    Tag_File::write_chkpid();
    Tag_File::write_chkpid();
    ASSERT_EQ(Tag_File::init("second.tag").code, 0); // closes the first
    Tag_File::write_chkpid();
    Tag_File::clean_up();
    EXPECT_EQ(readFile(folder / "first.tag"), golden("checkpoints_first.tag"));
    EXPECT_EQ(readFile(folder / "second.tag"), ":COMMIT.CHKPID(151)\n");
}

TEST_F(TagWriter, WritesWithoutAnOpenFileDoNothing) {
    Tag_File::clean_up();
    Tag_File::write_line(L"lost");
    Tag_File::write_chkpid();
    export_footer();
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    Tag_File::write_chkpid();
    Tag_File::clean_up();
    Tag_File::write_line(L"after close");
    export_objHeader(4);
    EXPECT_EQ(readFile(folder / "out.tag"), ":COMMIT.CHKPID(151)\n");
}

TEST_F(TagWriter, InitFailureAndOverlongNames) {
    Tag_File::blob_id = 7;
    HQRC rc = Tag_File::init("no/such/folder/out.tag");
    EXPECT_EQ(rc.code, 13001);
    EXPECT_EQ(rc.nativeCode, 0);
    EXPECT_EQ(rc.domain, DomainExport);
    EXPECT_EQ(rc.location, L"Tag_File::init");
    EXPECT_EQ(rc.commandLine, L"TAGXOBJ");
    EXPECT_EQ(Tag_File::blob_id, 0) << "the side-file counter is reset before the open";
    EXPECT_FALSE(Tag_File::is_open());

    const std::string longest = std::string(123, 'n') + ".tag"; // 127 bytes
    rc = Tag_File::init(longest);
    EXPECT_EQ(rc.code, 0);
    EXPECT_EQ(Tag_File::fn_len, 127);
    EXPECT_EQ(std::string(Tag_File::fn.data()), longest);
    Tag_File::clean_up();

    const std::string tooLong = "x" + longest; // 128 bytes: refused, not truncated
    rc = Tag_File::init(tooLong);
    EXPECT_EQ(rc.code, 13001);
    EXPECT_FALSE(Tag_File::is_open());
    EXPECT_FALSE(std::filesystem::exists(folder / tooLong));
    EXPECT_FALSE(std::filesystem::exists(folder / tooLong.substr(0, 127)));
}

TEST_F(TagWriter, SideFileNamesReplaceEverythingAfterTheFirstDot) {
    ASSERT_EQ(Tag_File::init("a.b.tag").code, 0);
    EXPECT_STREQ(Tag_File::next_blob_filename(), "a.1");
    EXPECT_STREQ(Tag_File::next_blob_filename(), "a.2");
    EXPECT_EQ(Tag_File::blob_id, 2);
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    EXPECT_STREQ(Tag_File::next_blob_filename(), "out.1");
}

TEST_F(TagWriter, LinesLeaveInTheMultibyteForm) {
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    Tag_File::write_line(L"K\u00f6ln \u6771");
    Tag_File::write_line(HQSTRING("raw \xff byte")); // undecodable byte kept as it was
    EXPECT_EQ(finish(), "K\xc3\xb6ln \xe6\x9d\xb1\nraw \xff byte\n");
}

TEST(TagTimeStamp, UtcDateAndLocalTime) {
    const std::time_t before = std::time(nullptr);
    const std::string stamp = tag_time_stamp().toMultiByte();
    const std::time_t after = std::time(nullptr);
    ASSERT_EQ(stamp.size(), 17u);
    auto format = [](std::time_t t, bool utc, const char* pattern) {
        std::tm parts{};
        if (utc)
            gmtime_r(&t, &parts);
        else
            localtime_r(&t, &parts);
        char buf[16];
        std::strftime(buf, sizeof buf, pattern, &parts);
        return std::string(buf);
    };
    const std::string date = stamp.substr(0, 8);
    EXPECT_TRUE(date == format(before, true, "%m/%d/%y") || date == format(after, true, "%m/%d/%y"))
        << stamp;
    EXPECT_EQ(stamp[8], ' ');
    const std::string time = stamp.substr(9);
    bool inRange = false;
    for (std::time_t t = before; t <= after; ++t)
        inRange = inRange || time == format(t, false, "%H:%M:%S");
    EXPECT_TRUE(inRange) << stamp;
}

} // namespace

// What is on disk while the file is open: everything up to the last
// checkpoint (or explicit flush), nothing of the record after it; a record
// beyond the block limit goes out before its checkpoint, in pieces of whole
// lines.
TEST_F(TagWriter, FileOnDiskEndsAtTheLastCheckpointUntilClosed) {
    ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    Tag_File::write_line(L"first record");
    EXPECT_EQ(readFile(folder / "out.tag"), "");
    Tag_File::write_chkpid();
    const std::string atCheckpoint = "first record\n:COMMIT.CHKPID(151)\n";
    EXPECT_EQ(readFile(folder / "out.tag"), atCheckpoint);
    Tag_File::write_line({L"second ", L"record \u00e9"});
    EXPECT_EQ(readFile(folder / "out.tag"), atCheckpoint);
    ASSERT_EQ(Tag_File::flush().code, 0);
    const std::string flushed = atCheckpoint + "second record \xc3\xa9\n";
    EXPECT_EQ(readFile(folder / "out.tag"), flushed);

    const std::wstring longLine(4096, L'x');
    size_t written = 0;
    while (written <= Tag_File::block_limit) {
        Tag_File::write_line(longLine);
        written += longLine.size() + 1;
    }
    const std::string onDisk = readFile(folder / "out.tag");
    EXPECT_EQ(onDisk.size(), flushed.size() + written);
    EXPECT_EQ(onDisk.back(), '\n');
    Tag_File::write_line(L"tail");
    EXPECT_EQ(finish(), onDisk + "tail\n");
}
