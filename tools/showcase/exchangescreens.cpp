#include "exchangescreens.h"

#include "app/frmbegin.h"
#include "decks/deckexchange.h"
#include "exchange/frmexportmessage.h"
#include "exchange/frmimportexportdeck.h"
#include "exchange/frmpackagemapping.h"

#include <QDir>
#include <QListWidget>
#include <QMessageBox>

namespace velmora {

QStringList exchangeShowcaseNames()
{
    return {QStringLiteral("export"), QStringLiteral("import"), QStringLiteral("export-message"),
            QStringLiteral("export-offer"), QStringLiteral("package-mapping")};
}

QWidget *openExchangeShowcase(FrmBegin &begin, Services &services, const QString &name)
{
    QWidget *window = nullptr;
    if (name == QLatin1String("package-mapping")) {
        // A package of another program's making, as the import shows it.
        auto *mapping = new FrmPackageMapping(&begin);
        const QStringList fields{"Card", "Key words", "Meaning", "Reversed meaning", "Image"};
        mapping->showNotes(
            QStringLiteral("Tarot (basic)"), fields,
            {{"The Fool", "<b>Beginnings</b>; innocence, spontaneity", "A new <i>start</i>&nbsp;&amp; a leap",
              "Recklessness<br>and risk", "<img src=\"fool.jpg\">"},
             {"Two of Cups", "union, partnership; attraction", "A bond of two", "Imbalance", ""}},
            78);
        mapping->setMapping(flashcards::guessMapping(fields));
        mapping->setDeckName(QStringLiteral("Foreign Tarot"));
        window = mapping;
    } else if (name == QLatin1String("export-message")) {
        auto *message = new FrmExportMessage(&begin);
        message->setExport(QStringLiteral("Tutor2.vdk"), QDir::home().filePath(QStringLiteral("Tutor2.vdk")));
        window = message;
    } else {
        const bool exporting = name != QLatin1String("import");
        auto *screen = new FrmImportExportDeck(
            services, exporting ? ExchangeOpener::DeckManagerExport : ExchangeOpener::StartScreenImport, &begin);
        QListWidget *files = exporting ? screen->exportFrame()->File4 : screen->importFrame()->File1;
        if (files->count() > 0)
            files->setCurrentRow(files->count() - 1);
        window = screen;
        // The question a deck of 78 photos stored as BMP is asked on export.
        if (name == QLatin1String("export-offer")) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->show();
            exchange::CompactOffer offer;
            offer.deckBytes = 412LL << 20;
            offer.bmpBytes = 398LL << 20;
            offer.compactBytes = 47LL << 20;
            window = makeMessageBox(exchange::compactOfferPrompt(offer), screen).release();
        }
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace velmora
