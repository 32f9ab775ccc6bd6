// The windows with Back and Exit on a 1920x1080 screen at 150 % (1280x720)
// and, with VELMORA_SCALE=2, at 200 % (960x540), less a panel: each opens
// inside the screen's free area with both buttons in sight.

#include "../decks/deckhome.h"
#include "servicesrig.h"
#include "windowprobe.h"

#include "app/frmbegin.h"
#include "decks/frmdeck.h"
#include "learn/frmmain.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace velmora;
using namespace velmora::test;

class TstScaledScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(home_.make() &&
                DeckHome::addDeck(QStringLiteral("Tutor1.vdk"), QStringLiteral("Default"), 3, {}, {}, true));
        // The offscreen screen is as large as its configuration says; the
        // scale is what a user sets.
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().width(), qRound(1920 / scale()));
    }

    void window_fitsTheFreeAreaWithBackAndExitInSight_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("back");
        QTest::addColumn<QString>("exit");
        QTest::newRow("main window") << "main window"
                                     << "cmdBack"
                                     << "cmdNav";
        QTest::newRow("deck manager") << "deck manager"
                                      << "cmdBack"
                                      << "cmdExit";
        QTest::newRow("start screen") << "start screen"
                                      << "cmdImport"
                                      << "cmdExit";
    }

    void window_fitsTheFreeAreaWithBackAndExitInSight()
    {
        QFETCH(QString, window);
        QFETCH(QString, back);
        QFETCH(QString, exit);
        ServicesRig rig;
        std::unique_ptr<QWidget> shown;
        if (window == QLatin1String("main window")) {
            auto main = std::make_unique<FrmMain>(rig.services);
            QCOMPARE(main->load(), Opening::Show);
            shown = std::move(main);
        } else if (window == QLatin1String("deck manager")) {
            auto decks = std::make_unique<FrmDeck>(rig.services, nullptr, FrmDeck::DesignOpener());
            decks->Form_Load();
            shown = std::move(decks);
        } else {
            shown = std::make_unique<FrmBegin>(rig.services);
        }
        shown->setAttribute(Qt::WA_DeleteOnClose, false);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QRect free = shown->screen()->availableGeometry();
        QVERIFY2(free.contains(shown->frameGeometry()), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 on %6x%7")
                                                                       .arg(window)
                                                                       .arg(shown->frameGeometry().x())
                                                                       .arg(shown->frameGeometry().y())
                                                                       .arg(shown->frameGeometry().width())
                                                                       .arg(shown->frameGeometry().height())
                                                                       .arg(free.width())
                                                                       .arg(free.height())));
        for (const QString &name : {back, exit}) {
            auto *button = control<QPushButton>(shown.get(), name);
            QVERIFY2(button->isVisible(), qPrintable(name));
            const QRect where(button->mapTo(shown.get(), QPoint()), button->size());
            QVERIFY2(shown->rect().contains(where), qPrintable(name));
        }
    }

public:
    static double scale()
    {
        return qEnvironmentVariableIsSet("VELMORA_SCALE") ? qEnvironmentVariable("VELMORA_SCALE").toDouble() : 1.5;
    }

private:
    DeckHome home_;
};

// The screen and the scale are settled before the application exists.
int main(int argc, char *argv[])
{
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1920, "height": 1080,
                       "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(config));
    qputenv("QT_SCALE_FACTOR", QByteArray::number(TstScaledScreen::scale()));
    QApplication app(argc, argv);
    TstScaledScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_scaledscreen.moc"
