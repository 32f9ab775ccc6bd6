#include "design/frmdeckdesign.h"

#include "app/appicon.h"
#include "app/helpmenu.h"
#include "app/prompter.h"
#include "app/shell.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

QColor cardListColour(bool saved)
{
    return saved ? QColor(0, 128, 0) : QColor(255, 0, 0);
}

CardListPage::CardListPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageCardList"));
    lblDeckName = new QLabel(this);
    lblDeckName->setObjectName(QStringLiteral("lblDeckName"));
    lblCards = new QLabel(this);
    lblCards->setObjectName(QStringLiteral("lblCards"));
    for (QLabel *label : {lblDeckName, lblCards}) {
        label->setTextFormat(Qt::PlainText);
        // A long name is cut short rather than widening the window.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    lstPictures = new QTreeWidget(this);
    lstPictures->setObjectName(QStringLiteral("lstPictures"));
    lstPictures->setColumnCount(1);
    lstPictures->setHeaderLabels({QStringLiteral("No. of Cards")});
    lstPictures->setRootIsDecorated(false);
    lstPictures->setUniformRowHeights(true);
    lstPictures->header()->setStretchLastSection(true);
    lstPictures->setAccessibleName(QStringLiteral("Cards"));

    auto *header = new QFormLayout;
    header->addRow(QStringLiteral("Deck:"), lblDeckName);
    header->addRow(QStringLiteral("Cards:"), lblCards);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(lstPictures, 1);
}

void CardListPage::showDeck(const DeckHandOff &handOff)
{
    lblDeckName->setText(handOff.deckName);
    lblDeckName->setToolTip(handOff.deckName);
    lblCards->setText(QString::number(handOff.cardCount));
}

void CardListPage::showCards(const QVector<bool> &savedCards)
{
    lstPictures->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(savedCards.size());
    for (qsizetype i = 0; i < savedCards.size(); ++i) {
        auto *item = new QTreeWidgetItem(QStringList{QStringLiteral("Card %1").arg(i + 1)});
        item->setForeground(0, cardListColour(savedCards[i]));
        items.append(item);
    }
    lstPictures->addTopLevelItems(items);
    lstPictures->setCurrentItem(nullptr);
    lstPictures->clearSelection();
}

void CardListPage::markCard(int index, bool saved)
{
    if (QTreeWidgetItem *item = lstPictures->topLevelItem(index))
        item->setForeground(0, cardListColour(saved));
}

FrmDeckDesign::FrmDeckDesign(Services &services, DeckHandOff handOff, const QVector<bool> &savedCards, QWidget *parent)
    : QMainWindow(parent), services_(services), handOff_(std::move(handOff))
{
    setObjectName(QStringLiteral("frmDeckDesign"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    page_ = new CardListPage(this);
    setCentralWidget(page_);
    addHelpMenu(menuBar(), services_, this);
    page_->showDeck(handOff_);
    page_->showCards(savedCards);
    resize(420, 560);
}

void FrmDeckDesign::closeEvent(QCloseEvent *event)
{
    // Until the editor has its Back, the close box ends the program like the
    // other windows do.
    if (!closingAllWindows())
        EndProgram();
    event->accept();
}

} // namespace velmora
