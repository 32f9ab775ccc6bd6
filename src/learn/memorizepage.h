#pragma once

// The memorize tab: one card at a time, upright and reversed, with its
// keywords and both meanings, and the buttons that move through the cards.

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class ElidedLabel;
class PictureBox;

struct MemorizeCard
{
    QString name;
    QString keywords;
    QString normalMeaning;
    QString reversedMeaning;
};

class MemorizePage : public QWidget
{
    Q_OBJECT

public:
    explicit MemorizePage(QWidget *parent = nullptr);

    void showCard(const MemorizeCard &card);
    void clearCard();
    // The upright picture; the reversed box shows it turned.
    void showPicture(const QImage &picture);
    [[nodiscard]] PictureBox &pictureBox() const { return *picCardMemorize; }
    // Says that the chosen groups hold no cards, in place of a card.
    void setNoCards(bool noCards);
    void setPreviousEnabled(bool enabled);
    void setNextEnabled(bool enabled);

    // The learner's own meanings of the shown card, edited in place.
    void showOwnMeaning(const QString &upright, const QString &reversed);
    [[nodiscard]] QString ownUpright() const;
    [[nodiscard]] QString ownReversed() const;
    // Off while there is no card or the own meanings cannot be read.
    void setOwnMeaningEditable(bool editable);
    // How the keeping of the own meanings goes, or why it does not.
    void setOwnMeaningStatus(const QString &status);
    void setAskOwnMeanings(bool ask);
    [[nodiscard]] bool asksOwnMeanings() const;

signals:
    void previousRequested();
    void nextRequested();
    void testRequested();
    // Typed by the learner, not set by showOwnMeaning.
    void ownMeaningEdited();
    void askOwnMeaningsToggled(bool ask);

private:
    ElidedLabel *lblCardNameMemorize = nullptr;
    QLabel *lblNoCards = nullptr;
    PictureBox *picCardMemorize = nullptr;
    PictureBox *picCardMemorizeReversed = nullptr;
    QPlainTextEdit *txtKeywords = nullptr;
    QPlainTextEdit *txtNormalMeaning = nullptr;
    QPlainTextEdit *txtReverseMeaning = nullptr;
    QPlainTextEdit *txtOwnMeaning = nullptr;
    QPlainTextEdit *txtOwnReverseMeaning = nullptr;
    QLabel *lblOwnStatus = nullptr;
    QCheckBox *chkAskOwn = nullptr;
    bool showingOwn_ = false;
    QPushButton *cmdPrevious = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdStartTest = nullptr;
};

} // namespace velmora
