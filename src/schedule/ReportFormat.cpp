#include "ReportFormat.h"

#include "NumberText.h"

#include <QCalendar>
#include <QRegularExpression>

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

QString csvNumber(double value, int decimals)
{
    QString text = QString::number(std::isfinite(value) ? value : 0.0, 'f', decimals);
    // A value that rounds to zero is written without a sign.
    static const QRegularExpression kNonZeroDigit(QStringLiteral("[1-9]"));
    if (text.startsWith(u'-') && !text.contains(kNonZeroDigit))
        text.remove(0, 1);
    return text;
}

QString csvCount(double value)
{
    QString text = csvNumber(value, kCountDecimals);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

} // namespace ReportFormat
