#include "store/leftwork.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

std::vector<std::unique_ptr<WorkerThread>> &leftWork()
{
    static std::vector<std::unique_ptr<WorkerThread>> workers;
    return workers;
}

} // namespace

void finishLater(std::unique_ptr<WorkerThread> worker)
{
    if (!worker)
        return;
    auto &workers = leftWork();
    // Those that have ended go now, so the list stays as short as the work
    // still running.
    std::erase_if(workers, [](const auto &left) { return left->wait(QDeadlineTimer(0)); });
    if (worker->wait(QDeadlineTimer(0)))
        return;
    static const bool joinedAtTheEnd = [] {
        // Joined as the application object goes, while what the workers use is still there.
        if (QCoreApplication::instance())
            qAddPostRoutine(finishLeftWork);
        return true;
    }();
    (void)joinedAtTheEnd;
    workers.push_back(std::move(worker));
}

void finishLeftWork()
{
    // Taken out first: a worker's end may hand over another.
    auto workers = std::move(leftWork());
    leftWork().clear();
    workers.clear();
}

} // namespace velmora
