// The pressure-drop field under several locales, and the conversion readout beside it. An
// accepted pressure drop is finite; the readout is empty exactly when the text is refused, and
// otherwise shows the value and its feet of water, each with two decimals.
#include "FuzzInput.h"
#include "FuzzLocales.h"

#include "NumberInput.h"
#include "NumberText.h"
#include "ReadoutText.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput in(data, size);
    QLocale::setDefault(fuzzLocale(in.byte()));
    const std::string_view bytes = in.rest();
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));

    double psi = -7.0;
    const bool accepted = parsePressureText(text, psi);
    const QString readout = pressureReadoutText(text);
    if (!accepted) {
        require(psi == -7.0, "a refused pressure drop changes nothing");
        require(readout.isEmpty(), "a refused pressure drop shows no readout");
        return 0;
    }
    require(std::isfinite(psi), "an accepted pressure drop is finite");
    const QString expected = formatFixed(psi, 2) + QStringLiteral(u" psi/100ft ⇒ ")
        + formatFixed(psi * kFeetOfWaterPerPsi, 2) + QStringLiteral(" ft/100ft");
    require(readout == expected, "the readout shows the value and its feet of water");
    for (const QChar c : readout)
        require(c.unicode() < 0x660 || c.unicode() > 0x6f9, "the readout uses Latin digits");
    require(!readout.contains(QStringLiteral("nan"), Qt::CaseInsensitive)
                && !readout.contains(QStringLiteral("inf"), Qt::CaseInsensitive),
            "the readout never shows NaN or an infinity");
    require(localeNumberOrZero(text) == psi, "the chart reads the same pressure drop");
    return 0;
}
