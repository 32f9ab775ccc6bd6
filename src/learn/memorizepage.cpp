#include "learn/memorizepage.h"

#include "app/elidedlabel.h"
#include "app/picturebox.h"
#include "app/widgets.h"
#include "store/personalmeanings.h"
#include "store/pictures.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

namespace velmora {

namespace {

QPlainTextEdit *readOnlyText(const QString &name, QLabel *caption)
{
    auto *text = named(new QPlainTextEdit, name);
    text->setReadOnly(true);
    text->setAccessibleName(caption->text());
    caption->setBuddy(text);
    return text;
}

// Set apart from the deck's meanings by its frame colour, as the learner's own.
QPlainTextEdit *ownText(const QString &name, QLabel *caption)
{
    auto *text = named(new QPlainTextEdit, name);
    text->setTabChangesFocus(true);
    text->setAccessibleName(caption->text().remove(QLatin1Char('&')));
    text->setPlaceholderText(QCoreApplication::translate("velmora::MemorizePage", "What this card means to you"));
    text->setStyleSheet(QStringLiteral("QPlainTextEdit { border: 2px solid palette(highlight); }"));
    caption->setBuddy(text);
    return text;
}

} // namespace

MemorizePage::MemorizePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabMemorize"));
    auto *layout = new QVBoxLayout(this);

    lblCardNameMemorize = named(new ElidedLabel, QStringLiteral("lblCardNameMemorize"));
    lblCardNameMemorize->setText(tr("Card Name"));
    lblCardNameMemorize->setAlignment(Qt::AlignCenter);
    QFont nameFont = lblCardNameMemorize->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameFont.setBold(true);
    lblCardNameMemorize->setFont(nameFont);
    layout->addWidget(lblCardNameMemorize);

    lblNoCards = wrappingLabel(QStringLiteral("lblNoCards"),
                               tr("The groups chosen on the settings tab hold no cards of this deck. "
                                  "Choose other groups, or another deck, and press "
                                  "\"Memorize Meaning / Keywords\" again."));
    lblNoCards->setAlignment(Qt::AlignCenter);
    lblNoCards->hide();
    layout->addWidget(lblNoCards);

    auto *body = new QHBoxLayout;
    picCardMemorize = named(new PictureBox, QStringLiteral("picCardMemorize"));
    picCardMemorize->setAccessibleName(tr("Card picture"));
    picCardMemorizeReversed = named(new PictureBox, QStringLiteral("picCardMemorizeReversed"));
    picCardMemorizeReversed->setAccessibleName(tr("Card picture reversed"));
    body->addWidget(picCardMemorize, 1);
    body->addWidget(picCardMemorizeReversed, 1);

    auto *texts = new QVBoxLayout;
    auto *label8 = named(new QLabel(tr("Keywords (same for both)")), QStringLiteral("Label8"));
    txtKeywords = readOnlyText(QStringLiteral("txtKeywords"), label8);
    // Room for seven keywords on a narrow window.
    txtKeywords->setMaximumHeight(txtKeywords->fontMetrics().lineSpacing() * 3 + 12);
    auto *label9 = named(new QLabel(tr("Card Meaning :")), QStringLiteral("Label9"));
    txtNormalMeaning = readOnlyText(QStringLiteral("txtNormalMeaning"), label9);
    auto *label17 = named(new QLabel(tr("Reverse Meaning")), QStringLiteral("Label17"));
    txtReverseMeaning = readOnlyText(QStringLiteral("txtReverseMeaning"), label17);
    auto *lblOwn = named(new QLabel(tr("My o&wn meaning (upright):")), QStringLiteral("lblOwnMeaning"));
    txtOwnMeaning = ownText(QStringLiteral("txtOwnMeaning"), lblOwn);
    auto *lblOwnReverse = named(new QLabel(tr("My own meanin&g (reversed):")), QStringLiteral("lblOwnReverseMeaning"));
    txtOwnReverseMeaning = ownText(QStringLiteral("txtOwnReverseMeaning"), lblOwnReverse);
    lblOwnStatus = wrappingLabel(QStringLiteral("lblOwnStatus"), QString());
    texts->addWidget(label8);
    texts->addWidget(txtKeywords);
    texts->addWidget(label9);
    texts->addWidget(txtNormalMeaning, 1);
    texts->addWidget(lblOwn);
    texts->addWidget(txtOwnMeaning, 1);
    texts->addWidget(label17);
    texts->addWidget(txtReverseMeaning, 1);
    texts->addWidget(lblOwnReverse);
    texts->addWidget(txtOwnReverseMeaning, 1);
    texts->addWidget(lblOwnStatus);
    chkAskOwn = named(new QCheckBox(tr("&Ask for my own meanings in description tests and reviews")),
                      QStringLiteral("chkAskOwn"));
    texts->addWidget(chkAskOwn);
    body->addLayout(texts, 1);
    layout->addLayout(body, 1);

    auto *buttons = new QHBoxLayout;
    cmdPrevious = makeButton(nullptr, "cmdPrevious", tr("<< &Previous"));
    cmdNext = makeButton(nullptr, "cmdNext", tr("&Next >>"));
    cmdStartTest = makeButton(nullptr, "cmdStartTest", tr("Test M&e"));
    buttons->addWidget(cmdPrevious);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    buttons->addWidget(cmdStartTest);
    layout->addLayout(buttons);

    connect(cmdPrevious, &QPushButton::clicked, this, &MemorizePage::previousRequested);
    connect(cmdNext, &QPushButton::clicked, this, &MemorizePage::nextRequested);
    connect(cmdStartTest, &QPushButton::clicked, this, &MemorizePage::testRequested);
    for (QPlainTextEdit *own : {txtOwnMeaning, txtOwnReverseMeaning}) {
        connect(own, &QPlainTextEdit::textChanged, this, [this, own] {
            if (showingOwn_)
                return;
            // Kept to the bound as it is typed or pasted, and said so.
            if (own->document()->characterCount() - 1 > progress::kMaxPersonalMeaning) {
                const QSignalBlocker quiet(own);
                QTextCursor cursor = own->textCursor();
                const int at = cursor.position();
                own->setPlainText(own->toPlainText().left(progress::kMaxPersonalMeaning));
                cursor = own->textCursor();
                cursor.setPosition(std::min(at, progress::kMaxPersonalMeaning));
                own->setTextCursor(cursor);
                setOwnMeaningStatus(
                    tr("An own meaning holds at most %1 characters.").arg(progress::kMaxPersonalMeaning));
            }
            emit ownMeaningEdited();
        });
    }
    connect(chkAskOwn, &QCheckBox::toggled, this, &MemorizePage::askOwnMeaningsToggled);
    setOwnMeaningEditable(false);
}

void MemorizePage::setAskOwnMeanings(bool ask)
{
    const QSignalBlocker quiet(chkAskOwn);
    chkAskOwn->setChecked(ask);
}

bool MemorizePage::asksOwnMeanings() const
{
    return chkAskOwn->isChecked();
}

void MemorizePage::showOwnMeaning(const QString &upright, const QString &reversed)
{
    showingOwn_ = true;
    txtOwnMeaning->setPlainText(upright);
    txtOwnReverseMeaning->setPlainText(reversed);
    showingOwn_ = false;
}

QString MemorizePage::ownUpright() const
{
    return txtOwnMeaning->toPlainText();
}

QString MemorizePage::ownReversed() const
{
    return txtOwnReverseMeaning->toPlainText();
}

void MemorizePage::setOwnMeaningEditable(bool editable)
{
    txtOwnMeaning->setReadOnly(!editable);
    txtOwnReverseMeaning->setReadOnly(!editable);
}

void MemorizePage::setOwnMeaningStatus(const QString &status)
{
    lblOwnStatus->setText(status);
}

void MemorizePage::showCard(const MemorizeCard &card)
{
    lblCardNameMemorize->setText(card.name);
    lblCardNameMemorize->setAccessibleName(card.name);
    txtKeywords->setPlainText(card.keywords);
    txtNormalMeaning->setPlainText(card.normalMeaning);
    txtReverseMeaning->setPlainText(card.reversedMeaning);
}

void MemorizePage::showPicture(const QImage &picture)
{
    picCardMemorize->setPicture(picture);
    picCardMemorizeReversed->setPicture(turnedHalf(picture));
}

void MemorizePage::clearCard()
{
    lblCardNameMemorize->clear();
    showPicture({});
    txtKeywords->clear();
    txtNormalMeaning->clear();
    txtReverseMeaning->clear();
    showOwnMeaning({}, {});
    setOwnMeaningEditable(false);
}

void MemorizePage::setNoCards(bool noCards)
{
    lblNoCards->setVisible(noCards);
}

// A button turned off with the focus on it hands the focus to its twin, not
// down Qt's chain, which would scroll the tabs to wherever it went.
void MemorizePage::setPreviousEnabled(bool enabled)
{
    if (!enabled && window()->focusWidget() == cmdPrevious && cmdNext->isEnabled())
        cmdNext->setFocus();
    cmdPrevious->setEnabled(enabled);
}

void MemorizePage::setNextEnabled(bool enabled)
{
    if (!enabled && window()->focusWidget() == cmdNext && cmdPrevious->isEnabled())
        cmdPrevious->setFocus();
    cmdNext->setEnabled(enabled);
}

} // namespace velmora
