#pragma once

// The goals tab: every control of it, under its own name. It shows what the
// controller gives it and signals what the user asked; it holds no goals.

#include "goals/goaltimer.h"

#include <QDate>
#include <QList>
#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTreeView;

namespace velmora::goals {

class DatePicker;
class GoalListModel;

struct GoalEntry
{
    int index = 0; // the goal's table index
    QString name;
};

class GoalsPage : public QWidget
{
    Q_OBJECT

public:
    explicit GoalsPage(const QDate &today, QWidget *parent = nullptr);

    // View buttons: which of the two stacked buttons is visible.
    void bringViewButtonToFront(int index);
    [[nodiscard]] int visibleViewButton() const;

    // Goal list: entries keyed "_" + index, with the index as a hidden sub-item.
    // Tick boxes in both views; the current view rows alternate in colour.
    void showEntries(const QList<GoalEntry> &entries, bool currentView);
    [[nodiscard]] int entryCount() const;
    [[nodiscard]] QString entryKey(int row) const;
    [[nodiscard]] QString entryIndexText(int row) const;
    [[nodiscard]] int selectedRow() const;
    void selectEntry(int row);
    [[nodiscard]] QList<int> tickedRows() const;
    // New-goal mode: no entry is shown as the one being edited.
    void clearSelection();

    // Detail fields.
    void showDetails(const QString &name, const QString &description, const QDate &start, const QDate &end,
                     int percentage);
    [[nodiscard]] QString goalName() const;
    [[nodiscard]] QString goalDescription() const;
    void setGoalName(const QString &name);
    void setGoalDescription(const QString &description);
    [[nodiscard]] QDate startingDate() const;
    [[nodiscard]] QDate endingDate() const;
    void setDates(const QDate &start, const QDate &end);
    [[nodiscard]] int percentage() const;
    void setPercentage(int percentage);
    [[nodiscard]] bool percentageEnabled() const;
    void setDayCount(const QString &text);
    void setTimer(const GoalTimerText &timer);

    void setDetailsEnabled(bool enabled); // name, description, percentage
    void setSaveEnabled(bool enabled);
    // A line under the fields says that a save adds a goal rather than
    // changing the one chosen in the list.
    void showNewGoalMode(bool on);
    void setPickersEnabled(bool enabled);
    void focusGoalName();

signals:
    void viewRequested(int buttonIndex);
    void entryChosen(int row);
    void newGoalRequested();
    void saveRequested();
    void markAchievedRequested();
    void deleteRequested();
    void datesChanged();

private:
    void buildLeftColumn(QWidget *column);
    void buildRightColumn(QWidget *column, const QDate &today);

    bool filling_ = false;

    QStackedWidget *optGoalsStack = nullptr;
    QPushButton *optGoals[2] = {};
    QTreeView *ListView1 = nullptr;
    GoalListModel *entries_ = nullptr; // ListView1's
    QPushButton *cmdNewGoal = nullptr;
    QPushButton *cmdSaveGoals = nullptr;
    QPushButton *cmdMarkAchived = nullptr;
    QPushButton *cmdDeleteGoals = nullptr;

    QLabel *Label10 = nullptr;
    QLabel *Label15 = nullptr;
    QLineEdit *txtGoalName = nullptr;
    QLabel *Label16 = nullptr;
    QPlainTextEdit *txtGoalDesc = nullptr;
    QLabel *Label12 = nullptr;
    DatePicker *mydtpStartingDate = nullptr;
    QLabel *Label11 = nullptr;
    DatePicker *mydtpEndingDate = nullptr;
    QGroupBox *Frame3 = nullptr;
    QLabel *Label13 = nullptr;
    QComboBox *Combo3 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *lblDayCount = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblDaysRemaining = nullptr;
    QLabel *lblInfo = nullptr;
    QLabel *lblNewGoal = nullptr;
};

} // namespace velmora::goals
