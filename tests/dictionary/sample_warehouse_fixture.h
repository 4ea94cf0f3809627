// A SQLite control database holding the sample warehouse, fresh for every
// test, reached through a private odbc.ini with the configuration store
// initialised on it (schema prefix "QRT").
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dictionary/dir_base.h"
#include "runtime/configuration.h"
#include "runtime/odbc.h"
#include "tests/common/odbc_test_env.h"

class SampleWarehouse : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = qrt_test::makeTempDir("dictionary");
        master_ = dir_ / "sample.db";
        const std::string load = std::string(QRT_SOURCE_DIR) + "/tools/load_warehouse.sh sqlite '" +
                                 master_.string() + "' > /dev/null 2>&1";
        loaded_ = std::system(load.c_str()) == 0;
    }

    static void TearDownTestSuite() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    void SetUp() override {
        ASSERT_TRUE(loaded_) << "the sample warehouse did not load";
        db_ = dir_ / "control.db";
        std::filesystem::copy_file(master_, db_, std::filesystem::copy_options::overwrite_existing);
        qrt_test::useOdbcIni(dir_, qrt_test::sqliteDsn("QRTMODEL", db_));
        const HQRC rc = HQConfiguration::init(L"QRTMODEL", L"QRT", L"", L"", 0);
        ASSERT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte() << rc.comment.toMultiByte();
    }

    void TearDown() override { HQConfiguration::terminate(); }

    using Names = std::vector<std::wstring>;

    static DIRId id(const char* text) { return DIRId(std::string_view(text)); }

    // The names of the rows a list selects; an error other than the end is a failure.
    template <class T> static Names listed(T& object, const std::function<HQRC()>& first) {
        Names names;
        HQRC rc;
        for (rc = first(); rc.code == 0; rc = object.listNext())
            names.push_back(object.getName());
        EXPECT_TRUE(DIRBase::isNotFound(rc))
            << rc.location.toMultiByte() << ": " << rc.nativeMessage.toMultiByte();
        return names;
    }

    // Changes the control database behind the program's back.
    void exec(const std::string& sql) const { ASSERT_TRUE(qrt_test::sqliteExec(db_, sql)) << sql; }

    static inline std::filesystem::path dir_;
    static inline std::filesystem::path master_;
    static inline bool loaded_ = false;
    std::filesystem::path db_;
};
