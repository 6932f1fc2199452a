#pragma once
// The words of the sizing method that the design helpers, the schedule window and its report all
// show: the pressure budget's members, the two supply columns of the demand table, and the
// schedule's own name. Each is written here once so that the windows and the report never drift
// apart.

#include <QStringView>

namespace MethodWords {

inline constexpr QStringView kSource = u"فشار در مبدأ";
inline constexpr QStringView kMeter = u"افت کنتور و تجهیزات";
inline constexpr QStringView kHeight = u"ارتفاع بالاترین مصرف\u200cکننده از مبدأ";
inline constexpr QStringView kHeightHint = u"مخزن بالاتر: منفی";
inline constexpr QStringView kFixture = u"حداقل فشار لازم مصرف\u200cکننده";
inline constexpr QStringView kAvailable = u"فشار باقی\u200cمانده برای اصطکاک";
inline constexpr QStringView kFlushTank = u"عمدتا\u064b فلاش تانک";
inline constexpr QStringView kFlushValve = u"عمدتا\u064b فلاش والو";
inline constexpr QStringView kSchedule = u"جدول سایزینگ";

} // namespace MethodWords
