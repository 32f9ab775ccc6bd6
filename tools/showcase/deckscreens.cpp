#include "deckscreens.h"

#include "app/frmbegin.h"
#include "app/prompter.h"
#include "decks/deckmanager.h"
#include "decks/frmdeck.h"
#include "store/catalog.h"
#include "store/deck.h"
#include "store/paths.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace velmora {

namespace {

void seedDecks()
{
    DeckManager manager;
    if (manager.load().names.size() >= 3)
        return;
    const auto celtic =
        manager.create({QStringLiteral("Celtic Dreams"), QStringLiteral("10"), QStringLiteral("A. Weaver"), QString()});
    (void)manager.create(
        {QStringLiteral("Moon Garden"), QStringLiteral("22"), QStringLiteral("Selene"), QStringLiteral("moon")});
    (void)manager.create({QStringLiteral("The Very Long Named Deck Of Many Suits, Moons, Stars, Rivers And "
                                         "Mountains, Second Edition"),
                          QStringLiteral("78"), QStringLiteral("Someone"), QString()});
    if (celtic.outcome.ok) {
        Deck deck;
        if (deck.open(paths::deckDatabase(celtic.handOff.deckFile), Access::ReadWrite))
            (void)deck.saveCard({9, QStringLiteral("The Hermit"), 0, QStringLiteral("Solitude"), QString(), false},
                                QStringList(kSlotsPerCard, QString()));
    }
}

FrmDeck *openManager(FrmBegin &begin)
{
    if (qEnvironmentVariableIsSet("VELMORA_SHOWCASE_SEED"))
        seedDecks();
    begin.cmdDeck_Click();
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<FrmDeck *>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

void pick(FrmDeck &window, const QString &name)
{
    auto *list = window.findChild<QTreeWidget *>(QStringLiteral("lstDeckNames"));
    const auto found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    list->setCurrentItem(found.first()); // picks, as the keyboard does
}

} // namespace

QStringList deckShowcaseNames()
{
    return {QStringLiteral("decks"), QStringLiteral("decks-create"), QStringLiteral("decks-password"),
            QStringLiteral("decks-password-open"), QStringLiteral("decks-shrink")};
}

QWidget *openDeckShowcase(FrmBegin &begin, const QString &name)
{
    FrmDeck *window = openManager(begin);
    if (!window)
        return nullptr;
    auto *page = window->page();
    if (name == QLatin1String("decks")) {
        pick(*window, QStringLiteral("Celtic Dreams"));
    } else if (name == QLatin1String("decks-create")) {
        window->cmdCreateDeck_Click();
        page->txtDeckName->setText(QStringLiteral("My Own Deck"));
        page->txtCards->setText(QStringLiteral("22"));
        page->txtDesigner->setText(QStringLiteral("Me"));
        page->txtPassword->setText(QStringLiteral("pass"));
    } else if (name.startsWith(QLatin1String("decks-password"))) {
        pick(*window, QStringLiteral("Moon Garden"));
        if (name.endsWith(QLatin1String("open")))
            page->txtPassword->setText(QStringLiteral("moon"));
    } else if (name == QLatin1String("decks-shrink")) {
        pick(*window, QStringLiteral("Celtic Dreams"));
        page->txtCards->setText(QStringLiteral("5"));
        // The question Modify asks, shown as the prompter shows it but without waiting.
        auto box = makeMessageBox(
            {deckmsg::shrinkQuestion(1, 5), PromptIcon::Warning, PromptButtons::YesNo, QString::fromLatin1(kAppTitle)},
            window);
        QMessageBox *shown = box.release();
        shown->setAttribute(Qt::WA_DeleteOnClose);
        shown->show();
        return shown;
    }
    return window;
}

} // namespace velmora
