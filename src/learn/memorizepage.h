#pragma once

// The memorize tab: one card at a time, upright and reversed, with its
// keywords and both meanings, and the buttons that move through the cards.

#include <QWidget>

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

signals:
    void previousRequested();
    void nextRequested();
    void testRequested();

private:
    ElidedLabel *lblCardNameMemorize = nullptr;
    QLabel *lblNoCards = nullptr;
    PictureBox *picCardMemorize = nullptr;
    PictureBox *picCardMemorizeReversed = nullptr;
    QPlainTextEdit *txtKeywords = nullptr;
    QPlainTextEdit *txtNormalMeaning = nullptr;
    QPlainTextEdit *txtReverseMeaning = nullptr;
    QPushButton *cmdPrevious = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdStartTest = nullptr;
};

} // namespace velmora
