#pragma once

// The deck manager: a page of controls and the window that coordinates it
// over the DeckManager rules.

#include "app/services.h"
#include "decks/deckmanager.h"
#include "store/openahead.h"

#include <QMainWindow>

#include <functional>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

// The controls, laid out; no rules and no files.
class DeckManagerPage : public QWidget
{
    Q_OBJECT

public:
    explicit DeckManagerPage(QWidget *parent = nullptr);

    // Each entry carries its catalog row's identity and its file.
    static constexpr int kRowidRole = Qt::UserRole;
    static constexpr int kFileRole = Qt::UserRole + 1;

    [[nodiscard]] DeckInput input() const;
    void setInput(const DeckInput &input);
    void setDecks(const QVector<DeckRef> &decks);
    [[nodiscard]] static QTreeWidgetItem *makeEntry(const DeckRef &deck);
    [[nodiscard]] static DeckRef deckOf(const QTreeWidgetItem *item);

    QTreeWidget *lstDeckNames = nullptr;
    QGroupBox *fraCreate = nullptr;
    QLineEdit *txtDeckName = nullptr;
    QLineEdit *txtCards = nullptr;
    QLineEdit *txtDesigner = nullptr;
    QLineEdit *txtPassword = nullptr;
    QPushButton *cmdCreateDeck = nullptr;
    QPushButton *cmdEditDeck = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdExit = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdImport = nullptr;
};

class FrmDeck : public QMainWindow
{
    Q_OBJECT

public:
    // Opens the card editor on a deck, its cards marked saved or not.
    using DesignOpener = std::function<bool(const DeckHandOff &handOff, const QVector<bool> &savedCards)>;

    FrmDeck(Services &services, QWidget *startScreen, DesignOpener openDesign, DeckManager manager = DeckManager(),
            QWidget *parent = nullptr);
    ~FrmDeck() override;

    void Form_Load();
    // Enables Export and Import; each opens the export/import screen over this one.
    void setExchangeOpener(std::function<void(QWidget *over, bool exportFrame)> open);
    [[nodiscard]] bool inCreateMode() const { return createMode_; }
    [[nodiscard]] const QString &currentDeckFile() const { return currentFile_; }
    [[nodiscard]] DeckManagerPage *page() const { return page_; }

public slots:
    void pickDeck();
    void checkPassword();
    void cmdCreateDeck_Click();
    void cmdEditDeck_Click();
    void cmdDelete_Click();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setCreateMode(bool on);
    void setFields(const DeckInput &input);
    void leave(bool showStart);
    // A change of highlight that was no pick: nothing may act until the user picks.
    void dropPick();
    void updateButtons();
    // The picked deck, while it is the one highlighted.
    [[nodiscard]] std::optional<DeckRef> shownPick() const;
    // The picked deck, highlighted and its password accepted.
    [[nodiscard]] std::optional<DeckRef> openPick() const;
    [[nodiscard]] QString currentEntry() const;

    Services &services_;
    QWidget *startScreen_;
    DesignOpener openDesign_;
    DeckManager manager_;
    DeckManagerPage *page_ = nullptr;
    QAction *mnuNext_ = nullptr;
    QAction *mnuEdit_ = nullptr;
    QAction *mnuCreate_ = nullptr;
    QAction *mnuExport_ = nullptr;
    QAction *mnuBack_ = nullptr;
    QAction *mnuExit_ = nullptr;
    QString currentFile_;
    std::optional<DeckRef> picked_;
    // The picked deck's password as read at the pick, so the gate checks each
    // keystroke without opening the deck again; none when its header is unreadable.
    std::optional<QString> pickedPassword_;
    bool unlocked_ = false;  // the picked deck's password was accepted, or it has none
    bool deletable_ = false; // the picked deck is not the default deck
    bool pressing_ = false;  // a mouse button is down on the deck list
    bool createMode_ = false;
    bool quiet_ = false; // the screen itself is changing the fields or the list
    bool leaving_ = false;
    // The listed decks, so that going through them with the keyboard is quick.
    store::OpenAhead openAhead_;
};

} // namespace velmora
