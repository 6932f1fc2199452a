#pragma once
// Step two of the sizing method: how much pressure per 100 ft the pipe friction may use. What the
// source gives, less the losses that are not pipe friction (meter and devices, lifting the water
// to the highest fixture, that fixture's own flowing pressure), spread over the longest run with
// an allowance for its fittings. The result is what the user reads the nomogram at.

namespace Design {

struct TPressureBudget {       // the members in this order
    double sourcePsi;          // pressure at the source (street main after the tap, or a tank's outlet); >= 0
    double meterAndDevicesPsi; // losses of meter, backflow preventer, filter, softener...; >= 0
    double heightFt;           // highest fixture above the source; negative when the source stands higher (roof tank)
    double fixturePsi;         // least flowing pressure that fixture needs; >= 0
    double developedLengthFt;  // longest run from the source to that fixture; > 0
    double fittingsPercent;    // allowance for fittings and valves, percent of the developed length; >= 0
};

// A column of water 1 ft high presses 0.433 psi.
inline constexpr double kPsiPerFtOfWater = 0.433;

// The budget's intermediate terms, for showing the arithmetic.
struct TBudgetTerms {
    double heightPsi;          // the static head of heightFt; negative for a source above the fixture
    double availablePsi;       // what is left for friction; 0 or less when the source falls short
    double equivalentLengthFt; // the developed length with the fittings' allowance
};

// The terms of a budget whose members are all in range and finite, whatever is left for
// friction; false for a member out of range or a term that overflows.
[[nodiscard]] bool budgetTerms(const TPressureBudget& budget, TBudgetTerms& terms);

// Allowable friction loss in psi per 100 ft; false when a member is out of its range or not finite, or nothing is left
// for friction.
[[nodiscard]] bool allowableLossPsiPer100ft(const TPressureBudget& budget, double& psiPer100ft);

} // namespace Design
