#pragma once
// The calculator window's Persian texts, kept in one place so that every zero-width non-joiner
// (U+200C) and the tanween (U+064B) of "نسبتاً" stay exactly where Persian writes them.

#include "ClassTexts.h"
#include "MethodWords.h"

#include <QStringView>

namespace Unit1Texts {

// Title line above the class buttons.
inline constexpr QStringView kTitleLine = u"سایزینگ لوله گالوانیزه آب شرب مصرفی براساس مبحث 16";
inline constexpr QStringView kCaptionSmooth = ClassTexts::kSmooth;
inline constexpr QStringView kCaptionSemiSmooth = ClassTexts::kSemiSmooth;
inline constexpr QStringView kCaptionRough = ClassTexts::kRough;
// Class 1 chosen; begins with a blank.
inline constexpr QStringView kCaptionSmoothSelected = u" نسبتا\u064b صاف ✓";
// Class 2 chosen.
inline constexpr QStringView kCaptionSemiSmoothSelected = u"نسبتا\u064b ناصاف ✓";
// Class 3 chosen.
inline constexpr QStringView kCaptionRoughSelected = u"ناصاف ✓";
inline constexpr QStringView kLabelPressure = u"افت فشار برحسب psi/100ft";
inline constexpr QStringView kLabelFlow = u"دبی سیال برحسب gpm";
inline constexpr QStringView kCaptionCalculate = u"محاسبه";
inline constexpr QStringView kLabelPipe = u"سایز لوله برحسب اینچ";
inline constexpr QStringView kLabelVelocity = u"سرعت سیال برحسب ft/s";
inline constexpr QStringView kCaptionChart = u"نمودار";
inline constexpr QStringView kLabelStayOnTop = u"نرمافزار روی صفحه باشد";
inline constexpr QStringView kMessageNoClass = u"ابتدا نوع لوله را انتخاب نمایید.";
inline constexpr QStringView kMessageBadPressure = u"مقدار افت فشار معتبر نیست";
inline constexpr QStringView kMessageBadFlow = u"مقدار دبی معتبر نیست";
// Shown above 10 ft/s; begins with a blank.
inline constexpr QStringView kVelocityAdvice
    = u" سرعت جریان آب در لوله\u200cهای اصلی نباید از 10 فوت بر ثانیه بیشتر شود. توصیه می\u200cشود که سرعت جریان آب در "
      u"لوله\u200cهای فرعی و انشعاب\u200cها از 4 فوت بر ثانیه بیشتر نباشد.";

// Opens the schedule window.
inline constexpr QStringView kCaptionSchedule = MethodWords::kSchedule;
// The hint of a button a shortcut also presses: "%1" is the shortcut.
inline constexpr QStringView kOpenWith = u"باز کردن با %1";

inline constexpr QStringView kWindowCaption = u"Keldaran (Galvanized)";

} // namespace Unit1Texts
