#pragma once

// The review window's page: a card's picture and the question on its facet,
// then the answer with a button per grade, and at the end the summary. It
// shows what the window gives it and signals what the user asked.

#include <QImage>
#include <QWidget>

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShortcut;
class QStackedWidget;

namespace velmora {

class ElidedLabel;
class PictureBox;

namespace review {

inline constexpr int kGradeCount = 4;

class ReviewPage : public QWidget
{
    Q_OBJECT

public:
    explicit ReviewPage(QWidget *parent = nullptr);

    [[nodiscard]] PictureBox &pictureBox() const { return *picReview; }
    // The picture as it is to be seen, turned already for a reversed meaning.
    void showQuestion(const QImage &picture, const QString &question, const QString &remaining);
    // intervals: what each grade, Again to Easy, would give.
    void showAnswer(const QString &cardName, const QString &answer, const std::array<QString, kGradeCount> &intervals);
    void showSummary(const QString &summary);
    void setUndoEnabled(bool enabled);

signals:
    void revealRequested();
    // 1 Again, 2 Hard, 3 Good, 4 Easy.
    void gradeChosen(int grade);
    void undoRequested();
    void closeRequested();

private:
    void setAnswering(bool answering);

    QStackedWidget *stack_ = nullptr;
    PictureBox *picReview = nullptr;
    QLabel *lblQuestion = nullptr;
    QLabel *lblRemaining = nullptr;
    ElidedLabel *lblCardName = nullptr;
    QPlainTextEdit *txtAnswer = nullptr;
    QLabel *lblSummary = nullptr;
    QPushButton *cmdShowAnswer = nullptr;
    std::array<QPushButton *, kGradeCount> cmdGrade{};
    QPushButton *cmdUndo = nullptr;
    QPushButton *cmdClose = nullptr;
    QShortcut *revealKey_ = nullptr;
    std::array<QShortcut *, kGradeCount> gradeKeys_{};
};

} // namespace review
} // namespace velmora
