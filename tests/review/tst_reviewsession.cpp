#include "review/reviewsession.h"

#include <QtTest>

using namespace velmora::review;

namespace {

const QDateTime kStart(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);

// One facet per word, card IDs counting from 1: n new, lN a step of
// minutes due N minutes from the start, rN a review N days overdue, f a
// review due tomorrow; "=" before a word makes it another facet of the card
// before.
std::vector<SessionItem> itemsOf(const QString &text)
{
    std::vector<SessionItem> items;
    int card = 0;
    for (QString word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool sibling = word.startsWith(QLatin1Char('='));
        if (sibling)
            word.remove(0, 1);
        else
            ++card;
        SessionItem item{card, sibling ? Facet::Upright : Facet::Keywords, {}};
        MemoryState &state = item.state;
        const int number = word.mid(1).toInt();
        if (word[0] != QLatin1Char('n')) {
            state.phase = word[0] == QLatin1Char('l') ? Phase::Learning : Phase::Review;
            state.stability = word[0] == QLatin1Char('l') ? 1.0 : 5.0;
            state.difficulty = 5.0;
            state.reps = 1;
            state.lastReview = kStart.addDays(-10);
            state.scheduledDays = word[0] == QLatin1Char('l') ? 0 : 5;
            state.due = word[0] == QLatin1Char('l')   ? kStart.addSecs(60 * number)
                        : word[0] == QLatin1Char('r') ? kStart.addDays(-number)
                                                      : kStart.addDays(1);
        }
        items.push_back(item);
    }
    return items;
}

} // namespace

class TstReviewSession : public QObject
{
    Q_OBJECT

private slots:
    void intervalText_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::addRow("under a minute") << qint64(20) << "1 min";
        QTest::addRow("minutes") << qint64(600) << "10 min";
        QTest::addRow("just under an hour") << qint64(3590) << "1 h";
        QTest::addRow("hours") << qint64(5 * 3600) << "5 h";
        QTest::addRow("days") << qint64(3 * 86400) << "3 d";
        QTest::addRow("whole months") << qint64(60 * 86400) << "2 mo";
        QTest::addRow("part months") << qint64(45 * 86400) << "1.5 mo";
        QTest::addRow("years") << qint64(400 * 86400) << "1.1 y";
    }

    void intervalText()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(velmora::review::intervalText(seconds), text);
    }

    // Each step of the script: s reveals, 1-4 grade, u undoes, +N lets N
    // seconds pass, -N sets the clock back by N. The trace holds the card asked after each step (* with
    // its answer showing, - for the end), then reviewed/again/seconds.
    void session_data()
    {
        QTest::addColumn<QString>("items");
        QTest::addColumn<int>("newCap");
        QTest::addColumn<int>("reviewCap");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("trace");
        QTest::addRow("steps due, then reviews oldest first, then new ones up to the cap")
            << "n n r1 f r5 l0" << 1 << 200 << "s4s4s4s4"
            << "6 6* 5 5* 3 3* 1 1* - 4/0/0";
        QTest::addRow("the review cap leaves the rest for tomorrow") << "r1 r2 r3" << 10 << 2 << "s3s3"
                                                                     << "3 3* 2 2* - 2/0/0";
        QTest::addRow("a grade waits for the answer") << "n" << 10 << 200 << "3s"
                                                      << "1 1 1* 0/0/0";
        QTest::addRow("a step of minutes comes back within the session") << "n r2" << 10 << 200 << "s1+30s3"
                                                                         << "2 2* 1 1* 2 2/1/30";
        QTest::addRow("a step further off than the session looks ahead ends it") << "l30" << 10 << 200 << ""
                                                                                 << "- 0/0/0";
        QTest::addRow("undo asks the same facet again and takes back its counts") << "r2 r1" << 10 << 200 << "s1+60us3"
                                                                                  << "1 1* 2 1 1* 2 1/0/60";
        QTest::addRow("undo after the end asks the last facet again") << "r1" << 10 << 200 << "s4uu"
                                                                      << "1 1* - 1 1 0/0/0";
        QTest::addRow("undo frees the new-facet cap it used") << "n n" << 1 << 200 << "s4u"
                                                              << "1 1* - 1 0/0/0";
        QTest::addRow("a card's other facets wait for the next day, until the grade is undone")
            << "r1 =r2 r3" << 10 << 200 << "s3s3us3"
            << "2 2* 1 1* - 1 1* - 2/0/0";
        QTest::addRow("a grade timed before the facet's last review is refused")
            << "r1" << 10 << 200 << "s-1000000s3+1000000s3"
            << "1 1* 1* 1* 1* - 1/0/0";
    }

    void session()
    {
        QFETCH(QString, items);
        QFETCH(int, newCap);
        QFETCH(int, reviewCap);
        QFETCH(QString, script);
        QFETCH(QString, trace);
        ReviewSession session(Fsrs(), itemsOf(items), DailyLimits{newCap, reviewCap}, DayCount{}, kStart);
        QDateTime now = kStart;
        QStringList seen;
        const auto note = [&] {
            const SessionItem *item = session.current();
            seen << (item ? QString::number(item->cardId) + (session.revealed() ? "*" : "") : QStringLiteral("-"));
        };
        note();
        for (int i = 0; i < script.size(); ++i) {
            const QChar step = script[i];
            if (step == QLatin1Char('+') || step == QLatin1Char('-')) {
                int end = i + 1;
                while (end < script.size() && script[end].isDigit())
                    ++end;
                const int seconds = script.mid(i + 1, end - i - 1).toInt();
                now = now.addSecs(step == QLatin1Char('+') ? seconds : -seconds);
                i = end - 1;
                continue;
            }
            if (step == QLatin1Char('s'))
                session.reveal();
            else if (step == QLatin1Char('u'))
                session.undo();
            else
                (void)session.grade(Grade(step.digitValue()), now);
            note();
        }
        const SessionSummary summary = session.summary();
        seen << QStringLiteral("%1/%2/%3").arg(summary.reviewed).arg(summary.again).arg(summary.seconds);
        QCOMPARE(seen.join(QLatin1Char(' ')), trace);
    }

    void newFacetLabels_followTheSteps()
    {
        ReviewSession session(Fsrs(), itemsOf(QStringLiteral("n")), DailyLimits{}, DayCount{}, kStart);
        QStringList labels;
        for (const Grade grade : {Grade::Again, Grade::Hard, Grade::Good, Grade::Easy})
            labels << session.intervalLabel(grade, kStart);
        QCOMPARE(labels.join(QLatin1Char('|')), QStringLiteral("1 min|6 min|10 min|8 d"));
    }
};

QTEST_GUILESS_MAIN(TstReviewSession)
#include "tst_reviewsession.moc"
