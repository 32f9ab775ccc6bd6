#include "learn/testpage.h"

#include "app/elidedlabel.h"
#include "app/picturebox.h"
#include "app/widgets.h"
#include "app/wrappedlabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QVarLengthArray>

#include <algorithm>
#include <utility>

namespace velmora {

namespace {

constexpr int kKeywordColumns = 4;

// A caption beside an answer option that wraps long meanings and chooses the
// option when clicked.
class AnswerCaption : public WrappedLabel
{
public:
    AnswerCaption(QRadioButton *option, QWidget *parent) : WrappedLabel(QString(), parent), option_(option)
    {
        // A meaning without blanks breaks anywhere instead of widening the window.
        QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

protected:
    void mousePressEvent(QMouseEvent * /*event*/) override
    {
        if (option_->isEnabled())
            option_->click();
    }

private:
    QRadioButton *option_;
};

} // namespace

// The answer options of a test, as tall at a width as the tallest question of
// the test so far was there. Each question's meanings wrap into other line
// counts; were the panel to follow them, the page, the tab widget and the
// scroll area around it would be laid out and painted whole at every question,
// the picture scaled anew. Reserved, the page keeps its height and only the
// options repaint; the room left stays below the last option.
class AnswerPanel : public QWidget
{
public:
    using QWidget::QWidget;

    [[nodiscard]] int heightForWidth(int width) const override
    {
        const int natural = QWidget::heightForWidth(width);
        for (auto &[known, tallest] : tallest_) {
            if (known == width) {
                tallest = std::max(tallest, natural);
                return tallest;
            }
        }
        if (tallest_.size() == kKept)
            tallest_.remove(0);
        tallest_.append({width, natural});
        return natural;
    }

    // A new test starts from its own first question.
    void forgetHeights()
    {
        tallest_.clear();
        updateGeometry();
    }

private:
    // The widths the layouts ask about while the window keeps its size are few.
    static constexpr qsizetype kKept = 8;
    mutable QVarLengthArray<std::pair<int, int>, kKept> tallest_;
};

TestPage::TestPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabTest"));
    auto *layout = new QVBoxLayout(this);

    auto *header = new QHBoxLayout;
    lblCardName = named(new ElidedLabel, QStringLiteral("lblCardName"));
    QFont nameFont = lblCardName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.3);
    lblCardName->setFont(nameFont);
    lblIsReversed = named(new QLabel, QStringLiteral("lblIsReversed"));
    llblQCount = named(new QLabel(tr("Question :")), QStringLiteral("llblQCount"));
    lblQCount = named(new QLabel, QStringLiteral("lblQCount"));
    header->addWidget(lblCardName, 1);
    header->addWidget(lblIsReversed);
    header->addWidget(llblQCount);
    header->addWidget(lblQCount);
    layout->addLayout(header);

    auto *body = new QHBoxLayout;
    picResult = named(new PictureBox, QStringLiteral("picResult"));
    picResult->setFocusPolicy(Qt::StrongFocus);
    picResult->setAccessibleName(tr("Card picture"));
    body->addWidget(picResult, 1);

    testPanels_ = named(new QStackedWidget, QStringLiteral("testPanels"));
    buildKeywordPanel();
    buildAnswerPanel();
    testPanels_->addWidget(picKeywodContainer);
    testPanels_->addWidget(picDescContainer);
    body->addWidget(testPanels_, 2);
    layout->addLayout(body, 1);

    auto *buttons = new QHBoxLayout;
    cmdNextQuestion = makeButton(nullptr, "cmdNextQuestion", tr("&Next Question"));
    buttons->addStretch(1);
    buttons->addWidget(cmdNextQuestion);
    layout->addLayout(buttons);

    connect(cmdNextQuestion, &QPushButton::clicked, this, &TestPage::nextQuestionRequested);
    for (int i = 0; i < kAnswerOptions; ++i) {
        connect(optAnswer[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                emit answerChosen(i);
        });
        auto *key = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        key->setContext(Qt::WidgetWithChildrenShortcut);
        connect(key, &QShortcut::activated, this, [this, i] { chooseShownOption(i); });
    }
    for (int i = 0; i < kKeywordBoxes; ++i)
        connect(chkKeywords[i], &QCheckBox::toggled, this, [this, i] { emit keywordToggled(i); });
}

void TestPage::buildKeywordPanel()
{
    picKeywodContainer = named(new QWidget, QStringLiteral("picKeywodContainer"));
    auto *grid = new QGridLayout(picKeywodContainer);
    lblMaxKeyword = named(new QLabel, QStringLiteral("lblMaxKeyword"));
    grid->addWidget(lblMaxKeyword, 0, 0, 1, kKeywordColumns);
    // Equal columns that ignore the captions' widths, so no box moves between
    // questions and no keyword widens the window.
    for (int i = 0; i < kKeywordBoxes; ++i) {
        chkKeywords[i] = named(new QCheckBox, QStringLiteral("chkKeywords%1").arg(i));
        chkKeywords[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        grid->addWidget(chkKeywords[i], 1 + i / kKeywordColumns, i % kKeywordColumns);
    }
    for (int column = 0; column < kKeywordColumns; ++column) {
        grid->setColumnStretch(column, 1);
        grid->setColumnMinimumWidth(column, fontMetrics().averageCharWidth() * 10);
    }
    grid->setRowStretch(1 + kKeywordBoxes / kKeywordColumns, 1);
}

void TestPage::buildAnswerPanel()
{
    picDescContainer = named(new AnswerPanel, QStringLiteral("picDescContainer"));
    auto *answers = new QVBoxLayout(picDescContainer);
    answerGroup_ = new QButtonGroup(this);
    for (int i = 0; i < kAnswerOptions; ++i) {
        Shape1[i] = named(new QFrame, QStringLiteral("Shape1_%1").arg(i));
        Shape1[i]->setFrameShape(QFrame::Box);
        auto *row = new QHBoxLayout(Shape1[i]);
        optAnswer[i] = named(new QRadioButton, QStringLiteral("optAnswer%1").arg(i));
        answerCaptions_[i] = named(new AnswerCaption(optAnswer[i], Shape1[i]), QStringLiteral("lblAnswer%1").arg(i));
        row->addWidget(optAnswer[i], 0, Qt::AlignTop);
        row->addWidget(answerCaptions_[i], 1);
        answerGroup_->addButton(optAnswer[i], i);
        answers->addWidget(Shape1[i]);
    }
    answers->addStretch(1);
}

void TestPage::startTest(TestType type)
{
    picDescContainer->forgetHeights();
    testPanels_->setCurrentWidget(type == TestType::Description ? picDescContainer : picKeywodContainer);
    lblIsReversed->clear();
    lblQCount->clear();
}

void TestPage::showQuestion(const DescriptionQuestion &question)
{
    lblCardName->setText(question.cardName);
    lblCardName->setAccessibleName(question.cardName);
    lblIsReversed->setText(question.reversed ? tr("Reversed") : QString());
    clearAnswerSelection();
    for (int i = 0; i < kAnswerOptions; ++i) {
        const auto index = std::size_t(i);
        const bool shown = question.shown[index];
        const QString caption = shown ? question.captions[index] : QString();
        optAnswer[i]->setEnabled(shown);
        optAnswer[i]->setVisible(shown);
        optAnswer[i]->setAccessibleName(caption);
        Shape1[i]->setVisible(shown);
        answerCaptions_[i]->setText(caption);
    }
    picResult->setPicture(question.picture);
}

void TestPage::showQuestion(const KeywordQuestion &question)
{
    lblMaxKeyword->setText(question.maxKeywordText);
    for (int i = 0; i < kKeywordBoxes; ++i) {
        QCheckBox *box = chkKeywords[i];
        box->setChecked(false);
        const bool shown = i < question.keywordBoxCount;
        box->setEnabled(shown);
        box->setVisible(shown);
        // A keyword is plain text: an ampersand in it is no access key.
        QString caption = question.captions[std::size_t(i)];
        box->setAccessibleName(caption);
        box->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
    lblCardName->setText(question.cardName);
    lblCardName->setAccessibleName(question.cardName);
    lblIsReversed->clear();
    picResult->setPicture(question.picture);
}

void TestPage::setCounter(const QString &text)
{
    lblQCount->setText(text);
}

void TestPage::setNextEnabled(bool enabled)
{
    // Turned off with the focus on it, Qt would pass the focus on down the
    // chain and scroll the tabs to show where it went: the next question
    // would start with the page moved under the learner. The picture is
    // where each question starts anyway.
    if (!enabled && window()->focusWidget() == cmdNextQuestion)
        picResult->setFocus();
    cmdNextQuestion->setEnabled(enabled);
    if (enabled)
        cmdNextQuestion->setFocus();
}

void TestPage::focusPicture()
{
    picResult->setFocus();
}

void TestPage::uncheckKeyword(int index)
{
    if (index >= 0 && index < kKeywordBoxes)
        chkKeywords[index]->setChecked(false);
}

TestAnswer TestPage::answer() const
{
    TestAnswer answer;
    answer.selectedOption = answerGroup_->checkedId();
    for (int i = 0; i < kKeywordBoxes; ++i)
        answer.checkedKeywords[std::size_t(i)] = chkKeywords[i]->isChecked();
    return answer;
}

QString TestPage::answerCaption(int index) const
{
    return index >= 0 && index < kAnswerOptions ? answerCaptions_[index]->text() : QString();
}

void TestPage::clearAnswerSelection()
{
    // An exclusive group keeps its chosen button; lift that for the reset.
    answerGroup_->setExclusive(false);
    for (QRadioButton *option : optAnswer)
        option->setChecked(false);
    answerGroup_->setExclusive(true);
}

void TestPage::chooseShownOption(int fromTop)
{
    if (testPanels_->currentWidget() != picDescContainer)
        return;
    int seen = 0;
    for (QRadioButton *option : optAnswer) {
        if (!option->isEnabled())
            continue;
        if (seen++ == fromTop) {
            option->click();
            return;
        }
    }
}

} // namespace velmora
