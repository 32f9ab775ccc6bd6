#include "learn/tabavailability.h"

namespace velmora {

bool TabAvailability::isAvailable(int tab) const
{
    return tab >= 0 && tab < TabCount && available_[tab];
}

void TabAvailability::setAvailable(int tab, bool available)
{
    if (tab > TabSettings && tab < TabCount)
        available_[tab] = available;
}

void TabAvailability::windowOpened()
{
    setAvailable(TabMemorize, false);
    setAvailable(TabTest, false);
    setAvailable(TabResults, false);
}

void TabAvailability::tabSelected(int tab)
{
    switch (tab) {
    case TabSettings:
        // Going back to the settings ends any practice in progress.
        setAvailable(TabMemorize, false);
        setAvailable(TabTest, false);
        setAvailable(TabResults, false);
        break;
    case TabMemorize:
        setAvailable(TabTest, false);
        setAvailable(TabResults, false);
        break;
    case TabTest:
        setAvailable(TabResults, false);
        break;
    case TabResults:
        // A finished test cannot be resumed.
        setAvailable(TabTest, false);
        break;
    default:
        break;
    }
}

void TabAvailability::memorizeOpened()
{
    setAvailable(TabMemorize, true);
}

void TabAvailability::testStarted()
{
    setAvailable(TabMemorize, true);
    setAvailable(TabTest, true);
}

void TabAvailability::questionShown()
{
    setAvailable(TabTest, true);
}

void TabAvailability::testCompleted()
{
    setAvailable(TabResults, true);
}

} // namespace velmora
