// velmora-mkdata: lays down the installed data beside the program, or draws a
// contact sheet of a deck's pictures.
//
//   velmora-mkdata --source data/default-deck.txt --into <program folder>
//   velmora-mkdata --contact-sheet <deck.vdk> <sheet.png>
//   velmora-mkdata --pictures <deck.vdk> <folder>   (one file per card, for montage)
//   velmora-mkdata --icons <folder>   (the program's icon as <folder>/<n>x<n>/apps/velmora.png)

#include "installeddata.h"

#include "app/appicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: velmora-mkdata --source <deck text> --into <program folder>\n"
               "       velmora-mkdata --contact-sheet <deck.vdk> <sheet.png>\n"
               "       velmora-mkdata --pictures <deck.vdk> <folder>\n"
               "       velmora-mkdata --icons <folder>\n",
               stderr);
    return 2;
}

int failed(const QString &error)
{
    std::fprintf(stderr, "velmora-mkdata: error: %s\n", qPrintable(error));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The tool never shows a window; drawing text needs a platform all the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString error;

    if (args.size() == 3 && args[0] == QLatin1String("--contact-sheet")) {
        if (!velmora::mkdata::writeContactSheet(args[1], args[2], &error))
            return failed(error);
        std::printf("velmora-mkdata: wrote %s\n", qPrintable(args[2]));
        return 0;
    }

    if (args.size() == 3 && args[0] == QLatin1String("--pictures")) {
        int count = 0;
        if (!velmora::mkdata::extractPictures(args[1], args[2], &count, &error))
            return failed(error);
        std::printf("velmora-mkdata: wrote %d pictures into %s\n", count, qPrintable(args[2]));
        return 0;
    }

    if (args.size() == 2 && args[0] == QLatin1String("--icons")) {
        // The sizes of the icon theme's usual folders.
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
            const QString file = folder + QStringLiteral("/velmora.png");
            if (!QDir().mkpath(folder) || !velmora::appIconPixmap(size).save(file, "PNG"))
                return failed(QStringLiteral("cannot write ") + file);
        }
        std::printf("velmora-mkdata: wrote the icons into %s\n", qPrintable(args[1]));
        return 0;
    }

    QString source;
    QString into;
    for (qsizetype i = 0; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--source"))
            source = args[i + 1];
        else if (args[i] == QLatin1String("--into"))
            into = args[i + 1];
        else
            return usage();
    }
    if (source.isEmpty() || into.isEmpty() || args.size() != 4)
        return usage();
    QStringList written;
    if (!velmora::mkdata::layDownInstalledData(into, source, &written, &error))
        return failed(error);
    for (const QString &path : written)
        std::printf("velmora-mkdata: laid down %s\n", qPrintable(path));
    return 0;
}
