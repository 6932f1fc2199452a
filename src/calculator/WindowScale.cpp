#include "WindowScale.h"

#include <QtMath>

int scaledLength(int lengthPx, int percent) { return qRound(lengthPx * (percent / 100.0)); }

QRect scaledRect(const QRect& rect, int percent)
{
    return {scaledLength(rect.x(), percent), scaledLength(rect.y(), percent), scaledLength(rect.width(), percent),
            scaledLength(rect.height(), percent)};
}
