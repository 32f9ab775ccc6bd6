// Every window fits the smallest common desktops: 1366x768 with a panel, and
// 1920x1080 at 150 % (1280x720 logical) with a panel, each less a window
// frame; and a window comes back where the last run left it.

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

namespace {
// 1280x720 less a 32 px panel, a 30 px title bar and 8 px borders.
constexpr QSize kSmallestClientArea(1264, 650);
} // namespace

class TstWindowPlace : public QObject
{
    Q_OBJECT

private slots:
    void everyWindow_fitsTheSmallestCommonScreen_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"start", "main", "decks", "design", "loader", "exchange", "progress"})
            QTest::addRow("%s", name) << QString::fromLatin1(name);
    }
    void everyWindow_fitsTheSmallestCommonScreen()
    {
        QFETCH(QString, window);
        DeckHome home;
        QVERIFY(home.make() && DeckHome::addDeck(QStringLiteral("Tutor2.vdk"), QStringLiteral("Mine"), 3));
        ServicesRig rig;
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(QStringLiteral("Tutor2.vdk")), Access::ReadWrite));
        std::unique_ptr<QWidget> shown;
        if (window == QLatin1String("start"))
            shown = std::make_unique<FrmBegin>(rig.services);
        else if (window == QLatin1String("main"))
            shown = std::make_unique<FrmMain>(rig.services);
        else if (window == QLatin1String("decks"))
            shown = std::make_unique<FrmDeck>(rig.services, nullptr, FrmDeck::DesignOpener());
        else if (window == QLatin1String("design"))
            shown = std::make_unique<FrmDeckDesign>(rig.services, DeckHandOff{"Tutor2.vdk", "Mine", 3},
                                                    QVector<bool>{true, false, false});
        else if (window == QLatin1String("loader"))
            shown = std::make_unique<FrmLoadPictures>(rig.services, deck);
        else if (window == QLatin1String("exchange"))
            shown = std::make_unique<FrmImportExportDeck>(rig.services, ExchangeOpener::DeckManagerExport);
        else
            shown = std::make_unique<progress::FrmProgress>(rig.services, rig.folder.filePath("history.db"));
        shown->setAttribute(Qt::WA_DeleteOnClose, false);
        const QSize smallest = shown->minimumSizeHint().expandedTo(shown->minimumSize());
        QVERIFY2(smallest.boundedTo(kSmallestClientArea) == smallest,
                 qPrintable(QStringLiteral("%1x%2").arg(smallest.width()).arg(smallest.height())));
    }

    void place_opensInsideTheScreenThenWhereLastLeft()
    {
        ServicesRig rig;
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QRect left;
        {
            QWidget window;
            window.setObjectName(QStringLiteral("frmSample"));
            keepWindowPlace(window, rig.settings, free.size() * 2);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(free.contains(window.frameGeometry()));
            window.setGeometry(free.x() + 20, free.y() + 30, 300, 200);
            left = window.geometry();
            window.close();
        }
        QWidget again;
        again.setObjectName(QStringLiteral("frmSample"));
        keepWindowPlace(again, rig.settings, QSize(600, 400));
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.geometry(), left);
    }
};

QTEST_MAIN(TstWindowPlace)
#include "tst_windowplace.moc"
