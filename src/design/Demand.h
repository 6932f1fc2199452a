#pragma once
// Step one of the sizing method: the maximum instantaneous demand of a group of fixtures, from
// their load in water-supply fixture units, on Hunter's curve as the plumbing regulations print
// it. A building whose water closets mostly have flush tanks reads one column of the table; one
// with mostly flush valves reads the other, which draws more at a small load.

namespace Design {

enum class TSupply { FlushTank, FlushValve };

// The largest load the table reaches.
inline constexpr double kMaxFixtureUnits = 5000.0;

// Demand in US gpm for a load in water-supply fixture units; false for a load that is negative, not finite, or above
// the table.
[[nodiscard]] bool demandGpm(double fixtureUnits, TSupply supply, double& gpm);

// The least flowing pressure at the fixture the pressure budget starts from: a flush valve needs
// more than a flush tank's float valve.
[[nodiscard]] double leastFixturePsi(TSupply supply);

} // namespace Design
