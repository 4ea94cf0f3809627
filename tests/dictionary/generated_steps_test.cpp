// Every step of a generated warehouse read through the object model: its
// databases, retry values, binary SQL (one of them far beyond one read
// buffer), maps, correlations, aliases and cascades give either their values
// or the codes that mean "none", never another failure.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "dictionary/attribute.h"
#include "dictionary/business_view.h"
#include "dictionary/bv_alias.h"
#include "dictionary/data_resource.h"
#include "dictionary/dr_correlation.h"
#include "dictionary/information_resource.h"
#include "dictionary/map.h"
#include "runtime/configuration.h"
#include "tests/common/odbc_test_env.h"

namespace {
constexpr long kSteps = 30;
constexpr long kLargeSql = 300000;

class GeneratedSteps : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = qrt_test::makeTempDir("generated_steps");
        const std::string sql = (dir_ / "w.sql").string();
        const std::string command =
            std::string(QRT_STAGE_DIR "/bin/generate_warehouse --seed=9 --databases=4 --tables=5 "
                                      "--steps=") +
            std::to_string(kSteps) + " --large-sql=" + std::to_string(kLargeSql) + " '" + sql +
            "' '" + (dir_ / "w.inp").string() + "' > /dev/null && " + QRT_SOURCE_DIR +
            "/tools/load_warehouse.sh sqlite '" + (dir_ / "control.db").string() + "' '" + sql +
            "' > /dev/null 2>&1";
        loaded_ = std::system(command.c_str()) == 0;
    }
    static void TearDownTestSuite() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    void SetUp() override {
        ASSERT_TRUE(loaded_) << "the generated warehouse did not load";
        qrt_test::useOdbcIni(dir_, qrt_test::sqliteDsn("QRTGENSTEPS", dir_ / "control.db"));
        const HQRC rc = HQConfiguration::init(L"QRTGENSTEPS", L"QRT", L"", L"", 0);
        ASSERT_EQ(rc.code, 0) << rc.nativeMessage.toMultiByte();
    }
    void TearDown() override { HQConfiguration::terminate(); }

    static inline std::filesystem::path dir_;
    static inline bool loaded_ = false;
};

// Counts outcomes by name; a failure other than the expected ones is one.
struct Outcomes {
    std::map<std::string, int> seen;
    void note(const std::string& what, const HQRC& rc, int32_t none = 0) {
        if (rc.code == 0)
            ++seen[what];
        else if (rc.code == none)
            ++seen[what + " none"];
        else
            ADD_FAILURE() << what << ": " << rc.code << " " << rc.location.toMultiByte() << " "
                          << rc.comment.toMultiByte();
    }
};
} // namespace

TEST_F(GeneratedSteps, EveryStepAndItsDetailsReadWithoutFailure) {
    Outcomes o;
    BusinessView s;
    DRCorrelation correlation;
    long steps = 0;
    size_t longest = 0;
    HQRC rc;
    for (rc = s.listFirst(); rc.code == 0; rc = s.listNext()) {
        ++steps;
        HQRC r;
        s.getSourceIR(r);
        o.note("source", r, 3714);
        s.getTargetIR(r);
        o.note("target", r, 3713);
        const int32_t retry = s.getRetryInterval(r);
        o.note("retry", r, 3714);
        EXPECT_EQ(retry == -99, r.code != 0);
        longest = std::max(longest, s.getBLOBDATALength(r));
        o.note("binary", r);
        s.getSelectStmt(r);
        o.note("select", r);
        for (auto* list : {s.getPostCascadeList(r), s.getPostCascadeFailList(r), s.getChildList(r)})
            for (BusinessView* next = list->getFirst(r); next != nullptr; next = list->getNext(r))
                ++o.seen["cascade"];
        o.note("cascades", r);

        RelationCollection<Map>& maps = *s.getMapList(r);
        for (Map* m = maps.getFirst(r); m != nullptr; m = maps.getNext(r)) {
            ++o.seen["map " + m->getTypeOfMapText().toMultiByte()];
            HQRC mr;
            m->getExpression(mr);
            o.note("expression", mr);
            m->getInputAttribute(mr);
            o.note("input column", mr);
            EXPECT_EQ(m->getBusinessView(mr), &s);
        }
        o.note("maps", r);
        for (r = correlation.listFirstByBV(s.getId()); r.code == 0; r = correlation.listNext())
            EXPECT_NE(correlation.getDataResource(r), nullptr);
        EXPECT_TRUE(DIRBase::isNotFound(r));
        RelationCollection<BVAlias>& aliases = *s.getAliasList(r);
        for (BVAlias* a = aliases.getFirst(r); a != nullptr; a = aliases.getNext(r)) {
            HQRC ar;
            a->getCreateStmt(ar);
            o.note("alias", ar, 3709);
        }
    }
    EXPECT_TRUE(DIRBase::isNotFound(rc));
    EXPECT_EQ(steps, kSteps);
    EXPECT_EQ(longest, static_cast<size_t>(kLargeSql));
    // The warehouse holds each case at least once.
    for (const char* c :
         {"source", "source none", "target", "target none", "retry", "retry none", "map Attribute",
          "map Literal", "map Token", "map None", "alias", "alias none", "cascade"})
        EXPECT_GT(o.seen[c], 0) << c;
}
