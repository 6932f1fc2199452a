#pragma once
// The last calculation as plain text, for Ctrl+C in the calculator window and a paste into a
// design report: class, pressure drop, flow, pipe size, velocity with the advice when it
// applies, and the two neighbouring pipe sizes with their velocity and pressure drop at the
// design flow. Persian labels, numbers with Latin digits and the user's decimal separator, as
// the window writes them; one item a line, lines ended by CR LF.

#include "CalculatorReading.h"

#include <QString>

struct TNeighbourPipe {
    QString name;
    double velocityFtPerS = 0.0;
    double pressurePsiPer100ft = 0.0;
};

struct TCalculationSummary {
    // The class as its button names it, without the check mark.
    QString className;
    double pressurePsiPer100ft = 0.0;
    double flowGpm = 0.0;
    QString pipeName;
    double velocityFtPerS = 0.0;
    // Empty when the velocity needs none.
    QString advice;
    // The pipe-range bar's two ends; none when the flow lies outside the class's pipes.
    bool hasNeighbours = false;
    TNeighbourPipe lower;
    TNeighbourPipe upper;
};

[[nodiscard]] QString calculationSummaryText(const TCalculationSummary& summary);

// The summary of one reading: the class as its button names it, the inputs as read, and the
// advice text, which goes in only when the reading calls for it.
[[nodiscard]] TCalculationSummary calculationSummary(const QString& className, double pressurePsiPer100ft,
                                                     double flowGpm, const Sizing::TCalculatorReading& reading,
                                                     const QString& advice);
