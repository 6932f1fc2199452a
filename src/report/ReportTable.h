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
};

[[nodiscard]] TReportTable scheduleTable(const Project::TProject& project, const Sizing::TScheduleResult& result);
