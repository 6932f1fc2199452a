#include "NumberText.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

// QString::number always writes Latin digits, "." and no grouping; only the separator is the user's.
QString withUserSeparator(QString text)
{
    // A value that rounds to zero is written without a sign.
    if (text.startsWith(QLatin1Char('-')) && !text.contains(QRegularExpression(QStringLiteral("[1-9]"))))
        text.remove(0, 1);
    text.replace(QLatin1Char('.'), userDecimalSeparator());
    return text;
}

// Non-finite values never reach the windows; should one slip through, it is written as 0 rather
// than as "nan" or "inf".
double finiteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

} // namespace

QChar userDecimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    if (separator == QStringLiteral(",") || separator == QStringLiteral("."))
        return separator.at(0);
    return QLatin1Char('.');
}

QString formatFixed(double value, int decimals)
{
    return withUserSeparator(QString::number(finiteOrZero(value), 'f', decimals));
}

QString formatUpTo(double value, int decimals)
{
    QString text = QString::number(finiteOrZero(value), 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return withUserSeparator(text);
}

QString formatGeneral(double value) { return withUserSeparator(QString::number(finiteOrZero(value), 'g', 15)); }
