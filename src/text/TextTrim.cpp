#include "TextTrim.h"

namespace {
[[nodiscard]] bool isBlankOrControl(QChar c) { return c.unicode() <= 0x20; }
} // namespace

QString trimmedOfBlanksAndControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isBlankOrControl(text.at(first)))
        ++first;
    while (end > first && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.sliced(first, end - first);
}
