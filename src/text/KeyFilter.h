#pragma once
// The character filter of the two number fields. Only what a pressure drop or a flow sum can be
// made of gets through: the digits 0-9, "+", ",", "." and Backspace. Blanks, "-", letters, Enter
// and the control characters that shortcuts such as Ctrl+V produce are swallowed, so a paste by
// shortcut never reaches the field (a paste from the context menu does, and is checked when the
// calculation reads the field).

#include <QChar>
#include <QString>
#include <Qt>

// A character that the number fields accept.
[[nodiscard]] bool isNumberFieldChar(QChar c);

// Whether a key press reaches a number field. Keys that type no character (arrows, Home, End,
// Delete, Tab, function keys) always pass; a key that types one passes only when the character
// is accepted; a Ctrl chord on a letter types a control character and is swallowed.
[[nodiscard]] bool numberFieldTakesKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// Enter (Return or the keypad's Enter) with no modifier but the keypad's.
[[nodiscard]] bool isEnterKey(int key);
