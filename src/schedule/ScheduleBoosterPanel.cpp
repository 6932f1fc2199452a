#include "ScheduleBoosterPanel.h"

#include "ScheduleModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

// Four fields to a row: label, value and unit each, so that the header stays within a screen at 150 %.
constexpr int kFieldsPerRow = 4;
constexpr int kColumnsPerField = 3;
constexpr int kNumberWidthPx = 70;

} // namespace

TScheduleBoosterPanel::TScheduleBoosterPanel(TScheduleModel& model, QWidget* parent)
    : QWidget(parent)
    , FModel(model)
{
    setObjectName(QStringLiteral("PanelBooster"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto numbers = boosterNumbers();
    FFields.reserve(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        TField field;
        field.Number = &numbers[i];
        field.Edit = new QLineEdit(this);
        field.Edit->setObjectName(QString::fromLatin1(numbers[i].Name));
        field.Edit->setFixedWidth(kNumberWidthPx);
        field.Edit->setAlignment(Qt::AlignCenter);
        field.Unit = new QLabel(this);
        const int row = static_cast<int>(i) / kFieldsPerRow;
        const int column = (static_cast<int>(i) % kFieldsPerRow) * kColumnsPerField;
        grid->addWidget(new QLabel(numbers[i].Label.toString(), this), row, column);
        grid->addWidget(field.Edit, row, column + 1);
        grid->addWidget(field.Unit, row, column + 2);
        FFields.push_back(field);
        connect(field.Edit, &QLineEdit::editingFinished, this, [this, i] { edited(FFields[i]); });
    }
    grid->setColumnStretch(kFieldsPerRow * kColumnsPerField, 1);
    connect(&FModel, &TScheduleModel::headerChanged, this, &TScheduleBoosterPanel::showBooster);
    showBooster();
}

void TScheduleBoosterPanel::showBooster()
{
    const TScheduleHeader header = FModel.header();
    setVisible(header.source == Sizing::TSource::Booster);
    for (TField& field : FFields) {
        field.Shown = boosterNumberText(*field.Number, header.booster, header.units);
        field.Edit->setText(field.Shown);
        field.Unit->setText(boosterUnit(*field.Number, header.units));
    }
}

void TScheduleBoosterPanel::edited(TField& field)
{
    if (field.Edit->text() == field.Shown)
        return;
    TScheduleHeader header = FModel.header();
    QString problem;
    if (!readBoosterNumber(field.Edit->text(), *field.Number, header.units, header.booster, problem)) {
        field.Edit->setText(field.Shown);
        emit editRefused(problem);
        return;
    }
    FModel.setHeader(header, field.Number->Field);
    // The model may have had nothing to change; the field shows its value either way.
    field.Shown = boosterNumberText(*field.Number, FModel.header().booster, header.units);
    field.Edit->setText(field.Shown);
}
