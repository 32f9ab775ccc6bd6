#pragma once

// Screens of the main window that velmora-showcase can open for
// screenshots and timing: the window itself, a question of each test type
// and the results of a finished test, all on the first deck of the list.

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora {

class FrmBegin;
class FrmMain;
struct Services;

[[nodiscard]] QStringList mainWindowShowcaseNames();
// Opens the main window through the start screen's button, without the card
// of the day over it (that has a screen of its own). Null when it did not open.
[[nodiscard]] FrmMain *openMainWithoutDayCard(FrmBegin &begin, Services &services);
// Opens the main window through the start screen's button and takes it to
// the named screen, as openMainWithoutDayCard does. Null when the window did
// not open.
QWidget *openMainWindowShowcase(FrmBegin &begin, Services &services, const QString &name);

} // namespace velmora
