#pragma once
// Turning the bytes of the notice response into text: the content codings undone (gzip,
// deflate), then the charset that the Content-Type names applied, UTF-8 when it names none.
// A notice is a few lines; anything larger than kNoticeMaxBodyBytes, on the wire or once
// inflated, is refused, so a hostile or broken server cannot make the program swallow memory.

#include <QByteArray>
#include <QString>

inline constexpr qsizetype kNoticeMaxBodyBytes = 256 * 1024;

// The charset parameter of a Content-Type value, without quotes, or empty when there is none.
[[nodiscard]] QByteArray charsetOfContentType(const QByteArray& contentType);

// Undoes the codings of a Content-Encoding value ("gzip", "x-gzip", "deflate", "identity",
// or a comma-separated list of them, applied in the order listed). False for an unknown coding,
// a corrupt stream, or a result longer than maxBytes.
[[nodiscard]] bool inflateContent(const QByteArray& body, const QByteArray& contentEncoding, qsizetype maxBytes,
                                  QByteArray& decoded);

// The whole decoding of a response body. False when a coding or the charset cannot be
// undone; bytes that are invalid in a known charset become U+FFFD.
[[nodiscard]] bool decodeNoticeBody(const QByteArray& body, const QByteArray& contentType,
                                    const QByteArray& contentEncoding, QString& text);
