#include "app/updatereminder.h"

#include "app/prompter.h"
#include "app/vendorlinks.h"

#include <QCoreApplication>

namespace velmora {

namespace {

QString widenYear(QString format)
{
    if (format.contains(QStringLiteral("yyyy")) || !format.contains(QStringLiteral("yy")))
        return format;
    return format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
}

// A two-digit year was read as 19xx; take the century that puts the date
// nearest to now.
QDateTime nearestCentury(const QDateTime &moment, const QDateTime &now)
{
    QDateTime best = moment;
    for (int years : {100, 200}) {
        const QDateTime shifted = moment.addYears(years);
        if (qAbs(shifted.secsTo(now)) < qAbs(best.secsTo(now)))
            best = shifted;
    }
    return best;
}

} // namespace

QString durationFormat(const QLocale &locale)
{
    return widenYear(locale.dateTimeFormat(QLocale::ShortFormat));
}

QString formatDuration(const QDateTime &moment, const QLocale &locale)
{
    return locale.toString(moment, durationFormat(locale));
}

std::optional<QDateTime> parseDuration(const QString &text, const QLocale &locale, const QDateTime &now)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QDateTime moment = locale.toDateTime(trimmed, durationFormat(locale));
    if (moment.isValid())
        return moment;
    const QString shortFormat = locale.dateTimeFormat(QLocale::ShortFormat);
    moment = locale.toDateTime(trimmed, shortFormat);
    if (moment.isValid()) {
        if (!shortFormat.contains(QStringLiteral("yyyy")))
            moment = nearestCentury(moment, now);
        return moment;
    }
    moment = QDateTime::fromString(trimmed, Qt::ISODate);
    if (moment.isValid())
        return moment;
    return std::nullopt;
}

qint64 reminderDayCount(const QDateTime &now, const QDateTime &then)
{
    return now.date().daysTo(then.date());
}

std::function<void()> startUpdateReminder(Services &services, QWidget *parent)
{
    const QLocale locale = QLocale::system();
    const QDateTime now = services.clock.now();
    const QString key = QString::fromLatin1(kDurationKey);
    auto renew = [&services, key, text = formatDuration(now, locale)] {
        services.settings.setValue(key, text);
    };

    const std::optional<QDateTime> last = parseDuration(services.settings.value(key), locale, now);
    if (!last)
        return renew;
    const qint64 days = reminderDayCount(now, *last);
    if (days >= -14 && days <= 14)
        return {};

    const PromptAnswer answer = services.prompter.ask(
        Prompt{QCoreApplication::translate("UpdateReminder", "There maybe an update to this software available\r"
                                                             "Do you want to check for an update?"),
               PromptIcon::Information, PromptButtons::YesNo, QString::fromLatin1(kAppTitle)},
        parent);
    renew();
    if (answer == PromptAnswer::Yes)
        OpenVendorPage(VendorPage::Download);
    return {};
}

void UpdateReminder(Services &services, QWidget *parent)
{
    if (const std::function<void()> noteDate = startUpdateReminder(services, parent))
        noteDate();
}

} // namespace velmora
