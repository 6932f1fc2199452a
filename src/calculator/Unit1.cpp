#include "Unit1.h"

#include "FilledShape.h"
#include "KeyFilter.h"
#include "NetworkState.h"
#include "NoticeFetcher.h"
#include "NumberInput.h"
#include "Picture.h"
#include "Unit1Layout.h"
#include "Unit1Texts.h"
#include "Win11Button.h"
#include "WindowScale.h"

#include <QAction>
#include <QCheckBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

#include <array>

TForm1* Form1 = nullptr;

namespace {

constexpr int kAnimIntervalMs = 5;
constexpr int kInternetCheckIntervalMs = 3000;
constexpr QRgb kSelectedButtonColour = qRgb(255, 165, 0);
constexpr QRgb kUnselectedButtonColour = qRgb(240, 240, 240);

template <typename T> T* layoutChild(const QWidget* form, const char* name)
{
    T* child = form->findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(child != nullptr);
    return child;
}

unsigned layoutFlags(const QObject* control)
{
    for (const TLayoutEntry& entry : form1Layout())
        if (control->objectName() == QLatin1String(entry.Name))
            return entry.Flags;
    return 0;
}

} // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form1"));
    // A fixed dialog frame: a caption and a close box, no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(Unit1Texts::kWindowCaption.toString());
    setWindowIcon(programPicture());
    setFixedSize(kForm1ClientWidth, kForm1ClientHeight);
    setFont(layoutFont(TFontFace::SegoeUI, kForm1FontPx));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor::fromRgb(kDesktopColour));
    setPalette(background);
    setAutoFillBackground(true);

    for (const TLayoutEntry& entry : form1Layout())
        createLayoutControl(entry, this);
    bindControls();
    using namespace Unit1Texts;
    // The captions shown at start before the selected ones, whose check mark needs a face of
    // its own.
    const QStringList classCaptions{
        kCaptionSmooth.toString(),         kCaptionSemiSmooth.toString(),         kCaptionRough.toString(),
        kCaptionSmoothSelected.toString(), kCaptionSemiSmoothSelected.toString(), kCaptionRoughSelected.toString()};
    const std::array<QWidget*, 3> classButtons{BtnSmooth, BtnSemiSmooth, BtnRough};
    fitCaptionsFont(classButtons, classCaptions);

    tmrAnim = new QTimer(this);
    tmrAnim->setObjectName(QStringLiteral("tmrAnim"));
    tmrAnim->setInterval(kAnimIntervalMs);
    TimerInternet = new QTimer(this);
    TimerInternet->setObjectName(QStringLiteral("TimerInternet"));
    TimerInternet->setInterval(kInternetCheckIntervalMs);
    TimerInternet->setSingleShot(false);
    NetHTTPClient1 = new TNoticeFetcher(this);
    NetHTTPClient1->setObjectName(QStringLiteral("NetHTTPClient1"));
    FNoticeUrl = noticeEndpointUrl();
    FConnectionCheck = machineReportsNetworkConnection;

    setTabOrder(EditPressure, EditFlow);
    setTabOrder(EditFlow, EditPipe);
    setTabOrder(EditPipe, EditVelocity);
    setTabOrder(EditVelocity, ErrorVelocity);
    setTabOrder(ErrorVelocity, EditScale);
    setTabOrder(EditScale, CheckBoxTop);
    setTabOrder(CheckBoxTop, MemoWidget);

    connectHandlers();
    setUpKeyboard();
    FormCreate();
}

void TForm1::bindControls()
{
    Label1 = layoutChild<QLabel>(this, "Label1");
    Label2 = layoutChild<QLabel>(this, "Label2");
    Label3 = layoutChild<QLabel>(this, "Label3");
    Label4 = layoutChild<QLabel>(this, "Label4");
    Label5 = layoutChild<QLabel>(this, "Label5");
    Label6 = layoutChild<QLabel>(this, "Label6");
    EditScale = layoutChild<QLineEdit>(this, "EditScale");
    BtnSmooth = layoutChild<TWin11Button>(this, "BtnSmooth");
    BtnSemiSmooth = layoutChild<TWin11Button>(this, "BtnSemiSmooth");
    BtnRough = layoutChild<TWin11Button>(this, "BtnRough");
    EditPressure = layoutChild<QLineEdit>(this, "EditPressure");
    psitofoot = layoutChild<QLabel>(this, "psitofoot");
    EditFlow = layoutChild<QLineEdit>(this, "EditFlow");
    BtnCalculate = layoutChild<TWin11Button>(this, "BtnCalculate");
    EditPipe = layoutChild<QLineEdit>(this, "EditPipe");
    shpBar = layoutChild<TFilledShape>(this, "shpBar");
    shpHole = layoutChild<TFilledShape>(this, "shpHole");
    lblPipeLow = layoutChild<QLabel>(this, "lblPipeLow");
    lblPipeHigh = layoutChild<QLabel>(this, "lblPipeHigh");
    HighVelocity = layoutChild<QLabel>(this, "HighVelocity");
    LowVelocity = layoutChild<QLabel>(this, "LowVelocity");
    EditVelocity = layoutChild<QLineEdit>(this, "EditVelocity");
    ErrorVelocity = layoutChild<QTextEdit>(this, "ErrorVelocity");
    BtnShowChart = layoutChild<TWin11Button>(this, "BtnShowChart");
    CheckBoxTop = layoutChild<QCheckBox>(this, "CheckBoxTop");
    MemoWidget = layoutChild<QPlainTextEdit>(this, "MemoWidget");
    Image1 = layoutChild<TPicture>(this, "Image1");
    BtnDemand = layoutChild<TWin11Button>(this, "BtnDemand");
    BtnBudget = layoutChild<TWin11Button>(this, "BtnBudget");
    BtnSchedule = layoutChild<TWin11Button>(this, "BtnSchedule");
}

void TForm1::connectHandlers()
{
    connect(BtnSmooth, &TWin11Button::clicked, this, &TForm1::BtnSmoothClick);
    connect(BtnSemiSmooth, &TWin11Button::clicked, this, &TForm1::BtnSemiSmoothClick);
    connect(BtnRough, &TWin11Button::clicked, this, &TForm1::BtnRoughClick);
    connect(EditPressure, &QLineEdit::textChanged, this, &TForm1::EditPressureChange);
    connect(BtnCalculate, &TWin11Button::clicked, this, &TForm1::BtnCalculateClick);
    connect(tmrAnim, &QTimer::timeout, this, &TForm1::tmrAnimTimer);
    connect(CheckBoxTop, &QCheckBox::clicked, this, &TForm1::CheckBoxTopClick);
    connect(BtnShowChart, &TWin11Button::clicked, this, &TForm1::BtnShowChartClick);
    connect(BtnDemand, &TWin11Button::clicked, this, &TForm1::BtnDemandClick);
    connect(BtnBudget, &TWin11Button::clicked, this, &TForm1::BtnBudgetClick);
    connect(BtnSchedule, &TWin11Button::clicked, this, &TForm1::BtnScheduleClick);
    connect(TimerInternet, &QTimer::timeout, this, &TForm1::TimerInternetTimer);
    connect(NetHTTPClient1, &TNoticeFetcher::fetched, this, [this](const QString& text) {
        MemoWidget->setPlainText(text);
        FNoticeState = TNoticeState::Shown;
    });
    connect(NetHTTPClient1, &TNoticeFetcher::failed, this, [this] { FNoticeState = TNoticeState::GivenUp; });
    EditScale->installEventFilter(this);
    setAcceptDrops(true);
}

void TForm1::FormCreate()
{
    ErrorVelocity->clear();
    MemoWidget->clear();
    TimerInternet->start();
    EditFlow->installEventFilter(this);
    EditPressure->installEventFilter(this);
}

void TForm1::ResetButtons()
{
    for (TWin11Button* button : {BtnSmooth, BtnSemiSmooth, BtnRough})
        button->setColorNormal(QColor::fromRgb(kUnselectedButtonColour));
    BtnSmooth->setCaption(Unit1Texts::kCaptionSmooth.toString());
    BtnSemiSmooth->setCaption(Unit1Texts::kCaptionSemiSmooth.toString());
    BtnRough->setCaption(Unit1Texts::kCaptionRough.toString());
    for (TWin11Button* button : {BtnSmooth, BtnSemiSmooth, BtnRough})
        button->update();
}

void TForm1::selectClass(int mode, TWin11Button* button, const QString& selectedCaption)
{
    ResetButtons();
    SelectedMode = mode;
    button->setColorNormal(QColor::fromRgb(kSelectedButtonColour));
    button->setCaption(selectedCaption);
}

void TForm1::BtnSmoothClick() { selectClass(1, BtnSmooth, Unit1Texts::kCaptionSmoothSelected.toString()); }

void TForm1::BtnSemiSmoothClick() { selectClass(2, BtnSemiSmooth, Unit1Texts::kCaptionSemiSmoothSelected.toString()); }

void TForm1::BtnRoughClick() { selectClass(3, BtnRough, Unit1Texts::kCaptionRoughSelected.toString()); }

bool TForm1::EditPressureKeyPress(const QKeyEvent& event) const
{
    return numberFieldTakesKey(event.key(), event.modifiers(), event.text());
}

bool TForm1::EditFlowKeyPress(const QKeyEvent& event) const
{
    return numberFieldTakesKey(event.key(), event.modifiers(), event.text());
}

bool TForm1::EditScaleKeyPress(const QKeyEvent& event)
{
    if (!isEnterKey(event.key()))
        return true;
    EditScaleExit();
    return false;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (isProjectDrag(event)) {
        event->ignore();
        return true;
    }
    // Shortcuts are offered to the focused field before they are typed; a field that swallows
    // the character must also refuse the shortcut, or Ctrl+V would paste.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        // Ctrl+C copies a field's selection; with no text selected it goes past the field (and
        // past the number fields' filter) to the window, which copies the last calculation.
        if (key.matches(QKeySequence::Copy))
            return !hasTextSelection();
        // The window's own chords (Ctrl+T) go past the fields to the window, which the number
        // fields' filter would otherwise swallow as control characters.
        if (event->type() == QEvent::ShortcutOverride && isWindowShortcut(key)) {
            event->ignore();
            return true;
        }
        if ((watched == EditPressure || watched == EditFlow) && event->type() == QEvent::KeyPress
            && isEnterKey(key.key())) {
            event->accept();
            BtnCalculateClick();
            return true;
        }
        bool passes = true;
        if (watched == EditPressure)
            passes = EditPressureKeyPress(key);
        else if (watched == EditFlow)
            passes = EditFlowKeyPress(key);
        else if (watched == EditScale && event->type() == QEvent::KeyPress)
            passes = EditScaleKeyPress(key);
        if (!passes) {
            event->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TForm1::isWindowShortcut(const QKeyEvent& key) const
{
    const QKeySequence chord(key.keyCombination());
    for (const QAction* action : actions())
        if (action->shortcut() == chord)
            return true;
    return false;
}

void TForm1::mousePressEvent(QMouseEvent* event)
{
    FPressedOnFreeArea = true;
    QWidget::mousePressEvent(event);
}

void TForm1::mouseReleaseEvent(QMouseEvent* event)
{
    if (FPressedOnFreeArea && rect().contains(event->position().toPoint()))
        CheckBoxTopClick();
    FPressedOnFreeArea = false;
    QWidget::mouseReleaseEvent(event);
}

void TForm1::EditScaleExit()
{
    const int percent = scalePercentFromText(EditScale->text());
    if (percent != 100)
        scaleControls(percent);
    EditScale->setText(QString::number(percent) + QLatin1Char('%'));
}

void TForm1::scaleControls(int percent)
{
    const QPoint topLeft = pos();
    QFont windowFont = font();
    windowFont.setPixelSize(scaledLength(windowFont.pixelSize(), percent));
    setFont(windowFont);
    for (const TLayoutEntry& entry : form1Layout()) {
        auto* control = findChild<QWidget*>(QString::fromLatin1(entry.Name), Qt::FindDirectChildrenOnly);
        if (control->testAttribute(Qt::WA_SetFont)) {
            QFont own = control->font();
            own.setPixelSize(scaledLength(own.pixelSize(), percent));
            control->setFont(own);
        }
        control->setGeometry(scaledRect(control->geometry(), percent));
        growToFitText(control, entry.Flags);
    }
    setFixedSize(scaledLength(width(), percent), scaledLength(height(), percent));
    move(topLeft);
}

void TForm1::CheckBoxTopClick()
{
    const bool onTop = CheckBoxTop->isChecked();
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    // Changing a window's flags recreates its native window hidden; it comes back where it was.
    const QPoint topLeft = pos();
    const bool wasVisible = isVisible();
    const bool wasActive = isActiveWindow();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    move(topLeft);
    if (wasVisible)
        show();
    if (wasActive)
        activateWindow();
}

void TForm1::setLabelText(QLabel* label, const QString& text)
{
    label->setText(text);
    growToFitText(label, layoutFlags(label));
}
