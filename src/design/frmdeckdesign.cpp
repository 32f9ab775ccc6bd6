#include "design/frmdeckdesign.h"

#include "app/appicon.h"
#include "app/helpmenu.h"
#include "app/plaintext.h"
#include "app/prompter.h"
#include "app/readablecolour.h"
#include "app/shell.h"
#include "app/windowplace.h"
#include "design/cardpage.h"
#include "design/frmloadpictures.h"
#include "store/catalog.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTextLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <mutex>

namespace velmora {

QColor cardListColour(bool saved, const QColor &background)
{
    return readableOn(saved ? QColor(0, 128, 0) : QColor(255, 0, 0), background);
}

namespace {

constexpr int kSavedRole = Qt::UserRole;

// The first line as far as it reaches, the rest cut with an ellipsis on the
// second, so that a cut name does not pass for the whole one.
QString inTwoLines(const QString &text, const QFont &font, int width)
{
    QString flat = text;
    flat.replace(QRegularExpression(QStringLiteral("[\\r\\n\\t\\x{2028}\\x{2029}]")), QStringLiteral(" "));
    QTextLayout layout(flat, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine first = layout.createLine();
    first.setLineWidth(width);
    layout.endLayout();
    const int end = first.isValid() ? first.textStart() + first.textLength() : int(flat.size());
    if (end >= flat.size())
        return flat;
    // Nothing is taken out at the break, so that the two lines read back as
    // the name.
    return flat.left(end) + QLatin1Char('\n') + QFontMetrics(font).elidedText(flat.mid(end), Qt::ElideRight, width);
}

} // namespace

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
    lblDeckName->setMinimumHeight(2 * lblDeckName->fontMetrics().lineSpacing());
    lblDeckName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lstPictures = new QTreeWidget(this);
    lstPictures->setObjectName(QStringLiteral("lstPictures"));
    lstPictures->setColumnCount(1);
    lstPictures->setHeaderLabels({tr("No. of Cards")});
    lstPictures->setRootIsDecorated(false);
    lstPictures->setUniformRowHeights(true);
    lstPictures->header()->setStretchLastSection(true);
    lstPictures->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstPictures->setAccessibleName(tr("Cards"));
    // Room for the longest entry, so that its mark is never cut off.
    lstPictures->setMinimumWidth(
        lstPictures->fontMetrics().horizontalAdvance(tr("Card %1 (picture)").arg(QStringLiteral("000"))) +
        lstPictures->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4 * lstPictures->frameWidth() + 8);
    // The highlighted card is the card shown, however the highlight moved
    // (click, arrow keys, Home, Page Down). A click on the card already
    // highlighted shows it again, as after the picture loader emptied the picture.
    lstPictures->viewport()->installEventFilter(this);
    connect(lstPictures, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> selected = lstPictures->selectedItems();
        if (selected.isEmpty())
            return;
        chosenByPress_ = pressing_;
        emit cardChosen(lstPictures->indexOfTopLevelItem(selected.first()));
    });
    connect(lstPictures, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (std::exchange(chosenByPress_, false) || !item->isSelected())
            return;
        emit cardChosen(lstPictures->indexOfTopLevelItem(item));
    });

    auto *label1 = new QLabel(tr("Deck Name:"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto *label2 = new QLabel(tr("Number of Cards:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    // Each caption above its value, so that the narrow list keeps room for a long name.
    auto *header = new QVBoxLayout;
    header->addWidget(label1);
    header->addWidget(lblDeckName);
    header->addWidget(label2);
    header->addWidget(lblCards);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(lstPictures, 1);
}

bool CardListPage::eventFilter(QObject *watched, QEvent *event)
{
    // Seen before the list handles the press, which may change the highlight.
    if (event->type() == QEvent::MouseButtonPress) {
        pressing_ = true;
        chosenByPress_ = false;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        pressing_ = false;
    }
    return QWidget::eventFilter(watched, event);
}

void CardListPage::showDeck(const DeckHandOff &handOff)
{
    deckName_ = handOff.deckName;
    lblDeckName->setToolTip(plainToolTip(handOff.deckName));
    lblCards->setText(QString::number(handOff.cardCount));
    showDeckName();
}

void CardListPage::showDeckName()
{
    lblDeckName->setText(inTwoLines(deckName_, lblDeckName->font(), std::max(40, lblDeckName->width())));
}

void CardListPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showDeckName();
}

void CardListPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        for (int i = 0; i < lstPictures->topLevelItemCount(); ++i)
            markCard(i, lstPictures->topLevelItem(i)->data(0, kSavedRole).toBool());
    }
}

void CardListPage::showCards(const QVector<bool> &savedCards)
{
    lstPictures->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(savedCards.size());
    for (qsizetype i = 0; i < savedCards.size(); ++i)
        items.append(new QTreeWidgetItem);
    const QSignalBlocker quiet(lstPictures);
    lstPictures->addTopLevelItems(items);
    for (int i = 0; i < int(savedCards.size()); ++i)
        markCard(i, savedCards[i]);
    lstPictures->setCurrentItem(nullptr);
    lstPictures->clearSelection();
}

void CardListPage::markCard(int index, bool saved)
{
    QTreeWidgetItem *item = lstPictures->topLevelItem(index);
    if (!item)
        return;
    // The words carry the meaning too, for those who cannot tell the colours apart.
    item->setText(0, saved ? tr("Card %1 (picture)").arg(index + 1) : tr("Card %1").arg(index + 1));
    item->setData(0, kSavedRole, saved);
    // The page's palette: a palette change reaches the page before its list.
    item->setForeground(0, cardListColour(saved, palette().color(QPalette::Base)));
}

namespace {

QString savedNumber; // process-wide, as the editor's Save leaves it

// A shown picture is a few hundred kilobytes; a deck of a few hundred cards
// stays within a few tens of megabytes.
constexpr int kShownPictureCap = 400;

} // namespace

FrmDeckDesign::FrmDeckDesign(Services &services, DeckHandOff handOff, const QVector<bool> &savedCards, QWidget *parent)
    : QMainWindow(parent), services_(services), handOff_(std::move(handOff))
{
    setObjectName(QStringLiteral("frmDeckDesign"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    page_ = new CardListPage(this);
    page_->setMaximumWidth(220);
    card_ = new CardPage(this);
    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(page_);
    layout->addWidget(card_, 1);
    setCentralWidget(central);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto addItem = [file, this](const char *name, const QString &text, void (FrmDeckDesign::*slot)()) {
        QAction *action = file->addAction(text, this, slot);
        action->setObjectName(QLatin1String(name));
    };
    addItem("mnuBack", tr("&Back"), &FrmDeckDesign::back);
    addItem("mnuSave", tr("&Save"), &FrmDeckDesign::save);
    addItem("mnuDelete", tr("&Delete"), &FrmDeckDesign::deleteCard);
    file->addSeparator();
    QAction *exit = file->addAction(tr("&Exit"), this, [] { EndProgram(); });
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addHelpMenu(menuBar(), services_, this);

    page_->showDeck(handOff_);
    page_->showCards(savedCards);
    card_->enableSuits(false);

    connect(page_, &CardListPage::cardChosen, this, &FrmDeckDesign::chooseCard);
    connect(card_, &CardPage::nameEdited, this, [this] { onNameEdited(false); });
    connect(card_, &CardPage::nameLeft, this, [this] { onNameEdited(true); });
    connect(card_, &CardPage::keywordEdited, this, &FrmDeckDesign::onKeywordEdited);
    connect(card_, &CardPage::meaningEdited, this, &FrmDeckDesign::onMeaningEdited);
    connect(card_, &CardPage::majorClicked, this, &FrmDeckDesign::onMajorClicked);
    connect(card_, &CardPage::minorClicked, this, &FrmDeckDesign::onMinorClicked);
    connect(card_, &CardPage::browseRequested, this, &FrmDeckDesign::insertPictures);
    connect(card_, &CardPage::saveRequested, this, &FrmDeckDesign::save);
    connect(card_, &CardPage::deleteRequested, this, &FrmDeckDesign::deleteCard);
    connect(card_, &CardPage::backRequested, this, &FrmDeckDesign::back);
    connect(card_, &CardPage::exitRequested, this, [] { EndProgram(); });

    // One connection for the editor's life: each keystroke's write then costs
    // a transaction, not an open and a check of the whole file.
    const QString path = paths::deckDatabase(handOff_.deckFile);
    if (!deck_.open(path, Access::ReadWrite)) {
        deckError_ = deck_.errorText();
        card_->showSaveStatus(tr("The deck cannot be opened for writing: %1").arg(deckError_));
    }
    writer_ = std::make_unique<CardWriter>(path, [this](const CardWriteResult &result) { onWritten(result); });
    warmer_.tellRead(this, [this](int cardId) { pictureRead(cardId); });
    keepWindowPlace(*this, services_.settings, QSize(1000, 640));
}

FrmDeckDesign::~FrmDeckDesign()
{
    // Written before the window's deck connection goes.
    writer_.reset();
    remembering_.reset();
}

void FrmDeckDesign::waitForWrites()
{
    writer_->wait();
    remembering_.reset();
}

QString FrmDeckDesign::savedCardNumber()
{
    return savedNumber;
}

// The card position the catalog is to remember, and whether a write is on
// its way; shared by the screen thread and the write.
struct FrmDeckDesign::PositionToRemember
{
    std::mutex mutex;
    int wanted = 0;
    bool writing = false;
};

void FrmDeckDesign::rememberCardPosition(int number)
{
    // A write to the catalog waits for the disk; the card is shown meanwhile.
    // A write on its way takes the newest position along when it is done,
    // rather than the chosen card waiting for it: one write runs at a time.
    if (!position_)
        position_ = std::make_shared<PositionToRemember>();
    {
        const std::lock_guard lock(position_->mutex);
        position_->wanted = number;
        if (position_->writing)
            return;
        position_->writing = true;
    }
    remembering_.reset(); // a write that has just said it is done
    remembering_ = std::make_unique<BackgroundJob<bool>>([position = position_] {
        bool ok = false;
        for (int written = 0;;) {
            int wanted = 0;
            {
                const std::lock_guard lock(position->mutex);
                if (position->wanted == written) {
                    position->writing = false;
                    return ok;
                }
                wanted = position->wanted;
            }
            Catalog catalog;
            ok = catalog.open(Access::ReadWrite);
            if (ok) {
                RememberedPick pick = catalog.pick().value_or(RememberedPick{});
                pick.cardPosition = wanted;
                ok = catalog.rememberPick(pick);
            }
            written = wanted;
        }
    });
}

void FrmDeckDesign::chooseCard(int index)
{
    QTreeWidget *list = page_->lstPictures;
    if (index < 0 || index >= list->topLevelItemCount())
        return;
    // The card left behind is written before another is shown; one whose
    // write still fails stays named on the status line.
    writeUnsaved();
    writer_->wait();
    const QString leftUnsaved = unsavedFields_ || unsavedSlots_ ? writeFailure_ : QString();
    unsavedFields_ = unsavedSlots_ = 0;
    writeFailure_.clear();

    rememberCardPosition(index + 1);
    awaitedPicture_ = 0;
    {
        const QSignalBlocker quiet(list);
        list->setCurrentItem(list->topLevelItem(index));
    }
    current_ = index;
    if (deck_.isOpen())
        cards_ = deck_.cards().value_or(QVector<Card>());
    const QString status = !leftUnsaved.isEmpty() ? leftUnsaved
                           : deckError_.isEmpty() ? QString()
                                                  : tr("The deck cannot be opened for writing: %1").arg(deckError_);
    if (index >= cards_.size()) {
        pending_ = Card{};
        pendingSlots_.clear();
        card_->showCard(Card{0, QStringLiteral(""), -1, {}, {}, false}, {}, {});
        card_->showSaveStatus(status);
        return;
    }
    pending_ = cards_[index];
    const QStringList stored = deck_.keywords(pending_.id).value_or(QStringList());
    pendingSlots_.clear();
    for (int k = 0; k < kSlotsPerCard; ++k)
        pendingSlots_.append(k < stored.size() && !stored[k].isNull() ? stored[k] : QStringLiteral(""));
    // The first card chosen is read on the warmer too, from where the reading
    // starts, rather than on the screen thread: a large picture takes tens of
    // milliseconds.
    const bool warming = warmer_.running();
    if (!warming)
        warmPictures(index);
    card_->showCard(pending_, pendingSlots_, shownPicture(index, true));
    card_->showSaveStatus(status);
    // Cards are mostly visited in list order: the next one is read first.
    if (warming && index + 1 < cards_.size())
        warmer_.prefer(cards_[index + 1].id);
    if (awaitedPicture_ != 0)
        warmer_.prefer(awaitedPicture_);
}

void FrmDeckDesign::warmPictures(int from)
{
    // The cards after the one on screen first; the shown stock stays under its cap.
    QVector<int> ids;
    for (int step = 0; step < cards_.size() && shownPictures_.size() + ids.size() < kShownPictureCap; ++step) {
        const Card &card = cards_[(from + step) % cards_.size()];
        if (card.isSaved && !shownPictures_.contains(card.id))
            ids.append(card.id);
    }
    if (!ids.isEmpty())
        warmer_.start(paths::deckDatabase(handOff_.deckFile), ids, card_->pictureSize());
}

QImage FrmDeckDesign::shownPicture(int index, bool mayAwait)
{
    const Card &card = cards_[index];
    const auto cached = shownPictures_.constFind(card.id);
    if (cached != shownPictures_.constEnd())
        return *cached;
    const QSize size = card_->pictureSize();
    QImage picture = warmer_.take(card.id, size).value_or(QImage());
    if (picture.isNull() && mayAwait && card.isSaved && warmer_.waiting(card.id)) {
        awaitedPicture_ = card.id;
        return {};
    }
    if (picture.isNull())
        picture = decodePicture(deck_.picture(card.id), size);
    if (!picture.isNull()) {
        if (shownPictures_.size() >= kShownPictureCap)
            shownPictures_.clear();
        shownPictures_.insert(card.id, picture);
    }
    return picture;
}

void FrmDeckDesign::pictureRead(int cardId)
{
    if (cardId == 0 || cardId != awaitedPicture_ || current_ < 0 || current_ >= cards_.size() ||
        cards_[current_].id != cardId)
        return;
    settleAwaitedPicture();
}

void FrmDeckDesign::settleAwaitedPicture()
{
    if (awaitedPicture_ == 0 || current_ < 0 || current_ >= cards_.size() || cards_[current_].id != awaitedPicture_)
        return;
    awaitedPicture_ = 0;
    // Read here when the warmer has not got to it (or read it at another size).
    card_->showPicture(shownPicture(current_));
}

void FrmDeckDesign::forgetPicture(int cardId)
{
    awaitedPicture_ = 0;
    // What the warmer read of other cards stays good; it starts again at the next card shown.
    shownPictures_.insert(warmer_.stop());
    shownPictures_.remove(cardId);
}

bool FrmDeckDesign::autoSaving() const
{
    return current_ >= 0 && pending_.id > 0 && card_->chkAutoSave->isChecked();
}

void FrmDeckDesign::writeUnsaved()
{
    if (pending_.id <= 0 || (unsavedFields_ == 0 && unsavedSlots_ == 0))
        return;
    CardEdit edit;
    edit.card = pending_;
    edit.card.name = card_->cardName().trimmed();
    edit.number = current_ + 1;
    edit.fields = unsavedFields_;
    edit.slotMask = unsavedSlots_;
    edit.keywordSlots = pendingSlots_;
    unsavedFields_ = unsavedSlots_ = 0;
    writer_->post(edit);
}

void FrmDeckDesign::onWritten(const CardWriteResult &result)
{
    if (result.edit.card.id != pending_.id) {
        // Another card's write, handed over before this card was chosen.
        if (!result.ok)
            writeFailure_ = tr("Card %1 is not saved: %2").arg(QString::number(result.edit.number), result.error);
        return;
    }
    if (!result.ok) {
        unsavedFields_ |= result.edit.fields;
        unsavedSlots_ |= result.edit.slotMask;
        failureReason_ = result.error;
        writeFailure_ = tr("Card %1 is not saved: %2. The next change or Save tries again.")
                            .arg(QString::number(result.edit.number), result.error);
        card_->showSaveStatus(writeFailure_);
        return;
    }
    if (unsavedFields_ == 0 && unsavedSlots_ == 0) {
        writeFailure_.clear();
        card_->showSaveStatus({});
    }
}

void FrmDeckDesign::onNameEdited(bool leaving)
{
    if (!autoSaving() || (!leaving && current_ != 0))
        return;
    pending_.name = card_->cardName().trimmed();
    unsavedFields_ |= kCardName;
    writeUnsaved();
}

void FrmDeckDesign::onKeywordEdited(int slot)
{
    if (!autoSaving())
        return;
    pendingSlots_[slot] = card_->keyword(slot).trimmed();
    unsavedSlots_ |= 1u << slot;
    writeUnsaved();
}

void FrmDeckDesign::onMeaningEdited(Meaning which)
{
    if (!autoSaving())
        return;
    const QString text = which == Meaning::Normal ? card_->normalMeaning() : card_->reversedMeaning();
    if (auto message = meaningTooLong(which, text)) {
        services_.prompter.tell(*message, PromptIcon::Critical, this);
        return;
    }
    if (which == Meaning::Normal) {
        pending_.normalMeaning = text.trimmed();
        unsavedFields_ |= kCardNormalMeaning;
    } else {
        pending_.reversedMeaning = text.trimmed();
        unsavedFields_ |= kCardReversedMeaning;
    }
    writeUnsaved();
}

void FrmDeckDesign::onMajorClicked()
{
    card_->enableSuits(false);
    if (!autoSaving())
        return;
    pending_.group = 0;
    unsavedFields_ |= kCardGroup;
    writeUnsaved();
}

void FrmDeckDesign::onMinorClicked()
{
    card_->enableSuits(true);
    if (!autoSaving())
        return;
    if (auto group = suitGroup(card_->groupOptions())) {
        pending_.group = *group;
        unsavedFields_ |= kCardGroup;
        writeUnsaved();
    }
}

void FrmDeckDesign::save()
{
    savedNumber = QString::number(current_ + 1);
    settleAwaitedPicture();
    if (!card_->hasPicture() || current_ < 0 || pending_.id <= 0) {
        card_->cmdBrowsePictures->setFocus();
        return;
    }
    card_->chkAutoSave->setChecked(true);
    pending_.name = card_->cardName().trimmed();
    pending_.normalMeaning = card_->normalMeaning().trimmed();
    pending_.reversedMeaning = card_->reversedMeaning().trimmed();
    unsavedFields_ |= kCardName | kCardNormalMeaning | kCardReversedMeaning;
    if (auto group = groupForSave(card_->groupOptions())) {
        pending_.group = *group;
        unsavedFields_ |= kCardGroup;
    }
    pendingSlots_ = card_->keywords();
    unsavedSlots_ = (1u << kSlotsPerCard) - 1;
    writeUnsaved();
    writer_->wait();
    if (unsavedFields_ == 0 && unsavedSlots_ == 0)
        services_.prompter.tell(tr("Card(s) Saved Successfully"), PromptIcon::Information, this);
    else
        services_.prompter.tell(writeFailure_, PromptIcon::Critical, this);
}

void FrmDeckDesign::deleteCard()
{
    if (current_ < 0 || pending_.id <= 0)
        return;
    // Named in the question, so that the answer is given for the card on screen.
    // A name left as the deck made it ("Card 3", stored in English) is not repeated.
    const QString number = QString::number(current_ + 1);
    const QString name = card_->cardName().trimmed();
    const QString card = name.isEmpty() || name == QStringLiteral("Card %1").arg(number)
                             ? tr("Card %1").arg(number)
                             : tr("Card %1: %2").arg(number, name);
    if (services_.prompter.ask({tr("Are you sure you want to delete this card ?\n\n%1").arg(card),
                                PromptIcon::Information, PromptButtons::YesNo, QString::fromLatin1(kAppTitle)},
                               this) != PromptAnswer::Yes)
        return;
    writer_->wait();
    if (!deck_.clearCardContent(pending_.id)) {
        card_->showSaveStatus(tr("Card %1 is not deleted: %2").arg(QString::number(current_ + 1), deck_.errorText()));
        return;
    }
    pending_.normalMeaning = QStringLiteral("");
    pending_.reversedMeaning = QStringLiteral("");
    pending_.group = 0;
    // What failed to be written of these is gone with them.
    unsavedFields_ &= ~unsigned(kCardNormalMeaning | kCardReversedMeaning | kCardGroup);
    forgetPicture(pending_.id);
    page_->markCard(current_, false);
}

void FrmDeckDesign::insertPictures()
{
    writeUnsaved();
    writer_->wait();
    auto *loader = new FrmLoadPictures(services_, deck_, this);
    connect(loader, &FrmLoadPictures::cardStored, this, [this](int index) { page_->markCard(index, true); });
    connect(loader, &FrmLoadPictures::picturesSaved, this, &FrmDeckDesign::onPicturesStored);
    emit loaderOpened(loader);
    loader->open();
}

void FrmDeckDesign::onPicturesStored()
{
    warmer_.stop();
    awaitedPicture_ = 0;
    shownPictures_.clear();
    card_->showPicture({});
    activateWindow();
    raise();
    card_->txtNormalMeaning->setFocus();
}

void FrmDeckDesign::back()
{
    // Going back closes the editor as surely as quitting does: a card that
    // still cannot be written is asked about, not dropped.
    if (!finishWrites(tr("Go back anyway?")))
        return;
    goingBack_ = true;
    if (backOpener_)
        backOpener_();
    close();
}

bool FrmDeckDesign::finishWrites(const QString &goOnQuestion)
{
    // What is on its way is written first; an auto save that failed, then or
    // earlier, is tried once more before the user is asked.
    for (int attempt = 0; attempt < 2 && (attempt == 0 || unsavedFields_ || unsavedSlots_); ++attempt) {
        writeUnsaved();
        waitForWrites();
    }
    if (unsavedFields_ == 0 && unsavedSlots_ == 0)
        return true;
    if (!closingMayAsk())
        return false;
    Prompt question{
        tr("Card %1 could not be saved: %2. %3").arg(QString::number(current_ + 1), failureReason_, goOnQuestion),
        PromptIcon::Warning, PromptButtons::YesNo, QString::fromLatin1(kAppTitle)};
    question.defaultAnswer = PromptAnswer::No;
    return services_.prompter.ask(question, this) == PromptAnswer::Yes;
}

void FrmDeckDesign::closeEvent(QCloseEvent *event)
{
    // Back has written what it could already and leaves the program running.
    if (!goingBack_ && !finishWrites(tr("Quit anyway?"))) {
        event->ignore();
        return;
    }
    event->accept();
    if (!goingBack_ && !closingAllWindows())
        EndProgram();
}

} // namespace velmora
