#pragma once
// The totals bar under the schedule's table, always in view: what the source leaves for
// friction, the allowable loss it gives, the friction along the critical path and the pressure
// left at the critical fixture, a tree's critical outlet with its path, and a booster set's duty
// (the same line as the report's); while the schedule cannot be evaluated, a
// line saying why. The lines are worked out by totalsLines, without widgets.

#include "ProjectFile.h"
#include "Sizing.h"

#include <QFrame>
#include <QString>

class QLabel;
class TScheduleModel;

struct TTotalsLines {
    bool Evaluated = false;
    QString Available;
    QString Allowable;
    QString PathLoss;
    QString Residual;
    bool ResidualShort = false; // the path loses more than the source leaves
    QString Problem;            // why there are no totals, or the path's segments without a pipe
    QString CriticalOutlet;     // a tree's: its segment, its node and its path as a chain of nodes
    QString Booster;            // a booster set's duty and tanks, in the project's units; empty for the main
};

[[nodiscard]] TTotalsLines totalsLines(const Project::TProject& project, const Sizing::TScheduleCheck& check,
                                       const Sizing::TScheduleResult& result);

class TScheduleTotals : public QFrame {
    Q_OBJECT

public:
    explicit TScheduleTotals(const TScheduleModel& model, QWidget* parent = nullptr);

private:
    void refresh();

    const TScheduleModel& FModel;
    QLabel* FAvailable = nullptr;
    QLabel* FAllowable = nullptr;
    QLabel* FPathLoss = nullptr;
    QLabel* FResidual = nullptr;
    QLabel* FProblem = nullptr;
    QLabel* FCriticalOutlet = nullptr;
    QLabel* FBooster = nullptr;
};
