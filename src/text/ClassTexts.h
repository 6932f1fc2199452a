#pragma once
// The Persian names of the three roughness classes, as the calculator's class buttons, the chart's
// title and the schedule's report write them; "نسبتاً" keeps its tanween (U+064B).

#include <QStringView>

namespace ClassTexts {

inline constexpr QStringView kSmooth = u"نسبتا\u064b صاف";
inline constexpr QStringView kSemiSmooth = u"نسبتا\u064b ناصاف";
inline constexpr QStringView kRough = u"ناصاف";

// The name of class 1, 2 or 3; empty for any other number.
[[nodiscard]] constexpr QStringView className(int roughnessClass)
{
    switch (roughnessClass) {
    case 1: return kSmooth;
    case 2: return kSemiSmooth;
    case 3: return kRough;
    default: return {};
    }
}

} // namespace ClassTexts
