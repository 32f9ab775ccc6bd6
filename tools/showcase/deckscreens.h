#pragma once

// Screens of the deck manager that velmora-showcase can open for screenshots.

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora {

class FrmBegin;

[[nodiscard]] QStringList deckShowcaseNames();
// Opens the deck manager through the start screen's button and takes it to
// the named screen. With VELMORA_SHOWCASE_SEED set, a program folder with
// fewer than three decks first gets three made by the deck manager's own
// creation (only ever point it at a throw-away VELMORA_HOME).
QWidget *openDeckShowcase(FrmBegin &begin, const QString &name);

} // namespace velmora
