#include "mainwindowscreens.h"

#include "readings/cardofday.h"

#include "app/frmbegin.h"
#include "learn/frmmain.h"
#include "learn/tabavailability.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace velmora {

namespace {

template <typename T>
T *child(FrmMain &window, const QString &name)
{
    return window.findChild<T *>(name);
}

void click(QAbstractButton *button)
{
    if (button && button->isEnabled())
        button->click();
}

void startTest(FrmMain &window, int testType, int level)
{
    click(child<QRadioButton>(window, QStringLiteral("optTestType%1").arg(testType)));
    click(child<QRadioButton>(window, QStringLiteral("optDifficulty%1").arg(level)));
    if (auto *reversed = child<QCheckBox>(window, QStringLiteral("chkReversed")))
        reversed->setChecked(true);
    if (auto *decks = child<QComboBox>(window, QStringLiteral("cboTutors")))
        decks->setCurrentIndex(0);
    window.cmdStartTest2_Click();
}

// Answers the question on screen, right except for every third question.
void answer(FrmMain &window)
{
    const TestRun &run = window.testRun();
    const bool right = run.questionNumber() % 3 != 0;
    if (window.testType() == TestType::Description) {
        const int option = right || run.correctOption() == run.firstAnswer() ? run.correctOption() : run.firstAnswer();
        click(child<QRadioButton>(window, QStringLiteral("optAnswer%1").arg(option)));
        return;
    }
    const QVector<int> correct = run.correctKeywordSlots();
    for (int i = 0; i < correct.size(); ++i) {
        int box = correct[i];
        if (!right && i == 0) {
            box = 0;
            while (correct.contains(box))
                ++box;
        }
        child<QCheckBox>(window, QStringLiteral("chkKeywords%1").arg(box))->setChecked(true);
    }
}

void next(FrmMain &window)
{
    window.cmdNextQuestion_Click();
}

} // namespace

QStringList mainWindowShowcaseNames()
{
    return {QStringLiteral("main"),     QStringLiteral("main-minimum"),     QStringLiteral("main-maximized"),
            QStringLiteral("memorize"), QStringLiteral("test-description"), QStringLiteral("test-keywords"),
            QStringLiteral("results")};
}

FrmMain *openMainWithoutDayCard(FrmBegin &begin, Services &services)
{
    const bool dayCard = readings::cardOfTheDayEnabled(services);
    readings::setCardOfTheDayEnabled(services, false);
    begin.cmdTarot_Click();
    readings::setCardOfTheDayEnabled(services, dayCard);
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<FrmMain *>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}

QWidget *openMainWindowShowcase(FrmBegin &begin, Services &services, const QString &name)
{
    FrmMain *window = openMainWithoutDayCard(begin, services);
    if (!window)
        return nullptr;

    if (name == QLatin1String("main-minimum")) {
        window->resize(window->minimumSize());
    } else if (name == QLatin1String("main-maximized")) {
        // Xvfb has no window manager to maximize it: the whole screen instead.
        window->setGeometry(window->screen()->availableGeometry());
    } else if (name == QLatin1String("memorize")) {
        if (auto *decks = child<QComboBox>(*window, QStringLiteral("cboTutors")))
            decks->setCurrentIndex(0);
        window->cmdSetOption_Click();
        for (int k = 0; k < 17; ++k)
            window->cmdNext_Click();
    } else if (name == QLatin1String("test-description")) {
        // A reversed question, at the advanced level.
        startTest(*window, int(TestType::Description), 2);
        for (int k = 0; k < 20 && window->currentTab() == TabTest && !window->testRun().currentReversed(); ++k) {
            answer(*window);
            next(*window);
        }
    } else if (name == QLatin1String("test-keywords")) {
        startTest(*window, int(TestType::Keywords), 2);
        answer(*window);
        next(*window);
    } else if (name == QLatin1String("results")) {
        startTest(*window, int(TestType::Keywords), 0);
        while (window->currentTab() == TabTest) {
            answer(*window);
            next(*window);
        }
    }
    return window;
}

} // namespace velmora
