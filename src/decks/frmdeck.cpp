#include "decks/frmdeck.h"

#include "app/appicon.h"
#include "app/helpmenu.h"
#include "app/prompter.h"
#include "app/shell.h"
#include "app/widgets.h"
#include "app/windowplace.h"
#include "learn/deckchecks.h"
#include "store/paths.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

// Functions, not constants: a text is translated when shown, after the translator is installed.
QString createNewDeckText()
{
    return QCoreApplication::translate("velmora::FrmDeck", "&Create New Deck");
}
QString createText()
{
    return QCoreApplication::translate("velmora::FrmDeck", "&Create");
}
QString laterIssueText()
{
    return QCoreApplication::translate("velmora::FrmDeck",
                                       "Export and import of decks are not part of this version yet.");
}

// Long enough for any name a deck file brings (names are cut at 255 when shown).
constexpr int kNameLength = 255;
constexpr int kDesignerLength = 255;
constexpr int kPasswordLength = 64;
constexpr int kCardsLength = 3;

QLineEdit *makeField(QWidget *parent, const char *name, const QString &accessible, int maxLength)
{
    auto *field = named(new QLineEdit(parent), name);
    field->setAccessibleName(accessible);
    field->setMaxLength(maxLength);
    // The wrapping hints beside the fields would otherwise take their width
    // when the window is made small.
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 16);
    return field;
}

} // namespace

DeckManagerPage::DeckManagerPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageDeckManager"));
    lstDeckNames = named(new QTreeWidget(this), "lstDeckNames");
    lstDeckNames->setColumnCount(1);
    lstDeckNames->setHeaderLabels({tr("Decks")});
    lstDeckNames->setRootIsDecorated(false);
    lstDeckNames->setUniformRowHeights(true);
    lstDeckNames->setTextElideMode(Qt::ElideRight);
    lstDeckNames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstDeckNames->header()->setStretchLastSection(true);
    lstDeckNames->setAccessibleName(tr("Decks"));
    lstDeckNames->setMinimumWidth(220);

    fraCreate = named(new QGroupBox(tr("Create A New Deck"), this), "fraCreate");
    txtDeckName = makeField(fraCreate, "txtDeckName", tr("Deck Name"), kNameLength);
    txtCards = makeField(fraCreate, "txtCards", tr("Number of Cards In Deck"), kCardsLength);
    txtCards->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtCards));
    txtDesigner = makeField(fraCreate, "txtDesigner", tr("Designed By"), kDesignerLength);
    txtPassword = makeField(fraCreate, "txtPassword", tr("Password"), kPasswordLength);
    txtPassword->setEchoMode(QLineEdit::Password);

    cmdCreateDeck = makeButton(this, "cmdCreateDeck", createNewDeckText());
    cmdEditDeck = makeButton(this, "cmdEditDeck", tr("&Modify"));
    cmdDelete = makeButton(this, "cmdDelete", tr("&Delete Deck From List"));
    cmdDelete->setToolTip(tr("Delete a selected deck from list of decks"));
    cmdNext = makeButton(this, "cmdNext", tr("&Next"));
    cmdBack = makeButton(this, "cmdBack", tr("&Back"));
    cmdExit = makeButton(this, "cmdExit", tr("Exi&t"));
    cmdExport = makeButton(this, "cmdExport", tr("E&xport / Share Your  Deck"));
    cmdImport = makeButton(this, "cmdImport", tr("&Import"));
    for (QPushButton *button : {cmdExport, cmdImport}) {
        button->setEnabled(false);
        button->setToolTip(laterIssueText());
    }

    auto *fields = new QGridLayout(fraCreate);
    auto addField = [&](int row, const QString &caption, QLineEdit *field, QLabel *hint) {
        auto *label = new QLabel(caption, fraCreate);
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(field);
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
        fields->addWidget(hint, row, 2);
    };
    addField(0, tr("* Deck N&ame"), txtDeckName,
             makeHint(fraCreate, "lblToolTipDeckName",
                      tr("Enter The Name of the Deck in order to start creating your own Tarot Learning "
                         "Deck"),
                      txtDeckName));
    addField(
        1, tr("* N&umerber of Card In Deck"), txtCards,
        makeHint(fraCreate, "lblToolTipCards", tr("Enter the total number of cards in your personal deck."), txtCards));
    addField(2, tr("D&esigned By"), txtDesigner,
             makeHint(fraCreate, "lblToolTipDesigner", tr("Enter the name of your Deck designer."), txtDesigner));
    addField(3, tr("&Password"), txtPassword,
             makeHint(fraCreate, "lblToolTipPassword",
                      tr("Enter password to protect your personal deck from being modified by others you "
                         "may give or share the deck with."),
                      txtPassword));
    fields->setColumnStretch(1, 1);

    auto *buttons = new QGridLayout;
    auto addButton = [&](int row, QPushButton *button, QLabel *hint) {
        buttons->addWidget(button, row, 0);
        if (hint)
            buttons->addWidget(hint, row, 1);
    };
    addButton(0, cmdCreateDeck,
              makeHint(this, "lblToolTipCreate",
                       tr("Click Create New Deck in order to start creating your own learning deck"), cmdCreateDeck));
    addButton(1, cmdEditDeck,
              makeHint(this, "lblToolTipEdit",
                       tr("Modify the Deck name, Designer name, Password & number of cards and click "
                          "modify and save the the information."),
                       cmdEditDeck));
    // Each hint describes the button it stands beside.
    addButton(2, cmdDelete, makeHint(this, "lblToolTipDelete", tr("Delete Selected Deck From List"), cmdDelete));
    addButton(3, cmdExport,
              makeHint(this, "lblToolTipExport",
                       tr("Export, save and share your own created deck by sending others the deck file."), cmdExport));
    addButton(4, cmdImport, nullptr);
    addButton(5, cmdNext,
              makeHint(this, "lblToolTipNext", tr("Click NEXT to start the detailed deck design page."), cmdNext));

    auto *right = new QVBoxLayout;
    right->addWidget(fraCreate);
    right->addLayout(buttons);
    right->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdBack);
    bottom->addWidget(cmdExit);
    right->addLayout(bottom);

    auto *columns = new QHBoxLayout(this);
    columns->addWidget(lstDeckNames, 2);
    columns->addLayout(right, 3);

    setTabOrder(lstDeckNames, txtDeckName);
    setTabOrder(txtDeckName, txtCards);
    setTabOrder(txtCards, txtDesigner);
    setTabOrder(txtDesigner, txtPassword);
    setTabOrder(txtPassword, cmdCreateDeck);
    setTabOrder(cmdCreateDeck, cmdEditDeck);
    setTabOrder(cmdEditDeck, cmdDelete);
    setTabOrder(cmdDelete, cmdExport);
    setTabOrder(cmdExport, cmdImport);
    setTabOrder(cmdImport, cmdNext);
    setTabOrder(cmdNext, cmdBack);
    setTabOrder(cmdBack, cmdExit);
}

DeckInput DeckManagerPage::input() const
{
    return {txtDeckName->text(), txtCards->text(), txtDesigner->text(), txtPassword->text()};
}

void DeckManagerPage::setInput(const DeckInput &input)
{
    txtDeckName->setText(input.name);
    txtCards->setText(input.cards);
    txtDesigner->setText(input.designer);
    txtPassword->setText(input.password);
}

void DeckManagerPage::setDecks(const QVector<DeckRef> &decks)
{
    lstDeckNames->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(decks.size());
    for (const DeckRef &deck : decks)
        items.append(makeEntry(deck));
    lstDeckNames->addTopLevelItems(items);
}

QTreeWidgetItem *DeckManagerPage::makeEntry(const DeckRef &deck)
{
    auto *item = new QTreeWidgetItem(QStringList{deck.name});
    item->setData(0, kRowidRole, deck.rowid);
    item->setData(0, kFileRole, deck.file);
    return item;
}

DeckRef DeckManagerPage::deckOf(const QTreeWidgetItem *item)
{
    if (!item)
        return {};
    return {item->data(0, kRowidRole).toLongLong(), item->text(0), item->data(0, kFileRole).toString()};
}

// ------------------------------------------------------------------ window

FrmDeck::FrmDeck(Services &services, QWidget *startScreen, DesignOpener openDesign, DeckManager manager,
                 QWidget *parent)
    : QMainWindow(parent), services_(services), startScreen_(startScreen), openDesign_(std::move(openDesign)),
      manager_(std::move(manager))
{
    setObjectName(QStringLiteral("frmDeck"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    page_ = new DeckManagerPage(this);
    setCentralWidget(page_);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto add = [file](const char *name, const QString &caption) { return named(file->addAction(caption), name); };
    mnuNext_ = add("mnuNext", tr("&Next"));
    mnuEdit_ = add("mnuEdit", tr("&Edit"));
    mnuCreate_ = add("mnuCreate", createNewDeckText());
    mnuExport_ = add("mnuExport", tr("E&xport"));
    mnuExport_->setEnabled(false);
    mnuExport_->setToolTip(laterIssueText());
    mnuBack_ = add("mnuBack", tr("Back to &Main"));
    file->addSeparator();
    mnuExit_ = add("mnuExit", tr("Exi&t"));
    mnuExit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addHelpMenu(menuBar(), services_, this);

    auto *p = page_;
    // A left click on an entry picks it, and so does a keyboard move, which
    // runs the same pick with its password gate. A mouse press that moves the
    // highlight picks nothing until it ends in a click on the entry: a right
    // button, or a press released elsewhere, leaves nothing to act on.
    p->lstDeckNames->viewport()->installEventFilter(this);
    connect(p->lstDeckNames, &QTreeWidget::itemClicked, this, [this] { pickDeck(); });
    connect(p->lstDeckNames, &QTreeWidget::currentItemChanged, this, [this] {
        if (quiet_)
            return;
        if (pressing_)
            dropPick();
        else
            pickDeck();
    });
    connect(p->lstDeckNames, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!quiet_ && !shownPick())
            dropPick();
    });
    connect(p->txtPassword, &QLineEdit::textChanged, this, [this] {
        if (!quiet_)
            checkPassword();
    });
    connect(p->cmdCreateDeck, &QPushButton::clicked, this, &FrmDeck::cmdCreateDeck_Click);
    connect(mnuCreate_, &QAction::triggered, this, &FrmDeck::cmdCreateDeck_Click);
    connect(p->cmdEditDeck, &QPushButton::clicked, this, &FrmDeck::cmdEditDeck_Click);
    connect(mnuEdit_, &QAction::triggered, this, &FrmDeck::cmdEditDeck_Click);
    connect(p->cmdDelete, &QPushButton::clicked, this, &FrmDeck::cmdDelete_Click);
    connect(p->cmdNext, &QPushButton::clicked, this, &FrmDeck::cmdNext_Click);
    connect(mnuNext_, &QAction::triggered, this, &FrmDeck::cmdNext_Click);
    connect(p->cmdBack, &QPushButton::clicked, this, &FrmDeck::cmdBack_Click);
    connect(mnuBack_, &QAction::triggered, this, &FrmDeck::cmdBack_Click);
    connect(p->cmdExit, &QPushButton::clicked, this, &FrmDeck::cmdExit_Click);
    connect(mnuExit_, &QAction::triggered, this, &FrmDeck::cmdExit_Click);
    keepWindowPlace(*this, services_.settings, QSize(760, 460));
}

FrmDeck::~FrmDeck() = default;

bool FrmDeck::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == page_->lstDeckNames->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressing_ = true;
            break;
        case QEvent::MouseButtonRelease:
            pressing_ = static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton;
            break;
        case QEvent::Hide:
            pressing_ = false;
            break;
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

std::optional<DeckRef> FrmDeck::shownPick() const
{
    const QTreeWidgetItem *item = page_->lstDeckNames->currentItem();
    if (!picked_ || !item || !item->isSelected())
        return std::nullopt;
    const DeckRef shown = DeckManagerPage::deckOf(item);
    if (shown.rowid != picked_->rowid || shown.file != picked_->file)
        return std::nullopt;
    return picked_;
}

std::optional<DeckRef> FrmDeck::openPick() const
{
    if (!unlocked_ || createMode_)
        return std::nullopt;
    return shownPick();
}

void FrmDeck::updateButtons()
{
    const bool open = openPick().has_value();
    page_->cmdNext->setEnabled(open);
    page_->cmdEditDeck->setEnabled(open);
    mnuNext_->setEnabled(open);
    mnuEdit_->setEnabled(open);
    page_->cmdDelete->setEnabled(deletable_ && shownPick());
}

void FrmDeck::dropPick()
{
    if (!picked_)
        return;
    picked_.reset();
    unlocked_ = false;
    deletable_ = false;
    // What is typed for a new deck stays; a header would belong to another deck.
    if (!createMode_)
        setFields({});
    updateButtons();
}

QString FrmDeck::currentEntry() const
{
    QTreeWidgetItem *item = page_->lstDeckNames->currentItem();
    return item ? item->text(0).trimmed() : QString();
}

void FrmDeck::setFields(const DeckInput &input)
{
    quiet_ = true;
    page_->setInput(input);
    quiet_ = false;
}

void FrmDeck::setCreateMode(bool on)
{
    createMode_ = on;
    if (!on)
        manager_.discardPreparation();
    page_->cmdCreateDeck->setText(on ? createText() : createNewDeckText());
    mnuCreate_->setText(on ? createText() : createNewDeckText());
}

void FrmDeck::setExchangeOpener(std::function<void(QWidget *over, bool exportFrame)> open)
{
    for (QPushButton *button : {page_->cmdExport, page_->cmdImport}) {
        button->setEnabled(true);
        button->setToolTip(QString());
    }
    mnuExport_->setEnabled(true);
    mnuExport_->setToolTip(QString());
    connect(page_->cmdExport, &QPushButton::clicked, this, [this, open] { open(this, true); });
    connect(mnuExport_, &QAction::triggered, this, [this, open] { open(this, true); });
    connect(page_->cmdImport, &QPushButton::clicked, this, [this, open] { open(this, false); });
}

void FrmDeck::Form_Load()
{
    auto *p = page_;
    picked_.reset();
    unlocked_ = false;
    deletable_ = false;
    updateButtons();
    const DeckList list = manager_.load();
    QStringList listed;
    for (const DeckRef &deck : list.decks)
        if (const auto path = paths::deckDatabaseOfBareName(deck.file))
            listed.append(*path);
    openAhead_.decks(listed);
    quiet_ = true;
    p->setDecks(list.decks);
    if (list.remembered >= 0) {
        p->lstDeckNames->setCurrentItem(p->lstDeckNames->topLevelItem(list.remembered));
        currentFile_ = list.rememberedFile;
    } else {
        p->lstDeckNames->setCurrentItem(nullptr);
    }
    quiet_ = false;
    if (!list.error.isEmpty())
        services_.prompter.tell(unreadableCatalogMessage(list.error), PromptIcon::Critical, this);
}

void FrmDeck::pickDeck()
{
    auto *p = page_;
    setFields({});
    picked_.reset();
    unlocked_ = false;
    deletable_ = false;
    QTreeWidgetItem *item = p->lstDeckNames->currentItem();
    if (!item) {
        updateButtons();
        return;
    }
    const DeckRef deck = DeckManagerPage::deckOf(item);
    const QString name = deck.name.trimmed();
    picked_ = deck;
    currentFile_ = deck.file;
    updateButtons();

    const DeckLook look = manager_.look(deck.file);
    pickedPassword_ = look.header ? std::optional(look.header->password) : std::nullopt;
    bool stillListed = true;
    if (!look.fileExists) {
        const auto answer = services_.prompter.ask({deckmsg::noDeckFile(), PromptIcon::Warning, PromptButtons::YesNo,
                                                    QString::fromLatin1(kAppTitle), PromptAnswer::No},
                                                   this);
        if (answer == PromptAnswer::Yes) {
            const Outcome gone = manager_.forget(deck);
            if (gone.ok) {
                quiet_ = true;
                delete item;
                p->lstDeckNames->setCurrentItem(nullptr);
                quiet_ = false;
                picked_.reset();
                stillListed = false;
            } else {
                services_.prompter.tell(deckmsg::deleteFailed(gone.error), PromptIcon::Critical, this);
            }
        }
        // A deck without its file can only be taken off the list.
        deletable_ = stillListed;
    } else if (!look.header) {
        services_.prompter.tell(unusableDeckMessage(name, look.error), PromptIcon::Critical, this);
        deletable_ = !look.isDefault;
    } else {
        deletable_ = !look.isDefault;
        for (QLineEdit *field : {p->txtDeckName, p->txtCards, p->txtDesigner, p->txtPassword})
            field->setEnabled(true);
        setFields({look.header->deckName, QString::number(look.header->maxCard), look.header->designedBy, {}});
        unlocked_ = passwordOpens(look.header->password, QString());
        if (!unlocked_) {
            updateButtons();
            services_.prompter.tell(deckmsg::enterPassword(), PromptIcon::Information, this);
            p->txtPassword->setFocus();
            checkPassword();
        }
    }
    setCreateMode(false);
    if (stillListed) {
        // Written at each pick, as the user may leave in any way.
        (void)manager_.remember(name, deck.file);
        quiet_ = true;
        p->lstDeckNames->setCurrentItem(item);
        quiet_ = false;
    }
    updateButtons();
}

void FrmDeck::checkPassword()
{
    // Once accepted, the field is free to take a new password for Modify.
    if (createMode_ || !picked_ || unlocked_)
        return;
    if (!pickedPassword_ || !passwordOpens(*pickedPassword_, page_->txtPassword->text()))
        return;
    unlocked_ = true;
    updateButtons();
    if (page_->cmdNext->isEnabled())
        page_->cmdNext->setFocus();
}

void FrmDeck::cmdCreateDeck_Click()
{
    auto *p = page_;
    if (!createMode_) {
        for (QLineEdit *field : {p->txtDeckName, p->txtCards, p->txtDesigner, p->txtPassword})
            field->setEnabled(true);
        setFields({});
        setCreateMode(true);
        // Delete still acts on the picked deck, when one is highlighted.
        updateButtons();
        manager_.prepareCreation();
        p->txtDeckName->setFocus();
        return;
    }
    const DeckInput input = p->input();
    if (const auto problem = checkNewDeck(input)) {
        services_.prompter.tell(problem->message, PromptIcon::Information, this);
        QLineEdit *field = problem->field == InputField::DeckName ? p->txtDeckName : p->txtCards;
        if (problem->clearField)
            field->clear();
        field->setFocus();
        return;
    }
    const Creation made = manager_.create(input);
    if (!made.outcome.ok) {
        services_.prompter.tell(deckmsg::creationFailed(made.outcome.error), PromptIcon::Critical, this);
        return;
    }
    currentFile_ = made.handOff.deckFile;
    p->lstDeckNames->addTopLevelItem(
        DeckManagerPage::makeEntry({made.rowid, made.handOff.deckName, made.handOff.deckFile}));
    services_.prompter.tell(deckmsg::created(), PromptIcon::Information, this);
    setCreateMode(false);
    if (openDesign_ && openDesign_(made.handOff, QVector<bool>(made.handOff.cardCount, false)))
        leave(false);
}

void FrmDeck::cmdEditDeck_Click()
{
    auto *p = page_;
    const DeckInput input = p->input();
    const auto deck = openPick();
    if (!deck) {
        services_.prompter.tell(deckmsg::selectDeckModify(), PromptIcon::Information, this);
        return;
    }
    if (const auto problem = checkChangedDeck(input)) {
        services_.prompter.tell(problem->message, PromptIcon::Information, this);
        if (problem->field == InputField::DeckName) {
            setFields({});
            p->cmdCreateDeck->setEnabled(true);
            p->txtDeckName->setFocus();
        } else {
            p->txtCards->clear();
            p->txtCards->setFocus();
        }
        return;
    }
    const int count = cardNumber(input.cards.trimmed());
    QString error;
    if (const auto marks = manager_.pictureMarks(deck->file, &error); marks && count < marks->size()) {
        const auto withContent = manager_.cardsWithContentAfter(deck->file, count, &error);
        if (withContent && *withContent > 0) {
            const Prompt question{deckmsg::shrinkQuestion(*withContent, int(marks->size()) - count),
                                  PromptIcon::Warning, PromptButtons::YesNo, QString::fromLatin1(kAppTitle),
                                  PromptAnswer::No};
            if (services_.prompter.ask(question, this) != PromptAnswer::Yes)
                return;
        }
    }
    const Outcome changed = manager_.modify(*deck, input);
    if (!changed.ok) {
        services_.prompter.tell(deckmsg::modifyFailed(changed.error), PromptIcon::Critical, this);
        return;
    }
    services_.prompter.tell(deckmsg::modified(), PromptIcon::Information, this);
    setFields({});
    leave(true);
}

void FrmDeck::cmdDelete_Click()
{
    auto *p = page_;
    const auto deck = shownPick();
    if (p->txtDeckName->text().trimmed().isEmpty() || !deck) {
        services_.prompter.tell(deckmsg::selectDeckModify(), PromptIcon::Information, this);
        return;
    }
    currentFile_ = deck->file;
    bool cancelled = false;
    const Outcome gone = manager_.remove(
        *deck,
        [this] {
            const Prompt question{deckmsg::deleteForGood(), PromptIcon::Warning, PromptButtons::YesNo,
                                  QString::fromLatin1(kAppTitle), PromptAnswer::No};
            return services_.prompter.ask(question, this) == PromptAnswer::Yes;
        },
        &cancelled);
    if (cancelled)
        return;
    if (!gone.ok) {
        services_.prompter.tell(deckmsg::deleteFailed(gone.error), PromptIcon::Critical, this);
        return;
    }
    quiet_ = true;
    delete p->lstDeckNames->currentItem();
    quiet_ = false;
    picked_.reset();
    setFields({});
    services_.prompter.tell(deckmsg::deleted(), PromptIcon::Information, this);
    leave(true);
}

void FrmDeck::cmdNext_Click()
{
    auto *p = page_;
    if (p->lstDeckNames->topLevelItemCount() == 0) {
        services_.prompter.tell(deckmsg::noTutor(), PromptIcon::Information, this);
        p->txtDeckName->setFocus();
        return;
    }
    if (currentEntry().isEmpty() || p->txtDeckName->text().trimmed().isEmpty()) {
        services_.prompter.tell(deckmsg::selectDeck(), PromptIcon::Information, this);
        return;
    }
    // The final test: the highlighted entry is the deck picked and unlocked.
    const auto deck = openPick();
    if (!deck) {
        services_.prompter.tell(deckmsg::selectExisting(), PromptIcon::Information, this);
        return;
    }
    const DeckHandOff handOff{deck->file, deck->name.trimmed(), cardNumber(p->txtCards->text())};
    currentFile_ = deck->file;
    QString error;
    const auto marks = manager_.pictureMarks(deck->file, &error);
    if (!marks) {
        services_.prompter.tell(unusableDeckMessage(handOff.deckName, error), PromptIcon::Critical, this);
        return;
    }
    if (openDesign_ && openDesign_(handOff, *marks))
        leave(false);
}

void FrmDeck::cmdBack_Click()
{
    leave(true);
}

void FrmDeck::cmdExit_Click()
{
    EndProgram();
}

void FrmDeck::leave(bool showStart)
{
    leaving_ = true;
    if (showStart && startScreen_)
        startScreen_->show();
    close();
}

void FrmDeck::closeEvent(QCloseEvent *event)
{
    // The close box ends the program like Exit.
    if (!leaving_ && !closingAllWindows())
        EndProgram();
    event->accept();
}

} // namespace velmora
