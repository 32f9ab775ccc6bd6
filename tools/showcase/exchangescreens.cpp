#include "exchangescreens.h"

#include "app/frmbegin.h"
#include "exchange/frmexportmessage.h"
#include "exchange/frmimportexportdeck.h"

#include <QDir>
#include <QListWidget>

namespace velmora {

QStringList exchangeShowcaseNames()
{
    return {QStringLiteral("export"), QStringLiteral("import"), QStringLiteral("export-message")};
}

QWidget *openExchangeShowcase(FrmBegin &begin, Services &services, const QString &name)
{
    QWidget *window = nullptr;
    if (name == QLatin1String("export-message")) {
        auto *message = new FrmExportMessage(&begin);
        message->setExport(QStringLiteral("Tutor2.vdk"), QDir::home().filePath(QStringLiteral("Tutor2.vdk")));
        window = message;
    } else {
        const bool exporting = name == QLatin1String("export");
        auto *screen = new FrmImportExportDeck(
            services, exporting ? ExchangeOpener::DeckManagerExport : ExchangeOpener::StartScreenImport, &begin);
        QListWidget *files = exporting ? screen->exportFrame()->File4 : screen->importFrame()->File1;
        if (files->count() > 0)
            files->setCurrentRow(files->count() - 1);
        window = screen;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace velmora
