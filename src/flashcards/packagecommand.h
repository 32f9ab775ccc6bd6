#pragma once

// velmora --export-apkg DECK OUT: a deck to a flashcard package without a
// window, for scripts.

#include <QStringList>

#include <optional>

namespace velmora::flashcards {

// Whether the arguments ask for the command.
[[nodiscard]] bool isPackageCommand(const QStringList &arguments);
// Runs it; the exit code. DECK is a deck file's path, a deck file's name in
// the deck folder, or a deck's name in the catalog.
[[nodiscard]] int runPackageCommand(const QStringList &arguments);

} // namespace velmora::flashcards
