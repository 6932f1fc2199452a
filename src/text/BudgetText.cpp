#include "BudgetText.h"

#include "NumberText.h"

#include <cmath>

namespace {
constexpr int kDecimals = 2;
constexpr int kFactorDecimals = 4;
} // namespace

QString availableArithmetic(double sourcePsi, double meterAndDevicesPsi, double psiPerFtOfWater, double heightFt,
                            double fixturePsi)
{
    const auto number = [](double value) { return formatFixed(value, kDecimals); };
    const QString head
        = formatUpTo(psiPerFtOfWater, kFactorDecimals) + QStringLiteral(u" × ") + number(std::abs(heightFt));
    return number(sourcePsi) + QStringLiteral(u" − ") + number(meterAndDevicesPsi)
        + (heightFt < 0.0 ? QStringLiteral(" + ") : QStringLiteral(u" − ")) + head + QStringLiteral(u" − ")
        + number(fixturePsi);
}
