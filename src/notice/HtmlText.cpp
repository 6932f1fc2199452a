#include "HtmlText.h"

#include "TextTrim.h"

#include <QStringView>

namespace {

constexpr QStringView kLineBreakTag = u"<br";
constexpr QLatin1StringView kNbsp{"&nbsp;"};
constexpr QStringView kCrLf = u"\r\n";

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
    return trimmedOfBlanksAndControls(result);
}
