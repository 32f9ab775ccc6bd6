#include "testhome.h"

#include "dbwriter.h"

#include <QDir>
#include <QFile>

namespace velmora::test {

TestHome::TestHome() : previousHome_(qgetenv("VELMORA_HOME"))
{
    qputenv("VELMORA_HOME", QFile::encodeName(dir_.path()));
}

TestHome::~TestHome()
{
    // A newer TestHome may have taken over already; leave its folder in place.
    if (qgetenv("VELMORA_HOME") != QFile::encodeName(dir_.path()))
        return;
    if (previousHome_.isEmpty())
        qunsetenv("VELMORA_HOME");
    else
        qputenv("VELMORA_HOME", previousHome_);
}

void TestHome::makeFolders() const
{
    QDir(dir_.path()).mkpath(QStringLiteral("tutor"));
    QDir(dir_.path()).mkpath(QStringLiteral("temp"));
}

bool TestHome::makeRequiredData() const
{
    makeFolders();
    for (const char *relative : {"tutor/Tutor1.vdk", "update.vdk", "tutor.vdk"}) {
        QFile file(filePath(QLatin1String(relative)));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

bool TestHome::createCatalog(const QString &relative) const
{
    return dbwriter::createCatalogDatabase(filePath(relative));
}

bool TestHome::createDeck(const QString &relative) const
{
    return dbwriter::createDeckDatabase(filePath(relative));
}

} // namespace velmora::test
