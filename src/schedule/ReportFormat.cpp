#include "ReportFormat.h"

#include "NumberText.h"

#include <QCalendar>

#include <algorithm>
#include <cmath>

namespace ReportFormat {

QString leftToRight(const QString& text) { return QChar(u'\u2066') + text + QChar(u'\u2069'); }

QString quantity(double value, int decimals, const QString& unit)
{
    return leftToRight(formatFixed(value, decimals) + u' ' + unit);
}

QString count(double value, int decimals) { return formatUpTo(value, decimals); }

QString reportDate(const QDate& date)
{
    const QString gregorian = date.toString(Qt::ISODate);
    const QCalendar jalali(QCalendar::System::Jalali);
    if (!jalali.isValid())
        return leftToRight(gregorian);
    const QCalendar::YearMonthDay day = jalali.partsFromDate(date);
    const QString solarHijri = QStringLiteral("%1/%2/%3")
                                   .arg(day.year, 4, 10, QLatin1Char('0'))
                                   .arg(day.month, 2, 10, QLatin1Char('0'))
                                   .arg(day.day, 2, 10, QLatin1Char('0'));
    return leftToRight(solarHijri) + u' ' + leftToRight(u'(' + gregorian + u')');
}

QByteArray csvNumber(double value, int decimals)
{
    QByteArray text = QByteArray::number(std::isfinite(value) ? value : 0.0, 'f', decimals);
    // A value that rounds to zero is written without a sign.
    if (text.startsWith('-') && std::all_of(text.begin() + 1, text.end(), [](char c) { return c == '0' || c == '.'; }))
        text.remove(0, 1);
    return text;
}

QByteArray csvCount(double value)
{
    QByteArray text = csvNumber(value, kCountDecimals);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

} // namespace ReportFormat
