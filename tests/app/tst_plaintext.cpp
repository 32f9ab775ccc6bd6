// Names and paths from files and users are shown as written in every window
// that shows them: Qt takes text that looks like markup for rich text, in
// labels, tooltips and chart legends alike, and rich text loads the pictures
// it names.

#include "../decks/deckhome.h"
#include "filebytes.h"
#include "progress/frmprogress.h"
#include "progress/history.h"
#include "servicesrig.h"
#include "windowprobe.h"

#include "decks/frmdeck.h"
#include "design/frmdeckdesign.h"
#include "design/frmloadpictures.h"
#include "exchange/frmimportexportdeck.h"

#include <QFileSystemModel>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextDocument>
#include <QTreeWidget>

using namespace velmora;
using namespace velmora::test;

namespace {

// Each text the window holds, by the name of the widget that holds it, with
// what Qt shows for it.
QList<std::tuple<QString, QString, QString>> shownTexts(QWidget *window)
{
    QList<std::tuple<QString, QString, QString>> texts;
    const auto add = [&](const QWidget *by, const QString &text, bool rich) {
        QTextDocument document;
        if (rich)
            document.setHtml(text);
        texts.append({by->objectName(), text, rich ? document.toPlainText() : text});
    };
    const auto addModel = [&](const QWidget *by, const QAbstractItemModel *model) {
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                add(by, index.data().toString(), false);
                add(by, index.data(Qt::ToolTipRole).toString(),
                    Qt::mightBeRichText(index.data(Qt::ToolTipRole).toString()));
            }
        }
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        add(widget, widget->toolTip(), Qt::mightBeRichText(widget->toolTip()));
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            // A plain label's line breaks are the window's wrapping of a name.
            const bool rich = label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text());
            add(label, rich ? label->text() : QString(label->text()).remove(QLatin1Char('\n')), rich);
        }
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            add(line, line->text(), false);
        if (auto *combo = qobject_cast<QComboBox *>(widget))
            addModel(combo, combo->model());
        auto *view = qobject_cast<QAbstractItemView *>(widget);
        if (view && view->model() && !qobject_cast<QFileSystemModel *>(view->model()))
            addModel(view, view->model());
        if (auto *chart = qobject_cast<QGraphicsView *>(widget)) {
            for (QGraphicsItem *item : chart->scene()->items()) {
                if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item))
                    texts.append({chart->objectName(), text->toHtml(), text->toPlainText()});
            }
        }
    }
    return texts;
}

} // namespace

class TstPlainText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void hostileNames_showAsWritten_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("shownBy");
        const QList<std::pair<const char *, QStringList>> places{
            {"deck manager", {"lstDeckNames", "txtDeckName"}},
            {"card editor", {"lblDeckName"}},
            {"picture loader", {"lstSelectedPictures"}},
            {"import", {"File1"}},
            {"main window", {"cboTutors", "ListView1", "txtGoalName"}},
            {"progress", {"cboProgressDeck", "tblMissed", "chartScores"}},
        };
        for (const auto &[place, shownBy] : places) {
            for (const char *name : {"<img src=\"/dev/zero\">", "<font size=7 color=red>WARNING</font>"})
                QTest::addRow("%s, %.4s", place, name)
                    << QString::fromLatin1(place) << QString::fromLatin1(name) << shownBy;
        }
    }

    void hostileNames_showAsWritten()
    {
        QFETCH(QString, place);
        QFETCH(QString, name);
        QFETCH(QStringList, shownBy);
        DeckHome home;
        QVERIFY(home.make() && DeckHome::addDeck(QStringLiteral("Tutor1.vdk"), name, 3, {}, {}, true));
        ServicesRig rig;
        QTemporaryDir outside;
        // A file name holds no "/", and a goals file no double quote.
        const QStringList names{name, QString(name).replace(u'/', u'\\'), QString(name).replace(u'"', u'\'')};
        Deck deck;
        std::unique_ptr<QWidget> window;
        if (place == QLatin1String("deck manager")) {
            window = std::make_unique<FrmDeck>(rig.services, nullptr, [](auto &, auto &) { return true; });
            static_cast<FrmDeck *>(window.get())->Form_Load();
            QTest::keyClick(control(window.get(), QStringLiteral("lstDeckNames")), Qt::Key_Down);
        } else if (place == QLatin1String("card editor")) {
            window =
                std::make_unique<FrmDeckDesign>(rig.services, DeckHandOff{"Tutor1.vdk", name, 3}, QVector<bool>(3));
        } else if (place == QLatin1String("picture loader")) {
            QVERIFY(deck.open(paths::deckDatabase(QStringLiteral("Tutor1.vdk")), Access::ReadWrite));
            auto *loader = new FrmLoadPictures(rig.services, deck);
            window.reset(loader);
            QVERIFY(QDir().mkpath(outside.filePath(name)) && writeFile(outside.filePath(name + "/a.jpg"), "x"));
            loader->showFolder(outside.filePath(name));
            loader->cmdAddPictures->click();
        } else if (place == QLatin1String("import")) {
            window = std::make_unique<FrmImportExportDeck>(rig.services, ExchangeOpener::DeckManagerImport);
            QVERIFY(writeFile(outside.filePath(names[1]), "x"));
            qobject_cast<FolderChoice *>(control(window.get(), QStringLiteral("Dir1"))->parentWidget())
                ->setFolder(outside.path());
        } else if (place == QLatin1String("main window")) {
            QVERIFY(writeFile(paths::programFolder() + QStringLiteral("/goals.txt"),
                              '"' + names[2].toUtf8() + "\",#2009-03-01#,#2009-04-15#,\"\",#FALSE#,40\r\n"));
            window = std::make_unique<FrmMain>(rig.services);
            QVERIFY(static_cast<FrmMain *>(window.get())->load() == Opening::Show);
        } else {
            progress::HistoryFile history;
            QVERIFY(history.open(outside.filePath(QStringLiteral("history.db"))) &&
                    history.record({rig.clock.now(), "Tutor1.vdk", name, {}, 0, {0}, {{1, name, false, 0, 3}}}));
            window = std::make_unique<progress::FrmProgress>(rig.services, outside.filePath("history.db"));
            static_cast<progress::FrmProgress *>(window.get())->reload();
        }
        window->resize(1000, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));

        QSet<QString> reached;
        for (const auto &[by, raw, seen] : shownTexts(window.get())) {
            if (!raw.contains(name.mid(1, 7)))
                continue;
            // The name whole, or its start cut short with an ellipsis.
            const QString start = seen.left(seen.indexOf(QChar(0x2026)));
            QVERIFY2(std::any_of(names.begin(), names.end(),
                                 [&](const QString &each) {
                                     return seen.contains(each) || (!start.isEmpty() && each.startsWith(start));
                                 }),
                     qPrintable(by + QStringLiteral(" shows ") + seen));
            reached.insert(by);
        }
        for (const QString &by : shownBy)
            QVERIFY2(reached.contains(by), qPrintable(by));
        QCOMPARE(rig.prompter.records().size(), 0);
    }
};

QTEST_MAIN(TstPlainText)
#include "tst_plaintext.moc"
