#include "learn/cardselection.h"

namespace velmora {

QVector<int> selectedGroups(const GroupChoice &choice)
{
    QVector<int> groups;
    if (choice.major)
        groups.append(0);
    for (int i = 0; i < kSuitCount; ++i) {
        if (choice.suitChecked[i] && choice.suitAvailable[i])
            groups.append(i + 1);
    }
    return groups;
}

} // namespace velmora
