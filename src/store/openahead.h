#pragma once

// Opening a deck or the catalog costs tens of milliseconds the first time:
// the cipher derives the file's page key and the deck's rows are checked.
// Opening them once ahead on a worker leaves the key derived, the checks
// passed and a connection kept for the file's state (see DbFile), so that
// the screen thread's own opening later is quick. Nothing is read for the
// caller: a file that fails here fails there again and is told there.

#include "store/workerthread.h"

#include <QString>
#include <QStringList>

namespace velmora::store {

class OpenAhead
{
public:
    OpenAhead();
    // Drops what has not started; waits for the one file being opened.
    ~OpenAhead();
    OpenAhead(const OpenAhead &) = delete;
    OpenAhead &operator=(const OpenAhead &) = delete;

    // The program folder's catalog, then the decks it lists, in its order.
    void catalogAndDecks();
    // These deck files, in this order.
    void decks(const QStringList &paths);
    // For tests: true once everything asked for so far is open.
    [[nodiscard]] bool waitIdle(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));

private:
    WorkerThread worker_;
};

// The catalog's deck file names as paths in the deck folder, bare names only
// (a name leading elsewhere is not opened ahead), at most `limit` of them.
[[nodiscard]] QStringList catalogDeckPaths(int limit);

} // namespace velmora::store
