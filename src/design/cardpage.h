#pragma once

// The card editor's card page: the fields of one card, the group options,
// the picture and the buttons. It shows what it is given and tells what the
// user did; it never touches a deck.

#include "design/designrules.h"
#include "store/deck.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace velmora {

class CardPage : public QWidget
{
    Q_OBJECT

public:
    explicit CardPage(QWidget *parent = nullptr);

    // Shows a card without setting off any edit signal.
    void showCard(const Card &card, const QStringList &keywordSlots, const QImage &picture);
    void showPicture(const QImage &picture);
    [[nodiscard]] bool hasPicture() const;
    void showGroup(const GroupOptions &options);
    [[nodiscard]] GroupOptions groupOptions() const;
    void enableSuits(bool enabled);
    // Empty text hides the status.
    void showSaveStatus(const QString &text);

    [[nodiscard]] QString cardName() const;
    [[nodiscard]] QString keyword(int slot) const;
    [[nodiscard]] QStringList keywords() const;
    [[nodiscard]] QString normalMeaning() const;
    [[nodiscard]] QString reversedMeaning() const;
    [[nodiscard]] QSize pictureSize() const;

    QLabel *picCard = nullptr;
    QLineEdit *txtCard = nullptr;
    std::array<QLineEdit *, kSlotsPerCard> txtKeyword{};
    QPlainTextEdit *txtNormalMeaning = nullptr;
    QPlainTextEdit *txtReverseMeaning = nullptr;
    QRadioButton *optMajorArcana = nullptr;
    QRadioButton *optMinorArcana = nullptr;
    QGroupBox *fraMinors = nullptr;
    QRadioButton *optCups = nullptr;
    QRadioButton *optWands = nullptr;
    QRadioButton *optPentacles = nullptr;
    QRadioButton *optSwords = nullptr;
    QCheckBox *chkAutoSave = nullptr;
    QPushButton *cmdBrowsePictures = nullptr;
    QPushButton *cmdDeckSave = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdExit = nullptr;
    QLabel *lblSaveStatus = nullptr;

signals:
    void nameEdited();
    void nameLeft();
    void keywordEdited(int slot);
    void meaningEdited(velmora::Meaning which);
    void majorClicked();
    void minorClicked();
    void browseRequested();
    void saveRequested();
    void deleteRequested();
    void backRequested();
    void exitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void colourSaveStatus();

    QImage picture_;
    bool showing_ = false;
};

} // namespace velmora
