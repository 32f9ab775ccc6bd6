#pragma once

// Whether SQLCipher, which the program opens on its first database call,
// can be had: checked once at start-up, so that a missing or wrong library is
// told in a window rather than ending the program in the middle of a call.

#include <QString>

namespace velmora::store {

// Empty when the library (the program's own when null) loads and holds every
// function the program calls; otherwise why not.
[[nodiscard]] QString sqlCipherLoadFailure(const char *library = nullptr);

// The message for such a failure: the library, the reason and what to install.
[[nodiscard]] QString sqlCipherFailureText(const QString &why);

} // namespace velmora::store
