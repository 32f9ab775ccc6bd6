#pragma once

// Screens of the deck exchange that velmora-showcase can open for screenshots.

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora {

class FrmBegin;
struct Services;

[[nodiscard]] QStringList exchangeShowcaseNames();
// "export" and "import" open the export/import screen as the deck manager's
// Export and the start screen's Import do; "export-message" the message
// after an export.
QWidget *openExchangeShowcase(FrmBegin &begin, Services &services, const QString &name);

} // namespace velmora
