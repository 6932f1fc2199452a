#include "ScheduleClipboard.h"

namespace ScheduleClipboard {
namespace {

constexpr QChar kTab = u'\t';
constexpr QChar kQuote = u'"';
constexpr QChar kLineFeed = u'\n';
constexpr QChar kReturn = u'\r';

} // namespace

QList<QStringList> parseTabSeparated(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    bool cellStarted = false;
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != kQuote)
                cell += c;
            else if (i + 1 < length && text.at(i + 1) == kQuote)
                cell += text.at(++i);
            else
                quoted = false;
            continue;
        }
        if (c == kQuote && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == kTab) {
            row << cell;
            cell.clear();
            cellStarted = false;
        } else if (c == kLineFeed || c == kReturn) {
            if (c == kReturn && i + 1 < length && text.at(i + 1) == kLineFeed)
                ++i;
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            cellStarted = false;
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    // The last row, unless the text ended with its line break.
    if (cellStarted || !row.isEmpty() || (!text.isEmpty() && rows.isEmpty()))
        rows << (row << cell);
    return rows;
}

QString tabSeparated(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            QString cell = row.at(i);
            if (cell.contains(kTab) || cell.contains(kLineFeed) || cell.contains(kReturn) || cell.contains(kQuote))
                cell = kQuote + cell.replace(kQuote, QStringLiteral("\"\"")) + kQuote;
            if (i > 0)
                text += kTab;
            text += cell;
        }
        text += kLineFeed;
    }
    return text;
}

QString withoutIsolates(const QString& shown)
{
    QString copied = shown;
    return copied.remove(QChar(u'\u2066')).remove(QChar(u'\u2069'));
}

} // namespace ScheduleClipboard
