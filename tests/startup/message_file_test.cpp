// Reading the start-up message file: forward-only key search, line counts,
// capacities, long lines and a last line without line end.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "export/startup.h"

namespace {

const std::string kMissing =
    "An internal error has occurred. Cannot retrieve string from the message file.\n";

struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// An in-memory file holding content.
class MemoryFile {
public:
    explicit MemoryFile(std::string content) : content_(std::move(content)) {
        file_.reset(fmemopen(content_.data(), content_.size(), "r"));
    }
    std::FILE* get() const { return file_.get(); }
    std::string read(std::string_view key, int lines, size_t capacity = 3000) const {
        std::string out = "stale";
        getMsgStr(file_.get(), out, capacity, key, lines);
        return out;
    }

private:
    std::string content_;
    std::unique_ptr<std::FILE, Closer> file_;
};

} // namespace

TEST(MessageFile, KeepsInnerLineEndsAndDropsTheLast) {
    MemoryFile f("header\nKEY_A rest of the key line\na\n\nc\nd\nKEY_B\nx\n");
    EXPECT_EQ(f.read("KEY_A", 3), "a\n\nc");
    EXPECT_EQ(f.read("KEY_B", 1), "x"); // "d" was skipped while searching
}

TEST(MessageFile, SearchesOnlyForwardSoKeysMustBeInOrder) {
    MemoryFile f("KEY_A\na\nKEY_B\nb\nKEY_C\nc\n");
    EXPECT_EQ(f.read("KEY_B", 1), "b");
    EXPECT_EQ(f.read("KEY_A", 1), kMissing);
    EXPECT_EQ(f.read("KEY_C", 1), kMissing); // the file is at its end
}

TEST(MessageFile, KeyIsComparedOverItsLengthWithCase) {
    MemoryFile f("qrt2exp2_str1\nlower\nQRT2EXP2_STR10\nlonger key line\n");
    EXPECT_EQ(f.read("QRT2EXP2_STR1", 1), "longer key line");
}

TEST(MessageFile, LastLineWithoutLineEndKeepsAllItsCharacters) {
    EXPECT_EQ(MemoryFile("KEY\nfirst\nlast").read("KEY", 2), "first\nlast");
    EXPECT_EQ(MemoryFile("KEY\nonly\n").read("KEY", 3), "only"); // fewer lines than asked
    EXPECT_EQ(MemoryFile("KEY").read("KEY", 1), "");
}

TEST(MessageFile, TextsAreCutToTheirCapacity) {
    EXPECT_EQ(MemoryFile("KEY\nabcdefghij\nklm\n").read("KEY", 2, 8), "abcdefg");
    // Cut right after a line end: that line end is the one dropped.
    EXPECT_EQ(MemoryFile("KEY\nabcdef\nklm\n").read("KEY", 2, 8), "abcdef");
    EXPECT_EQ(MemoryFile("").read("KEY", 1, 20), kMissing.substr(0, 19));
}

TEST(MessageFile, LinesAreReadIn999ByteSteps) {
    const std::string longLine(1500, 'x');
    // The 1500-byte line takes two reads, so two "lines" cover it and "y" is
    // not part of the message.
    EXPECT_EQ(MemoryFile("KEY\n" + longLine + "\ny\n").read("KEY", 2), longLine);
    // A key at the start of the second read of a long line is found.
    EXPECT_EQ(MemoryFile(std::string(999, 'z') + "KEY\nfound\n").read("KEY", 1), "found");
}

TEST(MessageFile, TheInstalledFileHoldsAllEightMessages) {
    std::unique_ptr<std::FILE, Closer> file(std::fopen(QRT_STAGE_DIR "/bin/qztnxolv.str", "r"));
    ASSERT_TRUE(file);
    const StartupTexts t = readStartupTexts(file.get());
    for (const std::string* text : {&t.connectFailed, &t.usage, &t.success, &t.failure, &t.text4,
                                    &t.text5, &t.text6, &t.text7}) {
        EXPECT_FALSE(text->empty());
        EXPECT_EQ(text->find("internal error"), std::string::npos) << *text;
    }
    EXPECT_EQ(std::count(t.usage.begin(), t.usage.end(), '\n'), 8);
    EXPECT_NE(t.usage.find("prefix="), std::string::npos);
    EXPECT_NE(t.usage.find("feedback="), std::string::npos);
}
