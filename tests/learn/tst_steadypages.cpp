// A test question or a card shown on a page of the main window repaints what
// changed on the page, not the whole window: the tabs pass a page's layout on
// only when it changes their sizes, and the test's answers keep the height
// the tallest question of the test needed.

#include "app/steadytabwidget.h"
#include "app/widgets.h"
#include "learn/testpage.h"

#include <QLabel>
#include <QPaintEvent>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>

using namespace velmora;

namespace {

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *watched) { watched->installEventFilter(this); }
    int paints = 0;
    qint64 largestArea = 0; // of a paint's region, in pixels

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            const QRect painted = static_cast<QPaintEvent *>(event)->region().boundingRect();
            largestArea = std::max(largestArea, qint64(painted.width()) * painted.height());
        }
        return QObject::eventFilter(watched, event);
    }
};

DescriptionQuestion question(const QString &caption)
{
    DescriptionQuestion asked;
    asked.cardName = QStringLiteral("The Star");
    asked.lastAnswer = kAnswerOptions - 1;
    for (int i = 0; i <= asked.lastAnswer; ++i) {
        asked.captions[std::size_t(i)] = caption;
        asked.shown[std::size_t(i)] = true;
    }
    return asked;
}

// Lets the posted layout requests and paints run.
void settle()
{
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

} // namespace

class TstSteadyPages : public QObject
{
    Q_OBJECT

private slots:
    void tabsRepaintOnlyWhatChanged();
    void answersKeepTheirHeightForTheTest();
};

void TstSteadyPages::tabsRepaintOnlyWhatChanged()
{
    // As in the main window: the tabs in a scroll area that follows their height.
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *tabs = new SteadyTabWidget;
    auto *page = new QWidget;
    auto *pageLayout = new QVBoxLayout(page);
    auto *counter = new QLabel(QStringLiteral("1 of 78"));
    auto *meaning = new QLabel(QStringLiteral("One line"));
    meaning->setWordWrap(true);
    meaning->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    pageLayout->addWidget(counter);
    pageLayout->addWidget(meaning);
    tabs->addTab(page, QStringLiteral("Test"));
    tabs->addTab(new QWidget, QStringLiteral("Other"));
    layout->addWidget(scrollingArea(&window, "area", tabs));
    window.resize(400, 120);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    settle();

    const PaintCounter tabsPaints(tabs);
    const PaintCounter counterPaints(counter);
    counter->setText(QStringLiteral("2 of 78"));
    settle();
    QVERIFY(counterPaints.paints > 0);
    // The label paints over the tabs' background, only there.
    QVERIFY2(tabsPaints.largestArea <= qint64(counter->width()) * counter->height(),
             qPrintable(QString::number(tabsPaints.largestArea)));

    // A page grown taller still grows the tabs and what scrolls them.
    const int before = tabs->height();
    meaning->setText(QStringLiteral("Line\nafter\nline\nafter\nline\nafter\nline"));
    meaning->setMinimumHeight(meaning->sizeHint().height());
    settle();
    QVERIFY2(tabs->height() > before, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(tabs->height())));
    QVERIFY(tabsPaints.largestArea > qint64(counter->width()) * counter->height());
}

void TstSteadyPages::answersKeepTheirHeightForTheTest()
{
    TestPage page;
    page.resize(700, 300);
    page.startTest(TestType::Description);
    const QString longMeaning =
        QStringLiteral("A long meaning that wraps into several lines at this width, and then some more words ") +
        QStringLiteral("so that it surely takes three or four lines beside its option, however the font falls.");
    page.showQuestion(question(longMeaning));
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    settle();
    const int width = page.width();
    const int tall = page.heightForWidth(width);
    QVERIFY(tall > page.height());

    page.showQuestion(question(QStringLiteral("Short.")));
    settle();
    QCOMPARE(page.heightForWidth(width), tall);
    // Nothing is cut off: the short answers are all shown.
    QCOMPARE(page.answerCaption(0), QStringLiteral("Short."));

    // The next test starts from its own questions.
    page.startTest(TestType::Description);
    page.showQuestion(question(QStringLiteral("Short.")));
    settle();
    QVERIFY(page.heightForWidth(width) < tall);
}

QTEST_MAIN(TstSteadyPages)
#include "tst_steadypages.moc"
