// The logon entry file is the input: read as the settings tab reads it to
// tick "Run at start-up".

#include "fuzzsupport.h"

#include "resident/startupentry.h"

#include <QDir>

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startQt();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(fuzz::scratchFolder()));
    QDir().mkpath(autostartFolder());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (fuzz::writeBytes(startupEntryPath(QStringLiteral("velmora")),
                         QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        (void)StartupEntryExists(QStringLiteral("velmora"));
    return 0;
}
