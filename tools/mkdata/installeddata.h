#pragma once

// Lays down the installed data in a program folder: the catalog, the
// template, the default deck and the deck and exchange folders. A file that is
// there already is kept: the catalog and the decks are the user's data.

#include "decktext.h"

#include <QString>
#include <QStringList>

namespace velmora::mkdata {

inline constexpr char kDefaultDeckFile[] = "Tutor1.vdk";

// Each writer builds its file under a temporary name beside the target and
// renames it only when complete; the target must not exist yet.
[[nodiscard]] bool writeCatalog(const QString &path, const QString &defaultDeckName, QString *error);
[[nodiscard]] bool writeTemplate(const QString &path, QString *error);
[[nodiscard]] bool writeDefaultDeck(const QString &path, const DeckText &deck, QString *error);

// Writes what is missing. The source is read only when the default deck or
// the catalog has to be written. log receives one line per path laid down.
[[nodiscard]] bool layDownInstalledData(const QString &programFolder, const QString &sourcePath, QStringList *log,
                                        QString *error);

// All pictures of a deck database side by side, one row per group (the Major
// Arcana in two rows), at half size.
[[nodiscard]] bool writeContactSheet(const QString &deckPath, const QString &imagePath, QString *error);

// Each card's stored picture bytes as a file "NN-name.ext" in folder.
[[nodiscard]] bool extractPictures(const QString &deckPath, const QString &folder, int *count, QString *error);

} // namespace velmora::mkdata
