#pragma once

// Finds and loads the charts plugin (see chartpanes.h), once per process.

#include "progress/chartpanes.h"

#include <QString>
#include <QStringList>

namespace velmora::progress {

struct LoadedCharts
{
    ChartFactory *factory = nullptr; // null when the charts could not be loaded
    QString errorText;
};

// Where the plugin is looked for, in order: the executable's folder (a build
// folder, a portable copy), the installation's private library folder, and
// the folder in VELMORA_CHARTS_DIR, which the tests set.
[[nodiscard]] QStringList chartPluginFolders();

// The first regular file of the plugin's name in one of the folders, loaded;
// a failure says why.
[[nodiscard]] LoadedCharts loadCharts(const QStringList &folders);

// loadCharts(chartPluginFolders()) on the first call; later calls give the
// same plugin, or try again after a failure.
[[nodiscard]] LoadedCharts charts();

} // namespace velmora::progress
