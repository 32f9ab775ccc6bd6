#pragma once

// An installed program reads its data from a folder the user cannot write;
// the user's decks, catalog and goals live in a folder of their own, which
// the first start fills from the installed data.

#include <QString>

namespace velmora {

// Copies into folder every file of installed (sub-folders included) that
// folder lacks, and makes the deck and exchange folders. A file already there
// is the user's and is never replaced; each copy appears whole or not at all.
// Nothing is done when installed holds no catalog. False with the reason in
// error when a folder or a copy cannot be made.
[[nodiscard]] bool fillProgramFolder(const QString &installed, const QString &folder, QString *error);

} // namespace velmora
