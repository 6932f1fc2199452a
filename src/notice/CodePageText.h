#pragma once
// Text in a legacy single-byte charset (windows-1256, iso-8859-6, ...) decoded by the operating
// system where Qt cannot: Qt for Windows is built without ICU, and its own decoders know only
// the Unicode encodings and Latin-1. Elsewhere Qt's decoders cover these charsets already.

#include <QByteArray>
#include <QString>

// False when the charset is not one of the known code pages or this platform has none.
[[nodiscard]] bool decodeWithCodePage(const QByteArray& charset, const QByteArray& bytes, QString& text);
