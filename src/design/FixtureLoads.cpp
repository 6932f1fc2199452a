#include "FixtureLoads.h"

#include <array>

namespace Design {
namespace {

constexpr std::optional<double> kNone = std::nullopt;

const std::array<TFixtureLoad, 23> kFixtureLoads{{
    {"توالت", "عمومی", "فلاش والو", 10, kNone, 10},
    {"توالت", "عمومی", "فلاش تانک", 5, kNone, 5},
    {"توالت", "خصوصی", "فلاش والو", 6, kNone, 6},
    {"توالت", "خصوصی", "فلاش تانک", 2.2, kNone, 2.2},
    {"پیسوار", "عمومی", "فلاش والو 1 اینچ", 10, kNone, 10},
    {"پیسوار", "عمومی", "فلاش والو 3/4 اینچ", 5, kNone, 5},
    {"پیسوار", "عمومی", "فلاش تانک", 3, kNone, 3},
    {"دستشویی", "عمومی", "شیر", 1.5, 1.5, 2},
    {"دستشویی", "خصوصی", "شیر", 0.5, 0.5, 0.7},
    {"وان", "عمومی", "شیر", 3, 3, 4},
    {"وان", "خصوصی", "شیر", 1, 1, 1.4},
    {"دوش", "عمومی", "شیر مخلوط", 3, 3, 4},
    {"دوش", "خصوصی", "شیر مخلوط", 1, 1, 1.4},
    {"سینک عمومی", "ادارات و غیره", "شیر", 2.25, 2.25, 3},
    {"سینک آشپزخانه", "هتل، رستوران", "شیر", 3, 3, 4},
    {"سینک آشپزخانه", "خصوصی", "شیر", 1, 1, 1.4},
    {"آبخوری", "ادارات و غیره", "شیر 3/8 اینچ", 0.25, kNone, 0.25},
    {"سینک رختشویی", "خصوصی", "شیر", 1, 1, 1.4},
    {"لوازم بهداشتی یک حمام کامل", "خصوصی", "فلاش والو", 6, 1.5, 7},
    {"لوازم بهداشتی یک حمام کامل", "خصوصی", "فلاش تانک", 2.7, 1.5, 3.6},
    {"ماشین ظرفشویی", "خصوصی", "اتوماتیک", kNone, 1.4, 1.4},
    {"ماشین رختشویی", "خصوصی", "اتوماتیک", 1, 1, 1.4},
    {"ماشین رختشویی", "عمومی", "اتوماتیک", 2.25, 2.25, 3},
}};

} // namespace

std::span<const TFixtureLoad> fixtureLoadTable() { return kFixtureLoads; }

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
