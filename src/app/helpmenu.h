#pragma once

#include "app/services.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace velmora {

// Adds the "&Help" menu: online help, the home page, the download page and
// the about box, shown modally over owner.
QMenu *addHelpMenu(QMenuBar *menuBar, Services &services, QWidget *owner);

// The about box, modal over owner; returns when it is closed.
void showAboutBox(QWidget *owner);

} // namespace velmora
