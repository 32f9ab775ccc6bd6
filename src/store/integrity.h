#pragma once

// The whole-file check of a deck made elsewhere, before anything is copied
// from it: every page read and decrypted, every index matching its table.

#include <QString>

#include <functional>

namespace velmora {

// Empty when the file is sound; otherwise why it is not. `tick` is called
// now and then while the check runs, so a window can keep painting.
[[nodiscard]] QString deckFileIntegrityProblem(const QString &path, const std::function<void()> &tick = {});

} // namespace velmora
