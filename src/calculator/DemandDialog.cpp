#include "DemandDialog.h"

#include "DesignDialogParts.h"
#include "DesignTexts.h"
#include "PlainMessage.h"
#include "SupplyChoice.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>

#include <array>

namespace {

using namespace DesignTexts;
using K = TDialogKind;

// The window's columns: the load column's caption and its three choices, then room to spare.
enum TDialogColumn { kCaptionCol, kTotalCol, kColdCol, kHotCol, kFieldCol, kSpareCol, kColumnCount };
// The fixture table's columns, right to left: what the fixture is, then its load and its count.
enum TFixtureColumn { kFixtureCol, kUseCol, kControlCol, kLoadCol, kCountCol };
constexpr int kTableRow = 2;
constexpr int kTableHeightPx = 330;
// Room beside the table's widest row for the scroll area's frame.
constexpr int kTableFramePx = 4;

// clang-format off
constexpr auto kLayout = std::to_array<TDialogCell>({
    // object name,   text,             kind,             row,       column,      columns
    {nullptr,         kColumnLabel,     K::Caption,       0,         kCaptionCol},
    {"ColumnTotal",   kColumnTotal,     K::Radio,         0,         kTotalCol},
    {"ColumnCold",    kColumnCold,      K::Radio,         0,         kColdCol},
    {"ColumnHot",     kColumnHot,       K::Radio,         0,         kHotCol},
    {"SupplyChoice",  {},               K::SupplyChoice,  1,         kCaptionCol, kColumnCount},
    {"FixtureTable",  {},               K::Scroller,      kTableRow, kCaptionCol, kColumnCount},
    {nullptr,         kDirectLoadLabel, K::Caption,       3,         kCaptionCol, kFieldCol},
    {"DirectLoad",    {},               K::NumberField,   3,         kFieldCol},
    {"DemandSummary", {},               K::Summary,       4,         kCaptionCol, kColumnCount},
    {"ApplyAndClose", {},               K::ApplyAndClose, 5,         kCaptionCol, kColumnCount},
});

constexpr auto kFixtureHeaders = std::to_array<TDialogCell>({
    {nullptr, kHeaderFixture, K::Header, 0, kFixtureCol},
    {nullptr, kHeaderUse,     K::Header, 0, kUseCol},
    {nullptr, kHeaderControl, K::Header, 0, kControlCol},
    {nullptr, kHeaderLoad,    K::Header, 0, kLoadCol},
    {nullptr, kHeaderCount,   K::Header, 0, kCountCol},
});
// clang-format on

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

TDemandDialog::TDemandDialog(QWidget* parent)
    : QDialog(parent)
{
    prepareDesignDialog(this, "DemandDialog", kDemandTitle.toString());
    auto* grid = new QGridLayout(this);
    addDialogCells(grid, this, kLayout, [this](int row) {
        if (row == kTableRow)
            fillFixtureTable();
    });
    grid->setColumnStretch(kSpareCol, 1);
    FColumnTotal = dialogChild<QRadioButton>(this, "ColumnTotal");
    FColumnCold = dialogChild<QRadioButton>(this, "ColumnCold");
    FColumnHot = dialogChild<QRadioButton>(this, "ColumnHot");
    FColumnTotal->setChecked(true);
    FSupply = dialogChild<TSupplyChoice>(this, "SupplyChoice");
    FDirectLoad = dialogChild<QLineEdit>(this, "DirectLoad");
    FSummary = dialogChild<QLabel>(this, "DemandSummary");

    connect(dialogChild<QPushButton>(this, "BtnApply"), &QPushButton::clicked, this, &TDemandDialog::apply);
    for (QRadioButton* button : {FColumnTotal, FColumnCold, FColumnHot})
        connect(button, &QRadioButton::toggled, this, &TDemandDialog::refresh);
    connect(FSupply, &TSupplyChoice::supplyChanged, this, [this](Design::TSupply supply) {
        refresh();
        emit supplyChanged(supply);
    });
    connect(FDirectLoad, &QLineEdit::textChanged, this, &TDemandDialog::refresh);
    refresh();
}

// Under the headers one row per fixture of the regulations' table: what it is, its load in the
// chosen column, and its count.
void TDemandDialog::fillFixtureTable()
{
    auto* table = new QWidget;
    auto* grid = new QGridLayout(table);
    addDialogCells(grid, table, kFixtureHeaders, {});
    int row = 1;
    for (const Design::TFixtureLoad& fixture : Design::fixtureLoadTable()) {
        const std::array texts{utf8(fixture.Fixture), utf8(fixture.Use), utf8(fixture.Control)};
        for (const int column : {kFixtureCol, kUseCol, kControlCol})
            addDialogCell(grid, table, {nullptr, texts[static_cast<std::size_t>(column)], K::Caption, row, column});
        const QByteArray index = QByteArray::number(row - 1);
        const QByteArray loadName = "FixtureLoad" + index;
        const QByteArray countName = "FixtureCount" + index;
        FLoads.push_back(
            static_cast<QLabel*>(addDialogCell(grid, table, {loadName.constData(), {}, K::LoadText, row, kLoadCol})));
        auto* count = static_cast<QSpinBox*>(
            addDialogCell(grid, table, {countName.constData(), {}, K::CountBox, row, kCountCol}));
        connect(count, &QSpinBox::valueChanged, this, &TDemandDialog::refresh);
        FCounts.push_back(count);
        ++row;
    }
    auto* scroll = dialogChild<QScrollArea>(this, "FixtureTable");
    scroll->setWidget(table);
    scroll->setMinimumHeight(kTableHeightPx);
    scroll->setMinimumWidth(table->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width()
                            + kTableFramePx);
}

Design::TSupply TDemandDialog::supply() const { return FSupply->supply(); }

void TDemandDialog::setSupply(Design::TSupply supply) { FSupply->setSupply(supply); }

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
