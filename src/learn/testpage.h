#pragma once

// The test tab: the card asked, its picture and either the keyword grid or
// the answer options, with "Next Question". Number keys 1 to 7 choose the
// options shown, from the top.

#include "learn/testrun.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace velmora {

class AnswerPanel;
class ElidedLabel;
class PictureBox;

class TestPage : public QWidget
{
    Q_OBJECT

public:
    explicit TestPage(QWidget *parent = nullptr);

    // A new test: the panel of its type, no counter yet.
    void startTest(TestType type);
    void showQuestion(const DescriptionQuestion &question);
    void showQuestion(const KeywordQuestion &question);
    void setCounter(const QString &text);
    // Also puts the focus on "Next Question" when it becomes usable.
    void setNextEnabled(bool enabled);
    void focusPicture();
    [[nodiscard]] PictureBox &pictureBox() const { return *picResult; }
    void uncheckKeyword(int index);
    [[nodiscard]] TestAnswer answer() const;
    [[nodiscard]] QString answerCaption(int index) const;

signals:
    void nextQuestionRequested();
    void answerChosen(int index);
    void keywordToggled(int index);

private:
    void buildKeywordPanel();
    void buildAnswerPanel();
    void clearAnswerSelection();
    void chooseShownOption(int fromTop);

    ElidedLabel *lblCardName = nullptr;
    QLabel *lblIsReversed = nullptr;
    QLabel *llblQCount = nullptr;
    QLabel *lblQCount = nullptr;
    PictureBox *picResult = nullptr;
    QStackedWidget *testPanels_ = nullptr;
    QWidget *picKeywodContainer = nullptr;
    QLabel *lblMaxKeyword = nullptr;
    std::array<QCheckBox *, kKeywordBoxes> chkKeywords{};
    AnswerPanel *picDescContainer = nullptr;
    QButtonGroup *answerGroup_ = nullptr;
    std::array<QRadioButton *, kAnswerOptions> optAnswer{};
    std::array<QLabel *, kAnswerOptions> answerCaptions_{};
    std::array<QFrame *, kAnswerOptions> Shape1{};
    QPushButton *cmdNextQuestion = nullptr;
};

} // namespace velmora
