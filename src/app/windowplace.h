#pragma once

// A window opens where the user left it in the last run, or at its preferred
// size within the screen's free area; either way inside the screen, however
// small the screen or large the scaling.

#include <QSize>

class QWidget;

namespace velmora {

class SettingsStore;

// Call once the window has its object name (the key its place is kept
// under), before it is first shown. The place is written back whenever the
// window hides or closes. Without a preferred size the window's own size
// hint is taken, and only when no place is kept: the hint of wrapped text is
// dear to compute.
void keepWindowPlace(QWidget &window, SettingsStore &settings, QSize preferred = QSize());

// The preferred size made to fit the free area of the window's screen, a
// window frame's room left; centred there unless it is a dialog with a parent
// to open over.
void placeWithinScreen(QWidget &window, QSize preferred);

} // namespace velmora
