#pragma once

// Qt takes a tooltip for rich text whenever its text looks like markup, and
// rich text loads the images it names: a deck called <img src="/dev/zero">
// would read that device on hover. Names and paths from files or the user go
// into tooltips through here.

#include <QString>

namespace velmora {

// The text as a tooltip that shows it literally: markup escaped and always
// taken as rich text, so that an escaped "&amp;" shows as "&" too. Empty
// stays empty, which shows no tooltip at all.
[[nodiscard]] QString plainToolTip(const QString &text);

} // namespace velmora
