#include "ScheduleUnits.h"

#include "Units.h"

#include <array>
#include <utility>

namespace ScheduleUnits {
namespace {

using Project::TUnits;

// The metric sizes of the nominal pipes, as the standards pair them.
// clang-format off
constexpr std::array<std::pair<const char16_t*, int>, 16> kDiameters{{
    {u"3/8\"", 10}, {u"1/2\"", 15}, {u"3/4\"", 20}, {u"1\"", 25}, {u"1 1/4\"", 32}, {u"1 1/2\"", 40},
    {u"2\"", 50}, {u"2 1/2\"", 65}, {u"3\"", 80}, {u"3 1/2\"", 90}, {u"4\"", 100}, {u"5\"", 125},
    {u"6\"", 150}, {u"8\"", 200}, {u"10\"", 250}, {u"12\"", 300},
}};
// clang-format on

bool isSI(TUnits units) { return units == TUnits::SI; }

} // namespace

QString dnName(const QString& nominalPipe)
{
    for (const auto& [name, dn] : kDiameters)
        if (nominalPipe == QStringView(name))
            return QStringLiteral("DN%1").arg(dn);
    return {};
}

QString pipeLabel(const QString& nominalPipe, TUnits units)
{
    const QString dn = dnName(nominalPipe);
    if (!isSI(units) || dn.isEmpty())
        return nominalPipe;
    return nominalPipe + u' ' + dn;
}

QString sizeLabel(const Sizing::TSegmentSize& size, TUnits units)
{
    const QString name = QString::fromStdString(size.pipe);
    return size.outsideMm > 0.0 ? name : pipeLabel(name, units);
}

double lengthIn(double lengthFt, TUnits units) { return isSI(units) ? lengthFt * Design::kMetresPerFoot : lengthFt; }
double pressureIn(double psi, TUnits units) { return isSI(units) ? psi / Design::kPsiPerKPa : psi; }
double flowIn(double gpm, TUnits units) { return isSI(units) ? Design::flowLitresPerSecond(gpm) : gpm; }
double velocityIn(double ftPerS, TUnits units) { return isSI(units) ? ftPerS * Design::kMetresPerFoot : ftPerS; }
double lossIn(double psiPer100ft, TUnits units)
{
    return isSI(units) ? Design::lossKPaPerMetre(psiPer100ft) : psiPer100ft;
}

double lengthFt(double value, TUnits units) { return isSI(units) ? value / Design::kMetresPerFoot : value; }
double pressurePsi(double value, TUnits units) { return isSI(units) ? value * Design::kPsiPerKPa : value; }
double flowGpm(double value, TUnits units) { return isSI(units) ? value / Design::kLitresPerSecondPerGpm : value; }
double limitFtPerS(double value, TUnits units) { return isSI(units) ? value / Design::kMetresPerFoot : value; }

QString lengthUnit(TUnits units) { return isSI(units) ? QStringLiteral("m") : QStringLiteral("ft"); }
QString pressureUnit(TUnits units) { return isSI(units) ? QStringLiteral("kPa") : QStringLiteral("psi"); }
QString flowUnit(TUnits units) { return isSI(units) ? QStringLiteral("L/s") : QStringLiteral("gpm"); }
QString velocityUnit(TUnits units) { return isSI(units) ? QStringLiteral("m/s") : QStringLiteral("ft/s"); }
QString lossUnit(TUnits units) { return isSI(units) ? QStringLiteral("kPa/m") : QStringLiteral("psi/100ft"); }

} // namespace ScheduleUnits
