#include "AxisLabelFit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace {
// Rank of each leading digit 1 to 9.
constexpr std::array<int, 9> kDigitRank{0, 2, 3, 4, 1, 5, 6, 7, 8};
constexpr int kLastRank = 9;
} // namespace

int labelRank(double value)
{
    if (!std::isfinite(value) || value <= 0.0)
        return kLastRank;
    const double mantissa = value / std::pow(10.0, std::floor(std::log10(value)));
    // 0.3 is 2.9999... times 0.1 in binary; round to the digit it was written with.
    const long digit = std::lround(mantissa);
    if (digit < 1 || digit > 9 || std::abs(mantissa - double(digit)) > 1e-6)
        return kLastRank;
    return kDigitRank[std::size_t(digit - 1)];
}

std::vector<bool> labelsThatFit(const std::vector<TAxisLabel>& labels, double gapPx)
{
    std::vector<std::size_t> order(labels.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int rankA = labelRank(labels[a].value);
        const int rankB = labelRank(labels[b].value);
        return rankA != rankB ? rankA < rankB : labels[a].value < labels[b].value;
    });

    std::vector<bool> kept(labels.size(), false);
    std::vector<std::size_t> keptSoFar;
    for (const std::size_t candidate : order) {
        const TAxisLabel& label = labels[candidate];
        if (!std::isfinite(label.centrePx) || !std::isfinite(label.extentPx))
            continue;
        const bool clear = std::all_of(keptSoFar.begin(), keptSoFar.end(), [&](std::size_t other) {
            const TAxisLabel& o = labels[other];
            return std::abs(label.centrePx - o.centrePx) >= (label.extentPx + o.extentPx) / 2.0 + gapPx;
        });
        if (clear) {
            kept[candidate] = true;
            keptSoFar.push_back(candidate);
        }
    }
    return kept;
}
