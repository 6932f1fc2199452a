#pragma once
// What the two design helpers' windows share: the font and the frame, and the cells their layout
// tables are made of. Each helper lays out its controls as the calculator does, from one table of
// rows {object name, text, kind, row, column}, here cells of a grid; the rows that repeat with a
// data table (the fixtures, the budget's fields) are made from that table by the same cells. A
// helper finds its controls again by their object names.

#include <QString>
#include <QStringView>
#include <QWidget>

#include <functional>
#include <span>

class QDialog;
class QGridLayout;

enum class TDialogKind {
    Caption,      // a label
    Header,       // a column's bold caption
    Radio,        // one of the radio buttons of a parent, which exclude each other
    NumberField,  // a short field for a typed number, centred
    UnitBox,      // the units of a quantity, filled by the helper; Latin, left to right
    CountBox,     // a count of fixtures, 0 up to Design::kMaxFixtureCount
    LoadText,     // a number the helper writes, centred
    SupplyChoice, // the flush-tank or flush-valve system (TSupplyChoice)
    Scroller,     // a vertical scroll area, given its contents by the helper
    Summary,      // the outcome: plain lines, selectable, right to left
    ApplyAndClose // "Apply" (BtnApply, the default button) and "Close" (BtnClose, hides the window)
};

struct TDialogCell {
    const char* Name; // the object name; nullptr for a caption that nothing reads back
    QStringView Text;
    TDialogKind Kind;
    int Row;
    int Column;
    int Columns = 1;
};

// Right to left, in the calculator's faces, titled, modeless; hidden (not destroyed) by Esc.
void prepareDesignDialog(QDialog* dialog, const char* name, const QString& title);

// Creates the cell's control as a child of `parent` and places it in `grid`.
QWidget* addDialogCell(QGridLayout* grid, QWidget* parent, const TDialogCell& cell);

// Makes the cells row by row, so that the tab order follows the rows; after each row's cells,
// `fillRow` makes what the helper adds to that row from its data (a repeated row, a table's
// contents).
void addDialogCells(QGridLayout* grid, QWidget* parent, std::span<const TDialogCell> cells,
                    const std::function<void(int row)>& fillRow);

// A control of a helper by its object name; the table guarantees that it is there.
template <typename T> T* dialogChild(const QWidget* dialog, const char* name)
{
    T* child = dialog->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT(child != nullptr);
    return child;
}
