#pragma once

// Export and import of deck files through the exchange folder: the rules,
// without any window. Each operation leaves nothing of its own in the
// exchange folder and never touches a file someone else put there.

#include "app/prompter.h"

#include <QString>

#include <functional>
#include <optional>

namespace velmora {

// Bytes done of bytes in all, called between chunks. The exchanges run on
// the calling thread: a window calls them on a job of its own and shows the
// progress from there.
using ExchangeProgress = std::function<void(qint64 done, qint64 total)>;

struct ExchangeOutcome
{
    bool ok = false;
    Prompt message;       // what to tell the user; on an export success nothing (the export message follows)
    QString fileName;     // export: the deck file's name; import: the new deck file's name
    QString exportedPath; // export: the full path of the exported copy
};

namespace exchange {

inline constexpr char kNotSelected[] =
    QT_TRANSLATE_NOOP("DeckExchange", "File is not selected properly. Please select the right file.");
inline constexpr char kTwice[] =
    QT_TRANSLATE_NOOP("DeckExchange", "You cannot export 1 deck in the same location twice.");
inline constexpr char kDefaultNoExport[] = QT_TRANSLATE_NOOP("DeckExchange", "Default Deck Cannot Be Exported");
inline constexpr char kDefaultNoImport[] = QT_TRANSLATE_NOOP("DeckExchange", "Default deck cannot be imported");
inline constexpr char kUnknownStructure[] = QT_TRANSLATE_NOOP(
    "DeckExchange", "Unknown File Structure.\r\nIt seems you have choosen a file which is\r\nnot supported by Velmora");
inline constexpr char kImported[] =
    QT_TRANSLATE_NOOP("DeckExchange", "Tarot Learning Deck Imported Successfully\r\nPlease Restart Velmora Now");

// A file of exactly this name (letter case counts) among the folder's files.
[[nodiscard]] bool folderHoldsExactName(const QString &folder, const QString &fileName);

// Copies in chunks into `target` so that it is complete or absent: written
// under a new name of the program's own beside it, flushed to disk, then
// renamed. Never replaces or removes an existing file. Empty on success,
// else the reason. Without `flushNow` the caller flushes the target itself
// before anything relies on it (off the screen thread, say).
[[nodiscard]] QString copyComplete(const QString &source, const QString &target, const ExchangeProgress &progress,
                                   qint64 doneBefore = 0, qint64 total = -1, bool flushNow = true);

// A deck whose BMP pictures take more than this is offered a compact copy
// on export: a file that size is more than most mail will carry.
inline constexpr qint64 kCompactOfferBytes = 20LL * 1024 * 1024;

struct CompactOffer
{
    qint64 deckBytes = 0;    // the deck file, as an export copies it
    qint64 bmpBytes = 0;     // its BMP pictures
    qint64 compactBytes = 0; // the compact copy, as one picture of it suggests
};

// What an export of the deck would offer: nothing when the export would be
// refused or the deck's BMP pictures take kCompactOfferBytes or less.
[[nodiscard]] std::optional<CompactOffer> compactOffer(const QString &deckFileName, const QString &destinationFolder);
// The question that offers it: Yes for the compact copy, No for the deck as it is.
[[nodiscard]] Prompt compactOfferPrompt(const CompactOffer &offer);

// As the deck is stored, or a copy whose BMP pictures are JPEG files.
enum class ExportForm { AsStored, Compact };

// The deck file `deckFileName` of the deck folder into `destinationFolder`.
// A compact copy is made in the exchange folder; the stored deck is not changed.
[[nodiscard]] ExchangeOutcome exportDeck(const QString &deckFileName, const QString &destinationFolder,
                                         const ExchangeProgress &progress = {}, ExportForm form = ExportForm::AsStored);

struct ImportCheck
{
    std::optional<ExchangeOutcome> refusal;
    QString deckName;
};

// A deck made elsewhere is checked like any untrusted deck: the store's
// checks on opening, the type stamp, its name, then every page of the file.
[[nodiscard]] ImportCheck checkImportable(const QString &path);

// A deck file made anywhere into the deck folder and the catalog, checked
// first like any untrusted deck; on a refusal or failure nothing is left.
[[nodiscard]] ExchangeOutcome importDeck(const QString &sourcePath, const ExchangeProgress &progress = {});

// The export message's five lines joined by CR LF.
[[nodiscard]] QString exportMessageText(const QString &fileName, const QString &exportedPath, const QString &helpUrl);
// Plain text as HTML, each line a line, web addresses (with a scheme or
// "www." at the start of a word) as links.
[[nodiscard]] QString linkedHtml(const QString &text);

} // namespace exchange
} // namespace velmora
