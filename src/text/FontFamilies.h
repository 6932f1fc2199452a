#pragma once
// The font families the windows ask for, best first. Qt takes each character from the first
// family that has it, so the list decides how Persian words, digits and units look, and it
// differs by platform: Windows has Segoe UI and Tahoma, Linux has the Noto faces.

#include <QStringList>

// A Latin face first, so that units and digits keep a Latin shape, then faces that shape
// Persian.
[[nodiscard]] QStringList segoeUiFamilies();
// "B Nazanin" when the user has it, then the same families as segoeUiFamilies().
[[nodiscard]] QStringList bNazaninFamilies();
