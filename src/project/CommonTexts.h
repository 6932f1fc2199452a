#pragma once
// The Persian words that the schedule window and the reports both show, in one place so that the
// same quantity has the same name wherever it appears, and every zero-width non-joiner (U+200C),
// the tanween (U+064B) and the "ٔ" of the ezafe stay where Persian writes them. Numbers with their
// Latin units are put in as left-to-right isolates by the code that fills the "%n".

#include "MethodWords.h"

#include <QStringView>

namespace CommonTexts {

// Why a schedule cannot be evaluated.
inline constexpr QStringView kProblemClass = u"کلاس زبری لوله باید 1، 2 یا 3 باشد.";
// "%1" is the material's id as the project names it.
inline constexpr QStringView kProblemMaterial = u"جنس لولهٔ «%1» شناخته نیست.";
inline constexpr QStringView kProblemTemperature = u"دمای آب باید از 0 تا 100 درجهٔ سلسیوس باشد.";
inline constexpr QStringView kProblemBudget
    = u"بودجهٔ فشار معتبر نیست: فشار مبدأ، افت کنتور و حداقل فشار مصرف\u200cکننده نباید منفی باشند.";
inline constexpr QStringView kProblemLimit = u"حد سرعت لوله\u200cهای اصلی و انشعاب\u200cها باید بیشتر از صفر باشد.";
inline constexpr QStringView kProblemNoSegments = u"پروژه هیچ قطعه\u200cای ندارد.";
// "%1" is the segment's name, "%2" its row.
inline constexpr QStringView kProblemBadSegment
    = u"اعداد قطعهٔ «%1» (ردیف %2) معتبر نیستند: طول باید بیشتر از صفر باشد و دبی و سهم اتصالات منفی نباشند.";
inline constexpr QStringView kProblemNoFlow
    = u"قطعهٔ «%1» (ردیف %2) دبی ندارد: نه دبی\u200cای وارد شده و نه واحد مصرفی که دبی بدهد.";
inline constexpr QStringView kProblemNoPath = u"هیچ قطعه\u200cای روی مسیر بحرانی نیست.";
// "%1" is what is missing, "%2" the budget's arithmetic.
inline constexpr QStringView kProblemShortfall = u"فشاری برای اصطکاک لوله نمی\u200cماند: فشار مبدأ %1 کم است (%2).";
// A tree's outlet that the source cannot serve. "%1" is what is missing, "%2" the budget's
// arithmetic, "%3" the outlet's segment, "%4" its row.
inline constexpr QStringView kProblemOutletShortfall
    = u"برای خروجی قطعهٔ «%3» (ردیف %4) فشاری برای اصطکاک لوله نمی‌ماند: فشار مبدأ %1 کم است (%2).";
// "%1" is the first segment at fault, "%2" its row.
inline constexpr QStringView kProblemNotATree
    = u"قطعه‌ها یک درخت نمی‌سازند؛ نخستین قطعهٔ نادرست «%1» در ردیف %2 است. هر قطعه باید از یک گره به "
      u"گرهٔ دیگری برود، به هر گره تنها یک قطعه برسد و همهٔ قطعه‌ها بی‌حلقه از مبدأ آب بگیرند.";
// "%1" is the second source's node, "%2" a segment leaving it, "%3" that segment's row.
inline constexpr QStringView kProblemTwoSources
    = u"درخت بیش از یک مبدأ دارد: گرهٔ «%1»، ابتدای قطعهٔ «%2» (ردیف %3)، از هیچ قطعه‌ای آب نمی‌گیرد.";
inline constexpr QStringView kProblemBooster = u"اعداد بوستر پمپ معتبر نیستند: هر عدد باید در بازهٔ خود باشد.";
inline constexpr QStringView kProblemBoosterNeedsTree
    = u"بوستر پمپ فقط در چیدمان درخت حساب می\u200cشود؛ چیدمان را درخت کنید.";
inline constexpr QStringView kProblemOutOfRange
    = u"از این مقادیر نتیجه\u200cای به دست نمی\u200cآید: طول\u200cها یا فشارها بیرون از اندازهٔ هر ساختمانی\u200cاند.";

// A segment's note. "%1" is the pipe the chart gave, "%2" its velocity, "%3" the run's limit.
inline constexpr QStringView kNoteRaised = u"بزرگ\u200cتر برای سرعت: سرعت در %1 به %2 می\u200cرسد، بیش از حد %3.";
// "%1" is the flow.
inline constexpr QStringView kNoteOffChart
    = u"سایز نشد: هیچ لولهٔ این کلاس دبی %1 را در افت مجاز نمی\u200cبرد (بیرون از نمودار).";
// The same in a computed material: "%1" is the flow, "%2" the material.
inline constexpr QStringView kNoteBeyondSizes
    = u"سایز نشد: هیچ سایز %2 دبی %1 را در افت مجاز نمی\u200cبرد (بزرگ\u200cتر از بزرگ\u200cترین سایز).";
// "%1" is the largest pipe of the class or size of the material, "%2" the run's limit.
inline constexpr QStringView kNoteTooFast = u"سایز نشد: حتی در بزرگ\u200cترین لوله (%1) سرعت از حد %2 بیشتر است.";
// A segment with neither a typed flow nor a load below it; short enough for the PDF table too.
inline constexpr QStringView kNoteNoLoad = u"بار ندارد";
// "%1" is the load it serves, "%2" the largest load of the demand table.
inline constexpr QStringView kNoteLoadBeyondTable = u"سایز نشد: بار %1 واحد مصرف از جدول تقاضا (تا %2) بیشتر است.";
// The same, where a column is narrow; the reason is given elsewhere.
inline constexpr QStringView kShortRaised = u"بزرگ\u200cتر برای سرعت";
inline constexpr QStringView kShortUnsized = u"سایز نشد";

// The tree drawn back: the window's view and the report's page.
inline constexpr QStringView kRiserDiagram = u"نمودار رایزر";

inline constexpr QStringView kRunMain = u"اصلی";
inline constexpr QStringView kRunBranch = u"انشعاب";

// A segment's columns; the units follow, in parentheses or on a line of their own.
inline constexpr QStringView kColumnSegment = u"قطعه";
inline constexpr QStringView kColumnRun = u"نوع";
inline constexpr QStringView kColumnFixtureUnits = u"واحد مصرف";
inline constexpr QStringView kColumnFlow = u"دبی";
inline constexpr QStringView kColumnLength = u"طول";
inline constexpr QStringView kColumnFittings = u"اتصالات";
inline constexpr QStringView kColumnEquivalentLength = u"طول معادل";
inline constexpr QStringView kColumnPipe = u"لوله";
inline constexpr QStringView kColumnVelocity = u"سرعت";
inline constexpr QStringView kColumnLoss = u"افت";
inline constexpr QStringView kColumnSegmentLoss = u"افت قطعه";
inline constexpr QStringView kColumnCumulative = u"افت تجمعی";
inline constexpr QStringView kColumnNote = u"یادداشت";
// A tree's columns.
inline constexpr QStringView kColumnFrom = u"از گره";
inline constexpr QStringView kColumnTo = u"تا گره";
// The load at and below the segment's `to` node.
inline constexpr QStringView kColumnServedLoad = u"واحد مصرف پایین\u200cدست";
inline constexpr QStringView kColumnElevation = u"ارتفاع گره";
inline constexpr QStringView kColumnStaticPressure = u"فشار استاتیک";
inline constexpr QStringView kColumnOutletNeed = u"فشار لازم";
inline constexpr QStringView kColumnOutletPressure = u"فشار خروجی در جریان";
// The outlet's pressure in flow less the least it needs.
inline constexpr QStringView kColumnOutletMargin = u"حاشیهٔ فشار";
inline constexpr QStringView kColumnPressureReducer = u"فشارشکن لازم";

// The header and the title block.
inline constexpr QStringView kSupplyLabel = u"سیستم";
inline constexpr QStringView kSupplyFlushTank = MethodWords::kFlushTank;
inline constexpr QStringView kSupplyFlushValve = MethodWords::kFlushValve;

// The pressure budget.
inline constexpr QStringView kSource = MethodWords::kSource;
inline constexpr QStringView kMeter = MethodWords::kMeter;
inline constexpr QStringView kHeight = MethodWords::kHeight;
inline constexpr QStringView kFixture = MethodWords::kFixture;
inline constexpr QStringView kAvailable = MethodWords::kAvailable;
inline constexpr QStringView kAllowable = u"افت مجاز";

// The critical path's totals.
inline constexpr QStringView kPathLoss = u"افت اصطکاک مسیر بحرانی";
// What the source leaves at the critical fixture above the least it needs.
inline constexpr QStringView kResidual = u"فشار اضافه در مصرف\u200cکنندهٔ بحرانی";

// A tree's critical outlet: "%1" is its segment's name, "%2" its node.
inline constexpr QStringView kCriticalOutlet = u"خروجی بحرانی: «%1»، گرهٔ %2";
// Followed by the chain of nodes from the source, "A → B → C → F".
inline constexpr QStringView kCriticalPathNodes = u"مسیر بحرانی";
// An outlet with less pressure in flow than it needs.
inline constexpr QStringView kMarginShort = u"کمبود فشار";

} // namespace CommonTexts
