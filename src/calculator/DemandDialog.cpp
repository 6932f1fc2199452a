#include "DemandDialog.h"

#include "DesignDialogParts.h"
#include "DesignTexts.h"
#include "PlainMessage.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

namespace {

using namespace DesignTexts;

// The table's columns, right to left: what the fixture is, then its load and its count.
enum TFixtureColumn { kFixtureCol, kUseCol, kControlCol, kLoadCol, kCountCol };
constexpr int kTableHeightPx = 330;
constexpr int kCountWidthPx = 70;

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QLabel* headerLabel(QStringView text, QWidget* parent)
{
    auto* label = new QLabel(text.toString(), parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TDemandDialog::TDemandDialog(QWidget* parent)
    : QDialog(parent)
{
    prepareDesignDialog(this, "DemandDialog", kDemandTitle.toString());
    auto* layout = new QVBoxLayout(this);

    auto* columnRow = new QHBoxLayout;
    columnRow->addWidget(new QLabel(kColumnLabel.toString(), this));
    FColumnTotal = new QRadioButton(kColumnTotal.toString(), this);
    FColumnCold = new QRadioButton(kColumnCold.toString(), this);
    FColumnHot = new QRadioButton(kColumnHot.toString(), this);
    FColumnTotal->setObjectName(QStringLiteral("ColumnTotal"));
    FColumnCold->setObjectName(QStringLiteral("ColumnCold"));
    FColumnHot->setObjectName(QStringLiteral("ColumnHot"));
    FColumnTotal->setChecked(true);
    auto* columns = new QButtonGroup(this);
    for (QRadioButton* button : {FColumnTotal, FColumnCold, FColumnHot}) {
        columns->addButton(button);
        columnRow->addWidget(button);
    }
    columnRow->addStretch();
    layout->addLayout(columnRow);
    const TSupplyChoice supplies = addSupplyChoice(layout, this);
    FFlushTank = supplies.FlushTank;
    FFlushValve = supplies.FlushValve;

    auto* table = new QWidget;
    auto* grid = new QGridLayout(table);
    grid->addWidget(headerLabel(kHeaderFixture, table), 0, kFixtureCol);
    grid->addWidget(headerLabel(kHeaderUse, table), 0, kUseCol);
    grid->addWidget(headerLabel(kHeaderControl, table), 0, kControlCol);
    grid->addWidget(headerLabel(kHeaderLoad, table), 0, kLoadCol);
    grid->addWidget(headerLabel(kHeaderCount, table), 0, kCountCol);
    int row = 1;
    for (const Design::TFixtureLoad& fixture : Design::fixtureLoadTable()) {
        grid->addWidget(new QLabel(utf8(fixture.Fixture), table), row, kFixtureCol);
        grid->addWidget(new QLabel(utf8(fixture.Use), table), row, kUseCol);
        grid->addWidget(new QLabel(utf8(fixture.Control), table), row, kControlCol);
        auto* load = new QLabel(table);
        load->setObjectName(QStringLiteral("FixtureLoad%1").arg(row - 1));
        load->setAlignment(Qt::AlignCenter);
        grid->addWidget(load, row, kLoadCol);
        FLoads.push_back(load);
        auto* count = new QSpinBox(table);
        count->setObjectName(QStringLiteral("FixtureCount%1").arg(row - 1));
        count->setRange(0, Design::kMaxFixtureCount);
        // Latin digits under any locale, as every number of the program.
        count->setLocale(QLocale::c());
        count->setAlignment(Qt::AlignCenter);
        count->setFixedWidth(kCountWidthPx);
        grid->addWidget(count, row, kCountCol);
        FCounts.push_back(count);
        connect(count, &QSpinBox::valueChanged, this, &TDemandDialog::refresh);
        ++row;
    }
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("FixtureTable"));
    scroll->setWidget(table);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumHeight(kTableHeightPx);
    scroll->setMinimumWidth(table->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + 4);
    layout->addWidget(scroll);

    auto* directRow = new QHBoxLayout;
    directRow->addWidget(new QLabel(kDirectLoadLabel.toString(), this));
    FDirectLoad = new QLineEdit(this);
    FDirectLoad->setObjectName(QStringLiteral("DirectLoad"));
    FDirectLoad->setAlignment(Qt::AlignCenter);
    directRow->addWidget(FDirectLoad);
    layout->addLayout(directRow);

    FSummary = addSummary(layout, this, "DemandSummary");
    addApplyAndClose(layout, this, [this] { apply(); });

    for (QRadioButton* button : {FColumnTotal, FColumnCold, FColumnHot})
        connect(button, &QRadioButton::toggled, this, &TDemandDialog::refresh);
    connect(FFlushTank, &QRadioButton::toggled, this, [this] {
        refresh();
        emit supplyChanged(supply());
    });
    connect(FDirectLoad, &QLineEdit::textChanged, this, &TDemandDialog::refresh);
    refresh();
}

Design::TSupply TDemandDialog::supply() const
{
    return FFlushValve->isChecked() ? Design::TSupply::FlushValve : Design::TSupply::FlushTank;
}

void TDemandDialog::setSupply(Design::TSupply supply)
{
    (supply == Design::TSupply::FlushValve ? FFlushValve : FFlushTank)->setChecked(true);
}

Design::TLoadColumn TDemandDialog::column() const
{
    if (FColumnCold->isChecked())
        return Design::TLoadColumn::Cold;
    if (FColumnHot->isChecked())
        return Design::TLoadColumn::Hot;
    return Design::TLoadColumn::Total;
}

TDemandOutcome TDemandDialog::outcome() const
{
    std::vector<int> counts;
    counts.reserve(FCounts.size());
    for (const QSpinBox* count : FCounts)
        counts.push_back(count->value());
    return evaluateDemand(counts, column(), supply(), FDirectLoad->text());
}

void TDemandDialog::refresh()
{
    const auto fixtures = Design::fixtureLoadTable();
    for (std::size_t i = 0; i < FLoads.size(); ++i)
        FLoads[i]->setText(fixtureLoadText(Design::fixtureUnits(fixtures[i], column())));
    FSummary->setText(demandSummaryText(outcome()));
}

void TDemandDialog::apply()
{
    const TDemandOutcome result = outcome();
    if (!result.Ok || result.Gpm <= 0.0) {
        // No fixture counted: a flow of 0 would size nothing.
        showPlainMessage(result.Ok ? kNothingCounted.toString() : result.Message);
        return;
    }
    emit flowApplied(result.Gpm);
    emit loadApplied(result.FixtureUnits);
}
