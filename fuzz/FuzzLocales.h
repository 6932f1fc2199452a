#pragma once
// The locales the text targets parse under: the first input byte picks one, so every input is
// tried as a user of that locale would type or paste it. Full stop and comma decimals, the
// Arabic-script separators, and a locale that groups with a full stop.

#include <QLocale>

#include <cstdint>
#include <iterator>

inline QLocale fuzzLocale(std::uint8_t pick)
{
    static const QLocale kLocales[] = {
        QLocale::c(),
        QLocale(QLocale::English, QLocale::UnitedStates),
        QLocale(QLocale::German, QLocale::Germany),
        QLocale(QLocale::French, QLocale::France),
        QLocale(QLocale::Persian, QLocale::Iran),
        QLocale(QLocale::Arabic, QLocale::Egypt),
        QLocale(QLocale::Russian, QLocale::Russia),
        QLocale(QLocale::German, QLocale::Switzerland),
    };
    return kLocales[pick % std::size(kLocales)];
}
