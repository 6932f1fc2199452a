#pragma once
// The notice box shows plain lines only: the maker publishes the notice as HTML fragments,
// and this reduction keeps the visible text, turns line-break tags into CR LF and nothing else.
// Markup is never interpreted; what survives is set as plain text.

#include <QString>

// Every "<" opens a tag and every ">" closes one, nested or stray; a tag that starts with "<br"
// in any letter case becomes CR LF. Only the exact "&nbsp;" becomes a space, no other entity is
// decoded. Characters up to U+0020 are trimmed from both ends.
[[nodiscard]] QString StripHTMLImproved(const QString& S);
