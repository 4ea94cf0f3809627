// Tests of the copying of metadata-type files into the tag file.
#include <gtest/gtest.h>

#include <string>

#include "export/metatype_export.h"
#include "tests/runtime/scoped_env.h"
#include "tests/tag/tag_test_support.h"

namespace {

using tagtest::readFile;
using tagtest::writeFile;

const std::string trailer = ":COMMENT." + std::string(60, '=') +
                            "\n:COMMENT.  End Object Type Definition\n:COMMENT." +
                            std::string(60, '=') + "\n";

class MetaType : public tagtest::WorkFolderTest {
protected:
    void SetUp() override {
        tagtest::WorkFolderTest::SetUp();
        std::filesystem::create_directories(folder / "ktl/types");
        ASSERT_EQ(Tag_File::init("out.tag").code, 0);
    }
    void typeFile(const std::string& name, const std::string& content) {
        writeFile(folder / "ktl/types" / name, content);
    }
    void allTypeFiles() {
        typeFile("qztnydat.typ", ":TYPE.DAT\n  A\n");
        typeFile("qztnytab.typ", ":TYPE.TAB\n");
        typeFile("qztnycol.typ", "");
        typeFile("qztnyhq0.ty1", ":TYPE.HQ0\n\n");
        typeFile("qztnyinf.typ", ":TYPE.INF\tx\n");
        typeFile("qztnyhq1.ty1", ":TYPE.HQ1 no line end");
    }
    std::string finish() {
        Tag_File::clean_up();
        return readFile(folder / "out.tag");
    }
    // Relative to the test folder: type-file paths must stay within 99 bytes.
    static std::string ktl() { return "ktl"; }
};

TEST_F(MetaType, CopiesTheSixFilesInOrderAndWritesTheTrailer) {
    allTypeFiles();
    ScopedEnv env("KTLPATH", ktl());
    EXPECT_EQ(export_metatype().code, 0);
    EXPECT_EQ(finish(), ":TYPE.DAT\n  A\n:TYPE.TAB\n:TYPE.HQ0\n\n:TYPE.INF\tx\n"
                        ":TYPE.HQ1 no line end\n" +
                            trailer);
}

TEST_F(MetaType, LongLinesArriveInPiecesOf511Bytes) {
    allTypeFiles();
    const std::string line(1100, 'L');
    typeFile("qztnytab.typ", line + "\n" + std::string(511, 'M') + "\nEND\n");
    ScopedEnv env("KTLPATH", ktl());
    EXPECT_EQ(export_metatype().code, 0);
    const std::string text = finish();
    const std::string expected = std::string(511, 'L') + "\n" + std::string(511, 'L') + "\n" +
                                 std::string(78, 'L') + "\n" + std::string(511, 'M') + "\n\nEND\n";
    EXPECT_NE(text.find(":TYPE.DAT\n  A\n" + expected + ":TYPE.HQ0\n"), std::string::npos);
}

TEST_F(MetaType, UnsetVariableWritesNothing) {
    allTypeFiles();
    ScopedEnv env("KTLPATH", std::nullopt);
    const HQRC rc = export_metatype();
    EXPECT_EQ(rc.code, 13106);
    EXPECT_EQ(rc.domain, DomainExport);
    EXPECT_EQ(rc.location, L"export_metatype");
    EXPECT_EQ(rc.commandLine, L"METATYPE");
    EXPECT_EQ(finish(), "");
}

TEST_F(MetaType, MissingFileStopsAfterWhatWasCopied) {
    allTypeFiles();
    std::filesystem::remove(folder / "ktl/types/qztnyhq0.ty1");
    ScopedEnv env("KTLPATH", ktl());
    EXPECT_EQ(export_metatype().code, 13106);
    EXPECT_EQ(finish(), ":TYPE.DAT\n  A\n:TYPE.TAB\n");
}

TEST_F(MetaType, PathsBeyondTheirBufferAreRefused) {
    // "<dir>/types/qztnydat.typ": 80 characters of folder give 99 bytes, 81 give 100.
    for (const size_t length : {80, 81}) {
        const std::string dir(length, 'd');
        std::filesystem::create_directories(dir + "/types");
        for (const char* name : {"qztnydat.typ", "qztnytab.typ", "qztnycol.typ", "qztnyhq0.ty1",
                                 "qztnyinf.typ", "qztnyhq1.ty1"})
            writeFile(dir + "/types/" + name, "X\n");
    }
    {
        ScopedEnv env("KTLPATH", std::string(80, 'd'));
        EXPECT_EQ(export_metatype().code, 0);
    }
    ScopedEnv env("KTLPATH", std::string(81, 'd'));
    EXPECT_EQ(export_metatype().code, 13106);
    EXPECT_EQ(finish(), "X\nX\nX\nX\nX\nX\n" + trailer);
}

} // namespace
