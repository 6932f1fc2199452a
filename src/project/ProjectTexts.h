#pragma once
// The Persian sentences of the project file's reader and writer, in one place so that every
// zero-width non-joiner (U+200C) stays where Persian writes it. "%1" is a key's name, as the
// file spells it, unless a comment says otherwise.

#include <QStringView>

namespace ProjectTexts {

// "%1" is the file's path, "%2" what is wrong.
inline constexpr QStringView kNotRead = u"پروژهٔ «%1» خوانده نشد: %2";
inline constexpr QStringView kNotWritten = u"پروژهٔ «%1» ذخیره نشد: %2";

inline constexpr QStringView kTooLarge = u"پرونده از 16 مگابایت بزرگ\u200cتر است.";
// "%1" is the system's own reason.
inline constexpr QStringView kCannotOpen = u"پرونده باز نمی\u200cشود (%1).";
inline constexpr QStringView kCannotWrite = u"در این مسیر نمی\u200cتوان نوشت (%1).";
// "%1" is the parser's reason, "%2" the byte it stopped at.
inline constexpr QStringView kNotJson = u"JSON معتبر نیست: %1، در بایت %2.";
// "%1" is the byte the parser stopped at.
inline constexpr QStringView kTooDeep = u"JSON بیش از اندازه تودرتو است، در بایت %1.";
inline constexpr QStringView kNotAnObject = u"پرونده باید یک شیء JSON باشد.";
inline constexpr QStringView kWrongFormat = u"این پرونده پروژهٔ Keldaran نیست: مقدار «format» باید «%1» باشد.";
// "%1" is the file's version, "%2" the newest this release reads.
inline constexpr QStringView kNewerVersion
    = u"نسخهٔ %1 این پرونده از Keldaran جدیدتری است؛ این نسخه تا نسخهٔ %2 را می\u200cخواند («version»).";
// "%1" is the most segments a project may have.
inline constexpr QStringView kTooManySegments = u"پروژه بیش از %1 قطعه دارد («segments»).";

inline constexpr QStringView kMissingKey = u"کلید «%1» نیست.";
inline constexpr QStringView kNotNumber = u"مقدار «%1» باید عدد باشد.";
inline constexpr QStringView kNotText = u"مقدار «%1» باید متن باشد.";
inline constexpr QStringView kNotTrueFalse = u"مقدار «%1» باید true یا false باشد.";
inline constexpr QStringView kNotList = u"مقدار «%1» باید فهرست باشد.";
inline constexpr QStringView kNotObject = u"مقدار «%1» باید یک شیء JSON باشد.";
inline constexpr QStringView kNotSegment = u"«%1» باید یک شیء JSON با کلیدهای قطعه باشد.";
// "%2" is the material's id as the file gives it.
inline constexpr QStringView kUnknownMaterial
    = u"مقدار «%1» جنس لوله‌ای نیست که این نسخه بشناسد: «%2».";
// "%2" lists the words allowed.
inline constexpr QStringView kNotAChoice = u"مقدار «%1» باید یکی از %2 باشد.";
// "%2" is one of the ranges below.
inline constexpr QStringView kOutOfRange = u"مقدار «%1» خارج از محدوده است: %2.";
inline constexpr QStringView kRangeNonNegative = u"نباید منفی باشد";
inline constexpr QStringView kRangePositive = u"باید بیشتر از صفر باشد";
inline constexpr QStringView kRangeClass = u"باید 1، 2 یا 3 باشد";
inline constexpr QStringView kRangeVersion = u"باید عدد صحیح مثبت باشد";
// "%1" is the least value, "%2" the largest.
inline constexpr QStringView kRangeBetween = u"باید بین %1 و %2 باشد";
// "%1" is the largest value.
inline constexpr QStringView kRangeAboveZeroUpTo = u"باید بیشتر از صفر و حداکثر %1 باشد";
// "%1" is how many characters a node's name may have.
inline constexpr QStringView kRangeNodeName = u"باید حداکثر %1 نویسه باشد";
inline constexpr QStringView kRangeFinite = u"باید عددی متناهی باشد";
inline constexpr QStringView kOr = u" یا ";

} // namespace ProjectTexts
