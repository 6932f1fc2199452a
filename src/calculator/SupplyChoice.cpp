#include "SupplyChoice.h"

#include "DesignTexts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QRadioButton>

TSupplyChoice::TSupplyChoice(QWidget* parent)
    : QWidget(parent)
{
    // Two radio buttons of one parent exclude each other, apart from any other choice of the window.
    FFlushTank = new QRadioButton(DesignTexts::kSystemFlushTank.toString(), this);
    FFlushValve = new QRadioButton(DesignTexts::kSystemFlushValve.toString(), this);
    FFlushTank->setObjectName(QStringLiteral("SupplyFlushTank"));
    FFlushValve->setObjectName(QStringLiteral("SupplyFlushValve"));
    FFlushTank->setChecked(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(DesignTexts::kSystemLabel.toString(), this));
    row->addWidget(FFlushTank);
    row->addWidget(FFlushValve);
    row->addStretch();
    connect(FFlushTank, &QRadioButton::toggled, this, [this] { emit supplyChanged(supply()); });
}

Design::TSupply TSupplyChoice::supply() const
{
    return FFlushValve->isChecked() ? Design::TSupply::FlushValve : Design::TSupply::FlushTank;
}

void TSupplyChoice::setSupply(Design::TSupply supply)
{
    (supply == Design::TSupply::FlushValve ? FFlushValve : FFlushTank)->setChecked(true);
}
