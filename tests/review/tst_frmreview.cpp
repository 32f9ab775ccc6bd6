#include "../design/designhome.h"
#include "progress/history.h"
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

private:
    DeckHome home_;
};

QTEST_MAIN(TstFrmReview)
#include "tst_frmreview.moc"
