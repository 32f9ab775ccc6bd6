#pragma once

// The card editor. So far: the deck it was handed and its card list, each
// card green when its picture is stored and red when not.

#include "app/services.h"
#include "decks/deckmanager.h"

#include <QColor>
#include <QMainWindow>

class QLabel;
class QTreeWidget;

namespace velmora {

// Green (0, 128, 0): the card's picture is stored; bright red (255, 0, 0): not.
[[nodiscard]] QColor cardListColour(bool saved);

// The card list page: one entry "Card n" per card.
class CardListPage : public QWidget
{
    Q_OBJECT

public:
    explicit CardListPage(QWidget *parent = nullptr);
    void showDeck(const DeckHandOff &handOff);
    void showCards(const QVector<bool> &savedCards);
    // Recolours one entry (0-based) after its picture was stored or removed.
    void markCard(int index, bool saved);

    QLabel *lblDeckName = nullptr;
    QLabel *lblCards = nullptr;
    QTreeWidget *lstPictures = nullptr;
};

class FrmDeckDesign : public QMainWindow
{
    Q_OBJECT

public:
    FrmDeckDesign(Services &services, DeckHandOff handOff, const QVector<bool> &savedCards, QWidget *parent = nullptr);

    [[nodiscard]] const DeckHandOff &handOff() const { return handOff_; }
    [[nodiscard]] CardListPage *cardList() const { return page_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Services &services_;
    DeckHandOff handOff_;
    CardListPage *page_ = nullptr;
};

} // namespace velmora
