#pragma once
// The schedule's friction chart in a window of its own: the same plot, lines, allowance and
// marked segments as the PDF report's chart page, at the size that page lays it out at.

#include "ProjectFile.h"
#include "Sizing.h"

#include <QDialog>

class TFrictionPlot;

class TScheduleChartDialog : public QDialog {
    Q_OBJECT

public:
    // The schedule must have been evaluated into result.
    TScheduleChartDialog(const Project::TProject& project, const Sizing::TScheduleResult& result,
                         QWidget* parent = nullptr);

    // nullptr when the schedule's class or material has no chart.
    [[nodiscard]] TFrictionPlot* plot() const { return FPlot; }

private:
    TFrictionPlot* FPlot = nullptr;
};
