#pragma once

#include "design/frmdeckdesign.h"
#include "design/frmloadpictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPointer>

namespace velmora::test {

// Opens the editor's picture loader, chooses every file of the folder and
// stores them; the seconds from Save until the loader has closed.
inline double storeAllThroughLoader(FrmDeckDesign &editor, const QString &folder)
{
    QPointer<FrmLoadPictures> loader;
    auto connection = QObject::connect(&editor, &FrmDeckDesign::loaderOpened,
                                       [&loader](FrmLoadPictures *opened) { loader = opened; });
    editor.insertPictures();
    QObject::disconnect(connection);
    loader->showFolder(folder);
    for (int i = 0; i < loader->filSelected->count(); ++i) {
        loader->filSelected->setCurrentRow(i);
        loader->addPicture();
    }
    QElapsedTimer timer;
    timer.start();
    loader->savePictures();
    while (loader)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return double(timer.nsecsElapsed()) / 1e9;
}

} // namespace velmora::test
