#pragma once

// Lays down new database files with the program's tables. Only the tool that
// makes the installed data and the tests use this: the program itself never
// creates a table.

#include <QString>
#include <QStringList>

namespace velmora::dbwriter {

// Creates an encrypted database at path, keyed with the fixed database
// password as a text key, and runs the given statements in it. Fails when
// the file exists already.
[[nodiscard]] bool createDatabase(const QString &path, const QStringList &statements, QString *error = nullptr);
[[nodiscard]] bool createCatalogDatabase(const QString &path, QString *error = nullptr);
[[nodiscard]] bool createDeckDatabase(const QString &path, QString *error = nullptr);

} // namespace velmora::dbwriter
