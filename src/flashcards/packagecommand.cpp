#include "flashcards/packagecommand.h"

#include "flashcards/flashcardexchange.h"

#include "store/catalog.h"
#include "store/paths.h"

#include <QDateTime>
#include <QFileInfo>

#include <cstdio>

namespace velmora::flashcards {

namespace {

const QString kSwitch = QStringLiteral("--export-apkg");

void say(FILE *to, const QString &text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), to);
}

QString deckPathFor(const QString &deck)
{
    if (QFileInfo(deck).isFile())
        return deck;
    if (!deck.contains(QLatin1Char('/')) && QFileInfo(paths::deckDatabase(deck)).isFile())
        return paths::deckDatabase(deck);
    Catalog catalog;
    if (!catalog.open())
        return {};
    for (const CatalogEntry &entry : catalog.decks().value_or(QVector<CatalogEntry>()))
        if (entry.isComplete && entry.deckName.trimmed().compare(deck.trimmed(), Qt::CaseInsensitive) == 0)
            return paths::deckDatabase(entry.dbName);
    return {};
}

} // namespace

bool isPackageCommand(const QStringList &arguments)
{
    return arguments.size() > 1 && arguments[1] == kSwitch;
}

int runPackageCommand(const QStringList &arguments)
{
    if (arguments.size() != 4) {
        say(stderr, QCoreApplication::translate("PackageCommand", "Usage: velmora %1 DECK OUT.apkg").arg(kSwitch));
        return 2;
    }
    const QString deck = deckPathFor(arguments[2]);
    if (deck.isEmpty()) {
        say(stderr, QCoreApplication::translate("PackageCommand", "velmora: no deck file or deck named \"%1\"")
                        .arg(arguments[2]));
        return 1;
    }
    const QString problem =
        exportPackageFile(deck, QFileInfo(arguments[3]).absoluteFilePath(), QDateTime::currentMSecsSinceEpoch());
    if (!problem.isEmpty()) {
        say(stderr, QStringLiteral("velmora: ") + problem);
        return 1;
    }
    say(stdout, QCoreApplication::translate("PackageCommand", "velmora: exported %1")
                    .arg(QFileInfo(arguments[3]).absoluteFilePath()));
    return 0;
}

} // namespace velmora::flashcards
