#include "MarkerTravel.h"

#include <algorithm>
#include <cmath>

int markerTargetLeft(double ratio, int barLeft, int barWidth, int markerWidth)
{
    const double limited = std::isnan(ratio) ? 0.0 : std::clamp(ratio, 0.0, 1.0);
    const int travel = barWidth - markerWidth;
    // std::nearbyint rounds in the default mode, to nearest with halves to even.
    return barLeft + static_cast<int>(std::nearbyint(travel * limited));
}

bool stepMarker(int& left, int target, int step)
{
    const int next = left + step;
    if ((step > 0 && next >= target) || (step < 0 && next <= target) || step == 0) {
        left = target;
        return true;
    }
    left = next;
    return false;
}

bool markerOnHighHalf(int markerLeft, int barLeft, int barWidth) { return markerLeft >= barLeft + barWidth / 2; }
