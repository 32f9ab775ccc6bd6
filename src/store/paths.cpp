#include "store/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora::paths {

QString chooseProgramFolder(const QString &home, const QString &executableFolder, const QString &userDataFolder)
{
    QString folder = home;
    if (folder.isEmpty())
        folder =
            QFileInfo(executableFolder + QStringLiteral("/update.vdk")).isFile() ? executableFolder : userDataFolder;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

QString programFolder()
{
    return chooseProgramFolder(qEnvironmentVariable("VELMORA_HOME"), QCoreApplication::applicationDirPath(),
                               userDataFolder());
}

QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

QString installedDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                           QStringLiteral(VELMORA_INSTALLED_DATA_FROM_BIN));
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

std::optional<QString> deckDatabaseOfBareName(const QString &dbName)
{
    if (dbName.isEmpty() || dbName == QLatin1String(".") || dbName == QLatin1String("..") ||
        dbName.contains(QLatin1Char('/')) || dbName.contains(QLatin1Char('\\')) || dbName.contains(QChar(0)) ||
        QDir::isAbsolutePath(dbName))
        return std::nullopt;
    return deckDatabase(dbName);
}

} // namespace velmora::paths
