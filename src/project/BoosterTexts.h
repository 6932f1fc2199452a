#pragma once
// The Persian words about a booster set and its pressure-reducing valves that the schedule window
// and the reports share, in one place so that each is said once and its zero-width non-joiners
// (U+200C) stay where Persian writes them. Numbers with their Latin units are put in as
// left-to-right isolates by the code that fills the "%n".

#include <QStringView>

namespace BoosterTexts {

// Where a tree's water comes from.
inline constexpr QStringView kSourceLabel = u"منبع آب";
inline constexpr QStringView kSourceMain = u"شبکهٔ شهری";
inline constexpr QStringView kSourceBooster = u"مخزن ذخیره و بوستر پمپ";

// The booster's numbers, each named as the header and the report name it.
inline constexpr QStringView kTankLevel = u"تراز آب مخزن از ورودی پمپ";
inline constexpr QStringView kSuctionLoss = u"افت مسیر مکش";
inline constexpr QStringView kSetLoss = u"افت درون بوستر";
inline constexpr QStringView kDesignLoss = u"افت طراحی لوله\u200cها";
inline constexpr QStringView kDifferential = u"اختلاف فشار قطع و وصل";
inline constexpr QStringView kPreChargeBelow = u"پیش\u200cشارژ زیر فشار وصل";
inline constexpr QStringView kStartsPerHour = u"بیشترین راه\u200cاندازی";
inline constexpr QStringView kEfficiency = u"بازده پمپ و موتور";
inline constexpr QStringView kAltitude = u"ارتفاع محل از دریا";
inline constexpr QStringView kOccupants = u"ساکنان";
inline constexpr QStringView kPerHour = u"در ساعت";
inline constexpr QStringView kPeople = u"نفر";

// The duty, as the totals bar and the report's first booster line write it.
inline constexpr QStringView kDuty = u"بوستر پمپ";
inline constexpr QStringView kDutyFlow = u"دبی";
inline constexpr QStringView kDutyHead = u"ارتفاع پمپاژ";
inline constexpr QStringView kDutyShaft = u"توان محور";
inline constexpr QStringView kDutySwitch = u"وصل/قطع";
inline constexpr QStringView kDutyTank = u"مخزن تحت فشار";
inline constexpr QStringView kDutyNoTank = u"بدون مخزن تحت فشار (فشار ثابت)";
inline constexpr QStringView kDutyStorage = u"مخزن ذخیره";
inline constexpr QStringView kDutyIncomplete
    = u"برخی قطعه\u200cها سایز نشدند؛ ارتفاع پمپاژ تنها مسیرهای کامل را می\u200cشمارد.";

// The column of a valve's set pressure.
inline constexpr QStringView kColumnValveSetting = u"تنظیم شیر فشارشکن";

// A valve where a branch leaves toward outlets all over 4 bar static. "%1" is its setting.
inline constexpr QStringView kValveHere = u"شیر فشارشکن در ابتدای این قطعه، تنظیم روی %1.";
// A node over 4 bar below a valve: "%1" is its static pressure, "%2" the valve's segment, "%3" its row.
inline constexpr QStringView kValveAbove
    = u"فشار استاتیک %1 از 4 بار بیشتر است؛ شیر فشارشکن قطعهٔ «%2» (ردیف %3) آن را کم می\u200cکند.";
// A junction over 4 bar that feeds outlets below 4 bar too: "%1" its static pressure, "%2" the
// valves' segments below it.
inline constexpr QStringView kValvesBelow
    = u"فشار استاتیک %1 از 4 بار بیشتر است، اما شیر فشارشکن اینجا خروجی\u200cهای بالاتر را بی\u200cفشار "
      u"می\u200cگذارد؛ شیرها روی انشعاب\u200cهای پایین\u200cدست\u200cاند: %2.";
inline constexpr QStringView kNoValveNeeded
    = u"فشار استاتیک %1 از 4 بار بیشتر است، اما خروجی\u200cهای پایین\u200cدست آن از 4 بار بیشتر نیستند؛ شیر لازم نیست.";

} // namespace BoosterTexts
