#pragma once

// The main window's menus, and what its File menu does that is no
// coordination of the window's pages.

class QAction;
class QMainWindow;
class QWidget;

namespace velmora {

struct Practice;
struct Services;

struct MainMenu
{
    QAction *mnuTabGoals = nullptr;
    QAction *mnuTabSettings = nullptr;
    QAction *mnuProgress = nullptr;
    QAction *mnuReadings = nullptr;
    QAction *mnuJournal = nullptr;
    QAction *mnuStudyCards = nullptr;
    QAction *mnuDayCard = nullptr;
    QAction *mnuBack = nullptr;
    QAction *mnuExit1 = nullptr;
};

// The File and Help menus in the window's menu bar; the caller connects the items.
[[nodiscard]] MainMenu buildMainMenu(QMainWindow &window, Services &services);

// The practice's cards as a PDF of study cards, on the paper of the learner's
// locale, at a place the learner chooses; true once written.
bool printStudyCards(Services &services, Practice &practice, QWidget *parent);

} // namespace velmora
