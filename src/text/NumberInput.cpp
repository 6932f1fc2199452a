#include "NumberInput.h"

#include "NumberText.h"
#include "TextTrim.h"

#include <QLocale>

#include <cmath>

namespace {

constexpr int kScaleMinPercent = 10;
constexpr int kScaleMaxPercent = 300;
constexpr int kScaleDefaultPercent = 100;

bool toFiniteDouble(const QLocale& locale, const QString& text, double& value)
{
    bool ok = false;
    const double parsed = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

QLocale withoutGroups(QLocale locale)
{
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    return locale;
}

// The invariant reading ("." decimal separator, Latin digits).
bool parseWithPoint(const QString& text, double& value)
{
    return toFiniteDouble(withoutGroups(QLocale::c()), text, value);
}

} // namespace

bool parsePressureText(const QString& text, double& pressurePsiPer100ft)
{
    const QLocale user;
    if (QString(userDecimalSeparator()) != user.decimalPoint())
        return parseWithPoint(text, pressurePsiPer100ft);
    return toFiniteDouble(withoutGroups(user), text, pressurePsiPer100ft);
}

bool parseNumberEitherMark(const QString& text, double& value)
{
    const QString term = trimmedOfBlanksAndControls(text);
    if (parseWithPoint(term, value))
        return true;
    // A "," read as the decimal separator: the same text with a "." in its place. A term that
    // also holds a "." would then carry two separators and is refused.
    if (term.contains(QLatin1Char('.')))
        return false;
    QString withPoint = term;
    withPoint.replace(QLatin1Char(','), QLatin1Char('.'));
    return parseWithPoint(withPoint, value);
}

bool parseFlowText(const QString& text, double& flowGpm, QString& rewritten)
{
    const QString trimmed = trimmedOfBlanksAndControls(text);
    if (!trimmed.contains(QLatin1Char('+'))) {
        double single = 0.0;
        if (!parseNumberEitherMark(trimmed, single))
            return false;
        flowGpm = single;
        rewritten.clear();
        return true;
    }
    double sumGpm = 0.0;
    const QStringList terms = trimmed.split(QLatin1Char('+'), Qt::KeepEmptyParts);
    for (const QString& term : terms) {
        double termGpm = 0.0;
        if (!parseNumberEitherMark(term, termGpm))
            return false;
        sumGpm += termGpm;
    }
    if (!std::isfinite(sumGpm))
        return false;
    flowGpm = sumGpm;
    // A large total comes out in exponent form, and the "+" of "e+20" would make the field read
    // as a sum, and be refused, on the next calculation; the exponent reads the same without it.
    rewritten = formatGeneral(sumGpm);
    rewritten.replace(QStringLiteral("e+"), QStringLiteral("e"));
    return true;
}

double localeNumberOrZero(const QString& text)
{
    double value = 0.0;
    return parsePressureText(text, value) ? value : 0.0;
}

int scalePercentFromText(const QString& text)
{
    bool ok = false;
    const int percent = text.trimmed().toInt(&ok, 10);
    if (!ok || percent < kScaleMinPercent || percent > kScaleMaxPercent)
        return kScaleDefaultPercent;
    return percent;
}
