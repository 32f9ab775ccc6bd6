#pragma once

#include <QString>

#include <optional>

namespace velmora::paths {

// The folder the program's data lives in: VELMORA_HOME when that is set;
// else the executable's folder when it holds the catalog (a build folder, a
// portable copy); else the user's data folder, which the start-up fills from
// the installed data. Read on every call so tests can point it at a fresh folder.
QString programFolder();
// The rule of programFolder() with its inputs given.
QString chooseProgramFolder(const QString &home, const QString &executableFolder, const QString &userDataFolder);
// The per-user data folder of an installed program (~/.local/share/velmora).
QString userDataFolder();
// The data an installation lays down read-only beside the executable's
// folder (<prefix>/share/velmora for <prefix>/bin/velmora).
QString installedDataFolder();

QString catalogDatabase();  // update.vdk
QString templateDatabase(); // tutor.vdk
QString deckFolder();       // tutor
QString defaultDeck();      // tutor/Tutor1.vdk
QString exchangeFolder();   // temp
QString deckDatabase(const QString &dbName);
// deckDatabase() of a catalog's file name only when it is a bare name of the
// deck folder: the catalog is a file of its own that may come from anywhere,
// and a name such as "../x.vdk" would have a pick read, and Delete remove, a
// file elsewhere.
std::optional<QString> deckDatabaseOfBareName(const QString &dbName);

} // namespace velmora::paths
