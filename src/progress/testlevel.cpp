#include "progress/testlevel.h"

#include <algorithm>

namespace velmora {

TestLevel testLevel(int level)
{
    switch (std::clamp(level, 0, 2)) {
    case 0:
        return {2, 4, 7, 3};
    case 1:
        return {1, 5, 12, 5};
    default:
        return {0, 6, 20, 7};
    }
}

} // namespace velmora
