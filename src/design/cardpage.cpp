#include "design/cardpage.h"

#include "app/readablecolour.h"
#include "app/widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

QPlainTextEdit *meaningBox(QWidget *parent, const char *name, const QString &accessible)
{
    auto *box = named(new QPlainTextEdit(parent), name, accessible);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->setMaximumHeight(110);
    return box;
}

} // namespace

CardPage::CardPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageCard"));
    auto *lblCardName = named(new QLabel(tr("Picture"), this), "lblCardName", tr("Picture"));
    picCard = named(new QLabel(this), "picCard", tr("Card picture"));
    picCard->setFixedSize(200, 320);
    picCard->setFrameShape(QFrame::Box);
    picCard->setAlignment(Qt::AlignCenter);

    auto *label3 = named(new QLabel(tr("Card Name"), this), "Label3", tr("Card Name"));
    txtCard = named(new QLineEdit(this), "txtCard", tr("Card Name"));
    label3->setBuddy(txtCard);
    auto *label4 = named(new QLabel(tr("Keywords"), this), "Label4", tr("Keywords"));
    auto *keywordGrid = new QGridLayout;
    for (int k = 0; k < kSlotsPerCard; ++k) {
        txtKeyword[k] = new QLineEdit(this);
        txtKeyword[k]->setObjectName(QStringLiteral("txtKeyword%1").arg(k));
        txtKeyword[k]->setAccessibleName(tr("Keyword %1").arg(k + 1));
        keywordGrid->addWidget(txtKeyword[k], k / 4, k % 4);
    }
    label4->setBuddy(txtKeyword[0]);
    auto *label5 = named(new QLabel(tr("Normal Meaning"), this), "Label5", tr("Normal Meaning"));
    txtNormalMeaning = meaningBox(this, "txtNormalMeaning", tr("Normal Meaning"));
    auto *label6 = named(new QLabel(tr("Reverse Meaning"), this), "Label6", tr("Reverse Meaning"));
    txtReverseMeaning = meaningBox(this, "txtReverseMeaning", tr("Reverse Meaning"));

    optMajorArcana = named(new QRadioButton(tr("&Major Arcana"), this), "optMajorArcana", tr("Major Arcana"));
    optMinorArcana = named(new QRadioButton(tr("Mi&nor Arcana"), this), "optMinorArcana", tr("Minor Arcana"));
    auto *arcana = new QButtonGroup(this);
    arcana->addButton(optMajorArcana);
    arcana->addButton(optMinorArcana);
    fraMinors = named(new QGroupBox(this), "fraMinors", tr("Suits"));
    optCups = named(new QRadioButton(tr("&Cups"), fraMinors), "optCups", tr("Cups"));
    optWands = named(new QRadioButton(tr("&Wands"), fraMinors), "optWands", tr("Wands"));
    optPentacles = named(new QRadioButton(tr("&Pentacles"), fraMinors), "optPentacles", tr("Pentacles"));
    optSwords = named(new QRadioButton(tr("Swo&rds"), fraMinors), "optSwords", tr("Swords"));
    fraMinors->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto *suitLayout = new QHBoxLayout(fraMinors);
    for (QRadioButton *suit : {optCups, optWands, optPentacles, optSwords})
        suitLayout->addWidget(suit);

    chkAutoSave = named(new QCheckBox(tr("&AutoSave"), this), "chkAutoSave", tr("AutoSave"));
    chkAutoSave->setChecked(true);
    cmdBrowsePictures =
        named(new QPushButton(tr("&Insert Pictures"), this), "cmdBrowsePictures", tr("Insert Pictures"));
    cmdDeckSave = named(new QPushButton(tr("&Save"), this), "cmdDeckSave", tr("Save"));
    cmdDelete = named(new QPushButton(tr("&Delete"), this), "cmdDelete", tr("Delete"));
    cmdBack = named(new QPushButton(tr("&Back"), this), "cmdBack", tr("Back"));
    cmdExit = named(new QPushButton(tr("Exi&t"), this), "cmdExit", tr("Exit"));
    lblSaveStatus = named(new QLabel(this), "lblSaveStatus", tr("Save status"));
    lblSaveStatus->setTextFormat(Qt::PlainText);
    lblSaveStatus->setWordWrap(true);
    QFont bold = lblSaveStatus->font();
    bold.setBold(true);
    lblSaveStatus->setFont(bold);
    colourSaveStatus();
    lblSaveStatus->hide();

    auto *fields = new QGridLayout;
    int row = 0;
    fields->addWidget(label3, row, 0);
    fields->addWidget(txtCard, row, 1);
    fields->addWidget(makeHint(this, "lblHintCard", tr("Enter Name of Tarot Card")), row++, 2);
    fields->addWidget(label4, row, 0, Qt::AlignTop);
    fields->addLayout(keywordGrid, row, 1);
    fields->addWidget(makeHint(this, "lblHintKeywords", tr("Enter the keywords related to the above card")), row++, 2,
                      Qt::AlignTop);
    fields->addWidget(label5, row, 0, Qt::AlignTop);
    fields->addWidget(txtNormalMeaning, row, 1);
    fields->addWidget(makeHint(this, "lblHintNormal",
                               tr("Enter the normal meaning of the card. There is a limitation of 360 characters")),
                      row++, 2, Qt::AlignTop);
    fields->addWidget(label6, row, 0, Qt::AlignTop);
    fields->addWidget(txtReverseMeaning, row, 1);
    fields->addWidget(makeHint(this, "lblHintReverse",
                               tr("Enter the reversed meaning of the card. There is a limitation of 360 characters")),
                      row++, 2, Qt::AlignTop);
    auto *arcanaRow = new QHBoxLayout;
    arcanaRow->addWidget(optMajorArcana);
    arcanaRow->addWidget(optMinorArcana);
    arcanaRow->addWidget(fraMinors, 1);
    fields->addLayout(arcanaRow, row++, 1);
    fields->setRowStretch(row, 1);

    auto *pictureColumn = new QVBoxLayout;
    auto *pictureHead = new QHBoxLayout;
    pictureHead->addWidget(lblCardName);
    pictureHead->addWidget(makeHint(this, "lblHintPicture", tr("Preview / Display of inserted pictures")));
    pictureHead->addStretch();
    pictureColumn->addLayout(pictureHead);
    pictureColumn->addWidget(picCard);
    auto *browseRow = new QHBoxLayout;
    browseRow->addWidget(cmdBrowsePictures);
    browseRow->addWidget(makeHint(this, "lblHintInsert", tr("Click Insert Pictures to add new Tarot Card Pictures")));
    pictureColumn->addLayout(browseRow);
    pictureColumn->addStretch();

    auto *top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addLayout(pictureColumn);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(chkAutoSave);
    buttons->addWidget(makeHint(this, "lblHintAutoSave", tr("Keep this Box Checked to autosave your work.")));
    buttons->addStretch();
    buttons->addWidget(cmdDeckSave);
    buttons->addWidget(cmdDelete);
    buttons->addWidget(makeHint(this, "lblHintDelete",
                                tr("Delete Inserted picture(s) and other details in regards to a particular card.")));
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdExit);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(lblSaveStatus);
    layout->addLayout(buttons);

    // The hints reach keyboard and screen-reader users through the fields too.
    const std::pair<QWidget *, const char *> described[] = {{txtCard, "lblHintCard"},
                                                            {txtKeyword[0], "lblHintKeywords"},
                                                            {txtNormalMeaning, "lblHintNormal"},
                                                            {txtReverseMeaning, "lblHintReverse"},
                                                            {picCard, "lblHintPicture"},
                                                            {cmdBrowsePictures, "lblHintInsert"},
                                                            {chkAutoSave, "lblHintAutoSave"},
                                                            {cmdDelete, "lblHintDelete"}};
    for (const auto &[field, hintName] : described) {
        if (auto *label = findChild<QLabel *>(QLatin1String(hintName)))
            field->setAccessibleDescription(label->toolTip());
    }
    // Card names and file names are shown as typed, never as markup.
    for (QLabel *label : findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);

    connect(txtCard, &QLineEdit::textEdited, this, [this] { emit nameEdited(); });
    txtCard->installEventFilter(this);
    for (int k = 0; k < kSlotsPerCard; ++k)
        connect(txtKeyword[k], &QLineEdit::textEdited, this, [this, k] { emit keywordEdited(k); });
    connect(txtNormalMeaning, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            emit meaningEdited(Meaning::Normal);
    });
    connect(txtReverseMeaning, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            emit meaningEdited(Meaning::Reversed);
    });
    connect(optMajorArcana, &QRadioButton::clicked, this, &CardPage::majorClicked);
    connect(optMinorArcana, &QRadioButton::clicked, this, &CardPage::minorClicked);
    connect(cmdBrowsePictures, &QPushButton::clicked, this, &CardPage::browseRequested);
    connect(cmdDeckSave, &QPushButton::clicked, this, &CardPage::saveRequested);
    connect(cmdDelete, &QPushButton::clicked, this, &CardPage::deleteRequested);
    connect(cmdBack, &QPushButton::clicked, this, &CardPage::backRequested);
    connect(cmdExit, &QPushButton::clicked, this, &CardPage::exitRequested);
}

bool CardPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtCard && event->type() == QEvent::FocusOut && !showing_)
        emit nameLeft();
    return QWidget::eventFilter(watched, event);
}

void CardPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourSaveStatus();
}

void CardPage::colourSaveStatus()
{
    QPalette palette = lblSaveStatus->palette();
    palette.setColor(QPalette::WindowText, readableOn(QColor(255, 0, 0), this->palette().color(QPalette::Window)));
    lblSaveStatus->setPalette(palette);
}

void CardPage::showCard(const Card &card, const QStringList &keywordSlots, const QImage &picture)
{
    showing_ = true;
    txtCard->setText(shownCardName(card.name));
    txtCard->setCursorPosition(0);
    txtNormalMeaning->setPlainText(card.normalMeaning);
    txtReverseMeaning->setPlainText(card.reversedMeaning);
    if (auto options = optionsForGroup(card.group, groupOptions())) {
        showGroup(*options);
        enableSuits(card.group != 0);
    }
    showPicture(picture);
    for (int k = 0; k < kSlotsPerCard; ++k)
        txtKeyword[k]->setText(k < keywordSlots.size() ? keywordSlots[k] : QString());
    showing_ = false;
}

void CardPage::showPicture(const QImage &picture)
{
    picture_ = picture;
    if (picture.isNull()) {
        picCard->clear();
        return;
    }
    const QSize inner = picCard->contentsRect().size();
    const bool fits = picture.width() <= inner.width() && picture.height() <= inner.height();
    const QImage shown = fits ? picture : picture.scaled(inner, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picCard->setPixmap(QPixmap::fromImage(shown));
}

bool CardPage::hasPicture() const
{
    return !picture_.isNull();
}

void CardPage::showGroup(const GroupOptions &options)
{
    const std::pair<QRadioButton *, bool> buttons[] = {
        {optMajorArcana, options.major}, {optMinorArcana, options.minor},   {optCups, options.cups},
        {optWands, options.wands},       {optPentacles, options.pentacles}, {optSwords, options.swords}};
    for (const auto &[button, checked] : buttons) {
        // Exclusive groups refuse to uncheck their checked button.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(checked);
        button->setAutoExclusive(exclusive);
    }
}

GroupOptions CardPage::groupOptions() const
{
    return {optMajorArcana->isChecked(), optMinorArcana->isChecked(), optCups->isChecked(),
            optWands->isChecked(),       optPentacles->isChecked(),   optSwords->isChecked()};
}

void CardPage::enableSuits(bool enabled)
{
    for (QRadioButton *suit : {optCups, optWands, optPentacles, optSwords})
        suit->setEnabled(enabled);
}

void CardPage::showSaveStatus(const QString &text)
{
    lblSaveStatus->setText(text);
    lblSaveStatus->setVisible(!text.isEmpty());
}

QString CardPage::cardName() const
{
    return txtCard->text();
}

QString CardPage::keyword(int slot) const
{
    return txtKeyword[slot]->text();
}

QStringList CardPage::keywords() const
{
    QStringList words;
    for (QLineEdit *box : txtKeyword)
        words.append(box->text().trimmed());
    return words;
}

QString CardPage::normalMeaning() const
{
    return txtNormalMeaning->toPlainText();
}

QString CardPage::reversedMeaning() const
{
    return txtReverseMeaning->toPlainText();
}

QSize CardPage::pictureSize() const
{
    return picCard->contentsRect().size();
}

} // namespace velmora
