#pragma once
// The report's Persian texts, in one place so that every zero-width non-joiner (U+200C), the
// tanween (U+064B) and the "ٔ" of the ezafe stay where Persian writes them. Numbers with their
// Latin units are put in as left-to-right isolates by the code that fills the "%n".

#include <QStringView>

namespace ReportTexts {

// The report's own texts; the words it shares with the schedule window are CommonTexts.

// The CSV's header names of its own; the other columns are named as everywhere.
inline constexpr QStringView kCsvName = u"نام";
inline constexpr QStringView kCsvCumulativeLoss = u"افت تجمعی مسیر بحرانی";
// A tree's outlet: the fixtures counted there, as "id×count".
inline constexpr QStringView kCsvFixtures = u"وسایل بهداشتی";

// The PDF's table adds a row number.
inline constexpr QStringView kColumnRow = u"ردیف";
// A tree's outlets are named by their node.
inline constexpr QStringView kColumnNode = u"گره";

// The title block.
inline constexpr QStringView kHeading = u"گزارش محاسبهٔ سایز لوله\u200cهای آب مصرفی ساختمان";
inline constexpr QStringView kUntitled = u"پروژهٔ بی\u200cنام";
inline constexpr QStringView kClassLabel = u"کلاس زبری لوله";
inline constexpr QStringView kMaterialLabel = u"جنس لوله";
// How a computed material's losses were found. "%1" is the roughness, "%2" the water's
// temperature, "%3" its density and "%4" its kinematic viscosity, each with its symbol and unit.
inline constexpr QStringView kMaterialMethod
    = u"روش محاسبه: افت اصطکاک هر قطعه با رابطهٔ دارسی-وایسباخ (Darcy-Weisbach) روی قطر داخلی واقعی لوله "
      u"به دست آمده و ضریب اصطکاک آن از معادلهٔ کولبروک-وایت (Colebrook-White) حل شده است؛ زبری مطلق لوله "
      u"%1، دمای آب %2، چگالی آب %3 و لزجت سینماتیکی آن %4.";
inline constexpr QStringView kDateLabel = u"تاریخ";
inline constexpr QStringView kUnitsUS = u"واحدها: آمریکایی";
inline constexpr QStringView kUnitsSI = u"واحدها: SI";
inline constexpr QStringView kSeparator = u"  —  ";

// The pressure budget.
inline constexpr QStringView kBudgetHeading = u"بودجهٔ فشار";
inline constexpr QStringView kPathLength = u"طول معادل مسیر بحرانی";
// "%1" is the mains' limit, "%2" the branches'.
inline constexpr QStringView kLimits = u"حد سرعت: لوله\u200cهای اصلی %1، انشعاب\u200cها %2";

inline constexpr QStringView kTableHeading = u"قطعه\u200cها";

// A tree's pressure budget is its critical outlet's.
inline constexpr QStringView kStaticSource = u"فشار مبدأ بدون جریان";
inline constexpr QStringView kOutletHeight = u"ارتفاع خروجی بحرانی از مبدأ";
inline constexpr QStringView kOutletsHeading = u"خروجی\u200cها";

// A tree fed by a booster set: its budget starts from the pump's discharge, its rate is chosen.
inline constexpr QStringView kDischarge = u"فشار رانش بوستر پمپ";
inline constexpr QStringView kDesignRate = u"افت طراحی همهٔ قطعه‌ها (انتخاب طراح)";
inline constexpr QStringView kBoosterHeading = u"بوستر پمپ و مخزن‌ها";
inline constexpr QStringView kBoosterFlow
    = u"دبی پمپ: تقاضای همهٔ واحدهای مصرف درخت به‌علاوهٔ دبی‌های واردشده";
// "%1" is the outlet's segment, "%2" its node.
inline constexpr QStringView kBoosterCritical
    = u"خروجی بحرانی برای فشار رانش: «%1»، گرهٔ %2؛ فشار رانش = نیاز + ارتفاع × 0.433 + تجهیزات + اصطکاک مسیر";
inline constexpr QStringView kBoosterSuction = u"فشار مکش = تراز آب مخزن × 0.433 − افت مسیر مکش";
inline constexpr QStringView kBoosterHead = u"ارتفاع پمپاژ = نیاز + ارتفاع + اصطکاک + تجهیزات + افت بوستر − مکش";
inline constexpr QStringView kBoosterPower = u"توان هیدرولیکی = دبی × ارتفاع پمپاژ؛ توان محور = توان هیدرولیکی ÷ بازده";
inline constexpr QStringView kBoosterSwitch = u"فشار وصل = فشار رانش؛ فشار قطع = فشار وصل + اختلاف فشار";
// "%1" is the site's altitude.
inline constexpr QStringView kBoosterTank
    = u"مخزن تحت فشار، به قانون بویل با فشارهای مطلق: فشار جو در ارتفاع %1 از سطح دریا، پیش‌شارژ = فشار وصل − %2؛ "
      u"ضریب تخلیه (DF)، حجم آب هر چرخه در بدترین حالت (مصرف نصف دبی پمپ) و حجم مخزن:";
inline constexpr QStringView kBoosterNoTank
    = u"بوستر با فشار ثابت (دور متغیر): اختلاف فشار صفر است و مخزن تحت فشار لازم نیست.";
inline constexpr QStringView kBoosterStorage
    = u"مخزن ذخیره (مقررات ملی ساختمان، 16-4-6-1: نیاز 12 ساعت با 150 لیتر برای هر نفر در روز):";
// "%1" is the volume of each of the two tanks.
inline constexpr QStringView kBoosterTwoTanks = u"بیش از 4000 لیتر: دو مخزن موازی، هر یک %1.";
inline constexpr QStringView kValvesHeading = u"شیرهای فشارشکن";
inline constexpr QStringView kColumnValveOutlets = u"خروجی‌های پایین‌دست";
// "%1" is the segment leaving the source.
inline constexpr QStringView kValveAtSource
    = u"شیر فشارشکن روی «%1» که از مبدأ بیرون می‌آید یعنی همهٔ خروجی‌ها بیش از 4 بار فشار استاتیک دارند، و "
      u"شیری آنجا خروجی‌های بالا را بی‌فشار می‌گذارد. اختلاف فشار قطع و وصل را کم کنید، بوستر با "
      u"فشار ثابت (دور متغیر) بگذارید، یا ساختمان را به دو منطقهٔ فشار تقسیم کنید.";

// The totals.
inline constexpr QStringView kTotalsHeading = u"جمع مسیر بحرانی";
// "%1" is the fixture's least pressure plus the residual.
inline constexpr QStringView kResidualAbove = u"بیش از حداقل لازم؛ فشار در مصرف\u200cکننده %1";
// "%1" is how many segments of the path have no pipe.
inline constexpr QStringView kUnsizedOnPath
    = u"توجه: %1 قطعه از مسیر بحرانی سایز نشد و افت آن در این جمع نیامده است؛ فشار اضافهٔ واقعی کمتر است.";

inline constexpr QStringView kNotesHeading = u"قطعه\u200cهایی که توضیح دارند";
// "%1" is the segment's name, "%2" its row, "%3" its note.
inline constexpr QStringView kNoteLine = u"«%1» (ردیف %2): %3";

// "%1" is the class's name.
// "%1" is the chain of nodes from the source to the critical outlet.
inline constexpr QStringView kRiserCaption
    = u"مسیر بحرانی (خط ضخیم آبی): %1. کنار هر گره حاشیهٔ فشار آن آمده است (قرمز: کمتر از نیاز)؛ خط چین: سایز نشد؛ علامت نارنجی: شیر فشارشکن با فشار تنظیمش؛ دایره در مبدأ: بوستر پمپ.";
inline constexpr QStringView kChartHeading = u"نمودار کلاس «%1»";
// The material is named in the chart's own title: a Latin name with brackets inside this Persian
// heading is turned round by the page's text engine.
inline constexpr QStringView kMaterialChartHeading = u"نمودار افت اصطکاک";
inline constexpr QStringView kChartLegend
    = u"خط\u200cچین قرمز: افت مجاز. هر نقطه یک قطعه است، در دبی آن و افت لوله\u200cاش، روی خط همان لوله.";
inline constexpr QStringView kChartLegendRows = u" نام نقطه\u200cها شمارهٔ ردیف قطعه در جدول است.";

// "%1" is the page, "%2" how many there are.
inline constexpr QStringView kPageOf = u"صفحه %1 از %2";

// Why a report was not written. "%1" is the file's path, "%2" the reason.
inline constexpr QStringView kNotWritten = u"گزارش «%1» نوشته نشد: %2";
inline constexpr QStringView kUnknownExtension = u"پسوند پرونده باید .csv، .pdf یا .json باشد.";
inline constexpr QStringView kCannotPaint = u"صفحه\u200cهای PDF ساخته نشد.";

} // namespace ReportTexts
