#pragma once
// The calculator window's layout: one table of every control with its kind, place and size
// (client pixels at 96 dots per inch), text, hint, font and colours, and the code that builds a
// control from its row. Fonts ask for the design faces first and fall back to faces that shape
// Persian well on Linux.

#include <QFont>
#include <QRgb>
#include <QStringView>

#include <span>

class QTextEdit;
class QWidget;

enum class TControlKind {
    Label,
    EditBox,
    FlatButton,
    RectangleShape,
    CircleShape,
    RichTextBox,
    CheckBox,
    MemoBox,
    Picture
};

enum class TFontFace { Window, SegoeUI, BNazanin };

enum class TColourSource { Unset, Rgb, SystemWindow, SystemWindowText };

struct TLayoutColour {
    TColourSource Source = TColourSource::Unset;
    QRgb Rgb = 0;
};

// Flags of one row.
enum TLayoutFlag : unsigned {
    kRightToLeft = 1U << 0,
    kReadOnly = 1U << 1,
    kCentred = 1U << 2,
    kNoBorder = 1U << 3,
    kSizedToText = 1U << 4, // grows with its text
    kGrowsLeft = 1U << 5,   // keeps its right edge when it grows
    kWordWrap = 1U << 6,
    kVerticalScroll = 1U << 7,
    kRightAligned = 1U << 8,
    kHandCursor = 1U << 9,
    kDesktopBackground = 1U << 10, // a borderless box that reads as part of the background
    kShrinksToFit = 1U << 11,      // a caption beside an edit box: smaller type rather than overlap
};

struct TLayoutEntry {
    const char* Name;
    TControlKind Kind;
    int Left;
    int Top;
    int Width;
    int Height;
    QStringView Text;
    QStringView Hint;
    TFontFace Face;
    int FontPx; // character height; 0 for the window's font
    TLayoutColour TextColour;
    TLayoutColour Normal; // flat buttons: fill; shapes: fill
    TLayoutColour Hover;
    TLayoutColour Pressed;
    unsigned Flags;
};

// The client area and the window's own font.
inline constexpr int kForm1ClientWidth = 331;
inline constexpr int kForm1ClientHeight = 523;
inline constexpr int kForm1FontPx = 16;
// Linux has no desktop background colour to borrow; a dark one stands for it, as the light
// captions assume.
inline constexpr QRgb kDesktopColour = qRgb(18, 22, 28);
// The outline of the bar and the marker.
inline constexpr int kShapeOutlinePx = 3;

[[nodiscard]] std::span<const TLayoutEntry> form1Layout();

// The font of a face at a character height, with the Linux fall-backs.
[[nodiscard]] QFont layoutFont(TFontFace face, int pixelSize);

// Creates the control of one row as a child of `parent`, named after the row.
QWidget* createLayoutControl(const TLayoutEntry& entry, QWidget* parent);

// Widens and heightens a fixed-size label whose text does not fit in its font (a fall-back
// face can be wider than the design face): a right-to-left or right-aligned caption keeps its
// right edge, any other keeps its left; the top stays. A caption that would grow into the edit
// box beside it keeps its width and takes the largest font that fits instead.
void growToFitText(QWidget* control, unsigned flags);

// Plain text at a line spacing that suits Persian in a small box: the Arabic fall-back face
// carries tall ascenders and descenders for stacked marks, which would leave room for only two
// of the advice's three lines.
void setCompactPlainText(QTextEdit* box, const QString& text);

// The largest font, no larger than the first button's own, in which every caption the buttons
// can show fits the narrowest of them, given to all: a class button's selected caption carries a
// blank and a check mark more. Measured once for the row, in the captions' order.
void fitCaptionsFont(std::span<QWidget* const> buttons, const QStringList& captions);
