// Expected tag text built the way the writer frames it: object headers and
// footers, relation records, key-list texts. Tests compose these into the
// exact lines they expect.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace export_test {

inline const std::string kCommentLine = ":COMMENT.------------------------------\n";

inline std::string objectHeader(const std::string& type) {
    return kCommentLine + ":COMMENT.  Begin " + type + " Instance\n:COMMENT.\n" +
           ":ACTION.OBJINST(MERGE)\n:OBJECT.TYPE(" + type + ")\n:INSTANCE.\n";
}

inline std::string objectFooter(const std::string& type) {
    return ":COMMENT.\n:COMMENT.  End " + type + " Instance\n" + kCommentLine;
}

// A whole object record with the given property lines (without indent and
// line end).
inline std::string objectRecord(const std::string& type, const std::vector<std::string>& lines) {
    std::string text = objectHeader(type);
    for (const std::string& line : lines) {
        text += "    " + line + "\n";
    }
    return text + objectFooter(type);
}

// A relation record; the key texts are the lists' text forms ("A(1) B(2) ").
inline std::string relationRecord(bool contain, const std::string& source,
                                  const std::string& sourceKeys, const std::string& target,
                                  const std::string& targetKeys) {
    return kCommentLine + ":COMMENT.  Relation: " + source + " to " + target + "\n:COMMENT.\n" +
           ":ACTION.RELATION(ADD)\n:RELTYPE.TYPE(" + (contain ? "CONTAIN" : "LINK") +
           ") SOURCETYPE(" + source + ") TARGETYPE(" + target + ")\n:INSTANCE.\n" +
           "    SOURCEKEY(" + sourceKeys + ")\n    TARGETKEY(" + targetKeys + ")\n" + kCommentLine;
}

inline std::string tableKeys(const std::string& database, const std::string& owner,
                             const std::string& table) {
    return "DBNAME(" + database + ") OWNER(" + owner + ") TABLES(" + table + ") ";
}

inline std::string columnKeys(const std::string& database, const std::string& owner,
                              const std::string& table, const std::string& column) {
    return tableKeys(database, owner, table) + "COLUMNS(" + column + ") ";
}

// The tag text with every checkpoint number replaced by "n".
inline std::string anyCheckpoint(const std::string& tag) {
    static const std::regex checkpoint(R"(:COMMIT\.CHKPID\(\d+\))");
    return std::regex_replace(tag, checkpoint, ":COMMIT.CHKPID(n)");
}

inline const std::string kCheckpoint = ":COMMIT.CHKPID(n)\n";

// Where text starts in tag; fails the test when it is missing.
inline size_t positionOf(const std::string& tag, const std::string& text) {
    const size_t pos = tag.find(text);
    EXPECT_NE(pos, std::string::npos) << "missing:\n" << text << "\nin:\n" << tag;
    return pos;
}

} // namespace export_test
