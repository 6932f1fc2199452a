#pragma once
// The Persian texts of the two design helpers, kept in one place like the calculator's own, so
// that every zero-width non-joiner (U+200C) and tanween (U+064B) stays where Persian writes it.

#include "MethodWords.h"

#include <QString>
#include <QStringView>

namespace DesignTexts {

// A number with its Latin unit, or a line of arithmetic, kept in its left-to-right order inside
// a Persian line; without the isolate, "24.01 psi" would read "psi 24.01" there.
[[nodiscard]] inline QString leftToRight(const QString& text) { return QChar(u'\u2066') + text + QChar(u'\u2069'); }

// The calculator window's two openers.
inline constexpr QStringView kCaptionDemand = u"دبی از واحد مصرف";
inline constexpr QStringView kCaptionBudget = u"افت فشار مجاز";

inline constexpr QStringView kDemandTitle = u"دبی طراحی از واحد مصرف";
inline constexpr QStringView kBudgetTitle = u"افت فشار مجاز برای اصطکاک";

inline constexpr QStringView kHeaderFixture = u"وسیله بهداشتی";
inline constexpr QStringView kHeaderUse = u"نوع مصرف";
inline constexpr QStringView kHeaderControl = u"کنترل";
inline constexpr QStringView kHeaderLoad = u"واحد مصرف";
inline constexpr QStringView kHeaderCount = u"تعداد";

inline constexpr QStringView kColumnLabel = u"ستون بار:";
inline constexpr QStringView kColumnTotal = u"کل";
inline constexpr QStringView kColumnCold = u"آب سرد";
inline constexpr QStringView kColumnHot = u"آب گرم";
inline constexpr QStringView kSystemLabel = u"سیستم:";
inline constexpr QStringView kSystemFlushTank = MethodWords::kFlushTank;
inline constexpr QStringView kSystemFlushValve = MethodWords::kFlushValve;
inline constexpr QStringView kDirectLoadLabel = u"یا بار کل را مستقیم وارد کنید (واحد مصرف):";
// Stands for a column in which a fixture draws no water.
inline constexpr QStringView kNoLoad = u"–";

inline constexpr QStringView kTotalLoad = u"بار کل";
inline constexpr QStringView kFixtureUnits = u"واحد مصرف";
inline constexpr QStringView kDesignFlow = u"دبی طراحی";
inline constexpr QStringView kReadingArrow = u" ← ";

inline constexpr QStringView kFieldSource = MethodWords::kSource;
inline constexpr QStringView kFieldMeter = MethodWords::kMeter;
inline constexpr QStringView kFieldHeight = MethodWords::kHeight;
inline constexpr QStringView kFieldFixture = MethodWords::kFixture;
inline constexpr QStringView kFieldLength = u"طول توسعه\u200cیافته طولانی\u200cترین مسیر";
inline constexpr QStringView kFieldFittings = u"سهم اتصالات و شیرآلات";
// The hint in the height field: a roof tank stands above the fixture.
inline constexpr QStringView kHeightHint = MethodWords::kHeightHint;

inline constexpr QStringView kAvailable = MethodWords::kAvailable;
inline constexpr QStringView kEquivalentLength = u"طول معادل";
inline constexpr QStringView kAllowableLoss = u"افت مجاز";
inline constexpr QStringView kChartRangeNote
    = u"توجه: نمودار فقط افت 0.1 تا \u2066100 psi/100ft\u2069 را پوشش می\u200cدهد.";

inline constexpr QStringView kApply = u"اعمال";
inline constexpr QStringView kClose = u"بستن";

// "%1" is the field's name.
inline constexpr QStringView kBadField = u"مقدار «%1» معتبر نیست.";
inline constexpr QStringView kNegativeField = u"مقدار «%1» نباید منفی باشد.";
inline constexpr QStringView kNotPositiveField = u"مقدار «%1» باید بیشتر از صفر باشد.";
inline constexpr QStringView kNothingCounted = u"هیچ وسیله\u200cای شمرده نشده و بار کل صفر است.";
// "%1" is the load, "%2" the table's last row.
inline constexpr QStringView kLoadAboveTable = u"بار کل %1 واحد مصرف از جدول (تا %2) بیشتر است.";
// "%1" is the shortfall with its unit, kept left to right.
inline constexpr QStringView kShortfall = u"فشاری برای اصطکاک لوله نمی\u200cماند: فشار موجود %1 کم است.";

// Values in range whose quotient still overflows, or vanishes.
inline constexpr QStringView kOutOfReach = u"از این مقادیر نتیجه\u200cای به دست نمی\u200cآید.";

} // namespace DesignTexts
