#include "DesignDialogParts.h"

#include "DesignTexts.h"
#include "Unit1Layout.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int kDialogFontPx = 13;
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

TSupplyChoice addSupplyChoice(QBoxLayout* layout, QWidget* parent)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(DesignTexts::kSystemLabel.toString(), parent));
    TSupplyChoice choice{new QRadioButton(DesignTexts::kSystemFlushTank.toString(), parent),
                         new QRadioButton(DesignTexts::kSystemFlushValve.toString(), parent)};
    choice.FlushTank->setObjectName(QStringLiteral("SupplyFlushTank"));
    choice.FlushValve->setObjectName(QStringLiteral("SupplyFlushValve"));
    choice.FlushTank->setChecked(true);
    // A group of their own, apart from any other choice in the same window.
    auto* group = new QButtonGroup(parent);
    group->addButton(choice.FlushTank);
    group->addButton(choice.FlushValve);
    row->addWidget(choice.FlushTank);
    row->addWidget(choice.FlushValve);
    row->addStretch();
    layout->addLayout(row);
    return choice;
}

QLabel* addSummary(QBoxLayout* layout, QWidget* parent, const char* name)
{
    auto* summary = new QLabel(parent);
    summary->setObjectName(QString::fromLatin1(name));
    summary->setTextFormat(Qt::PlainText);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    summary->setWordWrap(true);
    summary->setFrameShape(QFrame::StyledPanel);
    summary->setMargin(6);
    layout->addWidget(summary);
    return summary;
}

void addApplyAndClose(QBoxLayout* layout, QDialog* dialog, const std::function<void()>& apply)
{
    auto* row = new QHBoxLayout;
    auto* applyButton = new QPushButton(DesignTexts::kApply.toString(), dialog);
    applyButton->setObjectName(QStringLiteral("BtnApply"));
    applyButton->setDefault(true);
    auto* closeButton = new QPushButton(DesignTexts::kClose.toString(), dialog);
    closeButton->setObjectName(QStringLiteral("BtnClose"));
    // Enter applies even while "Close" has the focus.
    closeButton->setAutoDefault(false);
    QObject::connect(applyButton, &QPushButton::clicked, dialog, apply);
    QObject::connect(closeButton, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addStretch();
    row->addWidget(applyButton);
    row->addWidget(closeButton);
    layout->addLayout(row);
}
