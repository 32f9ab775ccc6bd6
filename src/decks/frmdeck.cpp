#include "decks/frmdeck.h"

#include "app/appicon.h"
#include "app/helpmenu.h"
#include "app/prompter.h"
#include "app/shell.h"
#include "learn/deckchecks.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

const QString kCreateNewDeck = QStringLiteral("&Create New Deck");
const QString kCreate = QStringLiteral("Create");
const QString kLaterIssue = QStringLiteral("Export and import of decks are not part of this version yet.");

// Long enough for any name a deck file brings (names are cut at 255 when shown).
constexpr int kNameLength = 255;
constexpr int kDesignerLength = 255;
constexpr int kPasswordLength = 64;
constexpr int kCardsLength = 3;

template <typename T>
T *named(T *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &accessible)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setAccessibleName(accessible);
    return button;
}

// A "[ ? ]" label whose hint shows when the pointer rests on it; the hint is
// also the control's description for assistive tools.
QLabel *makeHint(QWidget *parent, const char *name, const QString &hint, QWidget *describes)
{
    auto *label = named(new QLabel(QStringLiteral("[ ? ]"), parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(hint);
    label->setAccessibleName(QStringLiteral("Hint"));
    label->setAccessibleDescription(hint);
    if (describes && describes->accessibleDescription().isEmpty())
        describes->setAccessibleDescription(hint);
    return label;
}

QLineEdit *makeField(QWidget *parent, const char *name, const QString &accessible, int maxLength)
{
    auto *field = named(new QLineEdit(parent), name);
    field->setAccessibleName(accessible);
    field->setMaxLength(maxLength);
    return field;
}

} // namespace

DeckManagerPage::DeckManagerPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageDeckManager"));
    lstDeckNames = named(new QTreeWidget(this), "lstDeckNames");
    lstDeckNames->setColumnCount(1);
    lstDeckNames->setHeaderLabels({QStringLiteral("Decks")});
    lstDeckNames->setRootIsDecorated(false);
    lstDeckNames->setUniformRowHeights(true);
    lstDeckNames->setTextElideMode(Qt::ElideRight);
    lstDeckNames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstDeckNames->header()->setStretchLastSection(true);
    lstDeckNames->setAccessibleName(QStringLiteral("Decks"));
    lstDeckNames->setMinimumWidth(220);

    fraCreate = named(new QGroupBox(QStringLiteral("Create A New Deck"), this), "fraCreate");
    txtDeckName = makeField(fraCreate, "txtDeckName", QStringLiteral("Deck Name"), kNameLength);
    txtCards = makeField(fraCreate, "txtCards", QStringLiteral("Number of Cards In Deck"), kCardsLength);
    txtCards->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtCards));
    txtDesigner = makeField(fraCreate, "txtDesigner", QStringLiteral("Designed By"), kDesignerLength);
    txtPassword = makeField(fraCreate, "txtPassword", QStringLiteral("Password"), kPasswordLength);
    txtPassword->setEchoMode(QLineEdit::Password);

    cmdCreateDeck = makeButton(this, "cmdCreateDeck", kCreateNewDeck, QStringLiteral("Create New Deck"));
    cmdEditDeck = makeButton(this, "cmdEditDeck", QStringLiteral("&Modify"), QStringLiteral("Modify"));
    cmdDelete = makeButton(this, "cmdDelete", QStringLiteral("&Delete Deck From List"),
                           QStringLiteral("Delete Deck From List"));
    cmdDelete->setToolTip(QStringLiteral("Delete a selected deck from list of decks"));
    cmdNext = makeButton(this, "cmdNext", QStringLiteral("&Next"), QStringLiteral("Next"));
    cmdBack = makeButton(this, "cmdBack", QStringLiteral("&Back"), QStringLiteral("Back"));
    cmdExit = makeButton(this, "cmdExit", QStringLiteral("Exi&t"), QStringLiteral("Exit"));
    cmdExport = makeButton(this, "cmdExport", QStringLiteral("E&xport / Share Your  Deck"),
                           QStringLiteral("Export / Share Your Deck"));
    cmdImport = makeButton(this, "cmdImport", QStringLiteral("&Import"), QStringLiteral("Import"));
    for (QPushButton *button : {cmdExport, cmdImport}) {
        button->setEnabled(false);
        button->setToolTip(kLaterIssue);
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
    addField(0, QStringLiteral("* Deck &Name"), txtDeckName,
             makeHint(fraCreate, "lblToolTipDeckName",
                      QStringLiteral("Enter The Name of the Deck in order to start creating your own Tarot Learning "
                                     "Deck"),
                      txtDeckName));
    addField(1, QStringLiteral("* Numerber of Card In Deck"), txtCards,
             makeHint(fraCreate, "lblToolTipCards",
                      QStringLiteral("Enter the total number of cards in your personal deck."), txtCards));
    addField(2, QStringLiteral("Designed By"), txtDesigner,
             makeHint(fraCreate, "lblToolTipDesigner", QStringLiteral("Enter the name of your Deck designer."),
                      txtDesigner));
    addField(3, QStringLiteral("Password"), txtPassword,
             makeHint(fraCreate, "lblToolTipPassword",
                      QStringLiteral("Enter password to protect your personal deck from being modified by others you "
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
                       QStringLiteral("Click Create New Deck in order to start creating your own learning deck"),
                       cmdCreateDeck));
    addButton(1, cmdEditDeck,
              makeHint(this, "lblToolTipEdit",
                       QStringLiteral("Modify the Deck name, Designer name, Password & number of cards and click "
                                      "modify and save the the information."),
                       cmdEditDeck));
    // Each hint describes the button it stands beside.
    addButton(2, cmdDelete,
              makeHint(this, "lblToolTipDelete", QStringLiteral("Delete Selected Deck From List"), cmdDelete));
    addButton(3, cmdExport,
              makeHint(this, "lblToolTipExport",
                       QStringLiteral("Export, save and share your own created deck by sending others the deck file."),
                       cmdExport));
    addButton(4, cmdImport, nullptr);
    addButton(5, cmdNext,
              makeHint(this, "lblToolTipNext", QStringLiteral("Click NEXT to start the detailed deck design page."),
                       cmdNext));

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

void DeckManagerPage::setDeckNames(const QStringList &names)
{
    lstDeckNames->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(names.size());
    for (const QString &name : names)
        items.append(new QTreeWidgetItem(QStringList{name}));
    lstDeckNames->addTopLevelItems(items);
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

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto add = [file](const char *name, const QString &caption) { return named(file->addAction(caption), name); };
    mnuNext_ = add("mnuNext", QStringLiteral("&Next"));
    mnuEdit_ = add("mnuEdit", QStringLiteral("&Edit"));
    mnuCreate_ = add("mnuCreate", kCreateNewDeck);
    mnuExport_ = add("mnuExport", QStringLiteral("E&xport"));
    mnuExport_->setEnabled(false);
    mnuExport_->setToolTip(kLaterIssue);
    mnuBack_ = add("mnuBack", QStringLiteral("Back to &Main"));
    file->addSeparator();
    mnuExit_ = add("mnuExit", QStringLiteral("Exi&t"));
    addHelpMenu(menuBar(), services_, this);

    auto *p = page_;
    connect(p->lstDeckNames, &QTreeWidget::itemClicked, this, [this] { pickDeck(); });
    connect(p->lstDeckNames, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        // A click picks on release; the keyboard picks as it moves.
        if (!quiet_ && current && QGuiApplication::mouseButtons() == Qt::NoButton)
            pickDeck();
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
    resize(760, 460);
}

FrmDeck::~FrmDeck()
{
    rememberPick();
}

void FrmDeck::rememberPick()
{
    if (!pendingPick_)
        return;
    (void)manager_.remember(pendingPick_->first, pendingPick_->second);
    pendingPick_.reset();
}

int FrmDeck::currentRow() const
{
    QTreeWidgetItem *item = page_->lstDeckNames->currentItem();
    return item ? page_->lstDeckNames->indexOfTopLevelItem(item) : -1;
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
    page_->cmdCreateDeck->setText(on ? kCreate : kCreateNewDeck);
    mnuCreate_->setText(on ? kCreate : kCreateNewDeck);
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
    for (QWidget *w : {static_cast<QWidget *>(p->cmdEditDeck), static_cast<QWidget *>(p->cmdDelete),
                       static_cast<QWidget *>(p->cmdNext)})
        w->setEnabled(false);
    mnuEdit_->setEnabled(false);
    mnuNext_->setEnabled(false);
    const DeckList list = manager_.load();
    quiet_ = true;
    p->setDeckNames(list.names);
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
    QTreeWidgetItem *item = p->lstDeckNames->currentItem();
    if (p->lstDeckNames->topLevelItemCount() == 0 || !item)
        return;
    const QString name = item->text(0).trimmed();
    const int row = currentRow();
    if (const QString file = manager_.fileAt(row, name); !file.isEmpty())
        currentFile_ = file;

    auto enableOpen = [&](bool on) {
        p->cmdNext->setEnabled(on);
        p->cmdEditDeck->setEnabled(on);
        mnuNext_->setEnabled(on);
        mnuEdit_->setEnabled(on);
    };
    enableOpen(false);
    p->cmdDelete->setEnabled(false);
    const DeckLook look = manager_.look(currentFile_);
    bool stillListed = true;
    if (!look.fileExists) {
        const auto answer = services_.prompter.ask(
            Prompt{deckmsg::noDeckFile(), PromptIcon::Warning, PromptButtons::YesNo, QString::fromLatin1(kAppTitle)},
            this);
        if (answer == PromptAnswer::Yes) {
            const Outcome gone = manager_.forget(row, name);
            if (gone.ok) {
                quiet_ = true;
                delete p->lstDeckNames->takeTopLevelItem(row);
                p->lstDeckNames->setCurrentItem(nullptr);
                quiet_ = false;
                stillListed = false;
            } else {
                services_.prompter.tell(deckmsg::deleteFailed(gone.error), PromptIcon::Critical, this);
            }
        }
        // A deck without its file can only be taken off the list.
        p->cmdDelete->setEnabled(stillListed);
    } else if (!look.header) {
        services_.prompter.tell(unusableDeckMessage(name, look.error), PromptIcon::Critical, this);
        p->cmdDelete->setEnabled(!look.isDefault);
    } else {
        p->cmdDelete->setEnabled(!look.isDefault);
        for (QLineEdit *field : {p->txtDeckName, p->txtCards, p->txtDesigner, p->txtPassword})
            field->setEnabled(true);
        setFields({look.header->deckName, QString::number(look.header->maxCard), look.header->designedBy, {}});
        if (passwordOpens(look.header->password, QString())) {
            enableOpen(true);
        } else {
            services_.prompter.tell(deckmsg::enterPassword(), PromptIcon::Information, this);
            p->txtPassword->setFocus();
            checkPassword();
        }
    }
    setCreateMode(false);
    if (!stillListed)
        return;
    pendingPick_ = std::make_pair(name, currentFile_);
    quiet_ = true;
    p->lstDeckNames->setCurrentItem(item);
    quiet_ = false;
}

void FrmDeck::checkPassword()
{
    if (createMode_)
        return;
    auto *p = page_;
    if (const QString file = manager_.fileAt(currentRow(), p->txtDeckName->text()); !file.isEmpty())
        currentFile_ = file;
    if (currentFile_.isEmpty())
        return;
    const DeckLook look = manager_.look(currentFile_);
    if (!look.header || !passwordOpens(look.header->password, p->txtPassword->text()))
        return;
    p->cmdNext->setEnabled(true);
    p->cmdEditDeck->setEnabled(true);
    mnuNext_->setEnabled(true);
    mnuEdit_->setEnabled(true);
    p->cmdNext->setFocus();
}

void FrmDeck::cmdCreateDeck_Click()
{
    auto *p = page_;
    if (!createMode_) {
        for (QLineEdit *field : {p->txtDeckName, p->txtCards, p->txtDesigner, p->txtPassword})
            field->setEnabled(true);
        p->cmdEditDeck->setEnabled(false);
        p->cmdNext->setEnabled(false);
        mnuEdit_->setEnabled(false);
        mnuNext_->setEnabled(false);
        p->cmdDelete->setEnabled(true);
        setFields({});
        setCreateMode(true);
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
    pendingPick_.reset(); // creation remembered the new deck
    p->lstDeckNames->addTopLevelItem(new QTreeWidgetItem(QStringList{made.handOff.deckName}));
    services_.prompter.tell(deckmsg::created(), PromptIcon::Information, this);
    setCreateMode(false);
    if (openDesign_ && openDesign_(made.handOff, QVector<bool>(made.handOff.cardCount, false)))
        leave(false);
}

void FrmDeck::cmdEditDeck_Click()
{
    auto *p = page_;
    const DeckInput input = p->input();
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
    const int row = currentRow();
    const QString entry = currentEntry();
    const QString file = manager_.fileAt(row, entry);
    const int count = cardNumber(input.cards.trimmed());
    QString error;
    if (const auto marks = manager_.pictureMarks(file, &error); marks && count < marks->size()) {
        const auto withContent = manager_.cardsWithContentAfter(file, count, &error);
        if (withContent && *withContent > 0) {
            const Prompt question{deckmsg::shrinkQuestion(*withContent, int(marks->size()) - count),
                                  PromptIcon::Warning, PromptButtons::YesNo, QString::fromLatin1(kAppTitle)};
            if (services_.prompter.ask(question, this) != PromptAnswer::Yes)
                return;
        }
    }
    const Outcome changed = manager_.modify(row, entry, input);
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
    if (p->txtDeckName->text().trimmed().isEmpty() || p->lstDeckNames->topLevelItemCount() == 0) {
        services_.prompter.tell(deckmsg::selectDeckModify(), PromptIcon::Information, this);
        return;
    }
    const int row = currentRow();
    const QString entry = currentEntry();
    const QString file = manager_.fileAt(row, entry);
    if (file.isEmpty())
        return;
    currentFile_ = file;
    bool cancelled = false;
    const Outcome gone = manager_.remove(
        row, entry,
        [this] {
            const Prompt question{deckmsg::deleteForGood(), PromptIcon::Warning, PromptButtons::YesNo,
                                  QString::fromLatin1(kAppTitle)};
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
    delete p->lstDeckNames->takeTopLevelItem(row);
    quiet_ = false;
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
    // The final test: an entry is highlighted, outside create mode.
    const bool existingSelected = p->lstDeckNames->currentItem() != nullptr && !createMode_;
    DeckHandOff handOff;
    handOff.deckName = currentEntry();
    handOff.cardCount = cardNumber(p->txtCards->text());
    if (const QString file = manager_.fileAt(currentRow(), handOff.deckName); !file.isEmpty())
        currentFile_ = file;
    if (handOff.deckName.isEmpty() || p->txtDeckName->text().trimmed().isEmpty()) {
        services_.prompter.tell(deckmsg::selectDeck(), PromptIcon::Information, this);
        return;
    }
    handOff.deckFile = currentFile_;
    QString error;
    const auto marks = manager_.pictureMarks(currentFile_, &error);
    if (!marks) {
        services_.prompter.tell(unusableDeckMessage(handOff.deckName, error), PromptIcon::Critical, this);
        return;
    }
    if (!existingSelected) {
        services_.prompter.tell(deckmsg::selectExisting(), PromptIcon::Information, this);
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
    rememberPick();
    // The close box ends the program like Exit.
    if (!leaving_ && !closingAllWindows())
        EndProgram();
    event->accept();
}

} // namespace velmora
