#include "Unit1Layout.h"

#include "DesignTexts.h"
#include "FilledShape.h"
#include "FontFamilies.h"
#include "Picture.h"
#include "Unit1Texts.h"
#include "Win11Button.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <algorithm>
#include <array>

namespace {

using namespace Unit1Texts;
using F = TFontFace;
using K = TControlKind;

constexpr TLayoutColour kUnset{};
constexpr int kSmallestFontPx = 8;
constexpr int kCompactLineHeightPercent = 75;
// Room left and right of a button's caption, so that it never touches the rounded corners.
constexpr int kCaptionPaddingPx = 4;
constexpr TLayoutColour kWindowColour{TColourSource::SystemWindow, 0};
constexpr TLayoutColour kWindowTextColour{TColourSource::SystemWindowText, 0};
constexpr TLayoutColour rgb(int r, int g, int b) { return {TColourSource::Rgb, qRgb(r, g, b)}; }

constexpr TLayoutColour kWhite = rgb(255, 255, 255);
constexpr TLayoutColour kTeal = rgb(0, 128, 128);
constexpr TLayoutColour kButtonGrey = rgb(240, 240, 240);
constexpr TLayoutColour kLime = rgb(0, 255, 0);
constexpr TLayoutColour kBlack = rgb(0, 0, 0);

// clang-format off
constexpr auto kLayout = std::to_array<TLayoutEntry>({
    // name, kind, left, top, width, height, text, hint, face, font px, text colour, normal, hover, pressed, flags
    {"Label5", K::Label, 55, 14, 268, 13, kTitleLine, {}, F::SegoeUI, 11, rgb(255, 250, 240), kUnset, kUnset, kUnset, 0},
    {"EditScale", K::EditBox, 10, 14, 42, 13, {}, u"SCALE", F::SegoeUI, 11, kWhite, kUnset, kUnset, kUnset,
     kNoBorder | kCentred | kDesktopBackground},
    {"BtnSmooth", K::FlatButton, 223, 41, 97, 21, kCaptionSmooth, {}, F::Window, 0, kUnset, kButtonGrey, kLime,
     rgb(0, 128, 0), kHandCursor},
    {"BtnSemiSmooth", K::FlatButton, 119, 41, 97, 21, kCaptionSemiSmooth, {}, F::Window, 0, kUnset, kButtonGrey, kLime,
     rgb(0, 128, 0), kHandCursor},
    {"BtnRough", K::FlatButton, 14, 41, 97, 21, kCaptionRough, {}, F::Window, 0, kUnset, kButtonGrey, kLime,
     rgb(0, 128, 0), kHandCursor},
    {"Label1", K::Label, 150, 82, 164, 19, kLabelPressure, {}, F::SegoeUI, 14, kWindowColour, kUnset, kUnset, kUnset,
     kRightToLeft | kShrinksToFit},
    {"EditPressure", K::EditBox, 22, 81, 129, 27, {}, u"Enter Pressure", F::SegoeUI, 14, kWindowTextColour, kUnset,
     kUnset, kUnset, kCentred},
    {"psitofoot", K::Label, 22, 108, 0, 0, {}, {}, F::SegoeUI, 13, kTeal, kUnset, kUnset, kUnset, kSizedToText},
    {"Label2", K::Label, 176, 131, 138, 19, kLabelFlow, {}, F::SegoeUI, 14, kWindowColour, kUnset, kUnset, kUnset,
     kRightToLeft | kShrinksToFit},
    {"EditFlow", K::EditBox, 22, 131, 129, 29, {}, u"Enter Flow", F::Window, 0, kUnset, kUnset, kUnset, kUnset, kCentred},
    {"BtnCalculate", K::FlatButton, 10, 165, 309, 29, kCaptionCalculate, {}, F::Window, 0, kUnset, kButtonGrey,
     rgb(255, 0, 0), rgb(128, 128, 0), kHandCursor},
    {"Label3", K::Label, 179, 216, 130, 19, kLabelPipe, {}, F::SegoeUI, 14, kWhite, kUnset, kUnset, kUnset, kRightToLeft | kShrinksToFit},
    {"EditPipe", K::EditBox, 22, 216, 129, 29, {}, u"EditPipe", F::Window, 0, kUnset, kUnset, kUnset, kUnset,
     kReadOnly | kCentred},
    {"shpBar", K::RectangleShape, 44, 263, 240, 7, {}, {}, F::Window, 0, kUnset, rgb(192, 220, 192), kUnset, kUnset, 0},
    {"shpHole", K::CircleShape, 92, 259, 12, 12, {}, {}, F::Window, 0, kUnset, kLime, kUnset, kUnset, 0},
    {"lblPipeLow", K::Label, 41, 257, 0, 0, {}, {}, F::SegoeUI, 14, kWhite, kUnset, kUnset, kUnset,
     kSizedToText | kGrowsLeft},
    {"lblPipeHigh", K::Label, 289, 257, 0, 0, {}, {}, F::SegoeUI, 14, kWhite, kUnset, kUnset, kUnset, kSizedToText},
    {"HighVelocity", K::Label, 13, 279, 90, 27, {}, {}, F::SegoeUI, 11, kTeal, kUnset, kUnset, kUnset, kWordWrap},
    // Under the bar's right end, so a longer readout grows towards the bar, not out of the window.
    {"LowVelocity", K::Label, 234, 279, 81, 27, {}, {}, F::SegoeUI, 11, kTeal, kUnset, kUnset, kUnset, kGrowsLeft},
    {"EditVelocity", K::EditBox, 22, 320, 129, 29, {}, u"EditVelocity", F::Window, 0, kUnset, kUnset, kUnset, kUnset,
     kReadOnly | kCentred},
    {"Label4", K::Label, 166, 322, 143, 19, kLabelVelocity, {}, F::SegoeUI, 14, kWhite, kUnset, kUnset, kUnset,
     kRightToLeft | kShrinksToFit},
    {"ErrorVelocity", K::RichTextBox, 16, 351, 303, 47, {}, {}, F::SegoeUI, 9, rgb(255, 255, 0), kUnset, kUnset, kUnset,
     kRightToLeft | kCentred | kNoBorder | kReadOnly | kVerticalScroll | kDesktopBackground},
    {"BtnShowChart", K::FlatButton, 17, 403, 41, 14, kCaptionChart, {}, F::SegoeUI, 11, kLime, kBlack, kBlack, kBlack,
     kHandCursor},
    {"Label6", K::Label, 205, 401, 103, 21, kLabelStayOnTop, {}, F::BNazanin, 14, rgb(255, 127, 80), kUnset, kUnset,
     kUnset, kRightAligned | kDesktopBackground},
    {"CheckBoxTop", K::CheckBox, 312, 405, 14, 14, {}, {}, F::Window, 0, kUnset, kUnset, kUnset, kUnset, 0},
    {"MemoWidget", K::MemoBox, 16, 423, 303, 41, {}, {}, F::SegoeUI, 9, kWindowColour, kUnset, kUnset, kUnset,
     kRightToLeft | kNoBorder | kReadOnly | kDesktopBackground},
    {"Image1", K::Picture, 16, 468, 79, 49, {}, {}, F::Window, 0, kUnset, kUnset, kUnset, kUnset, 0},
    // The design helpers, in the free strip beside the picture: the demand first, on the right
    // where a right-to-left reader starts; under them the whole building's schedule.
    {"BtnDemand", K::FlatButton, 212, 468, 107, 23, DesignTexts::kCaptionDemand, {}, F::SegoeUI, 12, kUnset,
     kButtonGrey, kLime, rgb(0, 128, 0), kHandCursor},
    {"BtnBudget", K::FlatButton, 100, 468, 107, 23, DesignTexts::kCaptionBudget, {}, F::SegoeUI, 12, kUnset,
     kButtonGrey, kLime, rgb(0, 128, 0), kHandCursor},
    {"BtnSchedule", K::FlatButton, 100, 494, 219, 23, kCaptionSchedule, {}, F::SegoeUI, 12, kUnset, kButtonGrey,
     kLime, rgb(0, 128, 0), kHandCursor},
});
// clang-format on

QColor resolve(const TLayoutColour& colour)
{
    const QPalette palette = QApplication::palette();
    switch (colour.Source) {
    case TColourSource::Rgb: return QColor::fromRgb(colour.Rgb);
    case TColourSource::SystemWindow: return palette.color(QPalette::Base);
    case TColourSource::SystemWindowText: return palette.color(QPalette::Text);
    case TColourSource::Unset: break;
    }
    return {};
}

void applyTextColour(QWidget* control, const TLayoutEntry& entry)
{
    QPalette palette = control->palette();
    if (entry.TextColour.Source != TColourSource::Unset) {
        const QColor colour = resolve(entry.TextColour);
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
    }
    if ((entry.Flags & kDesktopBackground) != 0) {
        palette.setColor(QPalette::Base, QColor::fromRgb(kDesktopColour));
        palette.setColor(QPalette::Window, QColor::fromRgb(kDesktopColour));
        palette.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    }
    control->setPalette(palette);
}

QWidget* createLabel(const TLayoutEntry& entry, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(entry.Text.toString());
    label->setWordWrap((entry.Flags & kWordWrap) != 0);
    Qt::Alignment alignment = Qt::AlignVCenter;
    if ((entry.Flags & kRightAligned) != 0)
        alignment |= Qt::AlignRight | Qt::AlignAbsolute;
    else
        alignment |= Qt::AlignLeading; // the reading start: right for a right-to-left caption
    label->setAlignment(alignment);
    return label;
}

QWidget* createEditBox(const TLayoutEntry& entry, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setPlaceholderText(entry.Hint.toString());
    edit->setFrame((entry.Flags & kNoBorder) == 0);
    edit->setReadOnly((entry.Flags & kReadOnly) != 0);
    if ((entry.Flags & kCentred) != 0)
        edit->setAlignment(Qt::AlignCenter);
    // The frame and padding of the style would leave no room for an 11-pixel font in 13 pixels.
    if ((entry.Flags & kNoBorder) != 0)
        edit->setTextMargins(0, -2, 0, -2);
    return edit;
}

QWidget* createFlatButton(const TLayoutEntry& entry, QWidget* parent)
{
    auto* button = new TWin11Button(parent);
    button->setCaption(entry.Text.toString());
    if (entry.Normal.Source != TColourSource::Unset)
        button->setColorNormal(resolve(entry.Normal));
    if (entry.Hover.Source != TColourSource::Unset)
        button->setColorHover(resolve(entry.Hover));
    if (entry.Pressed.Source != TColourSource::Unset)
        button->setColorPressed(resolve(entry.Pressed));
    if (entry.TextColour.Source != TColourSource::Unset)
        button->setFontColor(resolve(entry.TextColour));
    return button;
}

QWidget* createShape(const TLayoutEntry& entry, QWidget* parent, TFilledShape::TShapeKind kind)
{
    auto* shape = new TFilledShape(kind, parent);
    shape->setFillColor(resolve(entry.Normal));
    shape->setOutlineWidth(kShapeOutlinePx);
    return shape;
}

QWidget* createRichTextBox(const TLayoutEntry& entry, QWidget* parent)
{
    auto* box = new QTextEdit(parent);
    box->setAcceptRichText(false);
    box->setReadOnly((entry.Flags & kReadOnly) != 0);
    box->setFrameShape(QFrame::NoFrame);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy((entry.Flags & kVerticalScroll) != 0 ? Qt::ScrollBarAsNeeded
                                                                         : Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if ((entry.Flags & kCentred) != 0) {
        QTextOption option = box->document()->defaultTextOption();
        option.setAlignment(Qt::AlignHCenter);
        box->document()->setDefaultTextOption(option);
    }
    box->document()->setDocumentMargin(2);
    box->setFocusPolicy(Qt::StrongFocus);
    return box;
}

QWidget* createMemoBox(const TLayoutEntry& entry, QWidget* parent)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly((entry.Flags & kReadOnly) != 0);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setTabChangesFocus(true);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->document()->setDocumentMargin(2);
    memo->setFocusPolicy(Qt::StrongFocus);
    return memo;
}

QWidget* createControl(const TLayoutEntry& entry, QWidget* parent)
{
    switch (entry.Kind) {
    case K::Label: return createLabel(entry, parent);
    case K::EditBox: return createEditBox(entry, parent);
    case K::FlatButton: return createFlatButton(entry, parent);
    case K::RectangleShape: return createShape(entry, parent, TFilledShape::TShapeKind::Rectangle);
    case K::CircleShape: return createShape(entry, parent, TFilledShape::TShapeKind::Circle);
    case K::RichTextBox: return createRichTextBox(entry, parent);
    case K::CheckBox: {
        auto* check = new QCheckBox(parent);
        check->setFocusPolicy(Qt::StrongFocus);
        return check;
    }
    case K::MemoBox: return createMemoBox(entry, parent);
    case K::Picture: return new TPicture(programPicture(), programPictureSize(), parent);
    }
    return nullptr;
}

// The widest line and the height of all lines of a label's text in its font.
QSize textExtent(const QLabel* label)
{
    const QFontMetrics metrics(label->font());
    const QStringList lines = label->text().split(QLatin1Char('\n'));
    int widthPx = 0;
    for (QString line : lines) {
        line.remove(QLatin1Char('\r'));
        widthPx = std::max(widthPx, metrics.horizontalAdvance(line));
    }
    // The last line needs only its own height, the others their line spacing.
    const int heightPx = metrics.height() + (static_cast<int>(lines.size()) - 1) * metrics.lineSpacing();
    return {label->text().isEmpty() ? 0 : widthPx, heightPx};
}

// A family the machine lacks costs a search through all its fonts at every size and script
// before Qt moves on to the next family, and it is never drawn with; it is left out.
QStringList installedFamilies(const QStringList& wanted)
{
    const QStringList installed = QFontDatabase::families();
    QStringList found;
    for (const QString& family : wanted)
        if (installed.contains(family, Qt::CaseInsensitive))
            found.append(family);
    return found.isEmpty() ? wanted : found;
}

} // namespace

std::span<const TLayoutEntry> form1Layout() { return kLayout; }

QFont layoutFont(TFontFace face, int pixelSize)
{
    // Read once: the machine's fonts do not change while the window is built.
    static const QStringList kSegoeUi = installedFamilies(segoeUiFamilies());
    static const QStringList kBNazanin = installedFamilies(bNazaninFamilies());
    QFont font;
    font.setFamilies(face == TFontFace::BNazanin ? kBNazanin : kSegoeUi);
    font.setPixelSize(pixelSize);
    return font;
}

QWidget* createLayoutControl(const TLayoutEntry& entry, QWidget* parent)
{
    QWidget* control = createControl(entry, parent);
    control->setObjectName(QString::fromLatin1(entry.Name));
    control->setGeometry(entry.Left, entry.Top, entry.Width, entry.Height);
    if (entry.Face != TFontFace::Window)
        control->setFont(layoutFont(entry.Face, entry.FontPx));
    if ((entry.Flags & kRightToLeft) != 0)
        control->setLayoutDirection(Qt::RightToLeft);
    if ((entry.Flags & kHandCursor) != 0)
        control->setCursor(Qt::PointingHandCursor);
    if (entry.Kind == K::Label || entry.Kind == K::Picture || entry.Kind == K::RectangleShape
        || entry.Kind == K::CircleShape || entry.Kind == K::FlatButton)
        control->setFocusPolicy(Qt::NoFocus);
    applyTextColour(control, entry);
    growToFitText(control, entry.Flags);
    return control;
}

void growToFitText(QWidget* control, unsigned flags)
{
    auto* label = qobject_cast<QLabel*>(control);
    if (label == nullptr)
        return;
    if ((flags & kShrinksToFit) != 0) {
        QFont font = label->font();
        while (font.pixelSize() > kSmallestFontPx && textExtent(label).width() > label->width()) {
            font.setPixelSize(font.pixelSize() - 1);
            label->setFont(font);
        }
    }
    const QSize extent = textExtent(label);
    QRect geometry = label->geometry();
    const int right = geometry.x() + geometry.width();
    if ((flags & kSizedToText) != 0) {
        geometry.setSize(extent);
    } else {
        geometry.setWidth(std::max(geometry.width(), extent.width()));
        geometry.setHeight(std::max(geometry.height(), extent.height()));
    }
    const bool keepsRight = (flags & (kGrowsLeft | kRightAligned)) != 0 || label->layoutDirection() == Qt::RightToLeft;
    if (keepsRight)
        geometry.moveLeft(right - geometry.width());
    label->setGeometry(geometry);
}

void setCompactPlainText(QTextEdit* box, const QString& text)
{
    box->setPlainText(text);
    QTextCursor cursor(box->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setLineHeight(kCompactLineHeightPercent, QTextBlockFormat::ProportionalHeight);
    cursor.mergeBlockFormat(format);
}

void fitCaptionsFont(std::span<QWidget* const> buttons, const QStringList& captions)
{
    if (buttons.empty())
        return;
    int widthPx = buttons.front()->width();
    for (const QWidget* button : buttons)
        widthPx = std::min(widthPx, button->width());
    // Stops at the first caption that does not fit: the captions a button shows at start come
    // first, so a size that is too large never loads the faces only the others need.
    const auto allFit = [widthPx, &captions](const QFont& font) {
        const QFontMetrics metrics(font);
        return std::all_of(captions.begin(), captions.end(), [&metrics, widthPx](const QString& caption) {
            return metrics.horizontalAdvance(caption) + kCaptionPaddingPx <= widthPx;
        });
    };
    QFont font = buttons.front()->font();
    while (font.pixelSize() > kSmallestFontPx && !allFit(font))
        font.setPixelSize(font.pixelSize() - 1);
    for (QWidget* button : buttons)
        button->setFont(font);
}
