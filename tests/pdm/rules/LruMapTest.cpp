#include "pdm/rules/internal/LruMap.h"
#include "pdm/rules/internal/RuleCacheKey.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace Vireo::Cam::Pdm;
using namespace Vireo::Cam::Pdm::internal;

TEST(LruMap, EvictsTheLeastRecentlyUsedAndFindRefreshes)
{
    LruMap<int, std::string> map(3);
    map.insert(1, "one");
    map.insert(2, "two");
    map.insert(3, "three");
    ASSERT_NE(map.find(1), map.end()); // 2 is now the least recently used
    map.insert(4, "four");
    EXPECT_EQ(map.find(2), map.end());
    EXPECT_EQ(map.size(), 3U);

    // Re-inserting a present key replaces its value and refreshes it without growing.
    const auto replaced = map.insert(3, "drei");
    EXPECT_EQ(replaced->second, "drei");
    map.insert(5, "five");
    EXPECT_EQ(map.find(1), map.end());
    EXPECT_EQ(map.find(3)->second, "drei");
    EXPECT_NE(map.find(4), map.end());
    EXPECT_NE(map.find(5), map.end());
}

TEST(LruMap, CapacityZeroIsUnboundedAndMovedValuesStayOwned)
{
    LruMap<int, std::unique_ptr<int>> map(0);
    for (int i = 0; i < 1000; ++i)
        map.insert(i, std::make_unique<int>(i));
    EXPECT_EQ(map.size(), 1000U);
    EXPECT_EQ(*map.find(0)->second, 0);
    EXPECT_EQ(*map.find(999)->second, 999);
}

TEST(RuleCacheKey, EqualKeysHashAlikeAndEveryComponentTells)
{
    const RuleCacheKeyHash hash;
    const auto make = [](std::wstring server, NameFilter names, AppFilter apps, PlmFilter plm) {
        return makeCacheKey(std::move(server), std::move(names), SharedAppFilter(std::move(apps)), std::move(plm));
    };
    const AppFilter apps{{L"VIREO CAM", AppTypeSet{{L"Tool", AppDataType::CamObjectType}}}};
    const PlmFilter plm{{L"d1", {L"c1", L"c2"}}};
    const auto base = make(L"srv", {L"a", L"b"}, apps, plm);
    EXPECT_EQ(hash(base), hash(make(L"srv", {L"a", L"b"}, apps, plm)));
    EXPECT_EQ(base, make(L"srv", {L"a", L"b"}, apps, plm));

    const RuleCacheKey others[] = {
        make(L"srv2", {L"a", L"b"}, apps, plm),
        make(L"srv", {L"b", L"a"}, apps, plm),
        make(L"srv", {L"a", L"b"}, {{L"VIREO CAM", std::nullopt}}, plm),
        make(L"srv", {L"a", L"b"}, {{L"VIREO CAM", AppTypeSet{}}}, plm),
        make(L"srv", {L"a", L"b"}, apps, {{L"d1", {L"c1"}}}),
        make(L"srv", {L"a", L"b"}, apps, {}),
    };
    for (const auto& other : others) {
        EXPECT_NE(base, other);
        EXPECT_NE(hash(base), hash(other));
    }
    EXPECT_NE(hash(others[2]), hash(others[3])); // all types is not the same as none listed
}

} // namespace
