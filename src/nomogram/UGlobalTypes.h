#pragma once
// UGlobalTypes holds the types the three classes' tables share: a nomogram line and a table of lines.
//
// The line record of the friction-loss nomogram and the table type that holds a class's lines.
// X is a pressure drop in psi per 100 ft, Y a flow in US gallons per minute; a line is straight
// on the log-log plane between its two end points.

#include <string>
#include <vector>

struct TPipeSize {
    std::string Name;
    double X1 = 0.0;
    double Y1 = 0.0;
    double X2 = 0.0;
    double Y2 = 0.0;
};

// Order carries meaning: ascending pipe size, or ascending velocity.
using TPipeSizeArray = std::vector<TPipeSize>;
