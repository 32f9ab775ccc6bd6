#include "goals/goaltimer.h"

#include <QCoreApplication>

#include <cmath>

namespace velmora::goals {

float expectedPercentage(qint64 totalDays, qint64 elapsedDays)
{
    const float expected = (100.0F / float(totalDays)) * float(elapsedDays);
    return std::rint(expected * 100.0F) / 100.0F;
}

QString percentageText(float value, const QLocale &locale)
{
    QLocale numbers(locale);
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = numbers.toString(double(value), 'f', 2);
    const QString point = numbers.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(numbers.zeroDigit()))
            text.chop(numbers.zeroDigit().size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

GoalTimerText goalTimer(const QDate &start, const QDate &end, const QDate &today, int achieved, bool percentageEnabled,
                        const QLocale &locale)
{
    GoalTimerText timer;
    const qint64 total = calendarDays(start, end);
    const qint64 elapsed = calendarDays(start, today);
    if (elapsed < 0) {
        timer.info = QCoreApplication::translate("velmora::goals::GoalsPage",
                                                 "Your goal starting date has been set for the future");
        return timer;
    }
    if (total <= 0)
        return timer;
    if (percentageEnabled)
        timer.daysRemaining = QString::number(calendarDays(today, end));
    timer.info = QCoreApplication::translate("velmora::goals::GoalsPage",
                                             "You should have achieved %1%. You have actually achieved %2%")
                     .arg(percentageText(expectedPercentage(total, elapsed), locale), QString::number(achieved));
    return timer;
}

int daysInMonth(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

} // namespace velmora::goals
