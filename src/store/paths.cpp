#include "store/paths.h"

#include <QCoreApplication>
#include <QDir>

namespace velmora::paths {

QString programFolder()
{
    const QString home = qEnvironmentVariable("VELMORA_HOME");
    QString folder = home.isEmpty() ? QCoreApplication::applicationDirPath() : home;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString catalogDatabase()
{
    return programFolder() + QStringLiteral("/update.vdk");
}
QString templateDatabase()
{
    return programFolder() + QStringLiteral("/tutor.vdk");
}
QString deckFolder()
{
    return programFolder() + QStringLiteral("/tutor");
}
QString defaultDeck()
{
    return programFolder() + QStringLiteral("/tutor/Tutor1.vdk");
}
QString exchangeFolder()
{
    return programFolder() + QStringLiteral("/temp");
}
QString deckDatabase(const QString &dbName)
{
    return deckFolder() + QLatin1Char('/') + dbName;
}

} // namespace velmora::paths
