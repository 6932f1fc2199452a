#include "KeyFilter.h"

namespace {

constexpr char16_t kBackspace = 0x08;

} // namespace

bool isNumberFieldChar(QChar c)
{
    const char16_t u = c.unicode();
    return u == kBackspace || u == u'+' || u == u',' || u == u'.' || (u >= u'0' && u <= u'9');
}

bool isEnterKey(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

bool numberFieldTakesKey(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (key == Qt::Key_Backspace)
        return true;
    if (isEnterKey(key))
        return false;
    const bool control = modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z)
        return false;
    // Tab moves the focus on; it types nothing into the field.
    if (key == Qt::Key_Delete || key == Qt::Key_Tab || key == Qt::Key_Backtab || text.isEmpty())
        return true;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
        if (!isNumberFieldChar(c))
            return false;
    }
    return true;
}
