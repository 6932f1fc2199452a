#pragma once
// What the two design helpers' windows share: the font, the system choice, the summary label
// and the row of "Apply" and "Close", so that both read and behave alike.

#include "Demand.h"

#include <QString>

#include <functional>

class QBoxLayout;
class QDialog;
class QLabel;
class QRadioButton;
class QWidget;

// Right to left, in the calculator's faces, titled; hidden (not destroyed) by Esc or "Close".
void prepareDesignDialog(QDialog* dialog, const char* name, const QString& title);

struct TSupplyChoice {
    QRadioButton* FlushTank = nullptr;
    QRadioButton* FlushValve = nullptr;
};

// The two systems in a row, flush tanks chosen.
[[nodiscard]] TSupplyChoice addSupplyChoice(QBoxLayout* layout, QWidget* parent);

// Multi-line plain text, right to left, selectable so that a user can copy the arithmetic.
[[nodiscard]] QLabel* addSummary(QBoxLayout* layout, QWidget* parent, const char* name);

// "Apply" is the default button, so Enter in any field applies; "Close" hides the window.
void addApplyAndClose(QBoxLayout* layout, QDialog* dialog, const std::function<void()>& apply);
