#pragma once
// What the demand helper shows and hands to the calculator, without its widgets: the load of
// the counted fixtures (or of a typed total), the demand on the chosen column of Hunter's
// curve, and the texts for both. Numbers are read and written as the calculator's own fields
// read and write them.

#include "Demand.h"
#include "FixtureLoads.h"

#include <QString>

#include <optional>
#include <span>

struct TDemandOutcome {
    bool Ok = false;
    QString Message; // why there is no demand, when not Ok
    double FixtureUnits = 0.0;
    double Gpm = 0.0;
};

// The demand of the counts (one per row of the fixture table) in a column, or, when
// `directLoadText` holds more than blanks, of the load typed there instead.
[[nodiscard]] TDemandOutcome evaluateDemand(std::span<const int> counts, Design::TLoadColumn column,
                                            Design::TSupply supply, const QString& directLoadText);

// A fixture's load in the table's column: "2.2", or a dash where it draws no water.
[[nodiscard]] QString fixtureLoadText(std::optional<double> fixtureUnits);

// The outcome's lines: the total load, the demand in gpm and L/s, and the reading on the curve
// ("48.6 واحد مصرف ← 28.71 gpm"); the message when there is no demand.
[[nodiscard]] QString demandSummaryText(const TDemandOutcome& outcome);

// The demand as the flow field holds it: two decimals.
[[nodiscard]] QString flowFieldText(double gpm);
