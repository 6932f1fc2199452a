// The notice's text: markup reduced to plain lines, and the response bytes decoded by their
// content coding and charset.
#include "HtmlText.h"
#include "NoticeBody.h"

#include <QTest>

#include <zlib.h>

namespace {

// A stream as a server's compressor writes it: windowBits 15 + 16 for gzip, 15 for zlib, -15 bare.
QByteArray compressed(const QByteArray& data, int windowBits)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const int status = deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return status == Z_STREAM_END ? out : QByteArray();
}

constexpr int kGzip = 15 + 16;
constexpr int kZlib = 15;
constexpr int kRaw = -15;

} // namespace

class TestNoticeText : public QObject {
    Q_OBJECT

private slots:
    void strip_data()
    {
        // clang-format off
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("text");
        QTest::newRow("paragraph") << "<p>Hello</p>" << "Hello";
        QTest::newRow("br") << "one<br>two" << "one\r\ntwo";
        QTest::newRow("BR/ in capitals") << "one<BR/>two" << "one\r\ntwo";
        QTest::newRow("br with a blank before the slash") << "one<br />two" << "one\r\ntwo";
        QTest::newRow("Br in mixed case") << "one<bR>two" << "one\r\ntwo";
        QTest::newRow("any tag starting <br counts") << "one<brown>two" << "one\r\ntwo";
        QTest::newRow("b is no break") << "one<b>two</b>" << "onetwo";
        QTest::newRow("leading break") << "<br>one" << "one";
        QTest::newRow("trailing break") << "one<br/>" << "one";
        QTest::newRow("two breaks make an empty line") << "a<br><br>b" << "a\r\n\r\nb";
        QTest::newRow("nbsp") << "a&nbsp;b" << "a b";
        QTest::newRow("NBSP in capitals stays") << "a&NBSP;b" << "a&NBSP;b";
        QTest::newRow("other entities stay") << "a&amp;b &lt;c&gt; &#160;" << "a&amp;b &lt;c&gt; &#160;";
        QTest::newRow("nbsp put together across a tag") << "a&nb<i></i>sp;b" << "a b";
        QTest::newRow("stray > keeps both blanks") << "a > b" << "a  b";
        QTest::newRow("unclosed < hides the rest") << "shown <hidden to the end" << "shown";
        QTest::newRow("< inside a tag") << "x<a <br> y>z" << "x\r\n yz";
        QTest::newRow("script contents stay") << "<script>var x = 1;</script>" << "var x = 1;";
        QTest::newRow("style contents stay") << "<style>p{color:red}</style>Hi" << "p{color:red}Hi";
        QTest::newRow("blanks and breaks around") << " \t\r\n Hello \r\n" << "Hello";
        QTest::newRow("control characters trimmed") << "\x01 A \x1f" << "A";
        QTest::newRow("no-break space U+00A0 is not trimmed") << "\u00a0A\u00a0" << "\u00a0A\u00a0";
        QTest::newRow("DEL is not trimmed") << "A\x7f" << "A\x7f";
        QTest::newRow("line breaks in the text pass") << "a\nb\r\nc" << "a\nb\r\nc";
        QTest::newRow("< at the very end") << "a<" << "a";
        QTest::newRow("<b at the very end") << "a<b" << "a";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("only tags and blanks") << "<p> </p>\r\n<br>" << "";
        QTest::newRow("Persian right to left")
            << QString::fromUtf8("<p dir=\"rtl\">نسخه\u200cی تازه</p>") << QString::fromUtf8("نسخه\u200cی تازه");
        // clang-format on
    }
    void strip()
    {
        QFETCH(QString, markup);
        QFETCH(QString, text);
        QCOMPARE(StripHTMLImproved(markup), text);
    }

    void charset_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("charset");
        QTest::newRow("none") << QByteArray("text/html") << QByteArray();
        QTest::newRow("plain") << QByteArray("text/html; charset=windows-1256") << QByteArray("windows-1256");
        QTest::newRow("quoted") << QByteArray("text/html; charset=\"UTF-8\"") << QByteArray("UTF-8");
        QTest::newRow("name in capitals, blanks")
            << QByteArray("text/html ;  CHARSET = iso-8859-6 ") << QByteArray("iso-8859-6");
        QTest::newRow("after another parameter") << QByteArray("text/html; q=1; charset=utf-8") << QByteArray("utf-8");
        QTest::newRow("empty value") << QByteArray("text/html; charset=") << QByteArray();
        QTest::newRow("no media type") << QByteArray() << QByteArray();
        // clang-format on
    }
    void charset()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, charset);
        QCOMPARE(charsetOfContentType(contentType), charset);
    }

    void decode_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("contentEncoding");
        QTest::addColumn<bool>("decoded");
        QTest::addColumn<QString>("text");
        const QString persian = QString::fromUtf8("اطلاعیه");
        const QByteArray utf8 = persian.toUtf8();
        // Seen, lam, alef, meem in windows-1256.
        const QByteArray cp1256("\xd3\xe1\xc7\xe3");
        const QString cp1256Text = QString::fromUtf8("\u0633\u0644\u0627\u0645");

        QTest::newRow("UTF-8 named") << utf8 << QByteArray("text/html; charset=UTF-8") << QByteArray() << true << persian;
        QTest::newRow("windows-1256") << cp1256 << QByteArray("text/html; charset=windows-1256") << QByteArray() << true
                                      << cp1256Text;
        QTest::newRow("no charset means UTF-8") << utf8 << QByteArray("text/html") << QByteArray() << true << persian;
        QTest::newRow("no Content-Type at all") << utf8 << QByteArray() << QByteArray() << true << persian;
        QTest::newRow("Latin-1 named") << QByteArray("caf\xe9") << QByteArray("text/plain; charset=ISO-8859-1")
                                       << QByteArray() << true << QString::fromUtf8("café");
        QTest::newRow("invalid UTF-8 byte becomes U+FFFD")
            << QByteArray("a\xff"
                          "b")
            << QByteArray("text/html") << QByteArray() << true << QString::fromUtf8("a\uFFFDb");
        QTest::newRow("undecodable charset") << utf8 << QByteArray("text/html; charset=x-no-such-charset")
                                             << QByteArray() << false << QString();
        QTest::newRow("gzip") << compressed(utf8, kGzip) << QByteArray("text/html; charset=utf-8") << QByteArray("gzip")
                              << true << persian;
        QTest::newRow("x-gzip, windows-1256")
            << compressed(cp1256, kGzip) << QByteArray("text/html; charset=windows-1256") << QByteArray("x-gzip") << true
            << cp1256Text;
        QTest::newRow("deflate as zlib") << compressed(utf8, kZlib) << QByteArray() << QByteArray("deflate") << true
                                         << persian;
        QTest::newRow("deflate sent bare") << compressed(utf8, kRaw) << QByteArray() << QByteArray("Deflate") << true
                                           << persian;
        QTest::newRow("gzip applied twice")
            << compressed(compressed(utf8, kGzip), kGzip) << QByteArray() << QByteArray("gzip, gzip") << true << persian;
        QTest::newRow("identity") << utf8 << QByteArray() << QByteArray("identity") << true << persian;
        QTest::newRow("unknown coding") << utf8 << QByteArray() << QByteArray("br") << false << QString();
        QTest::newRow("gzip header on plain bytes") << utf8 << QByteArray() << QByteArray("gzip") << false << QString();
        QTest::newRow("truncated gzip") << compressed(utf8, kGzip).chopped(6) << QByteArray() << QByteArray("gzip")
                                        << false << QString();
        const QByteArray atCap(kNoticeMaxBodyBytes, 'a');
        QTest::newRow("inflates to exactly the cap") << compressed(atCap, kGzip) << QByteArray() << QByteArray("gzip")
                                                     << true << QString(atCap);
        QTest::newRow("inflates past the cap") << compressed(atCap + 'a', kGzip) << QByteArray() << QByteArray("gzip")
                                               << false << QString();
        QTest::newRow("a small bomb of 64 MiB")
            << compressed(QByteArray(64 * 1024 * 1024, '\0'), kGzip) << QByteArray() << QByteArray("gzip") << false
            << QString();
        // clang-format on
    }
    void decode()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, contentEncoding);
        QFETCH(bool, decoded);
        QFETCH(QString, text);
        QVERIFY(!body.isEmpty());
        QString result = QStringLiteral("untouched");
        QCOMPARE(decodeNoticeBody(body, contentType, contentEncoding, result), decoded);
        QCOMPARE(result, decoded ? text : QStringLiteral("untouched"));
    }
};

QTEST_GUILESS_MAIN(TestNoticeText)
#include "tst_notice_text.moc"
