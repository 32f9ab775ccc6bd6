// Every text colour the program picks itself, on the desktop's light and dark
// palettes, measured by WCAG 2 contrast.

#include "progress/frmprogress.h"
#include "servicesrig.h"

#include "app/linklabel.h"
#include "app/readablecolour.h"
#include "design/cardpage.h"
#include "design/frmdeckdesign.h"
#include "exchange/frmexportmessage.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegend>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

using Pair = std::tuple<QString, QColor, QColor>; // what, text colour, background

class TstReadableColour : public QObject
{
    Q_OBJECT

private slots:
    void textColours_reachTheContrastTextNeeds_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addRow("light") << QPalette(QColor(239, 239, 239));
        // Base darker than the window, as dark desktop themes have it.
        QPalette dark(QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(238, 238, 238));
        dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
        QTest::addRow("dark") << dark;
    }
    void textColours_reachTheContrastTextNeeds()
    {
        QFETCH(QPalette, palette);
        QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white)), 21);
        QCOMPARE(qRound(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) * 100), 454);

        ServicesRig rig;
        {
            progress::HistoryFile history;
            QVERIFY(history.open(rig.folder.filePath(QStringLiteral("history.db"))));
            QVERIFY(history.record({rig.clock.now().addDays(-1),
                                    QStringLiteral("Tutor1.vdk"),
                                    QStringLiteral("Classic"),
                                    progress::TestKind::Keywords,
                                    0,
                                    {0},
                                    {{1, QStringLiteral("The Fool"), false, 1, 3}}}));
        }
        progress::FrmProgress progressWindow(rig.services, rig.folder.filePath(QStringLiteral("history.db")));
        progressWindow.reload();
        CardListPage cards;
        cards.showCards({true, false});
        CardPage card;
        card.showSaveStatus(QStringLiteral("Card 1 is not saved"));

        LinkLabel link(QStringLiteral("Click here"));
        FrmExportMessage message;
        for (QWidget *window : std::initializer_list<QWidget *>{&progressWindow, &cards, &card, &link, &message})
            window->setPalette(palette);
        message.setExport(QStringLiteral("Tutor7.vdk"), QStringLiteral("/home/u/Tutor7.vdk"));
        QChart *chart = progressWindow.findChild<QChartView *>(QStringLiteral("chartScores"))->chart();
        const QColor chartBack = chart->backgroundBrush().color();
        QCOMPARE(chartBack.lightnessF() < 0.5, palette.color(QPalette::Base).lightnessF() < 0.5);
        QList<Pair> pairs{{"title", chart->titleBrush().color(), chartBack},
                          {"legend", chart->legend()->labelColor(), chartBack}};
        QCOMPARE(chart->axes().size(), 2);
        for (QAbstractAxis *axis : chart->axes())
            pairs << Pair("axis", axis->labelsColor(), chartBack)
                  << Pair("axis title", axis->titleBrush().color(), chartBack);
        for (QTreeWidgetItem *item : {cards.lstPictures->topLevelItem(0), cards.lstPictures->topLevelItem(1)})
            pairs << Pair(item->text(0), item->foreground(0).color(), palette.color(QPalette::Base));
        pairs << Pair("save status", card.findChild<QLabel *>("lblSaveStatus")->palette().color(QPalette::WindowText),
                      palette.color(QPalette::Window));
        pairs << Pair("link", link.findChild<QLabel *>()->palette().color(QPalette::WindowText),
                      palette.color(QPalette::Window));
        int anchors = 0;
        for (QTextBlock block = message.findChild<QTextBrowser *>()->document()->begin(); block.isValid();
             block = block.next())
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
                if (fragment.fragment().charFormat().isAnchor()) {
                    pairs << Pair("export link", fragment.fragment().charFormat().foreground().color(),
                                  palette.color(QPalette::Base));
                    ++anchors;
                }
        QVERIFY(anchors > 0);
        for (const auto &[what, text, background] : pairs)
            QVERIFY2(contrastRatio(text, background) >= kTextContrast,
                     qPrintable(QStringLiteral("%1: %2 on %3").arg(what, text.name(), background.name())));
    }
};

QTEST_MAIN(TstReadableColour)
#include "tst_readablecolour.moc"
