// Every text colour the program picks itself, on the desktop's light and dark
// palettes, measured by WCAG 2 contrast.

#include "progress/frmprogress.h"
#include "servicesrig.h"

#include "app/readablecolour.h"
#include "design/cardpage.h"
#include "design/frmdeckdesign.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegend>
#include <QTreeWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

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

        QList<std::tuple<QString, QColor, QColor>> pairs;
        for (QWidget *window :
             {static_cast<QWidget *>(&progressWindow), static_cast<QWidget *>(&cards), static_cast<QWidget *>(&card)})
            window->setPalette(palette);
        QChart *chart = progressWindow.findChild<QChartView *>(QStringLiteral("chartScores"))->chart();
        const QColor chartBackground = chart->backgroundBrush().color();
        QCOMPARE(chartBackground.lightnessF() < 0.5, palette.color(QPalette::Base).lightnessF() < 0.5);
        pairs.append({"chart title", chart->titleBrush().color(), chartBackground});
        pairs.append({"legend", chart->legend()->labelColor(), chartBackground});
        QCOMPARE(chart->axes().size(), 2);
        for (QAbstractAxis *axis : chart->axes()) {
            pairs.append({"axis labels", axis->labelsColor(), chartBackground});
            pairs.append({"axis title", axis->titleBrush().color(), chartBackground});
        }
        for (int i = 0; i < 2; ++i)
            pairs.append({cards.lstPictures->topLevelItem(i)->text(0),
                          cards.lstPictures->topLevelItem(i)->foreground(0).color(),
                          cards.lstPictures->palette().color(QPalette::Base)});
        const QLabel *status = card.findChild<QLabel *>(QStringLiteral("lblSaveStatus"));
        pairs.append(
            {"save status", status->palette().color(QPalette::WindowText), card.palette().color(QPalette::Window)});
        for (const auto &[what, text, background] : pairs)
            QVERIFY2(contrastRatio(text, background) >= kTextContrast,
                     qPrintable(QStringLiteral("%1: %2 on %3").arg(what, text.name(), background.name())));
        // The marks keep their meaning: green for stored, red for missing.
        QVERIFY(cards.lstPictures->topLevelItem(0)->foreground(0).color().hslHue() / 60 == 2);
        QVERIFY(cards.lstPictures->topLevelItem(1)->foreground(0).color().hslHue() < 10);
    }
};

QTEST_MAIN(TstReadableColour)
#include "tst_readablecolour.moc"
