#pragma once
// A fixed list of labelled ticks for one chart axis that writes only the labels there is room
// for at the axis's present length (see AxisLabelFit.h); ticks and grid lines stay at every
// value of the list.

#include <QPointer>
#include <qcustomplot.h>

class TFittingTicker : public QCPAxisTickerText {
public:
    explicit TFittingTicker(QCPAxis* axis);

    void generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision, QVector<double>& ticks,
                  QVector<double>* subTicks, QVector<QString>* tickLabels) override;

    // The labels are chosen from the axis's length as of the chart's last layout; after a
    // resize that length is one layout behind until the chart is drawn again.
    [[nodiscard]] bool isStale() const;

private:
    [[nodiscard]] double axisLengthPx() const;

    QPointer<QCPAxis> FAxis;
    double FLengthUsedPx = -1.0;
};
