#pragma once

// The progress window over a made-up history of a few dozen tests on two
// decks, for screenshots. The history lies in a temporary folder: the
// program folder's own history is left alone.

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora {

class FrmBegin;
struct Services;

[[nodiscard]] QStringList progressShowcaseNames();
// "progress": all decks, all tests; "progress-deck": the first deck over the
// last 30 days with three cards selected; "progress-week": the second deck
// over the last 7 days.
QWidget *openProgressShowcase(FrmBegin &begin, Services &services, const QString &name);

} // namespace velmora
