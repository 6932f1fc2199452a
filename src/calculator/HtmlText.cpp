#include "HtmlText.h"

#include <QStringView>

namespace {

constexpr QStringView kLineBreakTag = u"<br";
constexpr QLatin1StringView kNbsp { "&nbsp;" };
constexpr QStringView kCrLf = u"\r\n";

// Spaces and the C0 control characters, CR and LF among them.
[[nodiscard]] bool isBlankOrControl(QChar c) { return c.unicode() <= 0x20; }

} // namespace

QString StripHTMLImproved(const QString& S)
{
    QString result;
    result.reserve(S.size());
    bool inTag = false;
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S.at(i);
        if (c == u'<') {
            inTag = true;
            if (QStringView(S).mid(i, kLineBreakTag.size()).compare(kLineBreakTag, Qt::CaseInsensitive) == 0)
                result += kCrLf;
        } else if (c == u'>') {
            inTag = false;
        } else if (!inTag) {
            result += c;
        }
    }
    result.replace(kNbsp, QLatin1StringView(" "));

    qsizetype first = 0;
    qsizetype end = result.size();
    while (first < end && isBlankOrControl(result.at(first)))
        ++first;
    while (end > first && isBlankOrControl(result.at(end - 1)))
        --end;
    return result.sliced(first, end - first);
}
