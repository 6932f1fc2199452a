#include "DesignDialogParts.h"

#include "DesignTexts.h"
#include "FixtureLoads.h"
#include "SupplyChoice.h"
#include "Unit1Layout.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>

#include <algorithm>

namespace {

using K = TDialogKind;

constexpr int kDialogFontPx = 13;
constexpr int kNumberFieldWidthPx = 110;
constexpr int kCountWidthPx = 70;
constexpr int kSummaryMarginPx = 6;

QWidget* createCaption(const TDialogCell& cell, QWidget* parent, bool bold)
{
    auto* label = new QLabel(cell.Text.toString(), parent);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QWidget* createNumberField(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(kNumberFieldWidthPx);
    return edit;
}

QWidget* createUnitBox(QWidget* parent)
{
    auto* box = new QComboBox(parent);
    // Unit symbols are Latin and read left to right.
    box->setLayoutDirection(Qt::LeftToRight);
    return box;
}

QWidget* createCountBox(QWidget* parent)
{
    auto* count = new QSpinBox(parent);
    count->setRange(0, Design::kMaxFixtureCount);
    // Latin digits under any locale, as every number of the program.
    count->setLocale(QLocale::c());
    count->setAlignment(Qt::AlignCenter);
    count->setFixedWidth(kCountWidthPx);
    return count;
}

QWidget* createLoadText(QWidget* parent)
{
    auto* load = new QLabel(parent);
    load->setAlignment(Qt::AlignCenter);
    return load;
}

QWidget* createScroller(QWidget* parent)
{
    auto* scroll = new QScrollArea(parent);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return scroll;
}

// Selectable, so that a user can copy the arithmetic.
QWidget* createSummary(QWidget* parent)
{
    auto* summary = new QLabel(parent);
    summary->setTextFormat(Qt::PlainText);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    summary->setWordWrap(true);
    summary->setFrameShape(QFrame::StyledPanel);
    summary->setMargin(kSummaryMarginPx);
    return summary;
}

// "Apply" is the default button, so Enter in any field applies; the helper connects it.
QWidget* createApplyAndClose(QWidget* parent)
{
    auto* buttons = new QWidget(parent);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    auto* applyButton = new QPushButton(DesignTexts::kApply.toString(), buttons);
    applyButton->setObjectName(QStringLiteral("BtnApply"));
    applyButton->setDefault(true);
    auto* closeButton = new QPushButton(DesignTexts::kClose.toString(), buttons);
    closeButton->setObjectName(QStringLiteral("BtnClose"));
    // Enter applies even while "Close" has the focus.
    closeButton->setAutoDefault(false);
    if (auto* dialog = qobject_cast<QDialog*>(parent->window()))
        QObject::connect(closeButton, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addStretch();
    row->addWidget(applyButton);
    row->addWidget(closeButton);
    return buttons;
}

QWidget* createCell(const TDialogCell& cell, QWidget* parent)
{
    switch (cell.Kind) {
    case K::Caption: return createCaption(cell, parent, false);
    case K::Header: return createCaption(cell, parent, true);
    case K::Radio: return new QRadioButton(cell.Text.toString(), parent);
    case K::NumberField: return createNumberField(parent);
    case K::UnitBox: return createUnitBox(parent);
    case K::CountBox: return createCountBox(parent);
    case K::LoadText: return createLoadText(parent);
    case K::SupplyChoice: return new TSupplyChoice(parent);
    case K::Scroller: return createScroller(parent);
    case K::Summary: return createSummary(parent);
    case K::ApplyAndClose: return createApplyAndClose(parent);
    }
    return nullptr;
}

} // namespace

void prepareDesignDialog(QDialog* dialog, const char* name, const QString& title)
{
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->setWindowTitle(title);
    dialog->setLayoutDirection(Qt::RightToLeft);
    // A window does not take its owner's font; the Persian needs the calculator's faces.
    dialog->setFont(layoutFont(TFontFace::SegoeUI, kDialogFontPx));
    dialog->setModal(false);
}

QWidget* addDialogCell(QGridLayout* grid, QWidget* parent, const TDialogCell& cell)
{
    QWidget* control = createCell(cell, parent);
    if (cell.Name != nullptr)
        control->setObjectName(QString::fromLatin1(cell.Name));
    grid->addWidget(control, cell.Row, cell.Column, 1, cell.Columns);
    return control;
}

void addDialogCells(QGridLayout* grid, QWidget* parent, std::span<const TDialogCell> cells,
                    const std::function<void(int row)>& fillRow)
{
    int lastRow = 0;
    for (const TDialogCell& cell : cells)
        lastRow = std::max(lastRow, cell.Row);
    for (int row = 0; row <= lastRow; ++row) {
        for (const TDialogCell& cell : cells)
            if (cell.Row == row)
                addDialogCell(grid, parent, cell);
        if (fillRow)
            fillRow(row);
    }
}
