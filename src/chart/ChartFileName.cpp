#include "ChartFileName.h"

#include "NumberText.h"

#include <QStringList>

namespace {
constexpr int kNameDecimals = 2;
const QString kNoClassName = QStringLiteral("Keldaran chart");
// Refused by Windows or by every common file system; control characters are refused as well.
const QString kRefusedCharacters = QStringLiteral("<>:\"/\\|?*");
} // namespace

QString suggestedChartFileName(const QString& classTitle, bool hasPoint, double flowGpm, double pressurePsiPer100ft)
{
    QStringList parts;
    parts << (classTitle.trimmed().isEmpty() ? kNoClassName : classTitle.trimmed());
    if (hasPoint) {
        parts << formatUpTo(flowGpm, kNameDecimals) + QStringLiteral(" gpm");
        parts << formatUpTo(pressurePsiPer100ft, kNameDecimals) + QStringLiteral(" psi per 100 ft");
    }
    QString name = parts.join(QStringLiteral(" - "));
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control || kRefusedCharacters.contains(c); });
    // Windows drops a trailing dot or blank from a file name.
    while (name.endsWith(u'.') || name.endsWith(u' '))
        name.chop(1);
    return name.isEmpty() ? kNoClassName : name;
}
