#include "CodePageText.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <array>
#include <climits>

namespace {

struct TCodePage {
    const char* Name;
    UINT Id;
};

// The charsets a Persian or Arabic web host may declare, and their Windows code pages.
constexpr std::array kCodePages{
    TCodePage{"windows-1256", 1256}, TCodePage{"cp1256", 1256},       TCodePage{"x-cp1256", 1256},
    TCodePage{"windows-1252", 1252}, TCodePage{"cp1252", 1252},       TCodePage{"iso-8859-6", 28596},
    TCodePage{"iso-8859-15", 28605}, TCodePage{"windows-1250", 1250}, TCodePage{"windows-1251", 1251},
    TCodePage{"windows-1253", 1253}, TCodePage{"windows-1254", 1254}, TCodePage{"windows-1255", 1255},
    TCodePage{"windows-1257", 1257}, TCodePage{"windows-1258", 1258}, TCodePage{"koi8-r", 20866}};

} // namespace

bool decodeWithCodePage(const QByteArray& charset, const QByteArray& bytes, QString& text)
{
    const QByteArray name = charset.trimmed().toLower();
    for (const TCodePage& page : kCodePages) {
        if (name != page.Name)
            continue;
        if (bytes.isEmpty()) {
            text.clear();
            return true;
        }
        if (bytes.size() > INT_MAX)
            return false;
        const int length = int(bytes.size());
        // A single-byte code page gives at most one UTF-16 unit per byte.
        QString decoded(length, Qt::Uninitialized);
        const int written = MultiByteToWideChar(page.Id, 0, bytes.constData(), length,
                                                reinterpret_cast<wchar_t*>(decoded.data()), length);
        if (written <= 0)
            return false;
        decoded.truncate(written);
        text = decoded;
        return true;
    }
    return false;
}

#else

bool decodeWithCodePage(const QByteArray& /*charset*/, const QByteArray& /*bytes*/, QString& /*text*/) { return false; }

#endif
