#pragma once

// Workers whose owner has gone before their work ended: a window closing
// while its worker is in the middle of a picture would otherwise wait for it.
// Each is kept here until it ends on its own; the end of the application
// object waits for what is left. Screen thread only.

#include "store/workerthread.h"

#include <memory>

namespace velmora {

// Takes a closed worker, which ends after the tasks it still holds.
void finishLater(std::unique_ptr<WorkerThread> worker);
// Waits for every worker handed over so far.
void finishLeftWork();

} // namespace velmora
