#include "FontFamilies.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

// Segoe UI and Tahoma carry Arabic script on every Windows 10 and 11. The Noto faces come last
// for machines without them, Wine among them.
QStringList segoeUiFamilies()
{
    return {QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"), QStringLiteral("Noto Sans"),
            QStringLiteral("Noto Sans Arabic")};
}

#else

QStringList segoeUiFamilies()
{
    return {QStringLiteral("Segoe UI"), QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans Arabic")};
}

#endif

// Where "B Nazanin" is missing, the label falls back exactly as the rest of the window does, so
// that one set of faces and fallback lists serves every line; a second order costs a second set
// at start-up, for a difference of a pixel in word spacing.
QStringList bNazaninFamilies() { return QStringList{QStringLiteral("B Nazanin")} + segoeUiFamilies(); }
