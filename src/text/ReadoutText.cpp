#include "ReadoutText.h"

#include "NumberInput.h"
#include "NumberText.h"

QString pressureReadoutText(const QString& pressureText)
{
    double psi = 0.0;
    if (!parsePressureText(pressureText, psi))
        return {};
    return formatFixed(psi, 2) + QStringLiteral(u" psi/100ft ⇒ ") + formatFixed(psi * kFeetOfWaterPerPsi, 2)
        + QStringLiteral(" ft/100ft");
}

QString neighbourReadoutText(double velocityFtPerS, double pressurePsiPer100ft)
{
    return QStringLiteral("V=") + formatFixed(velocityFtPerS, 2) + QStringLiteral(" ft/s\r\n") + QStringLiteral(u"ΔP=")
        + formatFixed(pressurePsiPer100ft, 2) + QStringLiteral(" psi/100ft");
}
