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

QStringList bNazaninFamilies()
{
    return {QStringLiteral("B Nazanin"), QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"),
            QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Sans")};
}

#else

QStringList segoeUiFamilies()
{
    return {QStringLiteral("Segoe UI"), QStringLiteral("Noto Sans"), QStringLiteral("Noto Sans Arabic")};
}

QStringList bNazaninFamilies()
{
    return {QStringLiteral("B Nazanin"), QStringLiteral("Noto Sans Arabic"), QStringLiteral("Noto Sans")};
}

#endif
