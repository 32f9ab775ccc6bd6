#include "deckhome.h"
#include "servicesrig.h"

#include "app/prompter.h"
#include "app/shell.h"
#include "decks/frmdeck.h"
#include "design/frmdeckdesign.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace velmora;
using namespace velmora::test;

class TstFrmDeck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void texts_data();
    void texts();
    void everyControl_keyboardReachableAndNamed();
    void load_highlightsTheRememberedEntryWithoutPickingIt();
    void pick_twoDecksWithOneNameShowTheirOwnHeaders();
    void password_gateOpensOnlyOnTheExactPassword();
    void nonPick_leavesNothingToActOn_data();
    void nonPick_leavesNothingToActOn();
    void hiddenRow_entriesKeepTheirOwnDecks();
    void cards_digitsOnlyAlsoWhenPasted();
    void next_emptyListTouchesNoDatabase();
    void next_handsOverThePickedDeckWithItsColours();
    void next_inCreateModeIsRefused();
    void create_twoStrokes();
    void create_failureStaysInCreateModeWithTheReason();
    void modify_shrinkAsksWhenCardsHoldContent_data();
    void modify_shrinkAsksWhenCardsHoldContent();
    void delete_movesToTheTrashAndGoesBack();
    void missingFile_offersRemoval();
    void cardList_showsTheHandedOverDeck();
    void longName_elidesWithoutWideningTheWindow();

private:
    FrmDeck *makeWindow();
    QTreeWidget *list() const { return window_->findChild<QTreeWidget *>("lstDeckNames"); }
    QLineEdit *field(const char *name) const { return window_->findChild<QLineEdit *>(QLatin1String(name)); }
    QPushButton *button(const char *name) const { return window_->findChild<QPushButton *>(QLatin1String(name)); }
    void clickEntry(int row);

    DeckHome home_;
    std::unique_ptr<ServicesRig> rig_;
    FakeTrash trash_;
    QWidget startScreen_;
    std::unique_ptr<FrmDeck> window_;
    QList<DeckHandOff> handOffs_;
    QList<QVector<bool>> marks_;
    int ends_ = 0;
};

void TstFrmDeck::initTestCase()
{
    setProcessEnder([this] { ++ends_; });
}

void TstFrmDeck::init()
{
    home_.home.reset();
    home_.home = std::make_unique<TestHome>();
    QVERIFY(home_.make());
    rig_ = std::make_unique<ServicesRig>();
    handOffs_.clear();
    marks_.clear();
    trash_ = FakeTrash();
    QVERIFY(DeckHome::addDeck("Tutor1.vdk", "Default", 3, {}, "House", true));
    QVERIFY(DeckHome::addDeck("Tutor2.vdk", "Twin", 4, {}, "First"));
    QVERIFY(DeckHome::addDeck("Tutor3.vdk", "Twin", 5, "Secret", "Second"));
}

void TstFrmDeck::cleanup()
{
    window_.reset();
    QCOMPARE(rig_->prompter.pendingAnswers(), 0);
}

FrmDeck *TstFrmDeck::makeWindow()
{
    window_ = std::make_unique<FrmDeck>(
        rig_->services, &startScreen_,
        [this](const DeckHandOff &handOff, const QVector<bool> &marks) {
            handOffs_.append(handOff);
            marks_.append(marks);
            return true;
        },
        DeckManager(trash_.function()));
    window_->Form_Load();
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get()))
        qWarning("the deck manager did not become active");
    return window_.get();
}

void TstFrmDeck::clickEntry(int row)
{
    QTreeWidgetItem *item = list()->topLevelItem(row);
    QVERIFY(item);
    const QRect rect = list()->visualItemRect(item);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
}

void TstFrmDeck::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    auto row = [](const char *name, const char *text, const char *tip) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << QString::fromLatin1(text) << QString::fromLatin1(tip);
    };
    // The rest are fixed captions; these keep a typo, or once described another button.
    row("cmdDelete", "&Delete Deck From List", "Delete a selected deck from list of decks");
    row("cmdExport", "E&xport / Share Your  Deck", "Export and import of decks are not part of this version yet.");
    row("lblToolTipExport", "[ ? ]", "Export, save and share your own created deck by sending others the deck file.");
    row("lblToolTipDelete", "[ ? ]", "Delete Selected Deck From List");
}

void TstFrmDeck::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    makeWindow();
    QWidget *widget = window_->findChild<QWidget *>(name);
    QVERIFY(widget);
    QString shown;
    if (auto *b = qobject_cast<QPushButton *>(widget))
        shown = b->text();
    else if (auto *l = qobject_cast<QLabel *>(widget))
        shown = l->text();
    QCOMPARE(shown, text);
    QCOMPARE(widget->toolTip(), toolTip);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Velmora v1.70"));
}

void TstFrmDeck::everyControl_keyboardReachableAndNamed()
{
    makeWindow();
    QCOMPARE(field("txtPassword")->echoMode(), QLineEdit::Password);
    for (QWidget *widget : window_->findChildren<QWidget *>()) {
        if (!qobject_cast<QPushButton *>(widget) && !qobject_cast<QLineEdit *>(widget) &&
            !qobject_cast<QTreeWidget *>(widget))
            continue;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(widget->focusPolicy() & Qt::TabFocus, qPrintable(widget->objectName()));
    }
}

void TstFrmDeck::load_highlightsTheRememberedEntryWithoutPickingIt()
{
    DeckManager manager;
    QVERIFY(manager.remember("Twin", "Tutor3.vdk").ok);
    makeWindow();
    QCOMPARE(list()->topLevelItemCount(), 3);
    QCOMPARE(list()->indexOfTopLevelItem(list()->currentItem()), 2);
    QCOMPARE(window_->currentDeckFile(), QStringLiteral("Tutor3.vdk"));
    QVERIFY(field("txtDeckName")->text().isEmpty());
    for (const char *name : {"cmdEditDeck", "cmdDelete", "cmdNext"})
        QVERIFY2(!button(name)->isEnabled(), name);
    QVERIFY(rig_->prompter.records().isEmpty());
}

void TstFrmDeck::pick_twoDecksWithOneNameShowTheirOwnHeaders()
{
    {
        Catalog catalog;
        QVERIFY(catalog.open(Access::ReadWrite) && catalog.rememberPick({"Old", "Tutor9.vdk", "Old", 5}));
    }
    auto remembered = [] {
        Catalog catalog;
        const auto pick = catalog.open() ? catalog.pick() : std::nullopt;
        return pick ? pick->database + QLatin1Char('@') + QString::number(pick->cardPosition) : QString();
    };
    makeWindow();
    clickEntry(1);
    // Each pick is remembered at once; the card editor's remembered card stays.
    QCOMPARE(remembered(), QStringLiteral("Tutor2.vdk@5"));
    QCOMPARE(field("txtDesigner")->text(), QStringLiteral("First"));
    QCOMPARE(field("txtCards")->text(), QStringLiteral("4"));
    QVERIFY(button("cmdNext")->isEnabled() && button("cmdDelete")->isEnabled());
    // The keyboard picks as well.
    rig_->prompter.clear();
    QTest::keyClick(list(), Qt::Key_Down);
    QCOMPARE(field("txtDesigner")->text(), QStringLiteral("Second"));
    QCOMPARE(window_->currentDeckFile(), QStringLiteral("Tutor3.vdk"));
    // The default deck can be opened and changed, not deleted.
    QTest::keyClick(list(), Qt::Key_Home);
    QVERIFY(button("cmdNext")->isEnabled() && button("cmdEditDeck")->isEnabled());
    QVERIFY(!button("cmdDelete")->isEnabled());
    QCOMPARE(remembered(), QStringLiteral("Tutor1.vdk@5"));
}

void TstFrmDeck::password_gateOpensOnlyOnTheExactPassword()
{
    makeWindow();
    clickEntry(2);
    QCOMPARE(rig_->prompter.messageTexts(), (QStringList{"Please Enter The Password"}));
    QCOMPARE(rig_->prompter.messages().first().icon, PromptIcon::Information);
    QVERIFY(!button("cmdNext")->isEnabled() && !button("cmdEditDeck")->isEnabled());
    QVERIFY(button("cmdDelete")->isEnabled());
    QVERIFY(field("txtPassword")->hasFocus());
    // Which texts open is the rule's test; here the gate follows the typing.
    QTest::keyClicks(field("txtPassword"), " Secre");
    QVERIFY(!button("cmdNext")->isEnabled());
    QTest::keyClick(field("txtPassword"), Qt::Key_T);
    QVERIFY(button("cmdNext")->isEnabled() && button("cmdEditDeck")->isEnabled());
    QVERIFY(button("cmdNext")->hasFocus());
    QCOMPARE(rig_->prompter.messageTexts().size(), 1);
}

void TstFrmDeck::nonPick_leavesNothingToActOn_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addRow("right click") << "right click";
    QTest::addRow("press released below the entries") << "press released below";
    QTest::addRow("keyboard move, a pick behind the gate") << "keyboard";
}

// After an open deck was picked, the protected deck below it is highlighted.
void TstFrmDeck::nonPick_leavesNothingToActOn()
{
    QFETCH(QString, gesture);
    makeWindow();
    clickEntry(1);
    QVERIFY(button("cmdNext")->isEnabled());
    const QPoint protectedDeck = list()->visualItemRect(list()->topLevelItem(2)).center();
    if (gesture == "right click") {
        QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, protectedDeck);
    } else if (gesture == "press released below") {
        QTest::mousePress(list()->viewport(), Qt::LeftButton, {}, protectedDeck);
        QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, protectedDeck + QPoint(0, 100));
    } else {
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(rig_->prompter.messageTexts(), (QStringList{"Please Enter The Password"}));
    }
    QCOMPARE(list()->indexOfTopLevelItem(list()->currentItem()), 2);
    QVERIFY(!button("cmdNext")->isEnabled() && !button("cmdEditDeck")->isEnabled());
    QCOMPARE(button("cmdDelete")->isEnabled(), gesture == "keyboard");

    field("txtDeckName")->setText("Hijack");
    field("txtCards")->setText("3");
    window_->cmdEditDeck_Click();
    window_->cmdNext_Click();
    QVERIFY(handOffs_.isEmpty());
    Deck deck;
    QVERIFY(deck.open(paths::deckDatabase("Tutor3.vdk")));
    QCOMPARE(deck.header()->deckName + deck.header()->password, QStringLiteral("TwinSecret"));
    QCOMPARE(deck.cards()->size(), 5);
    QCOMPARE(DeckHome::catalogRows().last(), QStringLiteral("Twin=Tutor3.vdk"));
}

// A catalog row the list does not show moves no entry onto another deck.
void TstFrmDeck::hiddenRow_entriesKeepTheirOwnDecks()
{
    QVERIFY(DeckHome::addDeck("Tutor4.vdk", "Mine2", 3, {}, "Own"));
    QVERIFY(rawExec(paths::catalogDatabase(), "UPDATE tblStoreDeck SET iscomplete = 0 WHERE dbName = 'Tutor2.vdk'"));
    makeWindow();
    QCOMPARE(list()->topLevelItemCount(), 3);
    clickEntry(0);
    clickEntry(2);
    QCOMPARE(field("txtDesigner")->text(), QStringLiteral("Own"));
    QTest::mouseClick(button("cmdNext"), Qt::LeftButton);
    QCOMPARE(handOffs_.size(), 1);
    QCOMPARE(handOffs_[0].deckFile + QLatin1Char('=') + handOffs_[0].deckName, QStringLiteral("Tutor4.vdk=Mine2"));
}

void TstFrmDeck::cards_digitsOnlyAlsoWhenPasted()
{
    makeWindow();
    QLineEdit *cards = field("txtCards");
    cards->setFocus();
    QTest::keyClicks(cards, "1a2-");
    QCOMPARE(cards->text(), QStringLiteral("12"));
    QVERIFY(cards->hasFocus());
    cards->clear();
    QGuiApplication::clipboard()->setText("7 cards");
    cards->paste();
    QCOMPARE(cards->text(), QString());
    QGuiApplication::clipboard()->setText("22");
    cards->paste();
    QCOMPARE(cards->text(), QStringLiteral("22"));
}

void TstFrmDeck::next_emptyListTouchesNoDatabase()
{
    QVERIFY(rawExec(paths::catalogDatabase(), "DELETE FROM tblStoreDeck"));
    makeWindow();
    QVERIFY(QFile::remove(paths::catalogDatabase()));
    QTest::mouseClick(button("cmdNext"), Qt::LeftButton); // disabled: nothing
    window_->cmdNext_Click();
    QCOMPARE(rig_->prompter.messageTexts(),
             (QStringList{"There is no existing Tutor available\r\nPlease Create a New Tutor"}));
    QVERIFY(field("txtDeckName")->hasFocus());
    QVERIFY(!QFile::exists(paths::catalogDatabase()));
    QVERIFY(handOffs_.isEmpty());
}

void TstFrmDeck::next_handsOverThePickedDeckWithItsColours()
{
    {
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase("Tutor2.vdk"), Access::ReadWrite));
        QVERIFY(deck.savePicture(2, jpegPicture(QSize(8, 8), Qt::red)));
    }
    makeWindow();
    clickEntry(1);
    field("txtCards")->setText("04");
    QTest::mouseClick(button("cmdNext"), Qt::LeftButton);
    QCOMPARE(handOffs_.size(), 1);
    QCOMPARE(handOffs_[0].deckFile, QStringLiteral("Tutor2.vdk"));
    QCOMPARE(handOffs_[0].deckName, QStringLiteral("Twin"));
    QCOMPARE(handOffs_[0].cardCount, 4);
    QCOMPARE(marks_[0], (QVector<bool>{false, true, false, false}));
    QVERIFY(!window_->isVisible());
    QVERIFY(!startScreen_.isVisible());
    QCOMPARE(ends_, 0);
}

void TstFrmDeck::next_inCreateModeIsRefused()
{
    makeWindow();
    clickEntry(1);
    QTest::mouseClick(button("cmdCreateDeck"), Qt::LeftButton);
    field("txtDeckName")->setText("Twin");
    window_->cmdNext_Click();
    QCOMPARE(rig_->prompter.messageTexts().last(),
             QStringLiteral("Please Select an Existing Tarot Learning Deck\r\nor Please Create a New Tarot Learning "
                            "Deck"));
    QVERIFY(handOffs_.isEmpty());
    QVERIFY(window_->isVisible());
}

void TstFrmDeck::create_twoStrokes()
{
    makeWindow();
    clickEntry(1);
    QTest::mouseClick(button("cmdCreateDeck"), Qt::LeftButton);
    QVERIFY(window_->inCreateMode());
    QCOMPARE(button("cmdCreateDeck")->text(), QStringLiteral("Create"));
    for (const char *name : {"txtDeckName", "txtCards", "txtDesigner", "txtPassword"})
        QVERIFY2(field(name)->text().isEmpty() && field(name)->isEnabled(), name);
    QVERIFY(!button("cmdNext")->isEnabled() && !button("cmdEditDeck")->isEnabled());
    QVERIFY(field("txtDeckName")->hasFocus());

    // A refused input stays in create mode with what was typed.
    QTest::keyClicks(field("txtDeckName"), "Mine");
    QTest::keyClicks(field("txtCards"), "2");
    QTest::mouseClick(button("cmdCreateDeck"), Qt::LeftButton);
    QCOMPARE(rig_->prompter.messageTexts().last(),
             QStringLiteral("A Tarot Learning Deck must contain at least 3 Cards"));
    QVERIFY(window_->inCreateMode());
    QCOMPARE(field("txtDeckName")->text(), QStringLiteral("Mine"));
    QVERIFY(field("txtCards")->text().isEmpty() && field("txtCards")->hasFocus());

    QTest::keyClicks(field("txtCards"), "78");
    rig_->prompter.clear();
    QTest::mouseClick(button("cmdCreateDeck"), Qt::LeftButton);
    QCOMPARE(rig_->prompter.messageTexts(), (QStringList{"Tarot Learning Deck Created Successfully"}));
    QCOMPARE(handOffs_.size(), 1);
    QCOMPARE(handOffs_[0].deckFile, QStringLiteral("Tutor4.vdk"));
    QCOMPARE(handOffs_[0].cardCount, 78);
    QCOMPARE(marks_[0], QVector<bool>(78, false));
    QVERIFY(!window_->isVisible());
    QCOMPARE(DeckHome::catalogRows().last(), QStringLiteral("Mine=Tutor4.vdk"));
}

void TstFrmDeck::create_failureStaysInCreateModeWithTheReason()
{
    QVERIFY(QFile::remove(paths::templateDatabase()));
    makeWindow();
    QTest::mouseClick(button("cmdCreateDeck"), Qt::LeftButton);
    QTest::keyClicks(field("txtDeckName"), "Mine");
    QTest::keyClicks(field("txtCards"), "10");
    QTest::mouseClick(button("cmdCreateDeck"), Qt::LeftButton);
    QCOMPARE(rig_->prompter.messages().size(), 1);
    QCOMPARE(rig_->prompter.messages().first().icon, PromptIcon::Critical);
    QVERIFY(rig_->prompter.messageTexts().first().startsWith("The Tarot Learning Deck could not be created."));
    QVERIFY(rig_->prompter.messageTexts().first().contains("template"));
    QVERIFY(window_->inCreateMode());
    QVERIFY(window_->isVisible());
    QCOMPARE(list()->topLevelItemCount(), 3);
    QVERIFY(handOffs_.isEmpty());
}

void TstFrmDeck::modify_shrinkAsksWhenCardsHoldContent_data()
{
    QTest::addColumn<bool>("content");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("cardsAfter");
    QTest::addRow("blank cards go without a question") << false << false << 3;
    QTest::addRow("content, No keeps everything") << true << false << 4;
    QTest::addRow("content, Yes shrinks") << true << true << 3;
}

void TstFrmDeck::modify_shrinkAsksWhenCardsHoldContent()
{
    QFETCH(bool, content);
    QFETCH(bool, yes);
    QFETCH(int, cardsAfter);
    if (content) {
        Deck deck;
        QVERIFY(deck.open(paths::deckDatabase("Tutor2.vdk"), Access::ReadWrite));
        QVERIFY(deck.saveCard({4, "The Emperor", 0, "", "", false}, QStringList(kSlotsPerCard, "")));
        rig_->prompter.queueAnswer(yes ? PromptAnswer::Yes : PromptAnswer::No);
    }
    makeWindow();
    clickEntry(1);
    field("txtCards")->setText("3");
    QTest::mouseClick(button("cmdEditDeck"), Qt::LeftButton);
    if (content) {
        const Prompt question = rig_->prompter.messages().first();
        QCOMPARE(question.icon, PromptIcon::Warning);
        QCOMPARE(question.buttons, PromptButtons::YesNo);
        QVERIFY(question.text.startsWith("1 of the 1 cards"));
        const auto box = makeMessageBox(question);
        QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
    }
    Deck deck;
    QVERIFY(deck.open(paths::deckDatabase("Tutor2.vdk")));
    QCOMPARE(deck.cards()->size(), cardsAfter);
    const bool done = cardsAfter == 3;
    QCOMPARE(rig_->prompter.messageTexts().contains("Tarot Learning Deck Information Modified Successfully"), done);
    QCOMPARE(window_->isVisible(), !done);
    QCOMPARE(startScreen_.isVisible(), done);
    startScreen_.hide();
}

void TstFrmDeck::delete_movesToTheTrashAndGoesBack()
{
    makeWindow();
    clickEntry(2); // the password does not guard Delete
    rig_->prompter.clear();
    QTest::mouseClick(button("cmdDelete"), Qt::LeftButton);
    QCOMPARE(rig_->prompter.messageTexts(), (QStringList{"Tarot Learnign Deck Deleted Successfully"}));
    QCOMPARE(trash_.trashed, (QStringList{"Tutor3.vdk"}));
    QCOMPARE(DeckHome::catalogRows(), (QStringList{"Default=Tutor1.vdk", "Twin=Tutor2.vdk"}));
    QVERIFY(startScreen_.isVisible());
    QVERIFY(!window_->isVisible());
    startScreen_.hide();
}

void TstFrmDeck::missingFile_offersRemoval()
{
    QVERIFY(QFile::remove(paths::deckDatabase("Tutor2.vdk")));
    rig_->prompter.queueAnswer(PromptAnswer::No);
    makeWindow();
    clickEntry(1);
    QCOMPARE(rig_->prompter.messages().first().text,
             QStringLiteral("This Tarot Learning Deck does not exsist any more.\r\nDo you want to delete it from "
                            "Tarot Learning Deck list?"));
    QCOMPARE(rig_->prompter.messages().first().icon, PromptIcon::Warning);
    QCOMPARE(list()->topLevelItemCount(), 3);
    QVERIFY(!button("cmdNext")->isEnabled());

    rig_->prompter.queueAnswer(PromptAnswer::Yes);
    clickEntry(1);
    QCOMPARE(list()->topLevelItemCount(), 2);
    QCOMPARE(DeckHome::catalogRows(), (QStringList{"Default=Tutor1.vdk", "Twin=Tutor3.vdk"}));
    QCOMPARE(DeckHome::deckFolderFiles(), (QStringList{"Tutor1.vdk", "Tutor3.vdk"}));
}

// The colours of the marks and the list's header are the editor's tests.
void TstFrmDeck::cardList_showsTheHandedOverDeck()
{
    FrmDeckDesign editor(rig_->services, {"Tutor2.vdk", "Twin", 3}, {true, false, true});
    auto *cards = editor.findChild<QTreeWidget *>("lstPictures");
    QCOMPARE(cards->topLevelItemCount(), 3);
    QCOMPARE(cards->topLevelItem(2)->text(0), QStringLiteral("Card 3 (picture)"));
    QVERIFY(cards->selectedItems().isEmpty());
    QCOMPARE(editor.findChild<QLabel *>("lblDeckName")->text(), QStringLiteral("Twin"));
    QCOMPARE(editor.findChild<QLabel *>("lblCards")->text(), QStringLiteral("3"));
}

void TstFrmDeck::longName_elidesWithoutWideningTheWindow()
{
    const QString longName = QString(300, QLatin1Char('W')) + QStringLiteral("<b>bold</b>");
    QVERIFY(DeckHome::addDeck("Tutor4.vdk", longName, 3));
    makeWindow();
    const int width = window_->width();
    clickEntry(3);
    QCOMPARE(list()->topLevelItem(3)->text(0), longName.left(300 + 11));
    QCOMPARE(window_->width(), width);
    QVERIFY(window_->minimumSizeHint().width() < 1280);
}

QTEST_MAIN(TstFrmDeck)
#include "tst_frmdeck.moc"
