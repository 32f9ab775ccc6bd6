#include "everywindow.h"
#include "servicesrig.h"
#include "urlcatcher.h"
#include "windowprobe.h"

#include "app/shell.h"
#include "app/windowkeys.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

// Keyboard use of every window.
class TstKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setProcessEnder([this] { ++ends_; });
        installQuitKey(*qApp);
        QVERIFY(home_.make() && makeDesignDeck(QStringLiteral("Tutor1.vdk"), {plainCard(1), plainCard(2)}));
    }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("outcome");
        for (const char *window :
             {"start screen", "about box", "deck manager", "card editor", "picture loader", "exchange 0", "exchange 1",
              "exchange 2", "export message", "progress", "review", "readings", "journal"})
            QTest::addRow("%s", window) << QString::fromLatin1(window) << -1 << "" << QKeySequence() << "";
        for (int tab = TabGoals; tab < TabCount; ++tab)
            QTest::addRow("main window tab %d", tab) << "main window" << tab << "" << QKeySequence() << "";
        const QKeySequence quit(Qt::CTRL | Qt::Key_Q);
        // Modal windows and message boxes block the others' Exit commands.
        for (const char *window :
             {"start screen", "main window", "deck manager", "card editor", "review", "about box", "picture loader",
              "exchange 1", "export message", "progress", "readings", "journal", "message box"})
            QTest::addRow("Ctrl+Q, %s", window) << QString::fromLatin1(window) << -1 << "" << quit << "ended";
        for (const char *window : {"start screen", "main window"})
            QTest::addRow("F1, %s", window)
                << QString::fromLatin1(window) << -1 << "" << QKeySequence(Qt::Key_F1) << "frmAbout";
        for (const char *window : {"progress", "picture loader", "review", "readings", "journal", "about box",
                                   "exchange 2", "export message", "message box"})
            QTest::addRow("Esc, %s", window)
                << QString::fromLatin1(window) << -1 << "" << QKeySequence(Qt::Key_Escape) << "closed";
        QTest::newRow("Space on a link") << "start screen" << -1 << "Label1" << QKeySequence(Qt::Key_Space)
                                         << "browser";
        QTest::newRow("Enter on a link") << "about box" << -1 << "lblHomePage" << QKeySequence(Qt::Key_Return)
                                         << "browser";
    }

    // Without keys: every control named, every button with an access key of
    // its own. With keys: what they do.
    void everyWindow()
    {
        QFETCH(QString, window);
        QFETCH(int, tab);
        QFETCH(QString, focus);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, outcome);
        ServicesRig rig;
        ends_ = 0;
        const std::unique_ptr<QWidget> shown = makeWindow(window, rig.services);
        QVERIFY(shown);
        if (keys.isEmpty()) {
            const QStringList faults = keyboardFaults(shown.get(), tab);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
            return;
        }
        shown->setAttribute(Qt::WA_DeleteOnClose, false);
        if (auto *dialog = qobject_cast<QDialog *>(shown.get()))
            dialog->setModal(true);
        shown->show();
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        QWidget *target = focus.isEmpty() ? shown.get() : shown->findChild<QWidget *>(focus);
        QVERIFY(target);
        target->setFocus();

        UrlCatcher browser;
        QString seen;
        QTimer closer; // a modal box opened by the keys is noted and closed
        connect(&closer, &QTimer::timeout, this, [&] {
            if (QWidget *box = QApplication::activeModalWidget(); box && box != shown.get()) {
                seen = box->objectName();
                box->close();
            }
        });
        closer.start(10);
        QTest::keySequence(target, keys);
        if (ends_ == 1)
            seen = QStringLiteral("ended");
        else if (!browser.urls.isEmpty())
            seen = QStringLiteral("browser");
        else if (seen.isEmpty() && !shown->isVisible())
            seen = QStringLiteral("closed");
        QCOMPARE(seen, outcome);
    }

private:
    DeckHome home_;
    int ends_ = 0;
};

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
