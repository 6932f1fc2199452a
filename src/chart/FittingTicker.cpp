#include "FittingTicker.h"

#include "AxisLabelFit.h"

#include <QFontMetricsF>

#include <vector>

namespace {
// Space kept free between two neighbouring labels.
constexpr double kLabelGapPx = 4.0;
} // namespace

TFittingTicker::TFittingTicker(QCPAxis* axis)
    : FAxis(axis)
{
    setSubTickCount(0);
}

double TFittingTicker::axisLengthPx() const
{
    if (!FAxis)
        return 0.0;
    return FAxis->orientation() == Qt::Horizontal ? FAxis->axisRect()->width() : FAxis->axisRect()->height();
}

bool TFittingTicker::isStale() const
{
    return FAxis && FAxis->visible() && std::abs(axisLengthPx() - FLengthUsedPx) > 0.5;
}

void TFittingTicker::generate(const QCPRange& range, const QLocale& locale, QChar formatChar, int precision,
                              QVector<double>& ticks, QVector<double>* subTicks, QVector<QString>* tickLabels)
{
    QCPAxisTickerText::generate(range, locale, formatChar, precision, ticks, subTicks, tickLabels);
    if (!FAxis || !tickLabels || tickLabels->size() != ticks.size())
        return;
    FLengthUsedPx = axisLengthPx();

    const QFontMetricsF metrics(FAxis->tickLabelFont());
    const bool horizontal = FAxis->orientation() == Qt::Horizontal;
    std::vector<TAxisLabel> labels;
    labels.reserve(std::size_t(ticks.size()));
    for (qsizetype i = 0; i < ticks.size(); ++i) {
        const QString& text = tickLabels->at(i);
        labels.push_back({ticks.at(i), FAxis->coordToPixel(ticks.at(i)),
                          horizontal ? metrics.horizontalAdvance(text) : metrics.height()});
    }
    const std::vector<bool> kept = labelsThatFit(labels, kLabelGapPx);
    for (qsizetype i = 0; i < ticks.size(); ++i)
        if (!kept[std::size_t(i)])
            (*tickLabels)[i].clear();
}
