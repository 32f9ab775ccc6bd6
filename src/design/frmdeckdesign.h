#pragma once

// The card editor: the card list page and the card page, with the editor
// holding the deck, the current card and what auto save has written.

#include "app/services.h"
#include "decks/deckmanager.h"
#include "design/cardwriter.h"
#include "design/designrules.h"
#include "store/backgroundjob.h"
#include "store/deck.h"
#include "store/readahead.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QMainWindow>

#include <functional>
#include <memory>

class QLabel;
class QTreeWidget;

namespace velmora {

class CardPage;
class FrmLoadPictures;

// Green (0, 128, 0): the card's picture is stored; bright red (255, 0, 0): not;
// each darkened or lightened as far as the background needs to keep it legible.
[[nodiscard]] QColor cardListColour(bool saved, const QColor &background);

// The card list page: one entry "Card n" per card, "Card n (picture)" once
// its picture is stored.
class CardListPage : public QWidget
{
    Q_OBJECT

public:
    explicit CardListPage(QWidget *parent = nullptr);
    void showDeck(const DeckHandOff &handOff);
    void showCards(const QVector<bool> &savedCards);
    // Marks one entry (0-based) after its picture was stored or removed.
    void markCard(int index, bool saved);

    QLabel *lblDeckName = nullptr;
    QLabel *lblCards = nullptr;
    QTreeWidget *lstPictures = nullptr;

signals:
    // 0-based.
    void cardChosen(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showDeckName();

    QString deckName_;
    bool pressing_ = false;
    // The press of the click under way highlighted the card and so chose it.
    bool chosenByPress_ = false;
};

class FrmDeckDesign : public QMainWindow
{
    Q_OBJECT

public:
    FrmDeckDesign(Services &services, DeckHandOff handOff, const QVector<bool> &savedCards, QWidget *parent = nullptr);
    ~FrmDeckDesign() override;

    [[nodiscard]] const DeckHandOff &handOff() const { return handOff_; }
    [[nodiscard]] CardListPage *cardList() const { return page_; }
    [[nodiscard]] CardPage *cardPage() const { return card_; }
    // Back shows what this opens (the deck manager).
    void setBackOpener(std::function<void()> opener) { backOpener_ = std::move(opener); }

    // 0-based; -1 while no card is chosen.
    [[nodiscard]] int currentCard() const { return current_; }
    // The number of the card Save was last pressed on, as decimal text.
    [[nodiscard]] static QString savedCardNumber();

    void chooseCard(int index);
    void save();
    void deleteCard();
    void insertPictures();
    void back();
    // Returns once every edit so far is written (or has failed and says so)
    // and the chosen card's place is remembered.
    void waitForWrites();

signals:
    void loaderOpened(velmora::FrmLoadPictures *loader);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onNameEdited(bool leaving);
    void onKeywordEdited(int slot);
    void onMeaningEdited(Meaning which);
    void onMajorClicked();
    void onMinorClicked();
    [[nodiscard]] bool autoSaving() const;
    // Hands the unsaved fields and slots of the current card to the writer.
    void writeUnsaved();
    void onWritten(const CardWriteResult &result);
    // Before the window goes: every edit written, or the user agreed to lose
    // what could not be. False keeps the window.
    [[nodiscard]] bool finishWrites(const QString &goOnQuestion);
    // With mayAwait, a picture the warmer is about to read is left to it.
    [[nodiscard]] QImage shownPicture(int index, bool mayAwait = false);
    void forgetPicture(int cardId);
    void rememberCardPosition(int number);
    void onPicturesStored();

    Services &services_;
    DeckHandOff handOff_;
    CardListPage *page_ = nullptr;
    CardPage *card_ = nullptr;
    std::function<void()> backOpener_;
    bool goingBack_ = false;

    Deck deck_;
    QString deckError_;
    QVector<Card> cards_;
    int current_ = -1;
    // What the current card's row holds once every edit so far is written.
    Card pending_;
    QStringList pendingSlots_;
    // What of pending_ is neither written nor on its way to the writer:
    // edits whose write failed, tried again with the next edit or Save.
    unsigned unsavedFields_ = 0;
    unsigned unsavedSlots_ = 0;
    QString writeFailure_;
    QString failureReason_; // the reason of the current card's last failed write
    std::unique_ptr<CardWriter> writer_;
    std::unique_ptr<BackgroundJob<bool>> remembering_;
    struct PositionToRemember;
    std::shared_ptr<PositionToRemember> position_;

    // Pictures as picCard shows them, by card ID; decoding a full-size picture
    // through the cipher takes longer than a click may.
    QHash<int, QImage> shownPictures_;
    // Fills shownPictures_' stock for the whole deck while the user works.
    PictureWarmer warmer_;
    void warmPictures(int from);
    // The current card's picture while the warmer reads it: the card is
    // shown at once and its picture when read, rather than the key that
    // chose it waiting for the read.
    int awaitedPicture_ = 0;
    void pictureRead(int cardId);
    // The awaited picture read here and shown, for what needs it now.
    void settleAwaitedPicture();
};

} // namespace velmora
