#include "../design/designhome.h"
#include "announcements.h"
#include "progress/history.h"
#include "store/personalmeanings.h"
#include "review/frmreview.h"
#include "servicesrig.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace velmora;
using namespace velmora::review;
using namespace velmora::test;

class TstFrmReview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(home_.make() && makeDesignDeck(QStringLiteral("Tutor1.vdk"), {plainCard(1), plainCard(2)}));
    }

    // Space, 1-4 and Ctrl+Z as a learner presses them: each grade kept, the
    // one taken back gone, the earlier state of its facet back.
    void shortSessionByKeys_storesTheGradesKept()
    {
        ServicesRig rig;
        const QString historyPath = rig.folder.filePath(QStringLiteral("history.db"));
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase(QStringLiteral("Tutor1.vdk"))));
        FrmReview window(
            rig.services,
            ReviewRequest{
                deck.path(), QStringLiteral("Design"), deck.cards().value_or(QVector<Card>()), false, {}, historyPath});
        window.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY(window.start());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const auto press = [](QKeySequence keys) { QTest::keySequence(QApplication::focusWidget(), keys); };
        Announcements told;

        press(QKeySequence(Qt::Key_Space));
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblReviewCardName"))->text(), QStringLiteral("Card 1"));
        QVERIFY(
            window.findChild<QPlainTextEdit *>(QStringLiteral("txtAnswer"))->toPlainText().startsWith("k1-1, k1-2"));
        QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("cmdGradeGood"))->text(),
                 QStringLiteral("&3 Good\n10 min"));
        press(QKeySequence(Qt::Key_3));
        // The other card's keywords before this card's meaning.
        QCOMPARE(window.session()->current()->cardId, 2);
        press(QKeySequence(Qt::Key_Space));
        press(QKeySequence(Qt::Key_1));
        // Both meanings wait for the next day: the step of card 2's lapse is asked ahead of its time.
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblQuestion"))->text(), QStringLiteral("Keywords?"));
        QCOMPARE(window.session()->current()->cardId, 2);
        press(QKeySequence::Undo);
        QCOMPARE(window.session()->current()->cardId, 2);
        QVERIFY(!window.session()->revealed());
        press(QKeySequence(Qt::Key_Space));
        press(QKeySequence(Qt::Key_4));
        // Both cards' meanings wait for the next day; card 1's keyword step is asked ahead of its time.
        press(QKeySequence(Qt::Key_Space));
        QVERIFY(
            window.findChild<QPlainTextEdit *>(QStringLiteral("txtAnswer"))->toPlainText().startsWith("k1-1, k1-2"));
        // Each answer shown is told, though the focus is on the grade buttons.
        QCOMPARE(told.by(QStringLiteral("txtAnswer")).size(), 4);
        QVERIFY(told.by(QStringLiteral("txtAnswer")).first().startsWith(QStringLiteral("k1-1, k1-2")));
        QVERIFY(told.by(QStringLiteral("txtAnswer")).last().startsWith(QStringLiteral("k1-1, k1-2")));
        press(QKeySequence(Qt::Key_Escape));
        QVERIFY(!window.isVisible());

        progress::HistoryFile history;
        QVERIFY(history.open(historyPath));
        const QVector<progress::FacetState> states = history.facetStates(QStringLiteral("Tutor1.vdk")).value();
        QMap<int, Phase> phases;
        for (const progress::FacetState &state : states) {
            QCOMPARE(state.facet, Facet::Keywords);
            phases.insert(state.cardId, state.state.phase);
        }
        QCOMPARE(phases, (QMap<int, Phase>{{1, Phase::Learning}, {2, Phase::Review}}));
        QCOMPARE(history.reviewsSince(QStringLiteral("Tutor1.vdk"), QDateTime()).value().newFacets, 2);
    }

    // Shown with the deck's answer, or asked for when the learner chose so;
    // a card without one is asked as before.
    void ownMeanings_shownWithTheAnswer_askedWhenChosen()
    {
        for (const bool ask : {false, true}) {
            ServicesRig rig;
            const QString historyPath = rig.folder.filePath(QStringLiteral("history.db"));
            {
                progress::PersonalMeanings own;
                QVERIFY(own.open(historyPath) && own.save(QStringLiteral("Design"), QStringLiteral("Card 1"),
                                                          {QStringLiteral("mine"), {}}, rig.clock.now()));
            }
            Deck deck;
            QVERIFY(deck.open(paths::deckDatabase(QStringLiteral("Tutor1.vdk"))));
            // A card's meaning asked right after its keywords.
            ReviewSettings sideBySide;
            sideBySide.holdSiblings = false;
            FrmReview window(rig.services, ReviewRequest{deck.path(), QStringLiteral("Design"),
                                                         deck.cards().value_or(QVector<Card>()), false, sideBySide,
                                                         historyPath, ask});
            window.setAttribute(Qt::WA_DeleteOnClose, false);
            QVERIFY(window.start());
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            const auto press = [](QKeySequence keys) { QTest::keySequence(QApplication::focusWidget(), keys); };
            for (const Qt::Key key : {Qt::Key_Space, Qt::Key_3, Qt::Key_Space, Qt::Key_4})
                press(QKeySequence(key));
            const auto *question = window.findChild<QLabel *>(QStringLiteral("lblQuestion"));
            const auto *answer = window.findChild<QPlainTextEdit *>(QStringLiteral("txtAnswer"));
            QCOMPARE(question->text(), ask ? QStringLiteral("Your own meaning?") : QStringLiteral("Meaning?"));
            press(QKeySequence(Qt::Key_Space));
            QCOMPARE(answer->toPlainText(),
                     ask ? QStringLiteral("My own meaning:\nmine\n\nThe deck's meaning:\nnormal 1")
                         : QStringLiteral("normal 1\n\nMy own meaning:\nmine"));
            press(QKeySequence(Qt::Key_3));
            QCOMPARE(question->text(), QStringLiteral("Meaning?"));
            press(QKeySequence(Qt::Key_Space));
            QCOMPARE(answer->toPlainText(), QStringLiteral("normal 2"));
            window.close();
        }
    }

private:
    DeckHome home_;
};

QTEST_MAIN(TstFrmReview)
#include "tst_frmreview.moc"
