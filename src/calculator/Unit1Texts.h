#pragma once
// The calculator window's Persian texts, kept in one place so that every zero-width non-joiner
// (U+200C) and the tanween (U+064B) of "نسبتاً" stay exactly where Persian writes them.

#include <QString>

namespace Unit1Texts {

// Title line above the class buttons.
inline const QString kTitleLine = QStringLiteral(u"سایزینگ لوله گالوانیزه آب شرب مصرفی براساس مبحث 16");
// Class 1.
inline const QString kCaptionSmooth = QStringLiteral(u"نسبتا\u064b صاف");
// Class 2.
inline const QString kCaptionSemiSmooth = QStringLiteral(u"نسبتا\u064b ناصاف");
// Class 3.
inline const QString kCaptionRough = QStringLiteral(u"ناصاف");
// Class 1 chosen; begins with a blank.
inline const QString kCaptionSmoothSelected = QStringLiteral(u" نسبتا\u064b صاف ✓");
// Class 2 chosen.
inline const QString kCaptionSemiSmoothSelected = QStringLiteral(u"نسبتا\u064b ناصاف ✓");
// Class 3 chosen.
inline const QString kCaptionRoughSelected = QStringLiteral(u"ناصاف ✓");
inline const QString kLabelPressure = QStringLiteral(u"افت فشار برحسب psi/100ft");
inline const QString kLabelFlow = QStringLiteral(u"دبی سیال برحسب gpm");
inline const QString kCaptionCalculate = QStringLiteral(u"محاسبه");
inline const QString kLabelPipe = QStringLiteral(u"سایز لوله برحسب اینچ");
inline const QString kLabelVelocity = QStringLiteral(u"سرعت سیال برحسب ft/s");
inline const QString kCaptionChart = QStringLiteral(u"نمودار");
inline const QString kLabelStayOnTop = QStringLiteral(u"نرمافزار روی صفحه باشد");
inline const QString kMessageNoClass = QStringLiteral(u"ابتدا نوع لوله را انتخاب نمایید.");
inline const QString kMessageBadPressure = QStringLiteral(u"مقدار افت فشار معتبر نیست");
inline const QString kMessageBadFlow = QStringLiteral(u"مقدار دبی معتبر نیست");
// Shown above 10 ft/s; begins with a blank.
inline const QString kVelocityAdvice = QStringLiteral(u" سرعت جریان آب در لوله\u200cهای اصلی نباید از 10 فوت بر ثانیه بیشتر شود. توصیه می\u200cشود که سرعت جریان آب در لوله\u200cهای فرعی و انشعاب\u200cها از 4 فوت بر ثانیه بیشتر نباشد.");

inline const QString kWindowCaption = QStringLiteral("Keldaran (Galvanized)");

} // namespace Unit1Texts
