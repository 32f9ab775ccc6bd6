#include "progress/chartloader.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace velmora::progress {

namespace {

const QString kPluginFile = QStringLiteral("velmora-charts.so");

} // namespace

QStringList chartPluginFolders()
{
    const QDir executable(QCoreApplication::applicationDirPath());
    QStringList folders{executable.path(),
                        QDir::cleanPath(executable.filePath(QStringLiteral(VELMORA_INSTALLED_PLUGINS_FROM_BIN)))};
    const QString tests = qEnvironmentVariable("VELMORA_CHARTS_DIR");
    if (!tests.isEmpty())
        folders.append(tests);
    return folders;
}

LoadedCharts loadCharts(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QFileInfo file(QDir(folder).filePath(kPluginFile));
        // A folder or a device of that name is someone else's; a link to a
        // plugin is a plugin.
        if (!file.isFile())
            continue;
        QPluginLoader loader(file.absoluteFilePath());
        auto *factory = qobject_cast<ChartFactory *>(loader.instance());
        if (factory)
            return LoadedCharts{factory, {}};
        return LoadedCharts{nullptr, loader.isLoaded()
                                         ? QCoreApplication::translate("velmora::progress::FrmProgress",
                                                                       "%1 is not the charts plugin of this version.")
                                               .arg(file.absoluteFilePath())
                                         : loader.errorString()};
    }
    return LoadedCharts{nullptr,
                        QCoreApplication::translate("velmora::progress::FrmProgress", "%1 was not found in %2.")
                            .arg(kPluginFile, folders.join(QStringLiteral(", ")))};
}

LoadedCharts charts()
{
    static LoadedCharts loaded;
    if (!loaded.factory) {
        loaded = loadCharts(chartPluginFolders());
        if (!loaded.factory)
            qWarning().noquote() << "velmora: the charts could not be loaded:" << loaded.errorText;
    }
    return loaded;
}

} // namespace velmora::progress
