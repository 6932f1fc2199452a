#pragma once
// The fixtures' loads in water-supply fixture units, as the regulations' table پ۱-۲-۲ gives them with
// their Persian names: a cold, a hot and a total load per fixture. The hot and cold mains are
// sized separately, each from its own column; the total sizes the service pipe. A fixture that
// takes no hot (or no cold) water has no load in that column.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace Design {

enum class TLoadColumn { Total, Cold, Hot };

struct TFixtureLoad {
    std::string_view Id;      // the fixture's name in a project file; never changes once released
    std::string_view Fixture; // UTF-8, Persian
    std::string_view Use;
    std::string_view Control;
    std::optional<double> ColdFu;
    std::optional<double> HotFu;
    std::optional<double> TotalFu;
};

// The most fixtures of one kind the helper counts.
inline constexpr int kMaxFixtureCount = 9999;

[[nodiscard]] std::span<const TFixtureLoad> fixtureLoadTable();

// The row of the table whose Id is `id`; false for an id the table does not have.
[[nodiscard]] bool findFixture(std::string_view id, std::size_t& row);

// The fixture's load in a column; nothing for a column in which it draws no water.
[[nodiscard]] std::optional<double> fixtureUnits(const TFixtureLoad& fixture, TLoadColumn column);

// The load of a count of each fixture of the table, in the table's order; false unless there is
// one count per row and each is from 0 to kMaxFixtureCount.
[[nodiscard]] bool totalFixtureUnits(std::span<const int> counts, TLoadColumn column, double& fixtureUnitsSum);

} // namespace Design
