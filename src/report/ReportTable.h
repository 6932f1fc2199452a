#pragma once
// The PDF report's table of segments, free of painting: its columns, from the right, and the
// text of every cell, in the project's units.

#include "ProjectFile.h"
#include "Sizing.h"

#include <QString>
#include <QStringList>

#include <vector>

struct TReportColumn {
    QString title;
    QString unit;        // on a second line under the title; empty for none
    bool isText = false; // a Persian text that wraps and shares the width left by the others
};

struct TReportTable {
    std::vector<TReportColumn> columns;
    std::vector<QStringList> rows; // one cell per column
    // Cells drawn as a warning, such as an outlet short of pressure: row by row, column by
    // column; a row without an entry has none.
    std::vector<std::vector<bool>> warnings;

    [[nodiscard]] bool isWarning(std::size_t row, std::size_t column) const
    {
        return row < warnings.size() && column < warnings[row].size() && warnings[row][column];
    }
};

// A tree's adds its nodes and the load each segment serves.
[[nodiscard]] TReportTable scheduleTable(const Project::TProject& project, const Sizing::TScheduleResult& result);

// A tree's outlets: each with its node, the pressure it needs, its pressure in flow and its
// margin, a margin below zero marked as a warning.
[[nodiscard]] TReportTable outletTable(const Project::TProject& project, const Sizing::TScheduleResult& result);
