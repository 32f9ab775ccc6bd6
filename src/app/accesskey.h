#pragma once

// Captions are written in access-key notation: a single "&" marks the next
// letter as the access key and is not shown, "&&" shows one ampersand. Qt's
// buttons, menus and frames read the notation themselves; plain labels and
// window titles need the shown text.

#include <QChar>
#include <QString>

namespace velmora {

// The caption as shown.
[[nodiscard]] QString captionDisplayText(const QString &caption);
// The access key in upper case, or a null QChar when the caption has none.
[[nodiscard]] QChar captionAccessKey(const QString &caption);

} // namespace velmora
