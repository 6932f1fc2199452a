#pragma once
// The trim the number fields and the notice box share: every character up to U+0020 (blanks,
// tabs, CR, LF and the other C0 controls) comes off both ends. QString::trimmed() differs:
// it keeps most control characters and removes Unicode spaces above U+0020.

#include <QString>

[[nodiscard]] QString trimmedOfBlanksAndControls(const QString& text);
