#include "readings/frmreadings.h"

#include "readings/readingpages.h"

#include "app/accessibility.h"
#include "app/elidedlabel.h"
#include "app/picturebox.h"
#include "app/prompter.h"
#include "app/safesave.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/widgets.h"
#include "app/windowkeys.h"
#include "app/windowplace.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::readings {

namespace {

constexpr int kSlots = 5;
const QSize kPictureSize(96, 156);

// Where each position lies in the grid of three by three: the five cards
// make a cross around the situation.
QPoint gridCell(Spread spread, int position)
{
    switch (spread) {
    case Spread::OneCard:
        return {1, 0};
    case Spread::ThreeCards:
        return {position, 0};
    case Spread::FiveCards:
        break;
    }
    static const QPoint cross[kSlots] = {{1, 1}, {1, 0}, {0, 1}, {2, 1}, {1, 2}};
    return cross[position];
}

QString keywordText(const QStringList &keywordSlots)
{
    QStringList filled;
    for (const QString &keyword : keywordSlots) {
        if (!keyword.trimmed().isEmpty())
            filled.append(keyword.trimmed());
    }
    return filled.join(QStringLiteral(", "));
}

// A name as the spread shows it under its card: a few lines at most.
QString shownName(const QString &name)
{
    constexpr int kShownChars = 80;
    return name.size() > kShownChars ? name.left(kShownChars - 1) + QChar(0x2026) : name;
}

QString cardText(const QString &name, bool reversed)
{
    return (reversed ? FrmReadings::tr("%1 (reversed)") : FrmReadings::tr("%1 (upright)")).arg(name);
}

} // namespace

QImage cardBack()
{
    QImage back(kPictureSize * 2, QImage::Format_RGB32);
    back.fill(QColor(48, 24, 72));
    QPainter painter(&back);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(212, 175, 55), 4));
    painter.drawRect(back.rect().adjusted(10, 10, -10, -10));
    painter.drawEllipse(back.rect().center(), 40, 40);
    return back;
}

FrmReadings::FrmReadings(Services &services, QString journalPath, QWidget *parent)
    : QWidget(parent, Qt::Window), services_(services), journalPath_(std::move(journalPath))
{
    setObjectName(QStringLiteral("frmReadings"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    closeOnEscape(*this);
    keepWindowPlace(*this, services_.settings, QSize(1100, 700));
}

FrmReadings::FrmReadings(Services &services, QString journalPath, ReadingDeckOpener openDeck, QWidget *parent)
    : FrmReadings(services, std::move(journalPath), parent)
{
    openDeck_ = std::move(openDeck);
    layCards();
}

FrmReadings::FrmReadings(Services &services, QString journalPath, const Reading &saved, QWidget *parent)
    : FrmReadings(services, std::move(journalPath), parent)
{
    readOnly_ = true;
    reading_ = saved;
    turned_ = QVector<bool>(reading_.cards.size(), true);
    loadSavedPictures();
    cboSpread->setCurrentIndex(cboSpread->findData(int(reading_.spread)));
    findChild<QLabel *>(QStringLiteral("lblSpread"))->setVisible(false);
    for (QWidget *control :
         {static_cast<QWidget *>(cboSpread), static_cast<QWidget *>(cmdDraw), static_cast<QWidget *>(cmdSave)})
        control->setVisible(false);
    txtQuestion->setText(reading_.question);
    txtInterpretation->setPlainText(reading_.interpretation);
    txtQuestion->setReadOnly(true);
    txtInterpretation->setReadOnly(true);
    lblDeck->setText(readingTitle(reading_));
    own_ = progress::readPersonalMeanings(journalPath_, reading_.deckName).value_or(progress::PersonalMeaningMap());
    layCards();
}

FrmReadings::~FrmReadings() = default;

void FrmReadings::buildControls()
{
    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    auto *top = new QHBoxLayout;
    cboSpread = named(new ChoiceList(this), "cboSpread");
    for (Spread spread : {Spread::OneCard, Spread::ThreeCards, Spread::FiveCards})
        cboSpread->addItem(spreadName(spread), int(spread));
    cboSpread->setCurrentIndex(1);
    cboSpread->setAccessibleName(tr("Spread"));
    top->addWidget(makeLabel(this, "lblSpread", tr("&Spread:"), cboSpread));
    top->addWidget(cboSpread);
    cmdDraw = makeButton(this, "cmdDraw", tr("&Draw"));
    top->addWidget(cmdDraw);
    lblDeck = named(new ElidedLabel(this), "lblDeck");
    top->addWidget(lblDeck, 1);
    left->addLayout(top);

    fraSpread = named(new QWidget(this), "fraSpread", tr("Spread of cards"));
    fraSpread->setFocusPolicy(Qt::StrongFocus);
    fraSpread->installEventFilter(this);
    auto *grid = new QGridLayout(fraSpread);
    for (int i = 0; i < kSlots; ++i) {
        auto *cell = new QWidget(fraSpread);
        auto *column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        auto *position = named(new QLabel(cell), QStringLiteral("lblPosition%1").arg(i));
        auto *picture = named(new PictureBox(cell), QStringLiteral("picCard%1").arg(i));
        auto *name = named(new QLabel(cell), QStringLiteral("lblCard%1").arg(i));
        for (QLabel *label : {position, name}) {
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignCenter);
            label->setWordWrap(true);
        }
        // Names wrap under their card; a word longer than the room is cut,
        // not given more.
        name->setFixedWidth(kPictureSize.width() + 40);
        picture->setFixedSize(kPictureSize);
        picture->setFocusPolicy(Qt::StrongFocus);
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
        column->addWidget(position);
        column->addWidget(picture, 0, Qt::AlignHCenter);
        column->addWidget(name);
        lblPositions.append(position);
        picCards.append(picture);
        lblCards.append(name);
        grid->addWidget(cell, 0, i);
    }
    left->addWidget(fraSpread, 1);
    layout->addLayout(left, 3);

    auto *right = new QVBoxLayout;
    txtQuestion = named(new QLineEdit(this), "txtQuestion", tr("Question"));
    txtQuestion->setMaxLength(kMaxQuestion);
    right->addWidget(makeLabel(this, "lblQuestion", tr("&Question:"), txtQuestion));
    right->addWidget(txtQuestion);
    txtInterpretation = named(new QPlainTextEdit(this), "txtInterpretation", tr("Interpretation"));
    txtInterpretation->setTabChangesFocus(true);
    right->addWidget(makeLabel(this, "lblInterpretation", tr("&Interpretation:"), txtInterpretation));
    right->addWidget(txtInterpretation, 2);
    cmdShowMeanings = makeButton(this, "cmdShowMeanings", tr("Show &meanings"));
    right->addWidget(cmdShowMeanings);
    txtMeanings = named(new QPlainTextEdit(this), "txtMeanings", tr("Meanings"));
    txtMeanings->setReadOnly(true);
    txtMeanings->setTabChangesFocus(true);
    txtMeanings->setVisible(false);
    right->addWidget(txtMeanings, 3);
    auto *buttons = new QHBoxLayout;
    cmdSave = makeButton(this, "cmdSave", tr("Sa&ve"));
    cmdTestMe = makeButton(this, "cmdTestMe", tr("&Test me on these cards"));
    cmdJournal = makeButton(this, "cmdJournal", tr("&Journal..."));
    cmdExport = makeButton(this, "cmdExportReading", tr("E&xport..."));
    cmdClose = makeButton(this, "cmdClose", tr("&Close"));
    for (QPushButton *button : {cmdSave, cmdTestMe, cmdExport, cmdJournal, cmdClose})
        buttons->addWidget(button);
    right->addLayout(buttons);
    layout->addLayout(right, 2);

    connect(cmdDraw, &QPushButton::clicked, this, &FrmReadings::draw);
    connect(cmdShowMeanings, &QPushButton::clicked, this, &FrmReadings::showMeanings);
    connect(cmdSave, &QPushButton::clicked, this, [this] { (void)save(); });
    connect(cmdTestMe, &QPushButton::clicked, this, &FrmReadings::requestTest);
    connect(cmdJournal, &QPushButton::clicked, this, &FrmReadings::journalRequested);
    connect(cmdExport, &QPushButton::clicked, this, [this] { (void)exportReading(); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(txtQuestion, &QLineEdit::textEdited, this, &FrmReadings::textsEdited);
    connect(txtInterpretation, &QPlainTextEdit::textChanged, this, &FrmReadings::textsEdited);
}

void FrmReadings::textsEdited()
{
    if (!readOnly_ && !reading_.cards.isEmpty())
        unsaved_ = true;
}

void FrmReadings::layCards()
{
    auto *grid = static_cast<QGridLayout *>(fraSpread->layout());
    const int count = int(reading_.cards.size());
    const QStringList positions = spreadPositions(reading_.spread);
    for (int i = 0; i < kSlots; ++i) {
        QWidget *cell = picCards[i]->parentWidget();
        grid->removeWidget(cell);
        cell->setVisible(i < count);
        if (i >= count)
            continue;
        const QPoint at = gridCell(reading_.spread, i);
        grid->addWidget(cell, at.y(), at.x(), Qt::AlignCenter);
        lblPositions[i]->setText(positions.value(i));
        showCard(i);
    }
    const bool drawn = count > 0;
    cmdShowMeanings->setEnabled(drawn);
    cmdTestMe->setEnabled(drawn);
    cmdSave->setEnabled(drawn);
    cmdExport->setEnabled(drawn);
    if (!readOnly_) {
        lblDeck->setText(drawn ? reading_.deckName : tr("Choose a spread and press Draw."));
    }
}

void FrmReadings::showCard(int position)
{
    const ReadingCard &card = reading_.cards[position];
    const QString where = spreadPositions(reading_.spread).value(position);
    if (!turned_.value(position)) {
        picCards[position]->setPicture(cardBack());
        lblCards[position]->setText(tr("Face down"));
        picCards[position]->setAccessibleName(tr("%1: face down, press Space to turn").arg(where));
        return;
    }
    const QImage face = faces_.value(position);
    picCards[position]->setPicture(card.reversed ? turnedHalf(face) : face);
    const QString text = cardText(card.name, card.reversed);
    lblCards[position]->setText(cardText(shownName(card.name), card.reversed));
    picCards[position]->setAccessibleName(tr("%1: %2").arg(where, text));
}

void FrmReadings::loadSavedPictures()
{
    faces_ = QVector<QImage>(reading_.cards.size());
    // Only a file of the deck folder, and only while it holds the same cards.
    const QString file = reading_.deckFile;
    if (file.isEmpty() || QFileInfo(file).fileName() != file || file.startsWith(QLatin1Char('.')))
        return;
    Deck deck;
    if (!deck.open(paths::deckDatabase(file)))
        return;
    const QVector<Card> cards = deck.cards().value_or(QVector<Card>());
    QVector<int> ids(reading_.cards.size(), 0);
    for (int i = 0; i < reading_.cards.size(); ++i) {
        for (const Card &card : cards) {
            if (card.id == reading_.cards[i].cardId && card.name == reading_.cards[i].name)
                ids[i] = card.id;
        }
    }
    decodeFaces(deck.path(), ids);
}

void FrmReadings::decodeFaces(const QString &deckPath, const QVector<int> &cardIds)
{
    faces_ = QVector<QImage>(cardIds.size());
    std::erase_if(abandoned_, [](const auto &job) { return job->wait(QDeadlineTimer(0)); });
    if (decoding_)
        abandoned_.push_back(std::move(decoding_));
    decoding_ = std::make_unique<BackgroundJob<QVector<QImage>>>(
        [deckPath, cardIds] {
            QVector<QImage> faces(cardIds.size());
            Deck deck;
            if (!deck.open(deckPath))
                return faces;
            for (qsizetype i = 0; i < cardIds.size(); ++i) {
                if (cardIds[i] != 0)
                    faces[i] = decodePicture(deck.picture(cardIds[i]), kPictureSize * 2);
            }
            return faces;
        },
        this, [this] { facesDecoded(); });
}

void FrmReadings::facesDecoded()
{
    // An abandoned decode's end arrives here too.
    if (!decoding_ || !decoding_->wait(QDeadlineTimer(0)))
        return;
    faces_ = decoding_->take();
    decoding_.reset();
    for (int i = 0; i < reading_.cards.size() && i < faces_.size(); ++i) {
        if (turned_.value(i))
            showCard(i);
    }
}

void FrmReadings::draw()
{
    if (readOnly_ || !openDeck_ || (unsaved_ && !save()))
        return;
    std::optional<ReadingDeck> source = openDeck_();
    if (!source)
        return;
    const auto spread = Spread(cboSpread->currentData().toInt());
    const int count = int(spread);
    Practice &practice = source->practice;
    const QVector<Draw> draws =
        drawSpread(int(practice.cards.size()), count, source->reversedAllowed, services_.random);
    if (draws.size() < count) {
        services_.prompter.tell(tr("The chosen groups of this deck hold too few cards for this spread."),
                                PromptIcon::Information, this);
        return;
    }
    Reading reading;
    reading.made = services_.clock.now();
    reading.deckFile = source->deckFile;
    reading.deckName = practice.deckName;
    reading.spread = spread;
    QVector<int> ids;
    for (const Draw &draw : draws) {
        const Card &card = practice.cards[draw.index];
        reading.cards.append(ReadingCard{card.id, card.name, draw.reversed,
                                         keywordText(practice.deck.keywords(card.id).value_or(QStringList())),
                                         draw.reversed ? card.reversedMeaning : card.normalMeaning});
        ids.append(card.id);
    }
    decodeFaces(practice.deck.path(), ids);
    reading_ = reading;
    readOwnMeanings();
    turned_ = QVector<bool>(count, false);
    meaningsShown_ = false;
    txtMeanings->setVisible(false);
    txtQuestion->clear();
    txtInterpretation->clear();
    unsaved_ = true;
    layCards();
    fraSpread->setFocus();
}

void FrmReadings::readOwnMeanings()
{
    own_.clear();
    // A read of an earlier draw is waited for: it ends with the first check.
    readingOwn_.reset();
    const QString path = journalPath_;
    const QString deckName = reading_.deckName;
    const bool journalOpen = journal_.isOpen();
    readingOwn_ = std::make_unique<BackgroundJob<OwnRead>>(
        [path, deckName, journalOpen] {
            OwnRead read;
            // A journal that cannot be opened is opened again on saving, which tells why.
            if (!journalOpen)
                (void)read.journal.open(path);
            read.own = progress::readPersonalMeanings(path, deckName).value_or(progress::PersonalMeaningMap());
            return read;
        },
        this, [this] { takeOwnMeanings(); });
}

void FrmReadings::takeOwnMeanings()
{
    // The end of a read an earlier draw started arrives here too.
    if (!readingOwn_ || !readingOwn_->wait(QDeadlineTimer(0)))
        return;
    settleOwnMeanings();
    if (meaningsShown_)
        showMeanings();
}

void FrmReadings::settleOwnMeanings()
{
    if (!readingOwn_)
        return;
    OwnRead read = readingOwn_->take();
    readingOwn_.reset();
    own_ = std::move(read.own);
    if (!journal_.isOpen() && read.journal.isOpen())
        journal_ = std::move(read.journal);
}

void FrmReadings::turn(int position)
{
    if (position < 0 || position >= turned_.size() || turned_[position])
        return;
    turned_[position] = true;
    showCard(position);
    if (meaningsShown_)
        showMeanings();
}

void FrmReadings::turnNext()
{
    turn(int(turned_.indexOf(false)));
}

void FrmReadings::showMeanings()
{
    if (reading_.cards.isEmpty())
        return;
    // The meanings are shown with the learner's own, however soon.
    settleOwnMeanings();
    meaningsShown_ = true;
    const QStringList positions = spreadPositions(reading_.spread);
    QStringList parts;
    for (int i = 0; i < reading_.cards.size(); ++i) {
        const ReadingCard &card = reading_.cards[i];
        if (!turned_.value(i)) {
            parts.append(tr("%1: not turned yet").arg(positions.value(i)));
            continue;
        }
        parts.append(tr("%1: %2\nKeywords: %3\n%4")
                         .arg(positions.value(i), cardText(card.name, card.reversed), card.keywords, card.meaning));
        if (const QString own = own_.value(card.name).of(card.reversed); !own.isEmpty())
            parts.last() += QLatin1Char('\n') + tr("My own meaning: %1").arg(own);
    }
    txtMeanings->setPlainText(parts.join(QStringLiteral("\n\n")));
    txtMeanings->setVisible(true);
    announceChange(txtMeanings, txtMeanings->toPlainText());
}

bool FrmReadings::save()
{
    if (readOnly_ || reading_.cards.isEmpty() || !unsaved_)
        return true;
    settleOwnMeanings();
    reading_.question = txtQuestion->text().trimmed();
    reading_.interpretation = txtInterpretation->toPlainText().trimmed().left(kMaxInterpretation);
    if ((journal_.isOpen() || journal_.open(journalPath_)) && journal_.save(reading_)) {
        unsaved_ = false;
        emit saved();
        return true;
    }
    services_.prompter.tell(tr("The reading could not be saved in the journal: %1").arg(journal_.errorText()),
                            PromptIcon::Critical, this);
    return false;
}

bool FrmReadings::exportReading()
{
    if (reading_.cards.isEmpty())
        return false;
    FileDialogRequest request;
    request.title = tr("Export Reading");
    request.filter = exportFilter();
    request.startName = QStringLiteral("reading.html");
    QString path = services_.prompter.saveFileName(request, this);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo::exists(path))
        path += QStringLiteral(".md");
    Reading shown = reading_;
    shown.question = txtQuestion->text().trimmed();
    shown.interpretation = txtInterpretation->toPlainText().trimmed().left(kMaxInterpretation);
    // Cards still face down are left out, as they are on the screen.
    for (int i = int(shown.cards.size()) - 1; i >= 0; --i) {
        if (!turned_.value(i))
            shown.cards.remove(i);
    }
    QString why;
    if (saveFileAtomically(path, exportedBytes(path, {shown}), &why))
        return true;
    services_.prompter.tell(tr("The reading could not be exported to %1\n%2").arg(QDir::toNativeSeparators(path), why),
                            PromptIcon::Critical, this);
    return false;
}

void FrmReadings::requestTest()
{
    progress::PracticeRequest request{reading_.deckFile, reading_.deckName, {}, progress::PracticeMode::Test};
    for (const ReadingCard &card : reading_.cards)
        request.cardIds.append(card.cardId);
    if (!request.cardIds.isEmpty())
        emit testRequested(request);
}

void FrmReadings::closeEvent(QCloseEvent *event)
{
    if (save())
        return;
    if (!closingMayAsk()) {
        event->ignore();
        return;
    }
    const PromptAnswer answer =
        services_.prompter.ask(Prompt{tr("Close without saving this reading?"), PromptIcon::Question,
                                      PromptButtons::YesNo, QString::fromLatin1(kAppTitle), PromptAnswer::No},
                               this);
    if (answer != PromptAnswer::Yes)
        event->ignore();
}

bool FrmReadings::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const int position = int(picCards.indexOf(qobject_cast<PictureBox *>(watched)));
        if (position >= 0) {
            turn(position);
            return true;
        }
    } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space) {
        turnNext();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora::readings
