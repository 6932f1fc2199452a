#pragma once
// The choice between a building whose water closets mostly have flush tanks and one whose closets
// mostly have flush valves: the demand reads its column of Hunter's curve by it, the pressure
// budget the least pressure its fixture needs. One building has one system, so both design
// helpers show this one control, flush tanks chosen at first.

#include "Demand.h"

#include <QWidget>

class QRadioButton;

class TSupplyChoice : public QWidget {
    Q_OBJECT

public:
    explicit TSupplyChoice(QWidget* parent = nullptr);

    [[nodiscard]] Design::TSupply supply() const;
    void setSupply(Design::TSupply supply);

signals:
    // Once for every change, whether the user made it or setSupply did.
    void supplyChanged(Design::TSupply supply);

private:
    QRadioButton* FFlushTank = nullptr;
    QRadioButton* FFlushValve = nullptr;
};
