// Every window fits 1280x720 (1920x1080 at 150 %) less a panel and a frame,
// and comes back where the last run left it.

#include "../decks/deckhome.h"
#include "progress/frmprogress.h"
#include "servicesrig.h"

#include "app/frmbegin.h"
#include "app/windowplace.h"
#include "decks/frmdeck.h"
#include "design/frmdeckdesign.h"
#include "design/frmloadpictures.h"
#include "exchange/frmimportexportdeck.h"
#include "learn/frmmain.h"

#include <QScreen>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

class TstWindowPlace : public QObject
{
    Q_OBJECT

private slots:
    void everyWindow_fitsTheSmallestCommonScreen()
    {
        DeckHome home;
        QVERIFY(home.make() && DeckHome::addDeck(QStringLiteral("Tutor2.vdk"), QStringLiteral("Mine"), 3));
        ServicesRig rig;
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), Access::ReadWrite));
        FrmBegin begin(rig.services);
        FrmMain main(rig.services);
        FrmDeck decks(rig.services, nullptr, FrmDeck::DesignOpener());
        FrmDeckDesign design(rig.services, DeckHandOff{"Tutor2.vdk", "Mine", 3}, QVector<bool>{true, false, false});
        FrmLoadPictures loader(rig.services, deck);
        FrmImportExportDeck exchange(rig.services, ExchangeOpener::DeckManagerExport);
        progress::FrmProgress progress(rig.services, rig.folder.filePath("history.db"));
        for (QWidget *window :
             std::initializer_list<QWidget *>{&begin, &main, &decks, &design, &loader, &exchange, &progress}) {
            const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize());
            QVERIFY2(smallest.width() <= 1264 && smallest.height() <= 650, qPrintable(window->objectName()));
        }
    }

    void place_opensInsideTheScreenThenWhereLastLeft()
    {
        ServicesRig rig;
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QRect left;
        for (const QSize preferred : {free.size() * 2, QSize(600, 400)}) {
            QWidget window;
            window.setObjectName(QStringLiteral("frmSample"));
            keepWindowPlace(window, rig.settings, preferred);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(free.contains(window.frameGeometry()));
            if (left.isValid())
                QCOMPARE(window.geometry(), left);
            window.setGeometry(free.x() + 20, free.y() + 30, 300, 200);
            left = window.geometry();
            window.close();
        }
    }

    // A window that grew past the screen, or a size kept from a larger one,
    // comes back within the screen: a kept size would stick to every later
    // window of that name.
    void oversizedPlace_isNeitherKeptNorRestored()
    {
        ServicesRig rig;
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QByteArray huge;
        {
            QWidget grown;
            grown.setObjectName(QStringLiteral("frmGrown"));
            keepWindowPlace(grown, rig.settings, QSize(600, 400));
            grown.show();
            QVERIFY(QTest::qWaitForWindowExposed(&grown));
            grown.resize(free.size() * 3);
            huge = grown.saveGeometry();
            grown.close();
        }
        rig.settings.setValue(QStringLiteral("WindowPlace_frmKept"), QString::fromLatin1(huge.toBase64()));
        for (const char *name : {"frmGrown", "frmKept"}) {
            QWidget window;
            window.setObjectName(QString::fromLatin1(name));
            keepWindowPlace(window, rig.settings, QSize(600, 400));
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY2(free.contains(window.frameGeometry()), name);
        }
    }
};

QTEST_MAIN(TstWindowPlace)
#include "tst_windowplace.moc"
