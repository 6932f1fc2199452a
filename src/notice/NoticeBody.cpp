#include "NoticeBody.h"

#include "CodePageText.h"

#include <QList>
#include <QStringDecoder>

#include <zlib.h>

namespace {

enum class TStreamKind { GzipOrZlib, RawDeflate };

// zlib's window bits: 15 plus 32 detects a gzip or a zlib header; minus 15 is a bare deflate
// stream without either.
constexpr int kAutoHeaderWindowBits = 15 + 32;
constexpr int kRawDeflateWindowBits = -15;
constexpr qsizetype kInflateChunkBytes = 16 * 1024;

[[nodiscard]] bool inflateStream(const QByteArray& in, TStreamKind kind, qsizetype maxBytes, QByteArray& out)
{
    z_stream stream{};
    const int windowBits = kind == TStreamKind::GzipOrZlib ? kAutoHeaderWindowBits : kRawDeflateWindowBits;
    if (inflateInit2(&stream, windowBits) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    stream.avail_in = static_cast<uInt>(in.size());

    QByteArray result;
    char chunk[kInflateChunkBytes];
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            break;
        const qsizetype produced = qsizetype(sizeof chunk) - qsizetype(stream.avail_out);
        if (result.size() + produced > maxBytes) {
            status = Z_MEM_ERROR;
            break;
        }
        result.append(chunk, produced);
        // No progress with input left means a truncated stream.
        if (status == Z_OK && produced == 0 && stream.avail_in == 0) {
            status = Z_BUF_ERROR;
            break;
        }
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return false;
    out = result;
    return true;
}

[[nodiscard]] bool undoCoding(const QByteArray& coding, const QByteArray& in, qsizetype maxBytes, QByteArray& out)
{
    if (coding.isEmpty() || coding == "identity") {
        out = in;
        return in.size() <= maxBytes;
    }
    if (coding == "gzip" || coding == "x-gzip")
        return inflateStream(in, TStreamKind::GzipOrZlib, maxBytes, out);
    if (coding == "deflate") {
        // The coding names a zlib stream, but some servers send a bare deflate stream under it.
        return inflateStream(in, TStreamKind::GzipOrZlib, maxBytes, out)
            || inflateStream(in, TStreamKind::RawDeflate, maxBytes, out);
    }
    return false;
}

} // namespace

QByteArray charsetOfContentType(const QByteArray& contentType)
{
    const QList<QByteArray> parts = contentType.split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray parameter = parts.at(i).trimmed();
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0 || parameter.left(equals).trimmed().toLower() != "charset")
            continue;
        QByteArray value = parameter.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2).trimmed();
        return value;
    }
    return {};
}

bool inflateContent(const QByteArray& body, const QByteArray& contentEncoding, qsizetype maxBytes, QByteArray& decoded)
{
    // The codings are listed in the order the server applied them, so they come off from the last.
    const QList<QByteArray> codings = contentEncoding.split(',');
    QByteArray current = body;
    for (qsizetype i = codings.size() - 1; i >= 0; --i) {
        QByteArray next;
        if (!undoCoding(codings.at(i).trimmed().toLower(), current, maxBytes, next))
            return false;
        current = next;
    }
    decoded = current;
    return true;
}

bool decodeNoticeBody(const QByteArray& body, const QByteArray& contentType, const QByteArray& contentEncoding,
                      QString& text)
{
    QByteArray plain;
    if (!inflateContent(body, contentEncoding, kNoticeMaxBodyBytes, plain))
        return false;
    QByteArray charset = charsetOfContentType(contentType);
    if (charset.isEmpty())
        charset = "UTF-8";
    QStringDecoder decoder(charset.constData());
    if (!decoder.isValid())
        return decodeWithCodePage(charset, plain, text);
    text = decoder.decode(plain);
    return true;
}
