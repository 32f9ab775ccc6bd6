#pragma once

#include <QString>

namespace velmora::paths {

// The folder of the executable, or VELMORA_HOME when that is set.
// Read on every call so tests can point it at a fresh folder.
QString programFolder();

QString catalogDatabase();  // update.vdk
QString templateDatabase(); // tutor.vdk
QString deckFolder();       // tutor
QString defaultDeck();      // tutor/Tutor1.vdk
QString exchangeFolder();   // temp
QString deckDatabase(const QString &dbName);

} // namespace velmora::paths
