// The progress history file, a plain SQLite file, is the input: opened as
// the progress window opens it, every query read, and one test recorded
// into what was accepted.

#include "fuzzsupport.h"
#include "progress/history.h"

#include <QFile>

using namespace velmora;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzz::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::scratchFolder() + QStringLiteral("/history.db");
    QFile::remove(path + QStringLiteral("-journal"));
    if (!fuzz::writeBytes(path, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size))))
        return 0;
    progress::HistoryFile history;
    if (!history.open(path)) {
        (void)history.errorText().size();
        return 0;
    }
    (void)history.decks();
    (void)history.scores({});
    (void)history.cardTallies({QStringLiteral("Tutor1.vdk"), {}}, 10);
    (void)history.forEachQuestion({}, [](const progress::QuestionRow &row) { (void)row.question.cardName.size(); });
    progress::TestRecord test{QDateTime::fromMSecsSinceEpoch(0),
                              QStringLiteral("Tutor1.vdk"),
                              QStringLiteral("Deck"),
                              progress::TestKind::Keywords,
                              0,
                              {0},
                              {{1, QStringLiteral("Card 1"), false, 1, 1}}};
    (void)history.record(test);
    return 0;
}
