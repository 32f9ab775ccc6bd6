#include "app/programfolder.h"

#include "app/safesave.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace velmora {

namespace {

// The installed data is ours, but a damaged installation must not make the
// program read an endless device into memory.
constexpr qint64 kLargestInstalledFile = qint64(1) << 30;

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool fillProgramFolder(const QString &installed, const QString &folder, QString *error)
{
    if (!QFileInfo(installed + QStringLiteral("/update.vdk")).isFile())
        return true;
    for (const QString &made :
         QStringList{folder, folder + QStringLiteral("/tutor"), folder + QStringLiteral("/temp")}) {
        if (!QFileInfo(made).isDir() && !QDir().mkpath(made))
            return fail(error, QCoreApplication::translate("ProgramFolder", "Cannot make the folder %1").arg(made));
    }
    const QDir from(installed);
    QDirIterator files(installed, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = from.relativeFilePath(source);
        const QString target = folder + QLatin1Char('/') + relative;
        // exists() is false for a dangling link, which is the user's all the same.
        if (QFileInfo(target).exists() || QFileInfo(target).isSymLink())
            continue;
        const QString parent = QFileInfo(target).path();
        if (!QDir().mkpath(parent))
            return fail(error, QCoreApplication::translate("ProgramFolder", "Cannot make the folder %1").arg(parent));
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            return fail(
                error,
                QCoreApplication::translate("ProgramFolder", "Cannot read %1: %2").arg(source, in.errorString()));
        if (in.size() > kLargestInstalledFile)
            return fail(
                error,
                QCoreApplication::translate("ProgramFolder", "Cannot copy %1: the file is too large").arg(source));
        const QByteArray bytes = in.read(kLargestInstalledFile + 1);
        if (in.error() != QFileDevice::NoError || bytes.size() > kLargestInstalledFile)
            return fail(
                error,
                QCoreApplication::translate("ProgramFolder", "Cannot read %1: %2").arg(source, in.errorString()));
        QString saveError;
        if (!saveFileAtomically(target, bytes, &saveError))
            return fail(error,
                        QCoreApplication::translate("ProgramFolder", "Cannot copy %1: %2").arg(relative, saveError));
    }
    return true;
}

} // namespace velmora
