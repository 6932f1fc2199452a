#pragma once
// The report's Persian texts, in one place so that every zero-width non-joiner (U+200C), the
// tanween (U+064B) and the "ٔ" of the ezafe stay where Persian writes them. Numbers with their
// Latin units are put in as left-to-right isolates by the code that fills the "%n".

#include <QStringView>

namespace ReportTexts {

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
inline constexpr QStringView kProblemOutOfRange
    = u"از این مقادیر نتیجه\u200cای به دست نمی\u200cآید: طول\u200cها یا فشارها بیرون از اندازهٔ هر ساختمانی\u200cاند.";

// A segment's note. "%1" is the pipe the chart gave, "%2" its velocity, "%3" the run's limit.
inline constexpr QStringView kNoteRaised = u"بزرگ\u200cتر برای سرعت: سرعت در %1 به %2 می\u200cرسد، بیش از حد %3.";
// "%1" is the flow.
inline constexpr QStringView kNoteOffChart
    = u"سایز نشد: هیچ لولهٔ این کلاس دبی %1 را در افت مجاز نمی\u200cبرد (بیرون از نمودار).";
// "%1" is the largest pipe of the class, "%2" the run's limit.
inline constexpr QStringView kNoteTooFast = u"سایز نشد: حتی در بزرگ\u200cترین لوله (%1) سرعت از حد %2 بیشتر است.";
// The same, in the PDF table's narrow column; the reason follows the table.
inline constexpr QStringView kShortRaised = u"بزرگ\u200cتر برای سرعت";
inline constexpr QStringView kShortUnsized = u"سایز نشد";

inline constexpr QStringView kRunMain = u"اصلی";
inline constexpr QStringView kRunBranch = u"انشعاب";

// The CSV's header row, one name per column.
inline constexpr QStringView kCsvName = u"نام";
inline constexpr QStringView kCsvRun = u"نوع";
inline constexpr QStringView kCsvFixtureUnits = u"واحد مصرف";
inline constexpr QStringView kCsvFlow = u"دبی";
inline constexpr QStringView kCsvLength = u"طول";
inline constexpr QStringView kCsvFittings = u"اتصالات";
inline constexpr QStringView kCsvEquivalentLength = u"طول معادل";
inline constexpr QStringView kCsvPipe = u"لوله";
inline constexpr QStringView kCsvVelocity = u"سرعت";
inline constexpr QStringView kCsvLoss = u"افت";
inline constexpr QStringView kCsvSegmentLoss = u"افت قطعه";
inline constexpr QStringView kCsvCumulativeLoss = u"افت تجمعی مسیر بحرانی";
inline constexpr QStringView kCsvNote = u"یادداشت";

// The PDF's table adds a row number.
inline constexpr QStringView kColumnRow = u"ردیف";
inline constexpr QStringView kColumnSegment = u"قطعه";
inline constexpr QStringView kColumnCumulative = u"افت تجمعی";

// The title block.
inline constexpr QStringView kHeading = u"گزارش محاسبهٔ سایز لوله\u200cهای آب مصرفی ساختمان";
inline constexpr QStringView kUntitled = u"پروژهٔ بی\u200cنام";
inline constexpr QStringView kClassLabel = u"کلاس زبری لوله";
inline constexpr QStringView kSupplyLabel = u"سیستم";
inline constexpr QStringView kSupplyFlushTank = u"عمدتا\u064b فلاش تانک";
inline constexpr QStringView kSupplyFlushValve = u"عمدتا\u064b فلاش والو";
inline constexpr QStringView kDateLabel = u"تاریخ";
inline constexpr QStringView kUnitsUS = u"واحدها: آمریکایی";
inline constexpr QStringView kUnitsSI = u"واحدها: SI";
inline constexpr QStringView kSeparator = u"  —  ";

// The pressure budget.
inline constexpr QStringView kBudgetHeading = u"بودجهٔ فشار";
inline constexpr QStringView kSource = u"فشار در مبدأ";
inline constexpr QStringView kMeter = u"افت کنتور و تجهیزات";
inline constexpr QStringView kHeight = u"ارتفاع بالاترین مصرف\u200cکننده از مبدأ";
inline constexpr QStringView kFixture = u"حداقل فشار لازم مصرف\u200cکننده";
inline constexpr QStringView kAvailable = u"فشار باقی\u200cمانده برای اصطکاک";
inline constexpr QStringView kPathLength = u"طول معادل مسیر بحرانی";
inline constexpr QStringView kAllowable = u"افت مجاز";
// "%1" is the mains' limit, "%2" the branches'.
inline constexpr QStringView kLimits = u"حد سرعت: لوله\u200cهای اصلی %1، انشعاب\u200cها %2";

inline constexpr QStringView kTableHeading = u"قطعه\u200cها";

// The totals.
inline constexpr QStringView kTotalsHeading = u"جمع مسیر بحرانی";
inline constexpr QStringView kPathLoss = u"افت اصطکاک در طول مسیر";
inline constexpr QStringView kResidual = u"فشار باقی\u200cمانده در مصرف\u200cکنندهٔ بحرانی";
// "%1" is the fixture's least pressure plus the residual.
inline constexpr QStringView kResidualAbove = u"بیش از حداقل لازم؛ فشار در مصرف\u200cکننده %1";
// "%1" is how many segments of the path have no pipe.
inline constexpr QStringView kUnsizedOnPath
    = u"توجه: %1 قطعه از مسیر بحرانی سایز نشد و افت آن در این جمع نیامده است؛ فشار باقی\u200cمانده واقعی کمتر است.";

inline constexpr QStringView kNotesHeading = u"قطعه\u200cهایی که توضیح دارند";
// "%1" is the segment's name, "%2" its row, "%3" its note.
inline constexpr QStringView kNoteLine = u"«%1» (ردیف %2): %3";

// "%1" is the class's name.
inline constexpr QStringView kChartHeading = u"نمودار کلاس «%1»";
inline constexpr QStringView kChartLegend
    = u"خط\u200cچین قرمز: افت مجاز. هر نقطه یک قطعه است، در دبی آن و افت لوله\u200cاش، روی خط همان لوله.";
inline constexpr QStringView kChartLegendRows = u" نام نقطه\u200cها شمارهٔ ردیف قطعه در جدول است.";

// "%1" is the page, "%2" how many there are.
inline constexpr QStringView kPageOf = u"صفحه %1 از %2";

// Why a report was not written. "%1" is the file's path, "%2" the reason.
inline constexpr QStringView kNotWritten = u"گزارش «%1» نوشته نشد: %2";
inline constexpr QStringView kUnknownExtension = u"پسوند پرونده باید .csv یا .pdf باشد.";
// "%1" is the system's own reason.
inline constexpr QStringView kCannotWrite = u"در این مسیر نمی\u200cتوان نوشت (%1).";
inline constexpr QStringView kCannotPaint = u"صفحه\u200cهای PDF ساخته نشد.";

} // namespace ReportTexts
