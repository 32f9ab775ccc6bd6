#include "app/safesave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velmora {

bool saveFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };

    const QFileInfo target(path);
    if (target.isDir())
        return fail(QStringLiteral("The name belongs to a folder."));

    if (target.exists() && !target.isFile()) {
        // Renaming a new file over a device or pipe would replace the node itself.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return fail(file.errorString());
        if (file.write(bytes) != bytes.size() || !file.flush())
            return fail(file.errorString());
        file.close();
        if (file.error() != QFileDevice::NoError)
            return fail(file.errorString());
        return true;
    }

    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // commit() does not check the write of what still sits in the buffer
    // (Qt 6.4): on a full disk it would rename a short file over the old one
    // and report success. Flushing first makes that failure ours to see.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace velmora
