// Helpers shared by the tag-file tests: a fresh working folder per test,
// reading files, masking time stamps and comparing with golden files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "export/tag_file.h"

namespace tagtest {

inline std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

// Replaces every "mm/dd/yy hh:mm:ss" by a fixed mask.
inline std::string maskTimeStamps(std::string text) {
    static constexpr std::string_view shape = "99/99/99 99:99:99";
    static constexpr std::string_view mask = "MM/DD/YY hh:mm:ss";
    auto matches = [&text](size_t at) {
        for (size_t i = 0; i < shape.size(); ++i) {
            const char c = text[at + i];
            if (shape[i] == '9' ? (c < '0' || c > '9') : c != shape[i])
                return false;
        }
        return true;
    };
    for (size_t at = 0; at + shape.size() <= text.size(); ++at) {
        if (matches(at))
            text.replace(at, mask.size(), mask);
    }
    return text;
}

inline std::string golden(const std::string& name) {
    return readFile(std::filesystem::path(QRT_TEST_DATA_DIR) / "golden" / name);
}

// Runs each test in an empty folder of its own (the current directory), so
// that relative tag-file names give stable file contents.
class WorkFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::path(QRT_BINARY_DIR) / "test_work" / info->test_suite_name() /
                 info->name();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
    }
    void TearDown() override {
        Tag_File::clean_up();
        std::filesystem::current_path(previous);
    }

    std::filesystem::path folder;
    std::filesystem::path previous;
};

} // namespace tagtest
