#pragma once
// What the calculator reads on one class's nomogram at an operating point (a design pressure
// drop and a design flow): the pipe whose line the nearest-pipe lookup chooses and the velocity
// there, whether that velocity calls for the advice, and the pipe-range bar's two neighbouring
// pipe sizes, each with its velocity and pressure drop at the design flow, and the flow's place
// between them. The window reads its two fields, asks for this reading and writes it out.

#include <string>

namespace Sizing {

struct TNeighbourReading {
    std::string pipe;
    double flowGpm = 0.0;        // what its line carries at the design pressure drop; 0 when the
                                 // smallest pipe stands in as its own smaller neighbour
    double velocityFtPerS = 0.0; // at the design flow on its own line
    double lossPsiPer100ft = 0.0;
};

struct TCalculatorReading {
    std::string pipe;
    double velocityFtPerS = 0.0;
    // The velocity is above the main's limit of the regulations (kDefaultMainLimitFtPerS).
    bool needsAdvice = false;
    // False when no pipe of the class carries the flow at the pressure drop (the lookup extends
    // every line, so this is rare); the bar is then left as it was.
    bool hasNeighbours = false;
    TNeighbourReading lower;
    TNeighbourReading upper;
    // Where the flow lies between the neighbours' flows on a log scale: 0 at the smaller, 1 at
    // the larger (1 also when the smallest pipe carries the flow). Never NaN.
    double barRatio = 0.0;
};

// False, with `reading` untouched, for a class that is not 1, 2 or 3, or a point at which the
// nearest-pipe lookup finds no pipe (a pressure drop or flow of 0 or less, or off every line).
[[nodiscard]] bool readOperatingPoint(int roughnessClass, double pressurePsiPer100ft, double flowGpm,
                                      TCalculatorReading& reading);

} // namespace Sizing
