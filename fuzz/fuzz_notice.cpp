// The notice path from bytes to the box: body decoding by content coding and charset, then the
// reduction of the markup. The plain text never holds a "<" or ">" (every one belongs to a tag)
// nor a "&nbsp;", never starts or ends with a blank or control character, is never longer than
// its input once each line-break tag's CR LF is counted, and reduces to itself.
#include "FuzzInput.h"

#include "HtmlText.h"
#include "NoticeBody.h"

namespace {

const char* const kContentTypes[] = {
    "",
    "text/html",
    "text/html; charset=utf-8",
    "text/html; charset=\"ISO-8859-1\"",
    "text/plain;charset=windows-1256",
    "text/html; charset=UTF-16LE",
    "text/html; charset=no-such-charset",
    "text/html; charset=",
    "text/html; CHARSET = utf-8 ; q=1",
};
const char* const kContentEncodings[] = {"", "identity", "gzip", "deflate", "x-gzip", "gzip, deflate", "br"};

qsizetype lineBreakTags(const QString& text) { return text.count(QStringLiteral("<br"), Qt::CaseInsensitive); }

void checkStripped(const QString& markup)
{
    const QString plain = StripHTMLImproved(markup);
    require(!plain.contains(QLatin1Char('<')) && !plain.contains(QLatin1Char('>')),
            "no \"<\" or \">\" survives the reduction");
    require(plain.isEmpty() || (plain.front().unicode() > 0x20 && plain.back().unicode() > 0x20),
            "the reduction is trimmed at both ends");
    // Each character is kept or dropped, except a line-break tag's "<", which becomes CR LF.
    require(plain.size() <= markup.size() + lineBreakTags(markup), "the reduction never grows the text");
    require(!plain.contains(QStringLiteral("&nbsp;")), "every \"&nbsp;\" becomes a space");
    require(StripHTMLImproved(plain) == plain, "plain text reduces to itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TFuzzInput in(data, size);
    const QByteArray contentType = kContentTypes[in.byte() % std::size(kContentTypes)];
    const QByteArray contentEncoding = kContentEncodings[in.byte() % std::size(kContentEncodings)];
    const std::string_view bytes = in.rest();
    const QByteArray body(bytes.data(), static_cast<qsizetype>(bytes.size()));

    QString text = QStringLiteral("stale");
    if (decodeNoticeBody(body, contentType, contentEncoding, text)) {
        require(text.size() <= kNoticeMaxBodyBytes, "a decoded notice stays within the bound");
        checkStripped(text);
    } else {
        require(text == QStringLiteral("stale"), "a refused body leaves the text as it was");
    }
    // The same bytes as UTF-8 markup, whatever the server said about them.
    checkStripped(QString::fromUtf8(body));
    return 0;
}
