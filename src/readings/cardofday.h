#pragma once

// The card of the day: one card drawn at the first start of a day (or at the
// logon into the tray) from the deck the main window works with, kept in the
// settings so it stays the same all day, and put before the learner once.

#include "readings/daynote.h"
#include "readings/reading.h"

#include "store/backgroundjob.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QSystemTrayIcon;
class QTimer;
class QVBoxLayout;

namespace velmora {

class PictureBox;
struct Services;

namespace readings {

struct DayCardView
{
    QString deckName;
    ReadingCard card;
    QString deckFile;
    QString ownMeaning; // the learner's own for the card's orientation
    QString deckPath;   // where the window reads the card's picture from
};

// Today's card of the deck at `deckPath`: the kept one when it is today's
// and of this deck, else a new draw that is kept. `fresh` tells whether it
// was drawn now. Nothing when the setting is off or the deck cannot be read.
[[nodiscard]] std::optional<DayCardView> cardOfTheDay(Services &services, const QString &deckPath, bool *fresh);

[[nodiscard]] bool cardOfTheDayEnabled(const Services &services);
void setCardOfTheDayEnabled(Services &services, bool enabled);

// At the opening of the main window: a fresh card of the day goes into a
// message from the tray icon when it shows one (a click on the message opens
// the card), else the card's window opens over the main window.
void announceCardOfTheDay(Services &services, QWidget *mainWindow, QSystemTrayIcon *tray, const QString &deckPath);

class FrmDayCard : public QWidget
{
    Q_OBJECT

public:
    FrmDayCard(Services &services, const DayCardView &view, QWidget *parent = nullptr);
    ~FrmDayCard() override;

    // Saves the note when it changed; false, with the window saying why, when
    // the save failed.
    bool saveNote();

    // The picture is decoded off the screen thread and shown once it is
    // ready: until then the card shows without it.
    [[nodiscard]] bool pictureShown() const { return !picture_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showPicture();
    void addNote(QVBoxLayout *column, const DayCardView &view);

    Services &services_;
    DayNote note_;
    bool noteReadable_ = false;
    bool noteUnsaved_ = false;
    QTimer *noteTimer_ = nullptr;
    QPlainTextEdit *txtDayNote = nullptr;
    QLabel *lblDayNoteStatus = nullptr;
    PictureBox *picDayCard = nullptr;
    std::unique_ptr<BackgroundJob<QImage>> picture_;
};

} // namespace readings
} // namespace velmora
