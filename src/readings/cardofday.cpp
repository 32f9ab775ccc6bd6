#include "readings/cardofday.h"

#include "app/picturebox.h"
#include "app/prompter.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/widgets.h"
#include "app/windowplace.h"
#include "store/deck.h"
#include "store/historydb.h"
#include "store/personalmeanings.h"
#include "store/pictures.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

namespace velmora::readings {

namespace {

QString keywordText(Deck &deck, int cardId)
{
    QStringList filled;
    for (const QString &keyword : deck.keywords(cardId).value_or(QStringList())) {
        if (!keyword.trimmed().isEmpty())
            filled.append(keyword.trimmed());
    }
    return filled.join(QStringLiteral(", "));
}

QString cardLine(const DayCardView &view)
{
    return (view.card.reversed ? FrmDayCard::tr("%1 (reversed)") : FrmDayCard::tr("%1 (upright)")).arg(view.card.name);
}

void openWindow(Services &services, const DayCardView &view, QWidget *parent)
{
    auto *window = new FrmDayCard(services, view, parent);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

bool cardOfTheDayEnabled(const Services &services)
{
    return services.settings.value(QString::fromLatin1(kDayCardOffKey)) != QLatin1String("True");
}

void setCardOfTheDayEnabled(Services &services, bool enabled)
{
    if (enabled)
        services.settings.remove(QString::fromLatin1(kDayCardOffKey));
    else
        services.settings.setValue(QString::fromLatin1(kDayCardOffKey), QStringLiteral("True"));
}

std::optional<DayCardView> cardOfTheDay(Services &services, const QString &deckPath, bool *fresh)
{
    *fresh = false;
    if (!cardOfTheDayEnabled(services))
        return std::nullopt;
    Deck deck;
    std::optional<DeckHeader> header;
    std::optional<QVector<Card>> cards;
    if (!deck.open(deckPath) || !(header = deck.header()) || !(cards = deck.cards()) || cards->isEmpty())
        return std::nullopt;
    const QString deckFile = QFileInfo(deckPath).fileName();
    const QDate today = services.clock.today();
    std::optional<DayCard> kept = dayCardFromText(services.settings.value(QString::fromLatin1(kDayCardKey)));
    const Card *chosen = nullptr;
    if (kept && kept->day == today && kept->deckFile == deckFile) {
        for (const Card &card : *cards) {
            if (card.id == kept->cardId)
                chosen = &card;
        }
    }
    if (!chosen) {
        const QVector<Draw> draw = drawSpread(int(cards->size()), 1, true, services.random);
        chosen = &cards->at(draw.first().index);
        kept = DayCard{today, deckFile, chosen->id, draw.first().reversed};
        services.settings.setValue(QString::fromLatin1(kDayCardKey), dayCardText(*kept));
        *fresh = true;
    }
    DayCardView view;
    view.deckName = header->deckName;
    view.card = ReadingCard{chosen->id, chosen->name, kept->reversed, keywordText(deck, chosen->id),
                            kept->reversed ? chosen->reversedMeaning : chosen->normalMeaning};
    view.deckFile = deckFile;
    view.ownMeaning = progress::readPersonalMeanings(store::historyPath(), header->deckName)
                          .value_or(progress::PersonalMeaningMap())
                          .value(chosen->name)
                          .of(kept->reversed);
    view.deckPath = deckPath;
    return view;
}

void announceCardOfTheDay(Services &services, QWidget *mainWindow, QSystemTrayIcon *tray, const QString &deckPath)
{
    bool fresh = false;
    const std::optional<DayCardView> view = cardOfTheDay(services, deckPath, &fresh);
    if (!view || !fresh)
        return;
    if (tray && tray->isVisible() && QSystemTrayIcon::supportsMessages()) {
        QPointer<QWidget> parent(mainWindow);
        // Only this message's click: the connection ends with the first one.
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(tray, &QSystemTrayIcon::messageClicked, tray,
                                       [&services, parent, view = *view, connection] {
                                           QObject::disconnect(*connection);
                                           openWindow(services, view, parent);
                                       });
        const QString keywords = firstKeywords(view->card.keywords);
        tray->showMessage(FrmDayCard::tr("Card of the day"),
                          cardLine(*view) + (keywords.isEmpty() ? QString() : QStringLiteral("\n") + keywords),
                          QSystemTrayIcon::Information, 30000);
        return;
    }
    // After the main window has shown, so the card lies over it.
    QTimer::singleShot(0, mainWindow,
                       [&services, mainWindow, view = *view] { openWindow(services, view, mainWindow); });
}

FrmDayCard::FrmDayCard(Services &services, const DayCardView &view, QWidget *parent)
    : QWidget(parent, Qt::Window), services_(services)
{
    setObjectName(QStringLiteral("frmDayCard"));
    setWindowTitle(tr("Card of the Day - %1").arg(QString::fromLatin1(kWindowCaption)));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QHBoxLayout(this);
    picDayCard = named(new PictureBox(this), "picDayCard", tr("Picture of %1").arg(cardLine(view)));
    picDayCard->setFixedSize(200, 330);
    layout->addWidget(picDayCard);
    picture_ = std::make_unique<BackgroundJob<QImage>>(
        [path = view.deckPath, cardId = view.card.cardId, reversed = view.card.reversed] {
            Deck deck;
            if (!deck.open(path))
                return QImage();
            const QImage upright = decodePicture(deck.picture(cardId), QSize(400, 660));
            return reversed ? turnedHalf(upright) : upright;
        },
        this, [this] { showPicture(); });
    auto *column = new QVBoxLayout;
    auto *name = named(new QLabel(cardLine(view), this), "lblDayCard");
    auto *deck = named(new QLabel(tr("From the deck %1").arg(view.deckName), this), "lblDayDeck");
    auto *keywords = named(new QLabel(tr("Keywords: %1").arg(view.card.keywords), this), "lblDayKeywords");
    deck->setVisible(!view.deckName.isEmpty());
    for (QLabel *label : {name, deck, keywords}) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        column->addWidget(label);
    }
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    name->setFont(big);
    auto *meaning = named(new QPlainTextEdit(view.card.meaning, this), "txtDayMeaning", tr("Meaning"));
    meaning->setReadOnly(true);
    meaning->setTabChangesFocus(true);
    column->addWidget(meaning, 1);
    addNote(column, view);
    auto *close = makeButton(this, "cmdClose", tr("&Close"));
    column->addWidget(close, 0, Qt::AlignRight);
    layout->addLayout(column, 1);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // A glance at the card, put away as a message would be.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    keepWindowPlace(*this, services.settings, QSize(620, 400));
    close->setFocus();
}

FrmDayCard::~FrmDayCard()
{
    // Closed or not, what was typed is kept.
    if (noteUnsaved_)
        (void)saveNote();
}

void FrmDayCard::addNote(QVBoxLayout *column, const DayCardView &view)
{
    if (!view.ownMeaning.isEmpty()) {
        auto *own = named(new QLabel(tr("My own meaning: %1").arg(view.ownMeaning), this), "lblDayOwnMeaning");
        own->setTextFormat(Qt::PlainText);
        own->setWordWrap(true);
        own->setMaximumHeight(own->fontMetrics().lineSpacing() * 4 + 4);
        column->addWidget(own);
    }
    txtDayNote = named(new QPlainTextEdit(this), "txtDayNote", tr("Note on the day"));
    txtDayNote->setTabChangesFocus(true);
    txtDayNote->setPlaceholderText(tr("What the card says about your day"));
    column->addWidget(makeLabel(this, "lblDayNote", tr("&Note on the day:"), txtDayNote));
    column->addWidget(txtDayNote, 1);
    lblDayNoteStatus = named(new QLabel(this), "lblDayNoteStatus");
    lblDayNoteStatus->setTextFormat(Qt::PlainText);
    lblDayNoteStatus->setWordWrap(true);
    column->addWidget(lblDayNoteStatus);

    noteReadable_ = note_.load(store::historyPath(), view.deckFile, view.deckName, view.card, services_.clock.now());
    if (noteReadable_) {
        txtDayNote->setPlainText(note_.note());
        // Coming back to the day's note is adding to it.
        txtDayNote->moveCursor(QTextCursor::End);
    } else {
        txtDayNote->setReadOnly(true);
        lblDayNoteStatus->setText(tr("The journal cannot be read, so no note is kept: %1").arg(note_.errorText()));
    }
    noteTimer_ = new QTimer(this);
    noteTimer_->setSingleShot(true);
    noteTimer_->setInterval(700);
    connect(noteTimer_, &QTimer::timeout, this, [this] { (void)saveNote(); });
    connect(txtDayNote, &QPlainTextEdit::textChanged, this, [this] {
        if (!noteReadable_)
            return;
        noteUnsaved_ = true;
        noteTimer_->start();
    });
}

bool FrmDayCard::saveNote()
{
    noteTimer_->stop();
    if (!noteUnsaved_)
        return true;
    if (!note_.save(txtDayNote->toPlainText().trimmed().left(kMaxInterpretation))) {
        lblDayNoteStatus->setText(tr("The note could not be saved in the journal: %1").arg(note_.errorText()));
        return false;
    }
    noteUnsaved_ = false;
    lblDayNoteStatus->setText(tr("Saved in the journal."));
    return true;
}

void FrmDayCard::closeEvent(QCloseEvent *event)
{
    if (saveNote())
        return;
    if (!closingMayAsk()) {
        event->ignore();
        return;
    }
    const PromptAnswer answer = services_.prompter.ask(
        Prompt{tr("The note could not be saved in the journal: %1\n\nClose without saving it?").arg(note_.errorText()),
               PromptIcon::Question, PromptButtons::YesNo, QString::fromLatin1(kAppTitle), PromptAnswer::No},
        this);
    if (answer == PromptAnswer::Yes)
        noteUnsaved_ = false;
    else
        event->ignore();
}

void FrmDayCard::showPicture()
{
    if (!picture_ || !picture_->wait(QDeadlineTimer(0)))
        return;
    picDayCard->setPicture(picture_->take());
    picture_.reset();
}

} // namespace velmora::readings
