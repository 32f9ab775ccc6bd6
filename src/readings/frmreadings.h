#pragma once

// The practice spread: cards drawn face down from the chosen deck and
// groups, turned one by one, a question and an interpretation beside them,
// and the deck's meanings to compare with. A reading from the journal opens
// here read-only.

#include "progress/frmprogress.h"
#include "readings/journal.h"

#include "store/backgroundjob.h"
#include "store/personalmeanings.h"
#include "store/practice.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

struct Services;
class PictureBox;

namespace readings {

// The deck to draw from, opened and checked by the main window.
struct ReadingDeck
{
    Practice practice; // the chosen deck and the cards of the chosen groups
    QString deckFile;
    bool reversedAllowed = true;
};
using ReadingDeckOpener = std::function<std::optional<ReadingDeck>()>;

class FrmReadings : public QWidget
{
    Q_OBJECT

public:
    // A new reading, drawn from what `openDeck` gives.
    FrmReadings(Services &services, QString journalPath, ReadingDeckOpener openDeck, QWidget *parent = nullptr);
    // A saved reading, read-only; its pictures come from its deck while that
    // still holds the cards.
    FrmReadings(Services &services, QString journalPath, const Reading &saved, QWidget *parent = nullptr);
    ~FrmReadings() override;

    [[nodiscard]] const Reading &reading() const { return reading_; }
    [[nodiscard]] bool isTurned(int position) const { return turned_.value(position); }

    void draw();
    void turn(int position);
    // Space: the first card still face down.
    void turnNext();
    void showMeanings();
    // Saves a drawn reading that changed since it was last saved; false, with
    // the user told why, when the save failed.
    bool save();
    // Asks for a file and writes the reading as shown into it: PDF, a web
    // page or Markdown by the name's ending. True once written.
    bool exportReading();

signals:
    void testRequested(const velmora::progress::PracticeRequest &request);
    void journalRequested();
    // A reading was added to or changed in the journal.
    void saved();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmReadings(Services &services, QString journalPath, QWidget *parent);
    void buildControls();
    void layCards();
    void showCard(int position);
    void loadSavedPictures();
    // Decodes the cards' pictures (0: none) off the screen thread; each
    // turned card shows its picture once they are ready.
    void decodeFaces(const QString &deckPath, const QVector<int> &cardIds);
    void facesDecoded();
    void readOwnMeanings();
    void takeOwnMeanings();
    // Takes what the worker read, waiting for it if need be.
    void settleOwnMeanings();
    void requestTest();
    void textsEdited();

    Services &services_;
    QString journalPath_;
    ReadingDeckOpener openDeck_;
    Journal journal_;
    Reading reading_;
    QVector<QImage> faces_;
    std::unique_ptr<BackgroundJob<QVector<QImage>>> decoding_;
    // Decodes of an earlier draw, left to end on their own.
    std::vector<std::unique_ptr<BackgroundJob<QVector<QImage>>>> abandoned_;
    QVector<bool> turned_;
    bool readOnly_ = false;
    bool unsaved_ = false;
    bool meaningsShown_ = false;
    progress::PersonalMeaningMap own_; // the learner's own meanings of the reading's deck
    // What a new draw reads on a worker thread, since opening a history that
    // changed checks all of it: own_, and the journal the reading is saved in.
    struct OwnRead
    {
        progress::PersonalMeaningMap own;
        Journal journal;
    };
    std::unique_ptr<BackgroundJob<OwnRead>> readingOwn_;

    QComboBox *cboSpread = nullptr;
    QPushButton *cmdDraw = nullptr;
    QLabel *lblDeck = nullptr;
    QWidget *fraSpread = nullptr;
    QVector<QLabel *> lblPositions;
    QVector<PictureBox *> picCards;
    QVector<QLabel *> lblCards;
    QLineEdit *txtQuestion = nullptr;
    QPlainTextEdit *txtInterpretation = nullptr;
    QPushButton *cmdShowMeanings = nullptr;
    QPlainTextEdit *txtMeanings = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdTestMe = nullptr;
    QPushButton *cmdJournal = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdClose = nullptr;
};

// The back every card shows until it is turned.
[[nodiscard]] QImage cardBack();

} // namespace readings
} // namespace velmora
