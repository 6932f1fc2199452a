#include "FixtureLoads.h"

#include <array>
#include <cstddef>

namespace Design {
namespace {

constexpr std::optional<double> kNone = std::nullopt;

const std::array<TFixtureLoad, 23> kFixtureLoads{{
    {"wc-public-valve", "توالت", "عمومی", "فلاش والو", 10, kNone, 10},
    {"wc-public-tank", "توالت", "عمومی", "فلاش تانک", 5, kNone, 5},
    {"wc-private-valve", "توالت", "خصوصی", "فلاش والو", 6, kNone, 6},
    {"wc-private-tank", "توالت", "خصوصی", "فلاش تانک", 2.2, kNone, 2.2},
    {"urinal-public-valve-1in", "پیسوار", "عمومی", "فلاش والو 1 اینچ", 10, kNone, 10},
    {"urinal-public-valve-34", "پیسوار", "عمومی", "فلاش والو 3/4 اینچ", 5, kNone, 5},
    {"urinal-public-tank", "پیسوار", "عمومی", "فلاش تانک", 3, kNone, 3},
    {"lavatory-public", "دستشویی", "عمومی", "شیر", 1.5, 1.5, 2},
    {"lavatory-private", "دستشویی", "خصوصی", "شیر", 0.5, 0.5, 0.7},
    {"bathtub-public", "وان", "عمومی", "شیر", 3, 3, 4},
    {"bathtub-private", "وان", "خصوصی", "شیر", 1, 1, 1.4},
    {"shower-public", "دوش", "عمومی", "شیر مخلوط", 3, 3, 4},
    {"shower-private", "دوش", "خصوصی", "شیر مخلوط", 1, 1, 1.4},
    {"service-sink-office", "سینک عمومی", "ادارات و غیره", "شیر", 2.25, 2.25, 3},
    {"kitchen-sink-hotel", "سینک آشپزخانه", "هتل، رستوران", "شیر", 3, 3, 4},
    {"kitchen-sink-private", "سینک آشپزخانه", "خصوصی", "شیر", 1, 1, 1.4},
    {"drinking-fountain", "آبخوری", "ادارات و غیره", "شیر 3/8 اینچ", 0.25, kNone, 0.25},
    {"laundry-tray-private", "سینک رختشویی", "خصوصی", "شیر", 1, 1, 1.4},
    {"bathroom-group-valve", "لوازم بهداشتی یک حمام کامل", "خصوصی", "فلاش والو", 6, 1.5, 7},
    {"bathroom-group-tank", "لوازم بهداشتی یک حمام کامل", "خصوصی", "فلاش تانک", 2.7, 1.5, 3.6},
    {"dishwasher-private", "ماشین ظرفشویی", "خصوصی", "اتوماتیک", kNone, 1.4, 1.4},
    {"washer-private", "ماشین رختشویی", "خصوصی", "اتوماتیک", 1, 1, 1.4},
    {"washer-public", "ماشین رختشویی", "عمومی", "اتوماتیک", 2.25, 2.25, 3},
}};

} // namespace

std::span<const TFixtureLoad> fixtureLoadTable() { return kFixtureLoads; }

bool findFixture(std::string_view id, std::size_t& row)
{
    for (std::size_t i = 0; i < kFixtureLoads.size(); ++i) {
        if (kFixtureLoads[i].Id == id) {
            row = i;
            return true;
        }
    }
    return false;
}

std::optional<double> fixtureUnits(const TFixtureLoad& fixture, TLoadColumn column)
{
    switch (column) {
    case TLoadColumn::Cold: return fixture.ColdFu;
    case TLoadColumn::Hot: return fixture.HotFu;
    case TLoadColumn::Total: break;
    }
    return fixture.TotalFu;
}

bool totalFixtureUnits(std::span<const int> counts, TLoadColumn column, double& fixtureUnitsSum)
{
    if (counts.size() != kFixtureLoads.size())
        return false;
    double sum = 0.0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] < 0 || counts[i] > kMaxFixtureCount)
            return false;
        sum += counts[i] * fixtureUnits(kFixtureLoads[i], column).value_or(0.0);
    }
    fixtureUnitsSum = sum;
    return true;
}

} // namespace Design
