#pragma once

#include "design/cardpage.h"
#include "design/frmdeckdesign.h"
#include "design/frmloadpictures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPointer>

#include <benchmark/benchmark.h>

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

// A card halfway down the list chosen right after the editor opened on the
// first: nothing read yet, the picture read on the spot while the background
// reading runs. The rig reopens its editor with openEditor().
template <typename Rig>
void chooseCardRightAfterOpening(benchmark::State &state, Rig &rig, int cards)
{
    for (auto _ : state) {
        state.PauseTiming();
        rig.openEditor();
        rig.editor->chooseCard(0);
        state.ResumeTiming();
        rig.editor->chooseCard(cards / 2);
        rig.editor->cardPage()->repaint();
    }
    if (!rig.editor->cardPage()->hasPicture())
        state.SkipWithError("no picture shown");
}

} // namespace velmora::test
