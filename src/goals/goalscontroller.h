#pragma once

// Holds the goal table, reads and writes the goals file and drives the goals
// page. The main window adds page() as its goals tab and calls load() while
// it opens.

#include "goals/goalsfile.h"

#include <QObject>

class QWidget;

namespace velmora {
struct Services;
}

namespace velmora::goals {

class GoalsPage;

class GoalsController : public QObject
{
    Q_OBJECT

public:
    // The page is created as a child of pageParent (the tab control may take it over).
    GoalsController(Services &services, QWidget *pageParent);
    ~GoalsController() override;
    GoalsController(const GoalsController &) = delete;
    GoalsController &operator=(const GoalsController &) = delete;

    [[nodiscard]] GoalsPage *page() const { return page_; }
    // Reads the goals file, when there is one, and shows the current goals.
    void load();

    [[nodiscard]] const GoalTable &table() const { return table_; }
    [[nodiscard]] bool newGoalMode() const { return newGoalMode_; }
    [[nodiscard]] QString filePath() const { return path_; }

private:
    void readGoals();
    [[nodiscard]] bool writeGoals(const QSet<int> &except = {});
    void displayGoals(bool achievedGoals);
    void chooseView(int index);
    void showGoalDetails(int row);
    void updateGoalTimer();
    void clearGoalFields();
    [[nodiscard]] int entryIndex(int row) const;

    void newGoal();
    void saveGoal();
    void markAchieved();
    void deleteGoals();
    void datesChanged();

    Services &services_;
    GoalsPage *page_;
    QString path_;
    GoalTable table_;
    bool newGoalMode_ = false;
    int chosenView_ = -1; // the selected view option, none before the first
    QByteArray unreadOriginal_;
    bool keepWholeFile_ = false; // the file was read only in part
    bool faultTold_ = false;
};

} // namespace velmora::goals
