#pragma once
// Blocks of cells as a spreadsheet copies them: rows on lines, cells split by tabs. A cell in
// double quotes may hold tabs, line breaks and doubled quotes. What the table copies reads back
// the same here and in a spreadsheet.

#include <QList>
#include <QString>
#include <QStringList>

namespace ScheduleClipboard {

// One trailing line break ends the last row and makes no empty row of its own; an empty first
// cell is kept.
[[nodiscard]] QList<QStringList> parseTabSeparated(const QString& text);

// Each row on its own line, ended by a line break; a cell holding a tab, a line break or a
// quote is quoted.
[[nodiscard]] QString tabSeparated(const QList<QStringList>& rows);

// A text without the marks that keep its left-to-right parts in order on screen; a spreadsheet
// cell orders them itself.
[[nodiscard]] QString withoutIsolates(const QString& shown);

} // namespace ScheduleClipboard
