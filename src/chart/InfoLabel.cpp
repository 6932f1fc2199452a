#include "InfoLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

TInfoLabel::TInfoLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
}

// A line keeps its layout while its text and the font stay the same; the height depends on the
// number of lines only.
void TInfoLabel::layOutText()
{
    const QString current = text();
    if (current == FLaidOutText && !FFontChanged)
        return;
    const QStringList lines = current.split(u'\n');
    const bool lineCountChanged = std::size_t(lines.size()) != FLines.size();
    FLines.resize(std::size_t(lines.size()));
    FWidthPx = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStaticText& line = FLines[std::size_t(i)];
        if (FFontChanged || line.text() != lines.at(i)) {
            line.setTextFormat(Qt::PlainText);
            line.setText(lines.at(i));
            line.prepare(QTransform(), font());
        }
        FWidthPx = std::max(FWidthPx, int(std::ceil(line.size().width())));
    }
    if (FFontChanged || lineCountChanged)
        FHeightPx = fontMetrics().boundingRect(QRect(), Qt::AlignLeft | Qt::AlignTop, current).height();
    FLaidOutText = current;
    FFontChanged = false;
}

QSize TInfoLabel::textSizePx()
{
    layOutText();
    return {FWidthPx, FHeightPx};
}

void TInfoLabel::paintEvent(QPaintEvent*)
{
    layOutText();
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QPointF topLeft = contentsRect().topLeft();
    const qreal lineSpacingPx = QFontMetricsF(font()).lineSpacing();
    for (std::size_t i = 0; i < FLines.size(); ++i)
        painter.drawStaticText(topLeft + QPointF(0.0, qreal(i) * lineSpacingPx), FLines[i]);
}

void TInfoLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        FFontChanged = true;
    QLabel::changeEvent(event);
}
