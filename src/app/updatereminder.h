#pragma once

// At most every fifteen days the program asks whether to look for a newer
// version. The date of the last check is kept as text in the user's regional
// date and time format under "Duration".

#include "app/services.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace velmora {

inline constexpr char kDurationKey[] = "Duration";

// The locale's short date and time format, with a four-digit year: a year
// written in two digits would be read back a century early.
[[nodiscard]] QString durationFormat(const QLocale &locale);
[[nodiscard]] QString formatDuration(const QDateTime &moment, const QLocale &locale);
// Reads a stored text; also the locale's own short format, whose two-digit
// year is taken in the century nearest to now. Empty when unreadable.
[[nodiscard]] std::optional<QDateTime> parseDuration(const QString &text, const QLocale &locale, const QDateTime &now);
// Calendar-day boundaries from now to then, negative when then lies before.
[[nodiscard]] qint64 reminderDayCount(const QDateTime &now, const QDateTime &then);

void UpdateReminder(Services &services, QWidget *parent = nullptr);
// As UpdateReminder, except where there is no date to go by (a first start,
// an unreadable date): nothing is asked then, and the date of this start is
// noted by the function returned, so that the caller can leave the settings
// file's write, flushed to disk, until its first window is on screen.
[[nodiscard]] std::function<void()> startUpdateReminder(Services &services, QWidget *parent = nullptr);

} // namespace velmora
