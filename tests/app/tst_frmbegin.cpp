#include "servicesrig.h"
#include "testhome.h"
#include "urlcatcher.h"
#include "windowprobe.h"

#include "app/frmbegin.h"
#include "app/linklabel.h"
#include "app/shell.h"
#include "app/vendorlinks.h"
#include "app/wrappedlabel.h"

#include <QDialog>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace velmora;
using namespace velmora::test;

namespace {

struct Rig : ServicesRig
{
    TestHome home;
};

template <typename T>
T *child(QWidget &parent, const char *name)
{
    return control<T>(&parent, QLatin1String(name));
}

using LabelChange = std::function<void(QLabel &)>;

} // namespace

Q_DECLARE_METATYPE(LabelChange)

class TestFrmBegin : public QObject
{
    Q_OBJECT

    int ends_ = 0;

private slots:
    void initTestCase()
    {
        setProcessEnder([this] { ++ends_; });
    }
    void init() { ends_ = 0; }

    // Each of the three working areas is reachable only once its window can be
    // made.
    void buttons_disabledUntilTheirWindowExists_linksOpenTheirPages()
    {
        Rig rig;
        FrmBegin begin(rig.services);
        QVERIFY(!begin.windowIcon().isNull() && begin.windowTitle() == QLatin1String("Velmora v1.70"));
        for (const char *name : {"cmdDeck", "cmdTarot", "cmdImport"})
            QVERIFY(!child<QPushButton>(begin, name)->isEnabled());
        QVERIFY(child<QPushButton>(begin, "cmdExit")->isEnabled());
        begin.setWindowFactory(FrmBegin::Destination::MainWindow, [](FrmBegin &) { return new QWidget; });
        QVERIFY(child<QPushButton>(begin, "cmdTarot")->isEnabled());
        QVERIFY(!child<QPushButton>(begin, "cmdDeck")->isEnabled());

        // The links open their pages on a left click only.
        begin.show();
        const QList<std::pair<const char *, VendorPage>> links = {{"Label1", VendorPage::OtherDecks},
                                                                  {"Label61", VendorPage::HomePage},
                                                                  {"lblCobrand", VendorPage::CoBrand},
                                                                  {"lblFullBrand", VendorPage::FullyBranded}};
        for (const auto &[name, page] : links) {
            UrlCatcher catcher;
            auto *label = child<LinkLabel>(begin, name);
            QTest::mouseClick(label, Qt::RightButton);
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(catcher.urls, QList<QUrl>{vendorPageUrl(page)});
        }
        QVERIFY(begin.isVisible());
    }

    // A link remembers its heights per width; new text or a new font must
    // give new heights, or the layout clips the text.
    void link_heightFollowsTextAndFont()
    {
        QWidget window;
        auto *link = new LinkLabel(QStringLiteral("one short line"), &window);
        const auto height = [link] { return link->layout()->itemAt(0)->widget()->heightForWidth(120); };
        const int oneLine = height();
        QCOMPARE(height(), oneLine);
        link->setText(QStringLiteral("a much longer text that cannot fit on one line of a narrow column"));
        const int wrapped = height();
        QVERIFY(wrapped > oneLine);
        QFont large = link->font();
        large.setPointSizeF(large.pointSizeF() * 2);
        link->setFont(large);
        QVERIFY(height() > wrapped);
    }

    // A wrapped label measures its text with the shaping it keeps, and must
    // come to every size a QLabel gives the same text; what it leaves to
    // QLabel (tabs, a buddy's mnemonic, selectable or rich text, no wrapping)
    // too.
    void wrappedLabel_measured_asAQLabelMeasures_data()
    {
        using Change = LabelChange;
        QTest::addColumn<Change>("change");
        const QString sentence =
            QStringLiteral("Talk tarot with other learners and deck designers: click here to visit "
                           "our online discussion forum.");
        const auto text = [](const QString &t) { return Change([t](QLabel &l) { l.setText(t); }); };
        const auto sentenceAnd = [sentence](const Change &also) {
            return Change([sentence, also](QLabel &l) {
                l.setText(sentence);
                also(l);
            });
        };
        QTest::addRow("empty") << text(QString());
        QTest::addRow("one word") << text(QStringLiteral("Exit"));
        QTest::addRow("sentence") << text(sentence);
        QTest::addRow("a few words") << text(QStringLiteral("Learn The Cards & Take Tarot Test"));
        QTest::addRow("word longer than any width")
            << text(QStringLiteral("Kartenlegekunstlehrgangsteilnehmerinnenverzeichnis und mehr"));
        QTest::addRow("line breaks") << text(QStringLiteral("first line\nsecond line\r\nthird\n\n"));
        QTest::addRow("ampersands") << text(QStringLiteral("Design && use your own meaning & keywords"));
        QTest::addRow("right to left") << text(QStringLiteral("שלום עולם, זהו טקסט ארוך מספיק כדי לעבור לשורה הבאה"));
        QTest::addRow("spaces only") << text(QStringLiteral("   "));
        QTest::addRow("trailing spaces") << text(QStringLiteral("ends in spaces      "));
        QTest::addRow("margin") << sentenceAnd([](QLabel &l) { l.setMargin(9); });
        QTest::addRow("indent") << sentenceAnd([](QLabel &l) { l.setIndent(30); });
        QTest::addRow("frame, no indent")
            << sentenceAnd([](QLabel &l) { l.setFrameStyle(QFrame::Box | QFrame::Plain); });
        QTest::addRow("frame and margin") << sentenceAnd([](QLabel &l) {
            l.setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l.setMargin(2);
        });
        QTest::addRow("contents margins") << sentenceAnd([](QLabel &l) { l.setContentsMargins(3, 5, 7, 11); });
        QTest::addRow("minimum width") << sentenceAnd([](QLabel &l) { l.setMinimumWidth(150); });
        QTest::addRow("minimum height") << sentenceAnd([](QLabel &l) { l.setMinimumHeight(90); });
        QTest::addRow("maximum width") << sentenceAnd([](QLabel &l) { l.setMaximumWidth(200); });
        QTest::addRow("right, bottom, indent") << sentenceAnd([](QLabel &l) {
            l.setAlignment(Qt::AlignRight | Qt::AlignBottom);
            l.setIndent(12);
        });
        QTest::addRow("centred") << sentenceAnd([](QLabel &l) { l.setAlignment(Qt::AlignCenter); });
        QTest::addRow("large bold underlined") << sentenceAnd([](QLabel &l) {
            QFont large = l.font();
            large.setPointSizeF(large.pointSizeF() * 1.8);
            large.setBold(true);
            large.setUnderline(true);
            l.setFont(large);
        });
        QTest::addRow("tab") << text(QStringLiteral("Name:\tThe Fool, a card of beginnings and of trust"));
        QTest::addRow("buddy") << sentenceAnd([](QLabel &l) {
            l.setText(QStringLiteral("&Keywords of the card as they are shown"));
            l.setBuddy(l.parentWidget());
        });
        QTest::addRow("selectable") << sentenceAnd(
            [](QLabel &l) { l.setTextInteractionFlags(Qt::TextSelectableByMouse); });
        QTest::addRow("rich text") << sentenceAnd([](QLabel &l) {
            l.setTextFormat(Qt::RichText);
            l.setText(QStringLiteral("<b>Talk tarot</b> with other learners and deck designers"));
        });
        QTest::addRow("not wrapped") << sentenceAnd([](QLabel &l) { l.setWordWrap(false); });
    }
    void wrappedLabel_measured_asAQLabelMeasures()
    {
        using Change = LabelChange;
        QFETCH(Change, change);
        QWidget parent;
        auto *wrapped = new WrappedLabel(QString(), &parent);
        auto *plain = new QLabel(&parent);
        plain->setWordWrap(true);
        plain->setTextFormat(Qt::PlainText);
        change(*wrapped);
        change(*plain);
        QCOMPARE(wrapped->sizeHint(), plain->sizeHint());
        QCOMPARE(wrapped->minimumSizeHint(), plain->minimumSizeHint());
        for (int width : {0, 1, 17, 40, 73, 120, 211, 300, 640, 2000, QWIDGETSIZE_MAX})
            QVERIFY2(wrapped->heightForWidth(width) == plain->heightForWidth(width),
                     qPrintable(QStringLiteral("at %1 wide: %2 against %3")
                                    .arg(width)
                                    .arg(wrapped->heightForWidth(width))
                                    .arg(plain->heightForWidth(width))));
    }

    // A wrapped label is changed through QLabel's own setters, which tell it
    // nothing: what it measured and kept must still be what a QLabel gives.
    void wrappedLabel_changedAsAQLabel_keepsQLabelsSizes()
    {
        WrappedLabel wrapped;
        QLabel plain;
        plain.setWordWrap(true);
        plain.setTextFormat(Qt::PlainText);
        const auto sameSizes = [&] {
            if (wrapped.sizeHint() != plain.sizeHint() || wrapped.minimumSizeHint() != plain.minimumSizeHint())
                return false;
            for (int width : {40, 120, 300})
                if (wrapped.heightForWidth(width) != plain.heightForWidth(width))
                    return false;
            return true;
        };
        const QList<std::function<void(QLabel &)>> changes = {
            [](QLabel &l) { l.setText(QStringLiteral("a much longer text that cannot fit on one line of a column")); },
            [](QLabel &l) { l.setMargin(9); },
            [](QLabel &l) { l.setIndent(30); },
            [](QLabel &l) { l.setContentsMargins(4, 4, 4, 4); },
            [](QLabel &l) { l.setAlignment(Qt::AlignRight | Qt::AlignBottom); },
            [](QLabel &l) { l.setText(QStringLiteral("short")); },
            [](QLabel &l) {
                QFont large = l.font();
                large.setPointSizeF(large.pointSizeF() * 2);
                l.setFont(large);
            },
            [](QLabel &l) { l.setText(QStringLiteral("a text\twith a tab that QLabel lays out itself")); },
            [](QLabel &l) { l.setText(QStringLiteral("and back to a plain text that wraps at the width")); },
        };
        QVERIFY(sameSizes());
        for (qsizetype i = 0; i < changes.size(); ++i) {
            changes[i](static_cast<QLabel &>(wrapped));
            changes[i](plain);
            QVERIFY2(sameSizes(), qPrintable(QStringLiteral("after change %1").arg(i)));
        }
    }

    // Either way round, on a dark palette and at the window's smallest size,
    // every link of the start screen gets the height its wrapped text needs.
    void links_atSmallestSize_notClipped_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addRow("left to right") << Qt::LeftToRight;
        QTest::addRow("right to left") << Qt::RightToLeft;
    }
    void links_atSmallestSize_notClipped()
    {
        QFETCH(Qt::LayoutDirection, direction);
        Rig rig;
        const Qt::LayoutDirection before = QGuiApplication::layoutDirection();
        QGuiApplication::setLayoutDirection(direction);
        QPalette dark(QColor(53, 53, 53));
        dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
        FrmBegin begin(rig.services);
        begin.setAttribute(Qt::WA_DeleteOnClose, false);
        begin.setPalette(dark);
        begin.resize(begin.minimumSize());
        begin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&begin));
        const QList<LinkLabel *> links = begin.findChildren<LinkLabel *>();
        QCOMPARE(links.size(), 4);
        for (LinkLabel *link : links) {
            QWidget *text = link->layout()->itemAt(0)->widget();
            QVERIFY2(text->height() >= text->heightForWidth(text->width()),
                     qPrintable(QStringLiteral("%1: %2 high, %3 needed at %4 wide")
                                    .arg(link->objectName())
                                    .arg(text->height())
                                    .arg(text->heightForWidth(text->width()))
                                    .arg(text->width())));
            QVERIFY(begin.rect().contains(QRect(text->mapTo(&begin, QPoint()), text->size())));
        }
        QGuiApplication::setLayoutDirection(before);
    }

    void load_missingFolder_tellsAndEnds()
    {
        Rig rig;
        QVERIFY(rig.home.makeRequiredData());
        QVERIFY(QDir(rig.home.filePath(QStringLiteral("temp"))).removeRecursively());
        auto *begin = new FrmBegin(rig.services);
        const QPointer<FrmBegin> guard(begin);
        begin->show();

        QVERIFY(!begin->Form_Load());

        QCOMPARE(rig.prompter.messages().size(), 1);
        const Prompt prompt = rig.prompter.messages().first();
        QCOMPARE(prompt.text, QStringLiteral("Required files are missing\rPlease Reinstall Software"));
        QVERIFY(prompt.icon == PromptIcon::Information && prompt.buttons == PromptButtons::Ok &&
                prompt.title == QStringLiteral("Velmora"));
        QCOMPARE(ends_, 1);
        QTRY_VERIFY_WITH_TIMEOUT(guard.isNull(), 60000);
    }

    // Back from the deck manager, the start screen is the same window, comes
    // back where it was (the window system may place a window anew when it is
    // shown again, unless the program names the place) and does not check the
    // data again.
    void deckManager_opensModelessAndHidesTheStartScreen()
    {
        Rig rig;
        QVERIFY(rig.home.makeRequiredData());
        FrmBegin begin(rig.services);
        QVERIFY(begin.Form_Load());
        QPointer<QWidget> manager;
        FrmBegin *handedOver = nullptr;
        begin.setWindowFactory(FrmBegin::Destination::DeckManager, [&](FrmBegin &from) {
            handedOver = &from;
            manager = new QWidget;
            manager->setAttribute(Qt::WA_DeleteOnClose);
            return manager.data();
        });
        begin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&begin));
        const QRect place(QPoint(237, 151), QSize(700, 420));
        begin.setGeometry(place);
        begin.setAttribute(Qt::WA_Moved, false); // as when the user moved it
        QTest::mouseClick(child<QPushButton>(begin, "cmdDeck"), Qt::LeftButton);
        QCOMPARE(handedOver, &begin);
        QVERIFY(manager && manager->isVisible());
        QVERIFY(!manager->isModal());
        QVERIFY(begin.isHidden());

        QVERIFY(QDir(rig.home.filePath(QStringLiteral("temp"))).removeRecursively());
        manager->close();
        handedOver->show();
        QVERIFY(begin.testAttribute(Qt::WA_Moved));
        QCOMPARE(begin.geometry(), place);
        QVERIFY(begin.Form_Load());
        QVERIFY(rig.prompter.records().isEmpty());
        QCOMPARE(ends_, 0);
    }

    void import_isModalOverTheVisibleStartScreen()
    {
        Rig rig;
        FrmBegin begin(rig.services);
        QPointer<QDialog> dialog;
        bool beginVisibleMeanwhile = false;
        begin.setWindowFactory(FrmBegin::Destination::Import, [&](FrmBegin &from) {
            dialog = new QDialog(&from);
            QTimer::singleShot(0, dialog, [&] {
                beginVisibleMeanwhile = begin.isVisible() && dialog->isModal();
                dialog->accept();
            });
            return dialog.data();
        });
        begin.show();
        QTest::mouseClick(child<QPushButton>(begin, "cmdImport"), Qt::LeftButton);
        QVERIFY(beginVisibleMeanwhile);
        QVERIFY(begin.isVisible());
        QVERIFY(dialog.isNull());
    }

    // The close box ends the program only when no other window is left.
    void exitAndCloseBox_endTheProgram()
    {
        Rig rig;
        auto *begin = new FrmBegin(rig.services);
        const QPointer<FrmBegin> guard(begin);
        begin->show();
        QTest::mouseClick(child<QPushButton>(*begin, "cmdExit"), Qt::LeftButton);
        QCOMPARE(ends_, 1);
        QTRY_VERIFY_WITH_TIMEOUT(guard.isNull(), 60000);

        QWidget other;
        other.show();
        auto *beside = new FrmBegin(rig.services);
        beside->show();
        beside->close();
        QCOMPARE(ends_, 1);
        other.hide();
        auto *last = new FrmBegin(rig.services);
        last->show();
        last->close();
        QCOMPARE(ends_, 2);
    }
};

QTEST_MAIN(TestFrmBegin)
#include "tst_frmbegin.moc"
