#pragma once

// The goal timer and the date picker's arithmetic; no window involved.

#include <QDate>
#include <QLocale>
#include <QString>

namespace velmora::goals {

// Calendar-day boundaries from one date to another (negative when to < from).
[[nodiscard]] inline qint64 calendarDays(const QDate &from, const QDate &to)
{
    return from.daysTo(to);
}

// (100 / total) x elapsed in single precision, rounded to two places.
[[nodiscard]] float expectedPercentage(qint64 totalDays, qint64 elapsedDays);

// With the locale's decimal separator, no group separator, no trailing zeros.
[[nodiscard]] QString percentageText(float value, const QLocale &locale = QLocale());

struct GoalTimerText
{
    QString info;          // lblInfo
    QString daysRemaining; // lblDaysRemaining
};

// The labels of the goal timer for the dates of the two pickers, today and
// the percentage selected in the percentage list.
[[nodiscard]] GoalTimerText goalTimer(const QDate &start, const QDate &end, const QDate &today, int achieved,
                                      bool percentageEnabled, const QLocale &locale = QLocale());

// Gregorian month length (28 to 31).
[[nodiscard]] int daysInMonth(int year, int month);

} // namespace velmora::goals
