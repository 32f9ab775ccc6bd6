#pragma once

// Which tabs of the main window the user may choose. Goals and settings are
// always open; memorize, test and results open and close with the practice.
// The window itself may select a tab the user cannot choose.

#include <array>

namespace velmora {

enum MainTab : int { TabGoals = 0, TabSettings = 1, TabMemorize = 2, TabTest = 3, TabResults = 4, TabCount = 5 };

class TabAvailability
{
public:
    [[nodiscard]] bool isAvailable(int tab) const;
    // Tabs 0 and 1 cannot be closed; anything outside 0..4 is ignored.
    void setAvailable(int tab, bool available);

    // The window has just opened: nothing beyond the settings.
    void windowOpened();
    // A tab was selected, by the user or by the window.
    void tabSelected(int tab);
    // The memorize tab was selected for a new practice.
    void memorizeOpened();
    // A test was started from the settings, before its tab is selected.
    void testStarted();
    // A question was put on the test tab.
    void questionShown();
    // The last question was answered, after the results tab was selected.
    void testCompleted();

private:
    std::array<bool, TabCount> available_{true, true, false, false, false};
};

} // namespace velmora
