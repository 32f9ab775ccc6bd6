#include "app/accesskey.h"

namespace velmora {

QString captionDisplayText(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
                shown.append(QLatin1Char('&'));
                ++i;
            }
            continue;
        }
        shown.append(caption[i]);
    }
    return shown;
}

QChar captionAccessKey(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (caption[i + 1].isSpace())
            return {};
        return caption[i + 1].toUpper();
    }
    return {};
}

} // namespace velmora
