#pragma once

#include <QIcon>

namespace velmora {

// The program's icon, drawn at start in the sizes the window system asks for
// most; every window and the about box show it.
[[nodiscard]] QIcon appIcon();
[[nodiscard]] QPixmap appIconPixmap(int size);

} // namespace velmora
