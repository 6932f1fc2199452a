#pragma once
// The schedule window's Persian texts, in one place so that every zero-width non-joiner (U+200C),
// the tanween (U+064B) and the "ٔ" of the ezafe stay where Persian writes them. Latin units are
// put in by the code, as left-to-right isolates where they sit inside a Persian line.

#include "MethodWords.h"
#include "ReportFormat.h"

#include <QString>
#include <QStringView>

// The words the window shares with the reports are CommonTexts.
namespace ScheduleTexts {

using ReportFormat::leftToRight;

// "%1" is the file's name (or kUntitled) followed by Qt's modified mark "[*]".
inline constexpr QStringView kWindowTitle = u"%1 — جدول سایزینگ";
inline constexpr QStringView kUntitled = u"بی\u200cنام";
// The calculator's opener.
inline constexpr QStringView kCaptionSchedule = MethodWords::kSchedule;

// The table's columns of its own; "%1" is the unit.
inline constexpr QStringView kColumnTypedFlow = u"دبی وارد شده (%1)";
inline constexpr QStringView kColumnOnPath = u"مسیر بحرانی";

// The check box's column as text, when copied or pasted.
inline constexpr QStringView kYes = u"بله";
inline constexpr QStringView kNo = u"خیر";

// A tree's critical path, as its check-box column shows it.
inline constexpr QStringView kOnPathMark = u"✓";
// The static pressure of a node over 4 bar: the cell's mark before the number.
inline constexpr QStringView kReducerMark = u"⚠";

// The header.
inline constexpr QStringView kTitleLabel = u"عنوان پروژه:";
// The pipe box: the three galvanized classes, then the computed materials by their trade names.
inline constexpr QStringView kMaterialLabel = u"جنس لوله:";
// "%1" is the class's name.
inline constexpr QStringView kGalvanizedClass = u"گالوانیزه، %1";
inline constexpr QStringView kTemperatureLabel = u"دمای آب";
inline constexpr QStringView kTemperatureUnit = u"°C";
inline constexpr QStringView kHotWater = u"آب گرم";
// "%1" is the temperature hot water sets, with its unit.
inline constexpr QStringView kHotWaterTip = u"دمای آب را %1 می‌کند";
inline constexpr QStringView kTemperatureOnlyComputed
    = u"نمودارهای گالوانیزه برای آب سرد است؛ دمای آب تنها در لوله‌های پلاستیکی به حساب می‌آید.";
inline constexpr QStringView kUnitsLabel = u"واحدها:";
inline constexpr QStringView kMainLimit = u"حد سرعت لوله\u200cهای اصلی";
inline constexpr QStringView kBranchLimit = u"حد سرعت انشعاب\u200cها";
// The hint in the height field: a roof tank stands above the fixture.
inline constexpr QStringView kHeightHint = MethodWords::kHeightHint;
inline constexpr QStringView kStaticSource = u"فشار استاتیک مبدأ";
inline constexpr QStringView kLayoutLabel = u"چیدمان:";
inline constexpr QStringView kLayoutList = u"فهرست";
inline constexpr QStringView kLayoutTree = u"درخت";
// Told once the list has become a tree.
inline constexpr QStringView kTreeLoads
    = u"اکنون درخت است: بار هر ردیف یعنی «مصرف در همین گره»، و بار گره‌های پایین‌دست خودبه‌خود جمع می‌شود.";
// "%1" is the first node, "%2" the last.
inline constexpr QStringView kTreeNodesNamed
    = u" گره‌ها به ترتیب ردیف‌ها از %1 تا %2 نام گرفتند.";

// The totals bar. "%1" is how many segments of the path have no pipe.
inline constexpr QStringView kUnsizedOnPath = u"%1 قطعهٔ مسیر سایز نشد";
// "%1" is why the schedule cannot be evaluated.
inline constexpr QStringView kNotEvaluated = u"جدول محاسبه نشد: %1";

// Why an edit was refused; "%1" is the column's or field's name.
inline constexpr QStringView kNotANumber = u"«%1»: عدد معتبر نیست؛ مقدار قبلی ماند.";
inline constexpr QStringView kNegative = u"«%1» نباید منفی باشد؛ مقدار قبلی ماند.";
inline constexpr QStringView kNotPositive = u"«%1» باید بیشتر از صفر باشد؛ مقدار قبلی ماند.";
// "%1" is the field's name, "%2" and "%3" its least and largest value.
inline constexpr QStringView kNotBetween = u"«%1» باید از %2 تا %3 باشد؛ مقدار قبلی ماند.";
// The same for a value that must stay above its least.
inline constexpr QStringView kAboveUpTo = u"«%1» باید بیشتر از %2 و تا %3 باشد؛ مقدار قبلی ماند.";
// "%2" is the largest load of the demand table.
inline constexpr QStringView kLoadTooLarge = u"«%1» باید بین 0 و %2 باشد؛ مقدار قبلی ماند.";
inline constexpr QStringView kNotARun = u"«%1» باید «اصلی» یا «انشعاب» باشد؛ مقدار قبلی ماند.";
inline constexpr QStringView kNotYesNo = u"«%1» باید «بله» یا «خیر» باشد؛ مقدار قبلی ماند.";
// "%1" is the cell's row, "%2" why it was refused.
inline constexpr QStringView kPasteRefused = u"چیزی چسبانده نشد؛ ردیف %1: %2";
inline constexpr QStringView kPasteEmpty = u"حافظه متنی برای چسباندن ندارد.";
inline constexpr QStringView kPasteTooMany = u"چیزی چسبانده نشد: جدول بیش از %1 قطعه نمی\u200cپذیرد.";
inline constexpr QStringView kRowGone = u"ردیفی که واحد مصرفش خواسته شده بود دیگر نیست.";
inline constexpr QStringView kNoRowChosen = u"ابتدا یک ردیف را انتخاب کنید.";
// "%1" is how many rows were pasted.
inline constexpr QStringView kPasted = u"%1 ردیف چسبانده شد.";
// "%1" is the most characters a node's name may have.
inline constexpr QStringView kNodeTooLong = u"«%1» بیش از %2 نویسه دارد؛ مقدار قبلی ماند.";
// "%1" is the column's name, "%2" and "%3" the range.
inline constexpr QStringView kOutOfRange = u"«%1» باید بین %2 و %3 باشد؛ مقدار قبلی ماند.";
inline constexpr QStringView kBranchOnlyInTree
    = u"شاخه فقط در چیدمان درخت افزوده می‌شود.";
inline constexpr QStringView kBranchNeedsNode
    = u"ردیف جاری «تا گره» ندارد؛ شاخه از آن گره جدا می‌شود.";

// The riser diagram's one line when there is no tree to draw; "%1" is why the table is refused.
inline constexpr QStringView kRiserListOnly
    = u"نمودار رایزر فقط در چیدمان درختی کشیده می‌شود.";
inline constexpr QStringView kRiserNotDrawn = u"نمودار رایزر کشیده نشد: %1";
inline constexpr QStringView kRiserEmpty
    = u"نمودار رایزر پس از افزودن نخستین قطعه کشیده می‌شود.";

// Menus and commands.
inline constexpr QStringView kMenuFile = u"پرونده";
inline constexpr QStringView kMenuEdit = u"ویرایش";
inline constexpr QStringView kMenuRows = u"ردیف\u200cها";
inline constexpr QStringView kMenuView = u"نمایش";
inline constexpr QStringView kNew = u"جدید";
inline constexpr QStringView kOpen = u"باز کردن…";
inline constexpr QStringView kRecent = u"پرونده\u200cهای اخیر";
inline constexpr QStringView kSave = u"ذخیره";
inline constexpr QStringView kSaveAs = u"ذخیره با نام…";
inline constexpr QStringView kExportPdf = u"خروجی PDF…";
inline constexpr QStringView kExportCsv = u"خروجی CSV…";
inline constexpr QStringView kPrint = u"چاپ…";
inline constexpr QStringView kChart = u"نمودار اصطکاک…";
inline constexpr QStringView kClose = u"بستن";
inline constexpr QStringView kUndo = u"واگرد";
inline constexpr QStringView kRedo = u"انجام دوباره";
inline constexpr QStringView kCopy = u"کپی";
inline constexpr QStringView kCopyTable = u"کپی کل جدول";
inline constexpr QStringView kPaste = u"چسباندن";
inline constexpr QStringView kClear = u"پاک کردن خانه‌ها";
inline constexpr QStringView kAddRow = u"افزودن ردیف";
inline constexpr QStringView kRemoveRows = u"حذف ردیف\u200cها";
inline constexpr QStringView kDuplicateRow = u"تکثیر ردیف";
inline constexpr QStringView kMoveUp = u"ردیف به بالا";
inline constexpr QStringView kMoveDown = u"ردیف به پایین";
inline constexpr QStringView kDemand = u"واحد مصرف ردیف از جدول وسایل…";
inline constexpr QStringView kAddBranch = u"افزودن شاخه از اینجا";
inline constexpr QStringView kFitRiser = u"کل نمودار رایزر در نما";
inline constexpr QStringView kExportPng = u"خروجی PNG نمودار رایزر…";
inline constexpr QStringView kExportSvg = u"خروجی SVG نمودار رایزر…";
inline constexpr QStringView kUnitsUS = u"US";
inline constexpr QStringView kUnitsSI = u"SI";

// What each undoable change is called in the undo history.
inline constexpr QStringView kUndoCell = u"ویرایش خانه";
inline constexpr QStringView kUndoHeader = u"ویرایش سربرگ";
inline constexpr QStringView kUndoUnits = u"تغییر واحدها";
inline constexpr QStringView kUndoAdd = u"افزودن ردیف";
inline constexpr QStringView kUndoRemove = u"حذف ردیف\u200cها";
inline constexpr QStringView kUndoMove = u"جابه\u200cجایی ردیف\u200cها";
inline constexpr QStringView kUndoPaste = u"چسباندن";
inline constexpr QStringView kUndoLoad = u"واحد مصرف از جدول وسایل";
inline constexpr QStringView kUndoClear = u"پاک کردن خانه‌ها";
inline constexpr QStringView kUndoLayout = u"تغییر چیدمان";
inline constexpr QStringView kUndoBranch = u"افزودن شاخه";

// Files.
inline constexpr QStringView kFileFilter = u"پروژهٔ Keldaran (*.keldaran)";
inline constexpr QStringView kPdfFilter = u"PDF (*.pdf)";
inline constexpr QStringView kCsvFilter = u"CSV (*.csv)";
inline constexpr QStringView kPngFilter = u"PNG (*.png)";
inline constexpr QStringView kSvgFilter = u"SVG (*.svg)";
// "%1" is the file's name.
inline constexpr QStringView kAskSave = u"تغییرات «%1» ذخیره شود؟";
inline constexpr QStringView kAskSaveDetail = u"اگر ذخیره نکنید، تغییرات از دست می\u200cرود.";
inline constexpr QStringView kButtonSave = u"ذخیره";
inline constexpr QStringView kButtonDiscard = u"ذخیره نکن";
inline constexpr QStringView kButtonCancel = u"انصراف";
// "%1" is the original file's name (or kUntitled), "%2" when it was saved last.
inline constexpr QStringView kAskRestore
    = u"برنامه بار قبل پیش از ذخیرهٔ «%1» بسته شد. نسخهٔ ذخیرهٔ خودکار (%2) بازیابی شود؟";
inline constexpr QStringView kButtonRestore = u"بازیابی";
inline constexpr QStringView kButtonThrowAway = u"دور ریختن";
inline constexpr QStringView kButtonLater = u"بعدا\u064b";
inline constexpr QStringView kSaved = u"ذخیره شد.";
// "%1" is the report's path.
inline constexpr QStringView kReportWritten = u"گزارش نوشته شد: %1";
// "%1" is the picture's path.
inline constexpr QStringView kRiserWritten = u"نمودار رایزر نوشته شد: %1";
// "%1" is the picture's path, "%2" why it was not written.
inline constexpr QStringView kRiserNotWritten = u"نمودار رایزر در «%1» نوشته نشد: %2";
// A booster set feeds the tree: the main's pressures are not read.
inline constexpr QStringView kSourceNotRead
    = u"با بوستر پمپ فشار شبکه خوانده نمی‌شود: فشار رانش پمپ از درخت به دست می‌آید.";
// Said after a main's shortfall, which names how much is missing.
inline constexpr QStringView kBoosterRemedy = u" راه چاره: مخزن ذخیره و بوستر پمپ.";
inline constexpr QStringView kBoosterRemedyTree = u" راه چاره: مخزن ذخیره و بوستر پمپ، در چیدمان درختی.";
inline constexpr QStringView kSwitchToBooster = u"تغذیه با بوستر پمپ";
inline constexpr QStringView kUndoSource = u"تغییر منبع آب";
inline constexpr QStringView kPrintFailed = u"چاپ نشد: صفحه\u200cها ساخته نشد.";

} // namespace ScheduleTexts
