#include "sysinfo/ServiceList.h"

#include "SysInfoTestSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace typ {
namespace {

using testing::ErrorOf;

// Counts its own destruction, to prove which elements the list frees.
class TCountedService : public TService {
public:
    explicit TCountedService(int& freed) : FFreed(freed) {}
    ~TCountedService() override { ++FFreed; }

private:
    int& FFreed;
};

std::unique_ptr<TService> Named(std::u16string name, bool start = false) {
    auto service = std::make_unique<TService>();
    service->Name = std::move(name);
    service->Start = start;
    return service;
}

TEST(ServiceList, AddDeleteAndClearKeepTheOrder) {
    TServiceList list;
    EXPECT_EQ(list.Add(Named(u"a")), 0);
    list.Add().Name = u"b";
    EXPECT_EQ(list.Add(Named(u"c")), 2);
    list.Delete(1);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0)->Name, u"a");
    EXPECT_EQ(list.Items(1)->Name, u"c");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(ServiceList, ReplacingDeletingAndShrinkingFreeTheElements) {
    int freed = 0;
    TServiceList list;
    for (int i = 0; i < 4; ++i)
        list.Add(std::make_unique<TCountedService>(freed));
    list.SetItems(0, Named(u"new"));
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(list.Items(0)->Name, u"new");
    list.Delete(1);
    EXPECT_EQ(freed, 2);
    list.Resize(1);
    EXPECT_EQ(freed, 4);
    list.Add(std::make_unique<TCountedService>(freed));
    list.Clear();
    EXPECT_EQ(freed, 5);
}

TEST(ServiceList, ResizeFillsNewPlacesWithEmptyServices) {
    TServiceList list;
    list.Add(nullptr);
    list.Resize(3);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Items(0), nullptr);
    ASSERT_NE(list.Items(2), nullptr);
    EXPECT_EQ(list.Items(2)->Name, u"");
    EXPECT_FALSE(list.Items(2)->Start);
    EXPECT_EQ(ErrorOf<EListIndexError>([&] { list.Resize(-1); }),
              "Array index out of bounds (-1).");
    EXPECT_EQ(list.Count(), 3);
}

TEST(ServiceList, IndexesOutsideTheListRaise) {
    TServiceList list;
    list.Add();
    list.Add();
    EXPECT_EQ(ErrorOf<EListIndexError>([&] { list.Items(2); }), "Array index out of bounds (2).");
    EXPECT_EQ(ErrorOf<EListIndexError>([&] { list.Items(-1); }), "Array index out of bounds (-1).");
    EXPECT_EQ(ErrorOf<EListIndexError>([&] { list.SetItems(5, nullptr); }),
              "Array index out of bounds (5).");
    EXPECT_EQ(ErrorOf<EListIndexError>([&] { list.Delete(2); }), "Invalid index 2");
    EXPECT_EQ(ErrorOf<EListIndexError>([&] { list.Delete(-3); }), "Invalid index -3");
    EXPECT_EQ(list.Count(), 2);
}

TEST(ServiceList, AssignMakesADeepCopy) {
    TServiceList source;
    source.Add(Named(u"uno", true));
    source.Add(nullptr);
    source.Add(Named(u"dos"));
    TServiceList copy;
    copy.Add(Named(u"old"));
    copy.Assign(source);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_NE(copy.Items(0), source.Items(0));
    EXPECT_EQ(copy.Items(0)->Name, u"uno");
    EXPECT_TRUE(copy.Items(0)->Start);
    EXPECT_EQ(copy.Items(1), nullptr);
    EXPECT_EQ(copy.Items(2)->Name, u"dos");
    source.Items(0)->Name = u"changed";
    EXPECT_EQ(copy.Items(0)->Name, u"uno");
    copy.Assign(copy);
    EXPECT_EQ(copy.Count(), 3);
}

TEST(ServiceList, CapacityGrowsByFourThenSixteenThenAQuarter) {
    TServiceList list;
    std::vector<std::int32_t> capacities;
    for (int i = 0; i < 100; ++i) {
        list.Add();
        if (capacities.empty() || capacities.back() != list.Capacity())
            capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<std::int32_t>{4, 8, 12, 28, 44, 60, 76, 95, 118}));

    TServiceList resized;
    resized.Resize(10);
    EXPECT_EQ(resized.Capacity(), 10);
    resized.Add();
    EXPECT_EQ(resized.Capacity(), 26);
}

} // namespace
} // namespace typ
