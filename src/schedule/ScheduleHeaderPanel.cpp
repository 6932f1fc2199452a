#include "ScheduleHeaderPanel.h"

#include "BoosterTexts.h"
#include "CommonTexts.h"
#include "ScheduleBoosterPanel.h"
#include "ScheduleModel.h"
#include "ScheduleTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

using namespace CommonTexts;
using namespace ScheduleTexts;

// Three fields to a row: label, value and unit each.
constexpr int kFieldsPerRow = 3;
constexpr int kColumnsPerField = 3;
constexpr int kFirstNumberRow = 2;
constexpr int kNumberWidthPx = 80;

QLabel* label(QStringView text, QWidget* parent) { return new QLabel(text.toString(), parent); }

} // namespace

TScheduleHeaderPanel::TScheduleHeaderPanel(TScheduleModel& model, QWidget* parent)
    : QWidget(parent)
    , FModel(model)
{
    setObjectName(QStringLiteral("PanelHeader"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    FTitle = new QLineEdit(this);
    FTitle->setObjectName(QStringLiteral("EditTitle"));
    grid->addWidget(label(kTitleLabel, this), 0, 0);
    grid->addWidget(FTitle, 0, 1, 1, 2 * kColumnsPerField - 1);
    auto* unitsRow = new QHBoxLayout;
    FUnitsUS = new QRadioButton(kUnitsUS.toString(), this);
    FUnitsSI = new QRadioButton(kUnitsSI.toString(), this);
    FUnitsUS->setObjectName(QStringLiteral("UnitsUS"));
    FUnitsSI->setObjectName(QStringLiteral("UnitsSI"));
    auto* unitsGroup = new QButtonGroup(this);
    unitsGroup->addButton(FUnitsUS);
    unitsGroup->addButton(FUnitsSI);
    unitsRow->addWidget(label(kUnitsLabel, this));
    unitsRow->addWidget(FUnitsUS);
    unitsRow->addWidget(FUnitsSI);
    unitsRow->addStretch();
    grid->addLayout(unitsRow, 0, 2 * kColumnsPerField, 1, kColumnsPerField);

    addMaterialBox();
    FSupply = new QComboBox(this);
    FSupply->setObjectName(QStringLiteral("ComboSupply"));
    FSupply->addItem(kSupplyFlushTank.toString(), static_cast<int>(Design::TSupply::FlushTank));
    FSupply->addItem(kSupplyFlushValve.toString(), static_cast<int>(Design::TSupply::FlushValve));
    grid->addWidget(label(kMaterialLabel, this), 1, 0);
    grid->addWidget(FMaterial, 1, 1, 1, 2);
    grid->addWidget(label(kSupplyLabel.toString() + u':', this), 1, kColumnsPerField);
    grid->addWidget(FSupply, 1, kColumnsPerField + 1, 1, 2);
    addLayoutSwitch(grid, 1, 2 * kColumnsPerField);

    const auto numbers = headerNumbers();
    FNumbers.reserve(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const int place = static_cast<int>(i);
        addNumberField(numbers[i], grid, kFirstNumberRow + place / kFieldsPerRow,
                       (place % kFieldsPerRow) * kColumnsPerField);
    }
    // The water's temperature takes the place after the last number, as one more field.
    const int after = static_cast<int>(numbers.size());
    addTemperatureField(grid, kFirstNumberRow + after / kFieldsPerRow, (after % kFieldsPerRow) * kColumnsPerField);
    addSourceChoice(grid, kFirstNumberRow + (after + 1) / kFieldsPerRow,
                    ((after + 1) % kFieldsPerRow) * kColumnsPerField);
    auto* booster = new TScheduleBoosterPanel(FModel, this);
    connect(booster, &TScheduleBoosterPanel::editRefused, this, &TScheduleHeaderPanel::editRefused);
    grid->addWidget(booster, grid->rowCount(), 0, 1, kFieldsPerRow * kColumnsPerField + 1);
    grid->setColumnStretch(kFieldsPerRow * kColumnsPerField, 1);

    connect(FTitle, &QLineEdit::editingFinished, this, &TScheduleHeaderPanel::titleEdited);
    connect(FSupply, &QComboBox::activated, this, [this] {
        TScheduleHeader header = FModel.header();
        header.supply = static_cast<Design::TSupply>(FSupply->currentData().toInt());
        FModel.setHeader(header, THeaderField::Supply);
    });
    connect(FUnitsUS, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            unitsChosen(Project::TUnits::US);
    });
    connect(FUnitsSI, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            unitsChosen(Project::TUnits::SI);
    });
    connect(&FModel, &TScheduleModel::headerChanged, this, &TScheduleHeaderPanel::showHeader);
    FBoxesFor = FModel.units();
    showHeader();
}

// One box for what the pipes are, so that a class is never offered for a pipe that has none: the
// galvanized classes, a line, then the computed materials.
void TScheduleHeaderPanel::addMaterialBox()
{
    FMaterial = new QComboBox(this);
    FMaterial->setObjectName(QStringLiteral("ComboMaterial"));
    const std::vector<TPipeChoice>& choices = pipeChoices();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0 && choices[i].RoughnessClass == 0 && choices[i - 1].RoughnessClass != 0)
            FMaterial->insertSeparator(FMaterial->count());
        FMaterial->addItem(choices[i].Name, static_cast<int>(i));
    }
    connect(FMaterial, &QComboBox::activated, this, [this] {
        const int choice = FMaterial->currentData().toInt();
        TScheduleHeader header = FModel.header();
        applyPipeChoice(pipeChoices()[static_cast<std::size_t>(choice)], header);
        FModel.setHeader(header, THeaderField::Material);
    });
}

void TScheduleHeaderPanel::addTemperatureField(QGridLayout* grid, int row, int column)
{
    FTemperature = new QLineEdit(this);
    FTemperature->setObjectName(QStringLiteral("EditWaterTemperature"));
    FTemperature->setFixedWidth(kNumberWidthPx);
    FTemperature->setAlignment(Qt::AlignCenter);
    FHotWater = new QCheckBox(kHotWater.toString(), this);
    FHotWater->setObjectName(QStringLiteral("CheckHotWater"));
    FHotWater->setToolTip(
        kHotWaterTip.toString().arg(leftToRight(temperatureText(kHotWaterC) + u' ' + kTemperatureUnit.toString())));
    auto* unitAndHot = new QHBoxLayout;
    unitAndHot->addWidget(label(kTemperatureUnit, this));
    unitAndHot->addWidget(FHotWater);
    unitAndHot->addStretch();
    grid->addWidget(label(kTemperatureLabel, this), row, column);
    grid->addWidget(FTemperature, row, column + 1);
    grid->addLayout(unitAndHot, row, column + 2);
    connect(FTemperature, &QLineEdit::editingFinished, this, &TScheduleHeaderPanel::temperatureEdited);
    // Cleared, hot water goes back to the cold water every project starts with.
    connect(FHotWater, &QCheckBox::clicked, this, [this](bool hot) {
        TScheduleHeader header = FModel.header();
        header.waterTemperatureC = hot ? kHotWaterC : TScheduleHeader{}.waterTemperatureC;
        FModel.setHeader(header, THeaderField::WaterTemperature);
        showTemperature();
    });
}

void TScheduleHeaderPanel::addLayoutSwitch(QGridLayout* grid, int row, int column)
{
    auto* layoutRow = new QHBoxLayout;
    FLayoutList = new QRadioButton(kLayoutList.toString(), this);
    FLayoutTree = new QRadioButton(kLayoutTree.toString(), this);
    FLayoutList->setObjectName(QStringLiteral("LayoutList"));
    FLayoutTree->setObjectName(QStringLiteral("LayoutTree"));
    auto* group = new QButtonGroup(this);
    group->addButton(FLayoutList);
    group->addButton(FLayoutTree);
    layoutRow->addWidget(label(kLayoutLabel, this));
    layoutRow->addWidget(FLayoutList);
    layoutRow->addWidget(FLayoutTree);
    layoutRow->addStretch();
    grid->addLayout(layoutRow, row, column, 1, kColumnsPerField);
    connect(FLayoutList, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            FModel.setLayout(Sizing::TLayout::List);
    });
    connect(FLayoutTree, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            FModel.setLayout(Sizing::TLayout::Tree);
    });
}

void TScheduleHeaderPanel::addSourceChoice(QGridLayout* grid, int row, int column)
{
    FSource = new QComboBox(this);
    FSource->setObjectName(QStringLiteral("ComboSource"));
    FSource->addItem(BoosterTexts::kSourceMain.toString(), static_cast<int>(Sizing::TSource::Main));
    FSource->addItem(BoosterTexts::kSourceBooster.toString(), static_cast<int>(Sizing::TSource::Booster));
    grid->addWidget(label(BoosterTexts::kSourceLabel.toString() + u':', this), row, column);
    grid->addWidget(FSource, row, column + 1, 1, 2);
    connect(FSource, &QComboBox::activated, this, [this] {
        TScheduleHeader header = FModel.header();
        header.source = static_cast<Sizing::TSource>(FSource->currentData().toInt());
        FModel.setHeader(header, THeaderField::SourceChoice);
    });
}

void TScheduleHeaderPanel::showSourceFields(bool booster)
{
    for (TNumberField& field : FNumbers) {
        if (field.Number->Field != THeaderField::Source && field.Number->Field != THeaderField::StaticSource)
            continue;
        field.Edit->setReadOnly(booster);
        field.Edit->setToolTip(booster ? kSourceNotRead.toString() : QString());
    }
}

void TScheduleHeaderPanel::addNumberField(const THeaderNumber& number, QGridLayout* grid, int row, int column)
{
    TNumberField field;
    field.Number = &number;
    field.Edit = new QLineEdit(this);
    field.Edit->setObjectName(QString::fromLatin1(number.Name));
    field.Edit->setFixedWidth(kNumberWidthPx);
    field.Edit->setAlignment(Qt::AlignCenter);
    if (number.MayBeNegative)
        field.Edit->setPlaceholderText(kHeightHint.toString());
    grid->addWidget(label(number.Label, this), row, column);
    grid->addWidget(field.Edit, row, column + 1);
    if (number.Quantity == THeaderQuantity::Velocity) {
        field.UnitLabel = new QLabel(this);
        grid->addWidget(field.UnitLabel, row, column + 2);
    } else {
        field.Unit = new QComboBox(this);
        field.Unit->setObjectName(QString::fromLatin1(number.Name) + QStringLiteral("Unit"));
        field.Unit->addItems(headerUnitNames(number.Quantity, FModel.units()));
        field.Unit->setCurrentIndex(defaultHeaderUnit(number.Quantity, FModel.units()));
        grid->addWidget(field.Unit, row, column + 2);
    }
    FNumbers.push_back(field);
    const std::size_t index = FNumbers.size() - 1;
    connect(field.Edit, &QLineEdit::editingFinished, this, [this, index] { numberEdited(FNumbers[index]); });
    if (field.Unit != nullptr)
        connect(field.Unit, &QComboBox::currentIndexChanged, this, [this, index] { showNumber(FNumbers[index]); });
}

void TScheduleHeaderPanel::showHeader()
{
    const TScheduleHeader header = FModel.header();
    if (FTitle->text() != header.title)
        FTitle->setText(header.title);
    {
        const QSignalBlocker materialBlocker(FMaterial);
        const QSignalBlocker supplyBlocker(FSupply);
        const QSignalBlocker sourceBlocker(FSource);
        FSource->setCurrentIndex(FSource->findData(static_cast<int>(header.source)));
        FMaterial->setCurrentIndex(FMaterial->findData(pipeChoiceOf(header)));
        FSupply->setCurrentIndex(FSupply->findData(static_cast<int>(header.supply)));
        const QSignalBlocker usBlocker(FUnitsUS);
        const QSignalBlocker siBlocker(FUnitsSI);
        (header.units == Project::TUnits::SI ? FUnitsSI : FUnitsUS)->setChecked(true);
        const QSignalBlocker listBlocker(FLayoutList);
        const QSignalBlocker treeBlocker(FLayoutTree);
        (header.layout == Sizing::TLayout::Tree ? FLayoutTree : FLayoutList)->setChecked(true);
    }
    const bool unitsChanged = header.units != FBoxesFor;
    FBoxesFor = header.units;
    for (TNumberField& field : FNumbers) {
        if (unitsChanged && field.Unit != nullptr) {
            const QSignalBlocker blocker(field.Unit);
            field.Unit->setCurrentIndex(defaultHeaderUnit(field.Number->Quantity, header.units));
        }
        showNumber(field);
    }
    showSourceFields(header.source == Sizing::TSource::Booster);
    showTemperature();
}

void TScheduleHeaderPanel::showTemperature()
{
    const TScheduleHeader header = FModel.header();
    FTemperatureShown = temperatureText(header.waterTemperatureC);
    FTemperature->setText(FTemperatureShown);
    FHotWater->setChecked(header.waterTemperatureC == kHotWaterC);
    const bool used = sizesForTemperature(header);
    FTemperature->setEnabled(used);
    FHotWater->setEnabled(used);
    const QString why = used ? QString() : kTemperatureOnlyComputed.toString();
    FTemperature->setToolTip(why);
}

void TScheduleHeaderPanel::temperatureEdited()
{
    if (FTemperature->text() == FTemperatureShown)
        return;
    TScheduleHeader header = FModel.header();
    QString problem;
    if (!readTemperature(FTemperature->text(), header.waterTemperatureC, problem)) {
        FTemperature->setText(FTemperatureShown);
        emit editRefused(problem);
        return;
    }
    FModel.setHeader(header, THeaderField::WaterTemperature);
    showTemperature();
}

void TScheduleHeaderPanel::showNumber(TNumberField& field)
{
    const Project::TUnits units = FModel.units();
    const int unit = field.Unit != nullptr ? field.Unit->currentIndex() : 0;
    field.Shown = headerNumberText(*field.Number, headerValue(FModel.header(), field.Number->Field), unit, units);
    field.Edit->setText(field.Shown);
    if (field.UnitLabel != nullptr)
        field.UnitLabel->setText(headerUnitNames(field.Number->Quantity, units).constFirst());
}

void TScheduleHeaderPanel::numberEdited(TNumberField& field)
{
    if (field.Edit->text() == field.Shown)
        return;
    const int unit = field.Unit != nullptr ? field.Unit->currentIndex() : 0;
    double usValue = 0.0;
    QString problem;
    if (!readHeaderNumber(field.Edit->text(), *field.Number, unit, FModel.units(), usValue, problem)) {
        field.Edit->setText(field.Shown);
        emit editRefused(problem);
        return;
    }
    TScheduleHeader header = FModel.header();
    setHeaderValue(header, field.Number->Field, usValue);
    FModel.setHeader(header, field.Number->Field);
    // The model may have had nothing to change; the field shows its value either way.
    showNumber(field);
}

void TScheduleHeaderPanel::titleEdited()
{
    TScheduleHeader header = FModel.header();
    if (FTitle->text() == header.title)
        return;
    header.title = FTitle->text();
    FModel.setHeader(header, THeaderField::Title);
}

void TScheduleHeaderPanel::unitsChosen(Project::TUnits units)
{
    TScheduleHeader header = FModel.header();
    header.units = units;
    FModel.setHeader(header, THeaderField::Units);
}
