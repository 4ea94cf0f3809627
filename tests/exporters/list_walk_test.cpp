// The list walks of the exporters: what each end policy makes of the code
// that ends a walk, over the rows of a cursor list and over a relation
// collection whose owner was never read.
#include <gtest/gtest.h>

#include <vector>

#include "dictionary/data_resource.h"
#include "dictionary/information_resource.h"
#include "export/list_walk.h"

namespace {

// A cursor list whose listNext answers the given codes in turn; the rows
// visited are numbered from 1.
struct ScriptedRows {
    std::vector<HQRC> next;
    size_t position = 0;
    int row = 1;
    HQRC listNext() {
        ++row;
        return next.at(position++);
    }
};

HQRC code(int32_t value) {
    return HQRC(value, 0, value == 3142 ? DomainWhsDDD : DomainODBC);
}

} // namespace

TEST(ListWalk, TheNormalEndIsQuietUnderEveryPolicy) {
    for (WalkEnd end : {WalkEnd::RaiseErrors, WalkEnd::ReturnErrors, WalkEnd::SkipErrors}) {
        ScriptedRows rows{{HQRC(), code(3142)}};
        std::vector<int> seen;
        const HQRC rc =
            walkRows(rows, HQRC(), end, [&](ScriptedRows& r) { seen.push_back(r.row); });
        EXPECT_EQ(rc.code, 0);
        EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    }
    // A list without a first row visits nothing.
    ScriptedRows empty;
    int visits = 0;
    EXPECT_EQ(
        walkRows(empty, code(3142), WalkEnd::RaiseErrors, [&](ScriptedRows&) { ++visits; }).code,
        0);
    EXPECT_EQ(visits, 0);
}

TEST(ListWalk, AnotherEndingCodeIsRaisedReturnedOrSkipped) {
    const auto walk = [](WalkEnd end, int& visits) {
        ScriptedRows rows{{code(2011)}};
        return walkRows(rows, HQRC(), end, [&](ScriptedRows&) { ++visits; });
    };
    int visits = 0;
    try {
        walk(WalkEnd::RaiseErrors, visits);
        ADD_FAILURE() << "2011 was not raised";
    } catch (const HQRC& raised) {
        EXPECT_EQ(raised.code, 2011);
    }
    EXPECT_EQ(walk(WalkEnd::ReturnErrors, visits).code, 2011);
    EXPECT_EQ(walk(WalkEnd::SkipErrors, visits).code, 0);
    EXPECT_EQ(visits, 3) << "the row before the failure is visited every time";
}

TEST(ListWalk, AnElementWhoseExportFailsStopsTheWalk) {
    ScriptedRows rows{{HQRC(), HQRC(), code(3142)}};
    std::vector<int> seen;
    const HQRC rc = walkRows(rows, HQRC(), WalkEnd::ReturnErrors, [&](ScriptedRows& r) {
        seen.push_back(r.row);
        return r.row == 2 ? code(2012) : HQRC();
    });
    EXPECT_EQ(rc.code, 2012);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_EQ(rows.position, 1u) << "no row is fetched after the failing one";
}

TEST(ListWalk, AGetterThatFailsEndsTheWalkUnderItsPolicy) {
    InformationResource neverRead; // its getters answer 3104
    int visits = 0;
    const auto each = [&](DataResource&) { ++visits; };
    EXPECT_EQ(walkRelated(neverRead.getDataResourceList, WalkEnd::SkipErrors, each).code, 0);
    EXPECT_EQ(walkRelated(neverRead.getDataResourceList, WalkEnd::ReturnErrors, each).code, 3104);
    EXPECT_THROW(walkRelated(neverRead.getDataResourceList, WalkEnd::RaiseErrors, each), HQRC);
    EXPECT_EQ(visits, 0);
}
