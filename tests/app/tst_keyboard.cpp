#include "../design/designhome.h"
#include "progress/frmprogress.h"
#include "progress/history.h"
#include "servicesrig.h"
#include "urlcatcher.h"

#include "app/accesskey.h"
#include "app/frmabout.h"
#include "app/frmbegin.h"
#include "app/shell.h"
#include "decks/frmdeck.h"
#include "design/frmloadpictures.h"
#include "exchange/frmexportmessage.h"
#include "exchange/frmimportexportdeck.h"
#include "learn/frmmain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

// Where a control's text comes from a deck there is no fixed letter to give it,
// and no name before a test fills it.
bool takesDeckText(const QWidget *widget)
{
    return widget->objectName().startsWith(QLatin1String("chkKeywords")) ||
           widget->objectName().startsWith(QLatin1String("optAnswer"));
}

// What a keyboard and screen-reader user of the window meets: every control
// Tab stops at has a name with a letter or digit in it, every button an
// access key, and no access key is taken twice. With a tab page given, the
// other pages are out of sight and out of the count.
QStringList faultsOf(QWidget *window, int tab)
{
    QStringList faults;
    QHash<QChar, QString> keys;
    const auto claim = [&](const QString &caption, const QString &who) {
        const QChar key = captionAccessKey(caption);
        if (!key.isNull() && keys.contains(key))
            faults << QStringLiteral("%1 and %2 share %3").arg(keys.value(key), who, key);
        keys.insert(key, who);
        return !key.isNull();
    };
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->menuWidget())
        for (QAction *menu : main->menuBar()->actions())
            claim(menu->text(), menu->objectName());

    auto *tabs = tab < 0 ? nullptr : window->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    QWidget *page = tabs ? tabs->widget(tab) : nullptr;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool onPage = page && page->isAncestorOf(widget);
        if (tabs && tabs->isAncestorOf(widget) && !onPage && !qobject_cast<QTabBar *>(widget))
            continue;
        if (!widget->isVisibleTo(onPage ? page : window) || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString who = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                           : widget->objectName();
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            claim(label->text(), who);
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            claim(frame->title(), who);
        if (!(widget->focusPolicy() & Qt::TabFocus) || takesDeckText(widget))
            continue;
        QAccessibleInterface *about = QAccessible::queryAccessibleInterface(widget);
        if (!about || !about->text(QAccessible::Name).contains(QRegularExpression(QStringLiteral("\\w"))))
            faults << who + QStringLiteral(" has no name");
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (button && !claim(button->text(), who))
            faults << who + QStringLiteral(" has no access key");
    }
    return faults;
}

// The windows as their openers make them.
std::unique_ptr<QWidget> makeWindow(const QString &which, Services &s)
{
    static Deck deck;
    const QString design = QStringLiteral("Tutor1.vdk");
    if (which == QLatin1String("start screen"))
        return std::make_unique<FrmBegin>(s);
    if (which == QLatin1String("about box"))
        return std::make_unique<FrmAbout>();
    if (which == QLatin1String("deck manager")) {
        auto window =
            std::make_unique<FrmDeck>(s, nullptr, [](const DeckHandOff &, const QVector<bool> &) { return true; });
        window->Form_Load();
        return window;
    }
    if (which == QLatin1String("card editor"))
        return std::make_unique<FrmDeckDesign>(s, DeckHandOff{design, QStringLiteral("Design"), 2},
                                               QVector<bool>{false, false});
    if (which == QLatin1String("picture loader"))
        return deck.open(paths::deckDatabase(design), Access::ReadWrite) ? std::make_unique<FrmLoadPictures>(s, deck)
                                                                         : nullptr;
    if (which.startsWith(QLatin1String("exchange ")))
        return std::make_unique<FrmImportExportDeck>(s, ExchangeOpener(which.back().digitValue()));
    if (which == QLatin1String("export message"))
        return std::make_unique<FrmExportMessage>();
    if (which == QLatin1String("progress"))
        return std::make_unique<progress::FrmProgress>(s, progress::historyPath());
    auto window = std::make_unique<FrmMain>(s);
    (void)window->load();
    return window;
}

} // namespace

// Keyboard use of every window.
class TstKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void everyWindow_namedControlsWithUniqueAccessKeys_data();
    void everyWindow_namedControlsWithUniqueAccessKeys();
    void keys_data();
    void keys();

private:
    std::unique_ptr<DeckHome> home_;
    std::unique_ptr<ServicesRig> rig_;
    int ends_ = 0;
};

void TstKeyboard::initTestCase()
{
    setProcessEnder([this] { ++ends_; });
    home_ = std::make_unique<DeckHome>();
    QVERIFY(home_->make());
    QVERIFY(makeDesignDeck(QStringLiteral("Tutor1.vdk"), {plainCard(1), plainCard(2)}));
}

void TstKeyboard::init()
{
    rig_ = std::make_unique<ServicesRig>();
    ends_ = 0;
}

void TstKeyboard::everyWindow_namedControlsWithUniqueAccessKeys_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tab");
    for (const char *window : {"start screen", "about box", "deck manager", "card editor", "picture loader",
                               "exchange 0", "exchange 1", "exchange 2", "export message", "progress"})
        QTest::addRow("%s", window) << QString::fromLatin1(window) << -1;
    for (int tab = TabGoals; tab < TabCount; ++tab)
        QTest::addRow("main window tab %d", tab) << QStringLiteral("main window") << tab;
}

void TstKeyboard::everyWindow_namedControlsWithUniqueAccessKeys()
{
    QFETCH(QString, window);
    QFETCH(int, tab);
    const std::unique_ptr<QWidget> shown = makeWindow(window, rig_->services);
    QVERIFY(shown);
    const QStringList faults = faultsOf(shown.get(), tab);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void TstKeyboard::keys_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("outcome");
    const QKeySequence quit(Qt::CTRL | Qt::Key_Q);
    const QKeySequence help(QKeySequence::HelpContents);
    const QKeySequence escape(Qt::Key_Escape);
    QTest::newRow("Ctrl+Q, start screen") << "start screen"
                                          << "" << quit << "ended";
    QTest::newRow("Ctrl+Q, main window") << "main window"
                                         << "" << quit << "ended";
    QTest::newRow("Ctrl+Q, deck manager") << "deck manager"
                                          << "" << quit << "ended";
    QTest::newRow("Ctrl+Q, card editor") << "card editor"
                                         << "" << quit << "ended";
    QTest::newRow("F1, start screen") << "start screen"
                                      << "" << help << "frmAbout";
    QTest::newRow("F1, main window") << "main window"
                                     << "" << help << "frmAbout";
    QTest::newRow("Esc, progress") << "progress"
                                   << "" << escape << "closed";
    QTest::newRow("Esc, picture loader") << "picture loader"
                                         << "" << escape << "closed";
    QTest::newRow("Space on a link") << "start screen"
                                     << "Label1" << QKeySequence(Qt::Key_Space) << "browser";
    QTest::newRow("Enter on a link") << "about box"
                                     << "lblHomePage" << QKeySequence(Qt::Key_Return) << "browser";
}

void TstKeyboard::keys()
{
    QFETCH(QString, window);
    QFETCH(QString, focus);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, outcome);
    const std::unique_ptr<QWidget> shown = makeWindow(window, rig_->services);
    QVERIFY(shown);
    shown->setAttribute(Qt::WA_DeleteOnClose, false);
    shown->show();
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    QWidget *target = focus.isEmpty() ? shown.get() : shown->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();

    UrlCatcher browser;
    QString modal;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (QWidget *box = QApplication::activeModalWidget(); box && box != shown.get()) {
            modal = box->objectName();
            box->close();
        }
    });
    closer.start(10);
    QTest::keySequence(target, keys);
    QString seen = ends_ == 1 ? QStringLiteral("ended") : !modal.isEmpty() ? modal : QStringLiteral("nothing");
    if (seen == QLatin1String("nothing") && !shown->isVisible())
        seen = QStringLiteral("closed");
    if (!browser.urls.isEmpty())
        seen = QStringLiteral("browser");
    QCOMPARE(seen, outcome);
}

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
