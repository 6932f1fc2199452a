#include "MaterialMethod.h"

#include "NumberText.h"
#include "ReportFormat.h"
#include "ReportTexts.h"

#include <cmath>

namespace Report {
namespace {

constexpr int kRoughnessDecimals = 3;
constexpr int kTemperatureDecimals = 1;
constexpr int kDensityDecimals = 2;
constexpr int kViscosityDecimals = 3;
constexpr char16_t kSuperscriptDigits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
constexpr char16_t kSuperscriptMinus = u'⁻';

QString superscript(int exponent)
{
    QString text = exponent < 0 ? QString(QChar(kSuperscriptMinus)) : QString();
    for (const QChar digit : QString::number(std::abs(exponent)))
        text += QChar(kSuperscriptDigits[digit.digitValue()]);
    return text;
}

// A symbol, its value and its unit as one left-to-right piece that a line never breaks: broken,
// its halves would stand on two lines in the Persian sentence's order, the value before its symbol.
QString unbroken(QString value) { return ReportFormat::leftToRight(value.replace(u' ', QChar(0x00A0))); }

} // namespace

QString materialNameText(const std::string& id)
{
    const Hydraulics::TMaterial* material = Hydraulics::findMaterial(id);
    return ReportFormat::leftToRight(QString::fromStdString(material != nullptr ? material->name : id));
}

QString scientific(double value, int decimals)
{
    if (!std::isfinite(value) || value <= 0.0)
        return formatFixed(0.0, decimals);
    int exponent = int(std::floor(std::log10(value)));
    double mantissa = value / std::pow(10.0, exponent);
    // 9.9996 written with three places is 10.000: one power of ten more, then.
    if (std::round(mantissa * std::pow(10.0, decimals)) >= 10.0 * std::pow(10.0, decimals)) {
        ++exponent;
        mantissa /= 10.0;
    }
    return formatFixed(mantissa, decimals) + QStringLiteral(" × 10") + superscript(exponent);
}

bool materialMethodText(const Hydraulics::TMaterial& material, double temperatureC, QString& paragraph)
{
    Hydraulics::TWater water;
    if (!Hydraulics::water(temperatureC, water))
        return false;
    paragraph = ReportTexts::kMaterialMethod.toString().arg(
        unbroken(QStringLiteral("ε = ") + formatFixed(material.roughnessMm, kRoughnessDecimals)
                 + QStringLiteral(" mm")),
        unbroken(formatFixed(temperatureC, kTemperatureDecimals) + QStringLiteral(" °C")),
        unbroken(QStringLiteral("ρ = ") + formatFixed(water.densityKgPerM3, kDensityDecimals)
                 + QStringLiteral(" kg/m³")),
        unbroken(QStringLiteral("ν = ") + scientific(water.kinematicViscosityM2PerS, kViscosityDecimals)
                 + QStringLiteral(" m²/s")));
    return true;
}

} // namespace Report
