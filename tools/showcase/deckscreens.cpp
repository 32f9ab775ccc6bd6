#include "deckscreens.h"

#include "app/frmbegin.h"
#include "app/prompter.h"
#include "decks/deckmanager.h"
#include "decks/frmdeck.h"
#include "design/cardpage.h"
#include "design/frmdeckdesign.h"
#include "design/frmloadpictures.h"
#include "store/catalog.h"
#include "store/deck.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>

namespace velmora {

namespace {

QImage showcasePicture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::white, size.width() / 40));
    painter.drawRect(
        QRect(QPoint(), size).adjusted(size.width() / 20, size.width() / 20, -size.width() / 20, -size.width() / 20));
    for (int i = 0; i < 3; ++i)
        painter.drawEllipse(QPoint(size.width() * (i + 1) / 4, size.height() / 2), size.width() / 10,
                            size.width() / 10);
    return image;
}

void seedDecks()
{
    DeckManager manager;
    if (manager.load().decks.size() >= 3)
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
        if (deck.open(paths::deckDatabase(celtic.handOff.deckFile), Access::ReadWrite)) {
            (void)deck.saveCard({9, QStringLiteral("The Hermit"), 0, QStringLiteral("Solitude"), QString(), false},
                                QStringList(kSlotsPerCard, QString()));
            // A finished card for the card editor's screens.
            (void)deck.saveCard(
                {1, QStringLiteral("Three of Cups"), 1,
                 QStringLiteral("Celebration, friendship and shared joy; a gathering of kindred souls."),
                 QStringLiteral("Overindulgence, gossip, a friendship that has cooled."), false},
                {QStringLiteral("celebration"), QStringLiteral("friendship"), QStringLiteral("community"),
                 QStringLiteral("joy"), QStringLiteral("reunion"), QStringLiteral("abundance"),
                 QStringLiteral("harmony")});
            (void)deck.savePicture(1, bmpFileBytes(showcasePicture(QSize(1000, 1700), QColor(60, 110, 170))));
        }
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
    return {QStringLiteral("decks"),          QStringLiteral("decks-create"),
            QStringLiteral("decks-password"), QStringLiteral("decks-password-open"),
            QStringLiteral("decks-shrink"),   QStringLiteral("design-new"),
            QStringLiteral("design-card"),    QStringLiteral("design-loader"),
            QStringLiteral("design-saving")};
}

namespace {

FrmDeckDesign *openEditor(FrmDeck &window, const QString &deck)
{
    // The remembered deck is highlighted without being picked: start from no entry.
    window.page()->lstDeckNames->setCurrentItem(nullptr);
    pick(window, deck);
    // The pick may finish later (a password check, the header read): wait for Next.
    QElapsedTimer waited;
    waited.start();
    while (!window.page()->cmdNext->isEnabled() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    window.cmdNext_Click();
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *editor = qobject_cast<FrmDeckDesign *>(widget); editor && editor->isVisible())
            return editor;
    return nullptr;
}

QWidget *openDesignShowcase(FrmDeck &window, const QString &name)
{
    const QString longName = QStringLiteral("The Very Long Named Deck Of Many Suits, Moons, Stars, Rivers And "
                                            "Mountains, Second Edition");
    FrmDeckDesign *editor =
        openEditor(window, name == QLatin1String("design-new") ? longName : QStringLiteral("Celtic Dreams"));
    if (!editor || name == QLatin1String("design-new"))
        return editor;
    editor->chooseCard(0);
    if (name == QLatin1String("design-card"))
        return editor;
    // The loader over a folder of pictures, three of them chosen.
    const QString folder = paths::programFolder() + QStringLiteral("/showcase-pictures");
    QDir().mkpath(folder);
    const QColor colours[] = {QColor(170, 60, 60), QColor(60, 150, 80), QColor(150, 120, 40), QColor(90, 70, 160)};
    // While saving, pictures large enough that the dialog stays up to be seen.
    const bool saving = name == QLatin1String("design-saving");
    for (int i = 0; i < (saving ? 9 : 4); ++i) {
        QImage image = showcasePicture(saving ? QSize(2400, 4000) : QSize(400, 680), colours[i % 4]);
        image.save(QStringLiteral("%1/Card %2 - a picture with a rather long file name.jpg").arg(folder).arg(i + 2),
                   "JPG");
    }
    FrmLoadPictures *loader = nullptr;
    QObject::connect(editor, &FrmDeckDesign::loaderOpened, editor,
                     [&loader](FrmLoadPictures *opened) { loader = opened; });
    editor->insertPictures();
    if (!loader)
        return editor;
    loader->showFolder(folder);
    for (int i = 0; i < (saving ? 9 : 3); ++i) {
        loader->filSelected->setCurrentRow(i);
        loader->addPicture();
    }
    if (saving) {
        const QPointer<FrmLoadPictures> stillOpen(loader);
        loader->savePictures();
        QElapsedTimer waited;
        waited.start();
        while (stillOpen && waited.elapsed() < 1500)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return stillOpen ? static_cast<QWidget *>(stillOpen) : editor;
    }
    FitPictureToBox(*loader->pBox,
                    QImage(folder + QStringLiteral("/Card 2 - a picture with a rather long file name.jpg")));
    return loader;
}

} // namespace

QWidget *openDeckShowcase(FrmBegin &begin, const QString &name)
{
    FrmDeck *window = openManager(begin);
    if (!window)
        return nullptr;
    if (name.startsWith(QLatin1String("design-")))
        return openDesignShowcase(*window, name);
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
