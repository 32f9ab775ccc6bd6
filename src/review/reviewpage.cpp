#include "review/reviewpage.h"

#include "app/accessibility.h"
#include "app/elidedlabel.h"
#include "app/picturebox.h"
#include "app/widgets.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace velmora::review {

namespace {

// Also the grade buttons' object names, untranslated.
constexpr std::array<const char *, kGradeCount> kGradeNames{
    QT_TRANSLATE_NOOP("velmora::review::ReviewPage", "Again"), QT_TRANSLATE_NOOP("velmora::review::ReviewPage", "Hard"),
    QT_TRANSLATE_NOOP("velmora::review::ReviewPage", "Good"), QT_TRANSLATE_NOOP("velmora::review::ReviewPage", "Easy")};

QFont scaledFont(const QWidget *widget, double scale)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(true);
    return font;
}

} // namespace

ReviewPage::ReviewPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pageReview"));
    auto *layout = new QVBoxLayout(this);
    stack_ = named(new QStackedWidget(this), "stkReview");

    auto *card = new QWidget;
    auto *cardLayout = new QHBoxLayout(card);
    picReview = named(new PictureBox, "picReview", tr("Card picture"));
    cardLayout->addWidget(picReview, 2);
    auto *texts = new QVBoxLayout;
    lblRemaining = named(new QLabel, "lblRemaining");
    lblRemaining->setTextFormat(Qt::PlainText);
    lblRemaining->setAlignment(Qt::AlignRight);
    lblQuestion = named(new QLabel, "lblQuestion");
    lblQuestion->setTextFormat(Qt::PlainText);
    lblQuestion->setFont(scaledFont(lblQuestion, 1.6));
    lblCardName = named(new ElidedLabel, "lblReviewCardName");
    lblCardName->setFont(scaledFont(lblCardName, 1.3));
    txtAnswer = named(new QPlainTextEdit, "txtAnswer", tr("Answer"));
    txtAnswer->setReadOnly(true);
    texts->addWidget(lblRemaining);
    texts->addWidget(lblQuestion);
    texts->addWidget(lblCardName);
    texts->addWidget(txtAnswer, 1);
    // Takes the room of the answer while it is hidden, so the question stays on top.
    texts->addStretch();
    cardLayout->addLayout(texts, 3);
    stack_->addWidget(card);

    lblSummary = named(new QLabel, "lblSummary");
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setAlignment(Qt::AlignCenter);
    lblSummary->setWordWrap(true);
    lblSummary->setFont(scaledFont(lblSummary, 1.3));
    stack_->addWidget(lblSummary);
    layout->addWidget(stack_, 1);

    auto *buttons = new QHBoxLayout;
    cmdShowAnswer = makeButton(nullptr, "cmdShowAnswer", tr("&Show Answer"));
    cmdShowAnswer->setToolTip(tr("Space"));
    buttons->addWidget(cmdShowAnswer);
    for (int i = 0; i < kGradeCount; ++i) {
        cmdGrade[i] = makeButton(nullptr, QByteArray("cmdGrade" + QByteArray(kGradeNames[i])).constData(),
                                 tr("&%1 %2", "grade button: its number, the access key, and the grade")
                                     .arg(QString::number(i + 1), tr(kGradeNames[i])));
        buttons->addWidget(cmdGrade[i]);
        connect(cmdGrade[i], &QPushButton::clicked, this, [this, i] { emit gradeChosen(i + 1); });
        gradeKeys_[i] = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        connect(gradeKeys_[i], &QShortcut::activated, this, [this, i] { emit gradeChosen(i + 1); });
    }
    buttons->addStretch(1);
    cmdUndo = makeButton(nullptr, "cmdUndo", tr("&Undo"));
    cmdUndo->setToolTip(QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText));
    cmdClose = makeButton(nullptr, "cmdCloseReview", tr("&Close"));
    buttons->addWidget(cmdUndo);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    // Space reveals only: with the answer showing it presses the focused
    // button, as everywhere else.
    revealKey_ = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(revealKey_, &QShortcut::activated, this, &ReviewPage::revealRequested);
    connect(cmdShowAnswer, &QPushButton::clicked, this, &ReviewPage::revealRequested);
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, [this] {
        if (cmdUndo->isEnabled())
            emit undoRequested();
    });
    connect(cmdUndo, &QPushButton::clicked, this, &ReviewPage::undoRequested);
    connect(cmdClose, &QPushButton::clicked, this, &ReviewPage::closeRequested);
    setAnswering(false);
}

void ReviewPage::setAnswering(bool answering)
{
    // The focus leaves a button about to be hidden for the one taking its place.
    QWidget *focus = answering ? cmdGrade[2] : cmdShowAnswer;
    focus->setVisible(true);
    focus->setFocus();
    cmdShowAnswer->setVisible(!answering);
    revealKey_->setEnabled(!answering);
    for (int i = 0; i < kGradeCount; ++i) {
        cmdGrade[i]->setVisible(answering);
        gradeKeys_[i]->setEnabled(answering);
    }
    lblCardName->setVisible(answering);
    txtAnswer->setVisible(answering);
}

void ReviewPage::showQuestion(const QImage &picture, const QString &question, const QString &remaining)
{
    stack_->setCurrentIndex(0);
    picReview->setPicture(picture);
    lblQuestion->setText(question);
    lblRemaining->setText(remaining);
    lblCardName->clear();
    txtAnswer->clear();
    setAnswering(false);
}

void ReviewPage::showAnswer(const QString &cardName, const QString &answer,
                            const std::array<QString, kGradeCount> &intervals)
{
    lblCardName->setText(cardName);
    lblCardName->setAccessibleName(cardName);
    txtAnswer->setPlainText(answer);
    announceChange(txtAnswer, answer);
    for (int i = 0; i < kGradeCount; ++i)
        cmdGrade[i]->setText(tr("&%1 %2\n%3", "grade button: its number, the grade, and the interval it gives")
                                 .arg(QString::number(i + 1), tr(kGradeNames[i]), intervals[size_t(i)]));
    setAnswering(true);
}

void ReviewPage::showSummary(const QString &summary)
{
    stack_->setCurrentIndex(1);
    lblSummary->setText(summary);
    cmdShowAnswer->setVisible(false);
    revealKey_->setEnabled(false);
    for (int i = 0; i < kGradeCount; ++i) {
        cmdGrade[i]->setVisible(false);
        gradeKeys_[i]->setEnabled(false);
    }
    cmdClose->setFocus();
}

void ReviewPage::setUndoEnabled(bool enabled)
{
    cmdUndo->setEnabled(enabled);
}

} // namespace velmora::review
