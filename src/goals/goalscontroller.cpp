#include "goals/goalscontroller.h"

#include "app/prompter.h"
#include "app/services.h"
#include "goals/goalspage.h"
#include "goals/goaltimer.h"

#include <QFileInfo>

namespace velmora::goals {

GoalsController::GoalsController(Services &services, QWidget *pageParent)
    : QObject(pageParent), services_(services), page_(new GoalsPage(services.clock.today(), pageParent)),
      path_(goalsFilePath())
{
    connect(page_, &GoalsPage::viewRequested, this, &GoalsController::chooseView);
    connect(page_, &GoalsPage::entryChosen, this, &GoalsController::showGoalDetails);
    connect(page_, &GoalsPage::newGoalRequested, this, &GoalsController::newGoal);
    connect(page_, &GoalsPage::saveRequested, this, &GoalsController::saveGoal);
    connect(page_, &GoalsPage::markAchievedRequested, this, &GoalsController::markAchieved);
    connect(page_, &GoalsPage::deleteRequested, this, &GoalsController::deleteGoals);
    connect(page_, &GoalsPage::datesChanged, this, &GoalsController::datesChanged);
}

GoalsController::~GoalsController() = default;

void GoalsController::load()
{
    if (!QFileInfo(path_).isFile())
        return;
    readGoals();
    chooseView(0);
    if (page_->entryCount() >= 2) {
        page_->selectEntry(0);
        showGoalDetails(0);
    }
}

void GoalsController::readGoals()
{
    table_.clear();
    ReadOutcome outcome = goals::readGoals(path_);
    table_ = std::move(outcome.parsed.goals);
    if (outcome.parsed.cut) {
        // Saving writes only the goals read: the whole file is kept first.
        keepWholeFile_ = true;
        if (faultTold_)
            return;
        faultTold_ = true;
        services_.prompter.tell(
            tr("The goals file \"%1\" holds more than can be read at once: the first %2 goal(s) are "
               "shown and the rest was left unread. Before the goals are next saved, the whole file is "
               "kept beside it as \"%3\".")
                .arg(QFileInfo(path_).fileName(), QString::number(table_.size()),
                     QFileInfo(nextBackupPath(path_)).fileName()),
            PromptIcon::Warning, page_);
        return;
    }
    if (!outcome.parsed.faulty)
        return;
    if (unreadOriginal_.isEmpty())
        unreadOriginal_ = outcome.original;
    if (faultTold_)
        return;
    faultTold_ = true;
    services_.prompter.tell(
        tr("The goals file \"%1\" could not be read from line %2 on. The %3 goal(s) before that line "
           "are shown. Before the goals are next saved, the file's original text is kept beside it as "
           "\"%4\".")
            .arg(QFileInfo(path_).fileName(), QString::number(outcome.parsed.faultLine), QString::number(table_.size()),
                 QFileInfo(nextBackupPath(path_)).fileName()),
        PromptIcon::Warning, page_);
}

bool GoalsController::writeGoals(const QSet<int> &except)
{
    if (table_.isEmpty())
        return true;
    if (keepWholeFile_ || !unreadOriginal_.isEmpty()) {
        if ((keepWholeFile_ ? copyBeside(path_) : keepBeside(path_, unreadOriginal_)).isEmpty()) {
            services_.prompter.tell(
                tr("Your goals were not saved: the original text of \"%1\" could not be kept beside it. "
                   "The goals on screen are kept.")
                    .arg(QFileInfo(path_).fileName()),
                PromptIcon::Critical, page_);
            return false;
        }
        unreadOriginal_.clear();
        keepWholeFile_ = false;
    }
    const WriteOutcome outcome = goals::writeGoals(path_, table_, except);
    if (outcome.failed()) {
        services_.prompter.tell(tr("Your goals could not be saved to \"%1\": %2. The goals on screen are kept.")
                                    .arg(QFileInfo(path_).fileName(), outcome.error),
                                PromptIcon::Critical, page_);
        return false;
    }
    return true;
}

void GoalsController::displayGoals(bool achievedGoals)
{
    QList<GoalEntry> entries;
    for (int i = 0; i < table_.size(); ++i) {
        if (table_[i].achieved == achievedGoals)
            entries.append({i, table_[i].name});
    }
    page_->showEntries(entries, !achievedGoals);
    if (achievedGoals)
        page_->setTimer({});
    const bool any = page_->entryCount() > 0;
    page_->setSaveEnabled(any);
    page_->setPickersEnabled(any);
    if (any) {
        page_->selectEntry(0);
        showGoalDetails(0);
        updateGoalTimer();
    } else {
        // No goal shown: no timer for the dates a previous goal left in the pickers.
        page_->setTimer({});
    }
}

void GoalsController::chooseView(int index)
{
    if (chosenView_ == index)
        return;
    chosenView_ = index;
    page_->bringViewButtonToFront(1 - index);
    page_->setGoalDescription({});
    page_->setGoalName({});
    displayGoals(index == 1);
}

int GoalsController::entryIndex(int row) const
{
    bool ok = false;
    const int index = page_->entryKey(row).remove(u'_').toInt(&ok);
    return ok && index >= 0 && index < table_.size() ? index : -1;
}

void GoalsController::showGoalDetails(int row)
{
    const int index = entryIndex(row);
    if (index < 0)
        return;
    const GoalRecord &goal = table_[index];
    page_->showDetails(goal.name, goal.description, goal.startingDate, goal.endingDate, goal.percentage);
    page_->setDayCount(QString::number(calendarDays(goal.startingDate, goal.endingDate)));
    updateGoalTimer();
    page_->setDetailsEnabled(true);
}

void GoalsController::updateGoalTimer()
{
    page_->setTimer(goalTimer(page_->startingDate(), page_->endingDate(), services_.clock.today(), page_->percentage(),
                              page_->percentageEnabled()));
}

void GoalsController::clearGoalFields()
{
    page_->setGoalName({});
    page_->setGoalDescription({});
    page_->setDayCount({});
    page_->setTimer({});
    page_->setPercentage(0);
}

void GoalsController::newGoal()
{
    newGoalMode_ = true;
    page_->showNewGoalMode(true);
    clearGoalFields();
    const QDate today = services_.clock.today();
    page_->setDates(today, today.addDays(7));
    page_->setDayCount(QString::number(calendarDays(page_->startingDate(), page_->endingDate())));
    page_->setSaveEnabled(true);
    page_->setPickersEnabled(true);
    page_->setDetailsEnabled(true);
    page_->clearSelection();
    page_->focusGoalName();
}

void GoalsController::saveGoal()
{
    if (calendarDays(page_->startingDate(), page_->endingDate()) <= 0) {
        services_.prompter.tell(tr("Starting date can't be same or later than ending date."), PromptIcon::Critical,
                                page_);
        return;
    }
    if (page_->goalName().isEmpty()) {
        services_.prompter.tell(tr("Goal name can't be blank."), PromptIcon::Critical, page_);
        return;
    }
    if (newGoalMode_) {
        table_.append(GoalRecord{quotableText(page_->goalName()), page_->startingDate(), page_->endingDate(),
                                 quotableText(page_->goalDescription()), false, 0});
    } else {
        const int index = entryIndex(page_->selectedRow());
        if (index < 0)
            return; // no goal chosen to update
        GoalRecord &goal = table_[index];
        goal.name = quotableText(page_->goalName());
        goal.startingDate = page_->startingDate();
        goal.endingDate = page_->endingDate();
        goal.description = quotableText(page_->goalDescription());
        goal.percentage = qint16(page_->percentage());
    }
    if (writeGoals())
        readGoals();
    displayGoals(false);
    chooseView(0);
    if (page_->entryCount() > 0)
        page_->selectEntry(0);
    newGoalMode_ = false;
    page_->showNewGoalMode(false);
}

void GoalsController::markAchieved()
{
    for (const int row : page_->tickedRows()) {
        const int index = entryIndex(row);
        if (index >= 0)
            table_[index].achieved = true;
    }
    (void)writeGoals();
    displayGoals(false);
}

void GoalsController::deleteGoals()
{
    QSet<int> indexes;
    for (const int row : page_->tickedRows()) {
        bool ok = false;
        const int index = page_->entryIndexText(row).toInt(&ok);
        if (ok)
            indexes.insert(index);
    }
    bool written = true;
    if (!indexes.isEmpty()) {
        written = writeGoals(indexes);
        if (written)
            clearGoalFields();
    }
    if (written)
        readGoals();
    displayGoals(false);
    if (page_->entryCount() == 0) {
        page_->setDetailsEnabled(false);
        clearGoalFields();
    }
}

void GoalsController::datesChanged()
{
    page_->setDayCount(QString::number(calendarDays(page_->startingDate(), page_->endingDate())));
}

} // namespace velmora::goals
