#include "announcements.h"
#include "filebytes.h"
#include "hostilepictures.h"
#include "readings/cardofday.h"
#include "readings/frmjournal.h"
#include "readings/frmreadings.h"
#include "readings/journalmodel.h"
#include "sampledeck.h"
#include "servicesrig.h"
#include "testhome.h"

#include "app/picturebox.h"
#include "store/historydb.h"
#include "store/personalmeanings.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace velmora;
using namespace velmora::readings;
using namespace velmora::test;

class TstFrmReadings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestHome> home_;
    QString journalPath() const { return home_->filePath(QStringLiteral("history.db")); }

    static std::optional<ReadingDeck> openDeck()
    {
        ReadingDeck source;
        if (!source.practice.deck.open(paths::deckDatabase(QStringLiteral("Tutor1.vdk"))))
            return std::nullopt;
        source.practice.cards = source.practice.deck.cards().value_or(QVector<Card>());
        source.practice.deckName = QStringLiteral("Classic <b>");
        source.deckFile = QStringLiteral("Tutor1.vdk");
        return source;
    }

private slots:
    void initTestCase()
    {
        home_ = std::make_unique<TestHome>();
        home_->makeFolders();
        QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor1.vdk")));
        QVERIFY(writeCards(paths::deckDatabase(QStringLiteral("Tutor1.vdk")), fullDeck(QSize(8, 8)).mid(0, 6)));
    }

    void threeCards_laidTurnedWrittenSaved_foundReopenedDeletedExported()
    {
        ServicesRig rig;
        // Cards 3, 1 (reversed) and 6 of the six.
        for (double number : {0.4, 0.1, 0.3, 0.9, 0.99, 0.1})
            rig.random.queue(number);
        auto *window = new FrmReadings(rig.services, journalPath(), &TstFrmReadings::openDeck);
        QVector<int> tested;
        connect(window, &FrmReadings::testRequested, this,
                [&tested](const progress::PracticeRequest &request) { tested = request.cardIds; });
        window->show();
        window->findChild<QPushButton *>(QStringLiteral("cmdDraw"))->click();
        QCOMPARE(window->reading().cards.size(), 3);
        QCOMPARE(window->reading().cards[1].name, QStringLiteral("Major 1"));
        QVERIFY(window->reading().cards[1].reversed && !window->reading().cards[0].reversed);
        QCOMPARE(window->reading().cards[1].meaning, QStringLiteral("reversed 1"));
        QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("picCard2")), Qt::LeftButton);
        QVERIFY(window->isTurned(2) && !window->isTurned(0));
        QTest::keyClick(window->findChild<QWidget *>(QStringLiteral("fraSpread")), Qt::Key_Space);
        QVERIFY(window->isTurned(0) && !window->isTurned(1));
        QTest::keyClicks(window->findChild<QLineEdit *>(QStringLiteral("txtQuestion")), QStringLiteral(" Work? "));
        QTest::keyClicks(window->findChild<QPlainTextEdit *>(QStringLiteral("txtInterpretation")),
                         QStringLiteral("Patience <i>first</i>"));
        Announcements told;
        window->findChild<QPushButton *>(QStringLiteral("cmdShowMeanings"))->click();
        const QString meanings = window->findChild<QPlainTextEdit *>(QStringLiteral("txtMeanings"))->toPlainText();
        QVERIFY(meanings.contains(QStringLiteral("Present: not turned yet")));
        QVERIFY(meanings.contains(QStringLiteral("Future: Major 6 (upright)\nKeywords: ")));
        // The box has no focus: the reader hears it because it is told.
        QCOMPARE(told.by(QStringLiteral("txtMeanings")), QStringList{meanings});
        window->findChild<QPushButton *>(QStringLiteral("cmdTestMe"))->click();
        QCOMPARE(tested, QVector<int>({3, 1, 6}));
        QVERIFY(window->close());
        QVERIFY(rig.prompter.records().isEmpty());

        FrmJournal journal(rig.services, journalPath());
        QAbstractItemModelTester tester(journal.model());
        journal.reload();
        auto *list = journal.findChild<QListView *>(QStringLiteral("lstReadings"));
        QCOMPARE(journal.model()->rowCount(), 1);
        QVERIFY(list->model()->index(0, 0).data().toString().endsWith(QStringLiteral("Classic <b>: Work?")));
        journal.findChild<QLineEdit *>(QStringLiteral("txtSearch"))->setText(QStringLiteral("rest"));
        QCOMPARE(journal.model()->rowCount(), 0);
        journal.findChild<QLineEdit *>(QStringLiteral("txtSearch"))->setText(QStringLiteral("PATIENCE"));
        QCOMPARE(journal.model()->rowCount(), 1);
        list->setCurrentIndex(list->model()->index(0, 0));
        journal.openChosen();
        auto *reopened = journal.findChild<FrmReadings *>();
        QVERIFY(reopened && reopened->isTurned(1));
        QVERIFY(reopened->findChild<QPlainTextEdit *>(QStringLiteral("txtInterpretation"))->isReadOnly());
        QVERIFY(reopened->close());

        const QString exported = home_->filePath(QStringLiteral("out/journal"));
        QDir().mkpath(home_->filePath(QStringLiteral("out")));
        rig.prompter.queueFileName(exported);
        QVERIFY(journal.exportAll());
        QFile file(exported + QStringLiteral(".md"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("**Question:** Work?\n"));

        rig.prompter.queueAnswer(PromptAnswer::No);
        journal.deleteChosen();
        QCOMPARE(rig.prompter.messages().last().defaultAnswer, PromptAnswer::No);
        QCOMPARE(journal.model()->totalCount(), 1);
        rig.prompter.queueAnswer(PromptAnswer::Yes);
        journal.deleteChosen();
        QCOMPARE(journal.model()->totalCount(), 0);
    }

    void cardOfTheDay_drawnOncePerDayAndKept()
    {
        ServicesRig rig;
        const QString deck = paths::deckDatabase(QStringLiteral("Tutor1.vdk"));
        rig.random.queue(0.5);
        rig.random.queue(0.7);
        bool fresh = false;
        const std::optional<DayCardView> first = cardOfTheDay(rig.services, deck, &fresh);
        QVERIFY(first && fresh && first->card.name == QStringLiteral("Major 4") && first->card.reversed);
        QCOMPARE(first->card.meaning, QStringLiteral("reversed 4"));
        rig.random.queue(0.0);
        const std::optional<DayCardView> again = cardOfTheDay(rig.services, deck, &fresh);
        QVERIFY(again && !fresh && again->card.cardId == first->card.cardId);
        {
            QPointer<FrmDayCard> window = new FrmDayCard(rig.services, *first);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QTest::keyClick(window, Qt::Key_Escape);
            QTRY_VERIFY_WITH_TIMEOUT(!window, 60000);
        }
        rig.clock.set(rig.clock.now().addDays(1));
        QVERIFY(cardOfTheDay(rig.services, deck, &fresh) && fresh);
        setCardOfTheDayEnabled(rig.services, false);
        rig.clock.set(rig.clock.now().addDays(1));
        QVERIFY(!cardOfTheDay(rig.services, deck, &fresh) && !fresh);
    }

    // The learner's own meaning beside the card, and a note kept as the
    // day's one-card reading, found again when the window opens that day.
    void cardOfTheDay_showsTheOwnMeaning_keepsTheNoteInTheJournal()
    {
        ServicesRig rig;
        QCOMPARE(journalPath(), progress::historyPath());
        const QString deck = paths::deckDatabase(QStringLiteral("Tutor1.vdk"));
        Deck opened;
        QVERIFY(opened.open(deck));
        const QString deckName = opened.header().value().deckName;
        {
            progress::PersonalMeanings own;
            QVERIFY(own.open(journalPath()) &&
                    own.save(deckName, QStringLiteral("Major 4"), {QStringLiteral("up"), QStringLiteral("mine")},
                             rig.clock.now()));
        }
        rig.random.queue(0.5);
        rig.random.queue(0.7);
        bool fresh = false;
        const DayCardView view = cardOfTheDay(rig.services, deck, &fresh).value();
        QCOMPARE(view.ownMeaning, QStringLiteral("mine"));
        const auto noteTyped = [&](const QString &text) {
            QPointer<FrmDayCard> window = new FrmDayCard(rig.services, view);
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblDayOwnMeaning"))->text(),
                     QStringLiteral("My own meaning: mine"));
            QTest::keyClicks(window->findChild<QPlainTextEdit *>(QStringLiteral("txtDayNote")), text);
            QTest::keyClick(window, Qt::Key_Escape);
            QTRY_VERIFY_WITH_TIMEOUT(!window, 60000);
        };
        noteTyped(QStringLiteral("A <b>slow</b> day"));
        rig.clock.set(rig.clock.now().addSecs(3600));
        {
            FrmDayCard again(rig.services, view);
            auto *note = again.findChild<QPlainTextEdit *>(QStringLiteral("txtDayNote"));
            QCOMPARE(note->toPlainText(), QStringLiteral("A <b>slow</b> day"));
            QTest::keyClicks(note, QStringLiteral(", then not"));
            QTRY_COMPARE_WITH_TIMEOUT(again.findChild<QLabel *>(QStringLiteral("lblDayNoteStatus"))->text(),
                                      QStringLiteral("Saved in the journal."), 60000);
        }
        Journal journal;
        QVERIFY(journal.open(journalPath()));
        const QVector<Reading> all = journal.all().value();
        QCOMPARE(all.size(), 1);
        QCOMPARE(all[0].interpretation, QStringLiteral("A <b>slow</b> day, then not"));
        QCOMPARE(all[0].spread, Spread::OneCard);
        QVERIFY(all[0].cards.size() == 1 && all[0].cards[0].reversed && all[0].cards[0].meaning == "reversed 4");
        journal.close();

        FrmJournal list(rig.services, journalPath());
        list.reload();
        QVERIFY(list.model()->index(0, 0).data().toString().endsWith(
            QStringLiteral("Card of the day: Major 4 (reversed)")));
        auto *view0 = list.findChild<QListView *>(QStringLiteral("lstReadings"));
        view0->setCurrentIndex(view0->model()->index(0, 0));
        list.openChosen();
        auto *reading = list.findChild<FrmReadings *>();
        QVERIFY(reading);
        reading->showMeanings();
        QVERIFY(reading->findChild<QPlainTextEdit *>(QStringLiteral("txtMeanings"))
                    ->toPlainText()
                    .endsWith(QStringLiteral("reversed 4\nMy own meaning: mine")));
        QVERIFY(reading->close());

        // A damaged journal takes no note and stays as it was.
        QVERIFY(writeFile(journalPath(), QByteArray("SQLite format 3").leftJustified(4096, 'z')));
        const QByteArray before = fileBytes(journalPath());
        {
            FrmDayCard refused(rig.services, view);
            auto *note = refused.findChild<QPlainTextEdit *>(QStringLiteral("txtDayNote"));
            QVERIFY(note->isReadOnly());
            QVERIFY(refused.findChild<QLabel *>(QStringLiteral("lblDayNoteStatus"))
                        ->text()
                        .startsWith(QStringLiteral("The journal cannot be read")));
            QVERIFY(refused.close());
        }
        QCOMPARE(fileBytes(journalPath()), before);
        QVERIFY(rig.prompter.records().isEmpty());
        QFile::remove(journalPath());
    }

    void journal_showsPatternsOverThePeriodChosen_theStreak_andTheReadingsWithACard()
    {
        QFile::remove(journalPath());
        ServicesRig rig;
        const QDateTime now = rig.clock.now();
        {
            Journal journal;
            QVERIFY(journal.open(journalPath()));
            const auto add = [&](int daysAgo, const QString &past, bool reversed) {
                Reading reading{0,
                                now.addDays(-daysAgo),
                                QStringLiteral("Tutor1.vdk"),
                                QStringLiteral("Classic"),
                                Spread::ThreeCards,
                                QStringLiteral("Q"),
                                QString(),
                                {}};
                reading.cards = {{1, past, reversed, {}, {}},
                                 {2, QStringLiteral("Sun"), false, {}, {}},
                                 {3, QStringLiteral("Moon"), false, {}, {}}};
                return journal.save(reading);
            };
            QVERIFY(add(1, QStringLiteral("Tower"), true) && add(2, QStringLiteral("Tower"), true) &&
                    add(60, QStringLiteral("Star"), false) && add(61, QStringLiteral("Star"), false) &&
                    add(62, QStringLiteral("Star"), false));
            progress::HistoryFile history;
            QVERIFY(history.open(journalPath()));
            QVERIFY(history.recordReview(
                {now, QStringLiteral("Tutor1.vdk"), 1, review::Facet::Keywords, review::Grade::Good, {}, {}}));
        }
        FrmJournal window(rig.services, journalPath());
        window.reload();
        QCOMPARE(window.streak(), 3);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblStreak"))->text(),
                 QStringLiteral("Current streak: 3 days with a reading or review"));
        QCOMPARE(window.patternLines().value(0), QStringLiteral("Moon (upright): 2 times (Future 2)"));
        QCOMPARE(window.patternLines().size(), 3);
        auto *period = window.findChild<QComboBox *>(QStringLiteral("cboPeriod"));
        period->setCurrentIndex(period->findData(90));
        QCOMPARE(window.patternLines().value(0), QStringLiteral("Moon (upright): 5 times (Future 5)"));
        QVERIFY(window.patternLines().contains(QStringLiteral("Star (upright): 3 times (Past 3)")));

        auto *patterns = window.findChild<QListWidget *>(QStringLiteral("lstPatterns"));
        auto *withCard = window.findChild<QPushButton *>(QStringLiteral("cmdWithCard"));
        QVERIFY(!withCard->isEnabled());
        const int star = int(window.patternLines().indexOf(QStringLiteral("Star (upright): 3 times (Past 3)")));
        patterns->setCurrentRow(star);
        QTest::mouseClick(withCard, Qt::LeftButton);
        QCOMPARE(window.model()->rowCount(), 3);
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblCount"))->text(), QStringLiteral("With Star: 3 of 5"));
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("cmdShowAll")), Qt::LeftButton);
        QCOMPARE(window.model()->rowCount(), 5);

        // Read on a worker thread, as a large history due for its check is:
        // the same list and patterns once it is there, and a card asked for
        // meanwhile (as the progress window asks) limits the list then.
        const auto makeCheckDue = [this] {
            QFile file(journalPath());
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addSecs(7), QFileDevice::FileModificationTime));
            QVERIFY(store::HistoryDb::checkDue(journalPath()));
        };
        makeCheckDue();
        FrmJournal aside(rig.services, journalPath());
        aside.setLoadAsideFrom(0);
        aside.reload();
        QVERIFY(aside.loading());
        aside.showReadingsWithCard(QStringLiteral("Star"));
        QTRY_VERIFY_WITH_TIMEOUT(!aside.loading(), 30000);
        QCOMPARE(aside.findChild<QLabel *>(QStringLiteral("lblCount"))->text(), QStringLiteral("With Star: 3 of 5"));
        QCOMPARE(aside.streak(), 3);
        QCOMPARE(aside.patternLines().value(0), QStringLiteral("Moon (upright): 2 times (Future 2)"));
        QCOMPARE(aside.patternLines().size(), 3);
        QVERIFY(!store::HistoryDb::checkDue(journalPath()));
        // Closed while it reads: the read ends with the window, nothing is told.
        makeCheckDue();
        {
            auto closing = std::make_unique<FrmJournal>(rig.services, journalPath());
            closing->setLoadAsideFrom(0);
            closing->reload();
            QVERIFY(closing->loading());
        }
        QTest::qWait(50);
        QVERIFY(rig.prompter.records().isEmpty());
        QFile::remove(journalPath());
    }

    // A picture that takes long to decode (each of its scans a pass over
    // every pixel) holds up neither the window nor the start-up under it.
    void cardOfTheDay_showsAtOnceAndItsPictureOnceDecoded()
    {
        QVERIFY(home_->createDeck(QStringLiteral("tutor/Tutor3.vdk")));
        SampleCard card = plainCard(1);
        card.picture = test::scanBombJpeg(QSize(2400, 4000), kMaxJpegScans);
        const QString deck = paths::deckDatabase(QStringLiteral("Tutor3.vdk"));
        QVERIFY(writeCards(deck, {card}));
        ServicesRig rig;
        rig.random.queue(0.1);
        rig.random.queue(0.1);
        bool fresh = false;
        QElapsedTimer clock;
        clock.start();
        const std::optional<DayCardView> view = cardOfTheDay(rig.services, deck, &fresh);
        QVERIFY(view);
        FrmDayCard window(rig.services, *view);
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const qint64 shownMs = clock.elapsed();
        QVERIFY2(!window.pictureShown(), qPrintable(QString::number(shownMs)));
        QTRY_VERIFY_WITH_TIMEOUT(window.pictureShown(), 120000);
        QVERIFY(!window.findChild<PictureBox *>(QStringLiteral("picDayCard"))->picture().isNull());
        qInfo("card of the day painted after %lld ms, its picture after %lld ms", shownMs, clock.elapsed());
    }

    // However long the names a deck gives, the spread keeps to the screen.
    void hugeNames_growNoWindow()
    {
        QSize sizes[2];
        for (const int length : {8, 4'000'000}) {
            ServicesRig rig;
            const QString text(length, QLatin1Char('N'));
            Reading saved{0,
                          rig.clock.now(),
                          QStringLiteral("Tutor1.vdk"),
                          text,
                          Spread::ThreeCards,
                          text.left(1000),
                          text.left(20000),
                          {}};
            for (int id : {1, 2, 3})
                saved.cards.append({id, text, id == 2, text, text});
            FrmReadings window(rig.services, journalPath(), saved);
            window.setAttribute(Qt::WA_DeleteOnClose, false);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            sizes[length > 8 ? 1 : 0] = window.size();
        }
        QCOMPARE(sizes[1], sizes[0]);
    }
};

QTEST_MAIN(TstFrmReadings)
#include "tst_frmreadings.moc"
