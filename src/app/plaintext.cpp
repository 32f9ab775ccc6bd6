#include "app/plaintext.h"

#include <QTextDocument>

namespace velmora {

QString plainToolTip(const QString &text)
{
    return text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

} // namespace velmora
