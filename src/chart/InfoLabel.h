#pragma once
// The text of the chart's info panel: a plain-text label whose lines are laid out once each time
// a line changes, not again on every paint and every measurement.
//
// While the marker glides, the panel's flow and pressure lines change on every 20 ms step and
// its pipe and velocity lines not at all; a label lays out all four lines for each paint, and
// the panel's fit to its text measured them a second time.

#include <QLabel>
#include <QStaticText>

#include <vector>

class TInfoLabel : public QLabel {
public:
    explicit TInfoLabel(QWidget* parent = nullptr);

    // Width of the widest line by the height of all lines, as QFontMetrics::boundingRect gives
    // them for the label's text and font.
    [[nodiscard]] QSize textSizePx();

protected:
    // The lines from the top left corner, one line spacing apart, whatever the alignment.
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layOutText();

    std::vector<QStaticText> FLines;
    QString FLaidOutText;
    int FHeightPx = 0;
    int FWidthPx = 0;
    bool FFontChanged = true;
};
