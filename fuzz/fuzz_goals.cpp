// The goals file's bytes: decoded and parsed as the goals screen reads them.
// Every record read must be written back to a line that reads as the same
// record, or a save would change goals the user never touched.

#include "fuzzsupport.h"

#include "goals/goalsfile.h"

#include <cstdio>

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const goals::ParsedGoals parsed = goals::parseGoals(goals::decodeGoalsText(bytes));
    QString written;
    for (const goals::GoalRecord &goal : parsed.goals)
        goals::appendGoalLine(written, goal);
    const goals::ParsedGoals again = goals::parseGoals(written);
    if (again.faulty || again.goals != parsed.goals) {
        std::fprintf(stderr, "goals read back differ after a save (fault at line %d)\n", again.faultLine);
        __builtin_trap();
    }
    return 0;
}
