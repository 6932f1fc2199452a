#include "ReportFormat.h"

#include "NumberText.h"

#include <QCalendar>

#include <cmath>

namespace ReportFormat {

QString leftToRight(const QString& text) { return QChar(u'\u2066') + text + QChar(u'\u2069'); }

QString fixed(double value, int decimals, QChar decimalMark)
{
    return QString::number(std::isfinite(value) ? value : 0.0, 'f', decimals).replace(u'.', decimalMark);
}

QString quantity(double value, int decimals, const QString& unit)
{
    return quantity(value, decimals, unit, userDecimalSeparator());
}

QString quantity(double value, int decimals, const QString& unit, QChar decimalMark)
{
    return leftToRight(fixed(value, decimals, decimalMark) + u' ' + unit);
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

} // namespace ReportFormat
