// The page that describes the control tables for users (docs/control_tables.md)
// against the DDL in schema/: every table has its section, and each section
// lists exactly the table's columns, in order and with their types, so that
// a table or column added to the schema cannot go undescribed.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Columns = std::vector<std::pair<std::string, std::string>>; // name, type

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t");
    const size_t last = s.find_last_not_of(" \t,");
    return first == std::string::npos ? "" : s.substr(first, last - first + 1);
}

// The tables of the DDL with their columns, types as the page writes them
// (constraints dropped, the byte type "binary").
std::map<std::string, Columns> schemaTables() {
    const std::string ddl = readFile(QRT_SOURCE_DIR "/schema/control_tables.sql");
    const std::regex table(R"(CREATE TABLE @PREFIX@\.(\w+) \(([^;]*)\n\);)");
    std::map<std::string, Columns> tables;
    for (std::sregex_iterator m(ddl.begin(), ddl.end(), table), end; m != end; ++m) {
        Columns& columns = tables[(*m)[1]];
        std::istringstream body((*m)[2].str());
        for (std::string line; std::getline(body, line);) {
            line = trimmed(line);
            if (line.empty() || line.rfind("PRIMARY KEY", 0) == 0 || line.rfind("--", 0) == 0)
                continue;
            const size_t gap = line.find_first_of(" \t");
            std::string name = line.substr(0, gap);
            std::string type = trimmed(line.substr(gap));
            for (const char* constraint : {" NOT NULL PRIMARY KEY", " NOT NULL"})
                if (const size_t at = type.find(constraint); at != std::string::npos)
                    type.erase(at);
            if (type == "@BINARY@")
                type = "binary";
            if (name.front() == '"')
                name = name.substr(1, name.size() - 2);
            columns.emplace_back(name, type);
        }
    }
    return tables;
}

struct PageSection {
    bool commonFirst = false; // "The common columns, then:" or "The common columns only."
    Columns columns;
};

// The "### `table`: ..." sections of the page with their column rows, and
// the rows of the "## Common columns" section under the key "".
std::map<std::string, PageSection> pageSections() {
    std::istringstream page(readFile(QRT_SOURCE_DIR "/docs/control_tables.md"));
    const std::regex heading(R"(### `(\w+)`.*)");
    const std::regex row(R"(\| `(\w+)` \| ([^|]+) \|.*)");
    std::map<std::string, PageSection> sections;
    PageSection* current = nullptr;
    for (std::string line; std::getline(page, line);) {
        std::smatch m;
        if (std::regex_match(line, m, heading))
            current = &sections[m[1]];
        else if (line == "## Common columns")
            current = &sections[""];
        else if (line.rfind("## ", 0) == 0)
            current = nullptr;
        else if (current && line.rfind("The common columns", 0) == 0)
            current->commonFirst = true;
        else if (current && std::regex_match(line, m, row))
            current->columns.emplace_back(m[1], trimmed(m[2]));
    }
    return sections;
}

} // namespace

TEST(ControlTablesPage, DescribesEveryTableOfTheSchemaAndNoOther) {
    const auto tables = schemaTables();
    auto sections = pageSections();
    ASSERT_GE(tables.size(), 30u); // the DDL was read
    sections.erase("");
    for (const auto& [table, columns] : tables)
        EXPECT_TRUE(sections.count(table)) << "no section for table " << table;
    for (const auto& [table, section] : sections)
        EXPECT_TRUE(tables.count(table)) << "section for a table the schema lacks: " << table;
}

TEST(ControlTablesPage, ListsEachTablesColumnsInOrderWithTheirTypes) {
    const auto tables = schemaTables();
    const auto sections = pageSections();
    ASSERT_TRUE(sections.count(""));
    const Columns& common = sections.at("").columns;
    ASSERT_EQ(common.size(), 5u);
    EXPECT_EQ(common,
              Columns(tables.at("inforesource").begin(), tables.at("inforesource").begin() + 5));
    for (const auto& [table, columns] : tables) {
        const auto section = sections.find(table);
        if (section == sections.end())
            continue; // reported by the test above
        const bool beginsWithCommon =
            columns.size() >= 5 && Columns(columns.begin(), columns.begin() + 5) == common;
        EXPECT_EQ(section->second.commonFirst, beginsWithCommon) << table;
        const Columns own(columns.begin() + (beginsWithCommon ? 5 : 0), columns.end());
        EXPECT_EQ(section->second.columns, own) << "columns of " << table;
    }
}
