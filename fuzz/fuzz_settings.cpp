// The settings file's bytes, read through the settings store and the rules
// that interpret the values the program reads at start.

#include "fuzzsupport.h"

#include "app/services.h"
#include "app/updatereminder.h"
#include "resident/residentrules.h"

#include <QFile>
#include <QLocale>

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::scratchFolder() + QStringLiteral("/velmora.conf");
    if (!fuzz::writeBytes(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    const QDateTime now(QDate(2026, 3, 1), QTime(12, 0));
    SettingsStore settings(path);
    const QString duration = settings.value(QString::fromLatin1(kDurationKey));
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German), QLocale(QLocale::English)})
        (void)parseDuration(duration, locale, now);
    (void)runAtSysTraySet(settings.value(QLatin1String(kRunAtSysTrayKey), QStringLiteral("False")));
    return 0;
}
