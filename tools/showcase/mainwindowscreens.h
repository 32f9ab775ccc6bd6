#pragma once

// Screens of the main window that velmora-showcase can open for
// screenshots and timing: the window itself, a question of each test type
// and the results of a finished test, all on the first deck of the list.

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora {

class FrmBegin;

[[nodiscard]] QStringList mainWindowShowcaseNames();
// Opens the main window through the start screen's button and takes it to
// the named screen. Null when the window did not open.
QWidget *openMainWindowShowcase(FrmBegin &begin, const QString &name);

} // namespace velmora
