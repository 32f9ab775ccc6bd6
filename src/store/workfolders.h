#pragma once

// The working folders of the flashcard package exchange: one is made fresh
// for each package read or written and goes with it. Those a crash or a kill
// left behind hold a whole collection or deck each, so they are swept.

#include <QDateTime>
#include <QString>

namespace velmora::store {

// The start of every working folder's name; six letters or digits follow.
inline constexpr char kPackageWorkFolder[] = "~velmora-package-";

// The QTemporaryDir template of a working folder inside `folder`.
[[nodiscard]] QString packageWorkTemplate(const QString &folder);

// A folder untouched for this long belongs to no package read or written:
// those take seconds.
inline constexpr qint64 kLeftoverWorkFolderSecs = 10LL * 60;

// Removes, with what they hold, the working folders directly in `folder`
// that neither they nor anything directly in them changed since `before`.
// Only directories of this user named as a working folder is named are
// touched, never a link (to a folder or anything else) nor what it points
// to: links inside are removed as links. The number removed.
int sweepPackageWorkFolders(const QString &folder, const QDateTime &before);

} // namespace velmora::store
