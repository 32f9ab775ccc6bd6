#include "fuzzsupport.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace velmora::fuzz {

void startQt()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velmora-fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    // The readers' warnings about bad input would drown libFuzzer's output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}

QString scratchFolder()
{
    static QTemporaryDir dir;
    return dir.path();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace velmora::fuzz
