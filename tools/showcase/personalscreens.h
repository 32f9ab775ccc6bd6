#pragma once

// The learner's own layer, for screenshots: their own meanings on the
// memorize tab, the card of the day with its note, and the journal's
// patterns over a season of readings written into the program folder's
// history (the screenshot script gives the showcase a scratch one).

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora {

class FrmBegin;
struct Services;

[[nodiscard]] QStringList personalShowcaseNames();
// "memorize-own", "daycard-note", "journal-patterns".
QWidget *openPersonalShowcase(FrmBegin &begin, Services &services, const QString &name);

} // namespace velmora
