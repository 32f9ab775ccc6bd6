#include "designhome.h"
#include "servicesrig.h"

#include "app/orderlyending.h"
#include "app/plaintext.h"
#include "app/shell.h"
#include "design/cardpage.h"
#include "design/frmdeckdesign.h"
#include "store/catalog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSessionManager>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>

using namespace velmora;
using namespace velmora::test;

enum class WayOut { CloseBox, ExitButton, ExitMenu, OtherWindow, SessionEnd, TerminateSignal };

class TstFrmDeckDesign : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setProcessEnder([this] { ++ends_; });
    }

    void init()
    {
        home_ = std::make_unique<DeckHome>();
        QVERIFY(home_->make());
        rig_ = std::make_unique<ServicesRig>();
    }

    void cleanup()
    {
        delete window_;
        QCOMPARE(rig_->prompter.pendingAnswers(), 0);
    }

    void open_showsTitleMenuAndNoCard()
    {
        open({plainCard(1), plainCard(2)});
        QCOMPARE(window_->windowTitle(), QStringLiteral("Velmora v1.70"));
        // The list and its header show the deck handed over.
        const auto *cards = window_->cardList();
        QCOMPARE(cards->lstPictures->headerItem()->text(0), QStringLiteral("No. of Cards"));
        QCOMPARE(cards->lstPictures->topLevelItem(1)->text(0), QStringLiteral("Card 2"));
        QCOMPARE(cards->lblDeckName->text() + QLatin1Char('|') + cards->lblCards->text(), QStringLiteral("Design|2"));
        QStringList menu;
        for (QAction *action : window_->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions())
            menu.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(menu, QStringList({"&Back", "&Save", "&Delete", "-", "&Exit"}));
        QVERIFY(page()->chkAutoSave->isChecked());
        QCOMPARE(window_->currentCard(), -1);
        QVERIFY(page()->txtCard->text().isEmpty());
    }

    void choose_showsCardAndRemembersPosition()
    {
        SampleCard two = plainCard(2, 3);
        two.picture = jpegPicture(QSize(1000, 1700), Qt::blue);
        open({plainCard(1), two});
        choose(1);
        QCOMPARE(page()->txtCard->text(), QStringLiteral("Card 2"));
        QCOMPARE(page()->txtNormalMeaning->toPlainText(), QStringLiteral("normal 2"));
        QCOMPARE(page()->keywords(), QStringList({"k2-1", "k2-2", "k2-3", "k2-4", "k2-5", "k2-6", "k2-7"}));
        QVERIFY(page()->optMinorArcana->isChecked() && page()->optPentacles->isChecked());
        QVERIFY(page()->optCups->isEnabled());
        // Even the first card chosen has its picture read off the screen thread.
        QTRY_VERIFY_WITH_TIMEOUT(page()->hasPicture(), 60000);
        window_->waitForWrites();
        Catalog catalog;
        QVERIFY(catalog.open());
        QCOMPARE(catalog.pick()->cardPosition, 2);
        // Showing a card writes nothing.
        QCOMPARE(stored(2).card.group, 3);
        QVERIFY(rig_->prompter.records().isEmpty());
        choose(0);
        QVERIFY(page()->optMajorArcana->isChecked() && !page()->optCups->isEnabled());
        QVERIFY(!page()->hasPicture());
        // A card without a name shows as "Card 1", whichever it is.
        QVERIFY(rawExec(paths::deckDatabase("Tutor2.vdk"), "UPDATE tblCards SET Name = NULL WHERE ID = 2"));
        choose(1);
        QCOMPARE(page()->txtCard->text(), QStringLiteral("Card 1"));
    }

    // A card chosen while the warmer still has its picture to read shows that
    // picture once read, each card its own; Save right after the choice
    // finds the picture there.
    void choose_whileThePicturesAreReadAhead_showsEachCardsOwnPicture()
    {
        const QVector<Qt::GlobalColor> colours{Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
        QList<SampleCard> cards;
        for (int id = 1; id <= int(colours.size()); ++id) {
            SampleCard card = plainCard(id);
            card.picture = jpegPicture(QSize(1000, 1700), colours[id - 1]);
            cards.append(card);
        }
        open(cards);
        const auto shownColour = [this] {
            const QImage shown = page()->picCard->pixmap().toImage();
            return shown.isNull() ? QColor() : shown.pixelColor(shown.width() * 3 / 4, shown.height() * 3 / 4);
        };
        choose(0);
        for (const int index : {4, 2, 5}) {
            choose(index);
            QTRY_VERIFY_WITH_TIMEOUT(page()->hasPicture(), 60000);
            const QColor colour = shownColour();
            const QColor wanted(colours[index]);
            QVERIFY2(qAbs(colour.red() - wanted.red()) < 40 && qAbs(colour.green() - wanted.green()) < 40 &&
                         qAbs(colour.blue() - wanted.blue()) < 40,
                     qPrintable(colour.name()));
        }
        choose(1);
        window_->save();
        QVERIFY(page()->hasPicture());
        QCOMPARE(rig_->prompter.records().size(), 1);
        QCOMPARE(rig_->prompter.records().first().prompt.text, QStringLiteral("Card(s) Saved Successfully"));
    }

    void keywords_boxKIsSlotKOfTheCardsOwnSlots()
    {
        SampleCard card = plainCard(1);
        card.keywords = QStringList{"first", "", "second"};
        card.picture = jpegPicture(QSize(100, 170), Qt::red);
        open({card, plainCard(2)});
        const auto picture = [this] {
            window_->waitForWrites();
            Deck deck;
            return deck.open(paths::deckDatabase("Tutor2.vdk")) ? deck.picture(1) : QByteArray();
        };
        const QByteArray before = picture();
        choose(0);
        // Gaps stay where they are: box 2 shows slot 2.
        QCOMPARE(page()->keywords(), QStringList({"first", "", "second", "", "", "", ""}));
        page()->txtKeyword[1]->setFocus();
        QTest::keyClicks(page()->txtKeyword[1], "mid");
        QCOMPARE(stored(1).slotTexts, QStringList({"first", "mid", "second", "", "", "", ""}));
        QCOMPARE(stored(2).slotTexts, plainCard(2).keywords);
        // Neither a keyword nor a meaning rewrites the picture or another field.
        page()->txtNormalMeaning->setFocus();
        page()->txtNormalMeaning->moveCursor(QTextCursor::End);
        QTest::keyClicks(page()->txtNormalMeaning, "!");
        const StoredCard row = stored(1);
        QCOMPARE(row.card.normalMeaning, QStringLiteral("normal 1!"));
        QCOMPARE(row.card.reversedMeaning, QStringLiteral("reversed 1"));
        QCOMPARE(row.card.name, QStringLiteral("Card 1"));
        QVERIFY(row.card.isSaved);
        QCOMPARE(picture(), before);
    }

    void keywords_sameNameCardsKeepTheirOwn()
    {
        SampleCard one = plainCard(1);
        SampleCard two = plainCard(2);
        two.name = one.name;
        open({one, two});
        choose(1);
        QCOMPARE(page()->keywords(), two.keywords);
        page()->txtKeyword[6]->selectAll();
        QTest::keyClicks(page()->txtKeyword[6], "own");
        QCOMPARE(stored(2).slotTexts.at(6), QStringLiteral("own"));
        QCOMPARE(stored(1).slotTexts, one.keywords);
    }

    void closedWhileWriting_losesNoEdit()
    {
        // A full-size picture makes each write slow, so edits still wait when the window goes.
        SampleCard card = plainCard(1);
        card.picture = jpegPicture(QSize(1000, 1700), Qt::blue);
        open({card});
        choose(0);
        page()->txtKeyword[0]->setFocus();
        QTest::keyClicks(page()->txtKeyword[0], "abc");
        page()->txtNormalMeaning->setFocus();
        page()->txtNormalMeaning->moveCursor(QTextCursor::End);
        QTest::keyClicks(page()->txtNormalMeaning, "!");
        delete window_;
        const StoredCard row = storedCard(QStringLiteral("Tutor2.vdk"), 1);
        QCOMPARE(row.slotTexts.at(0), QStringLiteral("k1-1abc"));
        QCOMPARE(row.card.normalMeaning, QStringLiteral("normal 1!"));
    }

    void name_card1WrittenPerKeystrokeOthersOnLeaving_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<bool>("perKeystroke");
        QTest::addRow("card 1") << 0 << true;
        QTest::addRow("card 2") << 1 << false;
    }

    void name_card1WrittenPerKeystrokeOthersOnLeaving()
    {
        QFETCH(int, card);
        QFETCH(bool, perKeystroke);
        open({plainCard(1), plainCard(2)});
        choose(card);
        page()->txtCard->setFocus();
        page()->txtCard->selectAll();
        QTest::keyClicks(page()->txtCard, "  Fool ");
        const QString expected = perKeystroke ? QStringLiteral("Fool") : QStringLiteral("Card %1").arg(card + 1);
        QCOMPARE(stored(card + 1).card.name, expected);
        page()->txtNormalMeaning->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(stored(card + 1).card.name, QStringLiteral("Fool"), 60000);
    }

    void meaning_360Rule_data()
    {
        QTest::addColumn<int>("which");
        QTest::addRow("normal") << int(Meaning::Normal);
        QTest::addRow("reversed") << int(Meaning::Reversed);
    }

    void meaning_360Rule()
    {
        QFETCH(int, which);
        open({plainCard(1)});
        choose(0);
        QPlainTextEdit *box = which == int(Meaning::Normal) ? page()->txtNormalMeaning : page()->txtReverseMeaning;
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, QString(359, QLatin1Char('a')));
        QTest::keyClicks(box, "b");
        const auto storedMeaning = [this, which] {
            const Card card = stored(1).card;
            return which == int(Meaning::Normal) ? card.normalMeaning : card.reversedMeaning;
        };
        QCOMPARE(storedMeaning().size(), 360);
        QVERIFY(rig_->prompter.records().isEmpty());
        QTest::keyClicks(box, "cd");
        const QString message = which == int(Meaning::Normal)
                                    ? QStringLiteral("Normal Meaning can be maximum of 360 characters")
                                    : QStringLiteral("Reverse Meaning can be maximum of 360 characters");
        QCOMPARE(rig_->prompter.messageTexts(), QStringList({message, message}));
        QCOMPARE(rig_->prompter.messages().first().icon, PromptIcon::Critical);
        QCOMPARE(box->toPlainText().size(), 362);
        QCOMPARE(storedMeaning().size(), 360);
        QVERIFY(storedMeaning().endsWith(QLatin1Char('b')));
    }

    void autoSaveOff_saveStoresLongTextAndChecksAutoSave()
    {
        SampleCard card = plainCard(1);
        card.picture = jpegPicture(QSize(100, 170), Qt::red);
        open({card});
        choose(0);
        page()->chkAutoSave->setChecked(false);
        page()->txtNormalMeaning->setFocus();
        QTest::keyClicks(page()->txtNormalMeaning, QString(361, QLatin1Char('x')));
        page()->txtKeyword[0]->setFocus();
        QTest::keyClicks(page()->txtKeyword[0], "z");
        QVERIFY(rig_->prompter.records().isEmpty());
        QCOMPARE(stored(1).card.normalMeaning, QStringLiteral("normal 1"));
        page()->optMinorArcana->click();
        page()->optWands->click();
        QTest::mouseClick(page()->cmdDeckSave, Qt::LeftButton);
        QCOMPARE(rig_->prompter.messageTexts(), QStringList({"Card(s) Saved Successfully"}));
        QCOMPARE(rig_->prompter.messages().first().icon, PromptIcon::Information);
        const StoredCard row = stored(1);
        QCOMPARE(row.card.normalMeaning.size(), 369); // "normal 1" and the typed text
        QCOMPARE(row.card.group, 2);
        QCOMPARE(row.slotTexts.at(0), QStringLiteral("k1-1z"));
        QVERIFY(page()->chkAutoSave->isChecked());
        QCOMPARE(FrmDeckDesign::savedCardNumber(), QStringLiteral("1"));
    }

    void save_withoutPictureFocusesInsertPictures()
    {
        open({plainCard(1)});
        choose(0);
        page()->chkAutoSave->setChecked(false);
        page()->txtNormalMeaning->setFocus();
        QTest::keyClicks(page()->txtNormalMeaning, "more");
        QTest::mouseClick(page()->cmdDeckSave, Qt::LeftButton);
        QVERIFY(rig_->prompter.records().isEmpty());
        QCOMPARE(stored(1).card.normalMeaning, QStringLiteral("normal 1"));
        QTRY_VERIFY_WITH_TIMEOUT(page()->cmdBrowsePictures->hasFocus(), 60000);
        QVERIFY(!page()->chkAutoSave->isChecked());
    }

    void group_minorWithoutSuitLeavesStoredGroup()
    {
        open({plainCard(1, 0)});
        choose(0);
        QVERIFY(!page()->optCups->isEnabled());
        page()->optMinorArcana->click();
        QVERIFY(page()->optCups->isEnabled());
        QCOMPARE(stored(1).card.group, 0);
        page()->optSwords->click();
        QCOMPARE(stored(1).card.group, 0); // a suit alone writes nothing
        page()->optMinorArcana->click();
        QCOMPARE(stored(1).card.group, 4);
        page()->optMajorArcana->click();
        QCOMPARE(stored(1).card.group, 0);
        QVERIFY(!page()->optSwords->isEnabled());
    }

    void delete_actsOnTheHighlightedCardKeepingNameAndKeywords()
    {
        SampleCard card = plainCard(2, 2);
        card.name = QStringLiteral("The Fool");
        card.picture = jpegPicture(QSize(100, 170), Qt::red);
        open({plainCard(1), card, plainCard(3)});
        QCOMPARE(mark(1), QStringLiteral("Card 2 (picture)"));
        choose(0);
        // The arrow keys choose too: the card shown is the card highlighted.
        QTreeWidget *list = window_->cardList()->lstPictures;
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(window_->currentCard(), 1);
        QCOMPARE(page()->txtCard->text(), QStringLiteral("The Fool"));
        rig_->prompter.queueAnswer(PromptAnswer::No);
        QTest::mouseClick(page()->cmdDelete, Qt::LeftButton);
        QVERIFY(stored(2).hasPicture);
        rig_->prompter.queueAnswer(PromptAnswer::Yes);
        QTest::mouseClick(page()->cmdDelete, Qt::LeftButton);
        const Prompt question = rig_->prompter.messages().last();
        QCOMPARE(question.text, QStringLiteral("Are you sure you want to delete this card ?\n\nCard 2: The Fool"));
        QCOMPARE(question.buttons, PromptButtons::YesNo);
        QCOMPARE(question.icon, PromptIcon::Information);
        const StoredCard row = stored(2);
        QVERIFY(!row.hasPicture && !row.card.isSaved);
        QCOMPARE(row.card.name, QStringLiteral("The Fool"));
        QCOMPARE(row.slotTexts, card.keywords);
        QCOMPARE(row.card.normalMeaning, QStringLiteral(""));
        QCOMPARE(row.card.group, 0);
        QCOMPARE(stored(1).card.normalMeaning, QStringLiteral("normal 1"));
        QCOMPARE(mark(1), QStringLiteral("Card 2"));
        QCOMPARE(page()->txtNormalMeaning->toPlainText(), QStringLiteral("normal 2")); // the screen stays
        QTest::keyClick(list, Qt::Key_End);
        QCOMPARE(page()->txtCard->text(), QStringLiteral("Card 3"));
        QTest::keyClick(list, Qt::Key_Up);
        QVERIFY(page()->txtNormalMeaning->toPlainText().isEmpty());
        QVERIFY(!page()->hasPicture() && page()->optMajorArcana->isChecked());
    }

    void failedAutoSave_staysOnScreenSaysWhyAndRetries()
    {
        SampleCard card = plainCard(1);
        card.picture = jpegPicture(QSize(100, 170), Qt::red);
        open({card});
        choose(0);
        page()->txtKeyword[3]->selectAll();
        {
            WriteLock lock(paths::deckDatabase("Tutor2.vdk"));
            QTest::keyClicks(page()->txtKeyword[3], "w");
            window_->waitForWrites();
            QVERIFY(page()->lblSaveStatus->isVisible());
            QVERIFY2(page()->lblSaveStatus->text().startsWith(QLatin1String("Card 1 is not saved: ")),
                     qPrintable(page()->lblSaveStatus->text()));
            QVERIFY(rig_->prompter.records().isEmpty()); // no box per keystroke
            // An explicit Save that fails says so in a box.
            QTest::mouseClick(page()->cmdDeckSave, Qt::LeftButton);
            QCOMPARE(rig_->prompter.messages().size(), 1);
            QVERIFY(rig_->prompter.messages().first().text.startsWith(QLatin1String("Card 1 is not saved: ")));
            QCOMPARE(rig_->prompter.messages().first().icon, PromptIcon::Critical);
            // Still failing at Exit: the user is asked, and No stays.
            rig_->prompter.queueAnswer(PromptAnswer::No);
            QTest::mouseClick(page()->cmdExit, Qt::LeftButton);
            const Prompt question = rig_->prompter.messages().last();
            QVERIFY2(
                QRegularExpression("^Card 1 could not be saved: .+\\. Quit anyway\\?$").match(question.text).hasMatch(),
                qPrintable(question.text));
            QVERIFY(question.buttons == PromptButtons::YesNo && question.defaultAnswer == PromptAnswer::No);
            QVERIFY(ends_ == 0 && window_->isVisible());
            // Back leaves the editor as surely: asked the same way, and No stays.
            rig_->prompter.queueAnswer(PromptAnswer::No);
            QTest::mouseClick(page()->cmdBack, Qt::LeftButton);
            QVERIFY(rig_->prompter.messages().last().text.endsWith(QLatin1String(". Go back anyway?")));
            QVERIFY(window_->isVisible());
        }
        QCOMPARE(page()->txtKeyword[3]->text(), QStringLiteral("w"));
        QCOMPARE(stored(1).slotTexts.at(3), QStringLiteral("k1-4"));
        page()->txtReverseMeaning->setFocus();
        page()->txtReverseMeaning->moveCursor(QTextCursor::End);
        QTest::keyClicks(page()->txtReverseMeaning, "!");
        const StoredCard row = stored(1);
        QVERIFY(!page()->lblSaveStatus->isVisible());
        QCOMPARE(row.slotTexts.at(3), QStringLiteral("w"));
        QCOMPARE(row.card.reversedMeaning, QStringLiteral("reversed 1!"));
        // A failure that the disk has room for again by Exit: Exit writes it and ends.
        {
            WriteLock lock(paths::deckDatabase("Tutor2.vdk"));
            QTest::keyClicks(page()->txtReverseMeaning, "?");
            window_->waitForWrites();
        }
        QString onDisk;
        setProcessEnder([&] { onDisk = storedCard(QStringLiteral("Tutor2.vdk"), 1).card.reversedMeaning; });
        QTest::mouseClick(page()->cmdExit, Qt::LeftButton);
        setProcessEnder([this] { ++ends_; });
        QCOMPARE(onDisk, QStringLiteral("reversed 1!?"));
    }

    void ending_editTypedJustBeforeReachesTheDisk_data()
    {
        QTest::addColumn<int>("way");
        QTest::addRow("close box") << int(WayOut::CloseBox);
        QTest::addRow("Exit button") << int(WayOut::ExitButton);
        QTest::addRow("File > Exit") << int(WayOut::ExitMenu);
        // The start screen's, the deck manager's and the main window's Exit, and
        // the tray's, which closes the main window as its Exit does.
        QTest::addRow("another window's Exit") << int(WayOut::OtherWindow);
        QTest::addRow("session end") << int(WayOut::SessionEnd);
        QTest::addRow("SIGTERM") << int(WayOut::TerminateSignal);
    }

    // The process ends when the ender runs: what is not on the disk by then is lost.
    void ending_editTypedJustBeforeReachesTheDisk()
    {
        QFETCH(int, way);
        const OrderlyEnding ending;
        auto *session = qApp->findChild<QSessionManager *>();
        QVERIFY(session);
        SampleCard card = plainCard(1);
        card.picture = jpegPicture(QSize(100, 170), Qt::darkCyan);
        QVERIFY(makeDesignDeck(QStringLiteral("Tutor2.vdk"), {card}));
        constexpr int kRounds = 50;
        int lost = 0;
        for (int round = 0; round < kRounds; ++round) {
            openEditor({true}, false);
            choose(0);
            const QString typed = QStringLiteral("meaning %1").arg(round);
            page()->txtNormalMeaning->selectAll();
            QTest::keyClicks(page()->txtNormalMeaning, typed);
            QString onDisk;
            int ends = 0;
            setProcessEnder([&] {
                onDisk = storedCard(QStringLiteral("Tutor2.vdk"), 1).card.normalMeaning;
                ++ends;
            });
            switch (WayOut(way)) {
            case WayOut::CloseBox:
                window_->close();
                break;
            case WayOut::ExitButton:
                QTest::mouseClick(page()->cmdExit, Qt::LeftButton);
                break;
            case WayOut::ExitMenu:
                window_->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
                break;
            case WayOut::OtherWindow:
                EndProgram();
                break;
            case WayOut::SessionEnd:
                emit qApp->commitDataRequest(*session);
                break;
            case WayOut::TerminateSignal:
                ::raise(SIGTERM);
                break;
            }
            QTRY_COMPARE_WITH_TIMEOUT(ends, 1, 60000);
            if (onDisk != typed)
                ++lost;
            QTRY_VERIFY_WITH_TIMEOUT(window_.isNull(), 60000);
        }
        setProcessEnder([this] { ++ends_; });
        qInfo("%d rounds, %d edits lost", kRounds, lost);
        QCOMPARE(lost, 0);
    }

    void longDeckName_wrapsToTwoLinesWithTheWholeNameAsTooltip()
    {
        open({plainCard(1)});
        const int width = window_->width();
        const QString name = QStringLiteral("Pw Deck Renamed <b>") + QString(400, QLatin1Char('W'));
        window_->cardList()->showDeck({"Tutor2.vdk", name, 1});
        QCOMPARE(window_->width(), width);
        QLabel *label = window_->cardList()->lblDeckName;
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY2(label->text().startsWith(QLatin1String("Pw Deck")) && label->text().count(QLatin1Char('\n')) == 1 &&
                     label->text().endsWith(QChar(0x2026)),
                 qPrintable(label->text()));
        QCOMPARE(label->toolTip(), plainToolTip(name));
    }

private:
    FrmDeckDesign *open(const QList<SampleCard> &cards)
    {
        if (!makeDesignDeck(QStringLiteral("Tutor2.vdk"), cards))
            qWarning("the deck was not made");
        QVector<bool> saved;
        for (const SampleCard &card : cards)
            saved.append(!card.picture.isEmpty());
        return openEditor(saved);
    }

    FrmDeckDesign *openEditor(const QVector<bool> &saved, bool waitActive = true)
    {
        window_ = new FrmDeckDesign(rig_->services,
                                    {QStringLiteral("Tutor2.vdk"), QStringLiteral("Design"), int(saved.size())}, saved);
        window_->show();
        if (!waitActive)
            return window_;
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_))
            qWarning("the editor did not become active");
        return window_;
    }

    CardPage *page() const { return window_->cardPage(); }
    void choose(int index)
    {
        QTreeWidget *list = window_->cardList()->lstPictures;
        QTreeWidgetItem *item = list->topLevelItem(index);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
        QCOMPARE(window_->currentCard(), index);
    }

    StoredCard stored(int id) const
    {
        window_->waitForWrites();
        return storedCard(QStringLiteral("Tutor2.vdk"), id);
    }

    QString mark(int index) const { return window_->cardList()->lstPictures->topLevelItem(index)->text(0); }

    std::unique_ptr<DeckHome> home_;
    std::unique_ptr<ServicesRig> rig_;
    QPointer<FrmDeckDesign> window_;
    int ends_ = 0;
};

QTEST_MAIN(TstFrmDeckDesign)
#include "tst_frmdeckdesign.moc"
