#include "store/integrity.h"

#include "store/dbfile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velmora {

namespace {

int callTick(void *tick)
{
    (*static_cast<const std::function<void()> *>(tick))();
    return 0;
}

} // namespace

QString deckFileIntegrityProblem(const QString &path, const std::function<void()> &tick)
{
    store::DbFile file;
    if (!file.open(path, Access::ReadOnly, {}, QStringLiteral("deck")))
        return file.errorText();
    // Bytes past the last page are never read, but an import would copy
    // them: a small deck padded to gigabytes passes every other check.
    {
        sqlite::Statement pages(file.handle(), QStringLiteral("PRAGMA page_count"));
        sqlite::Statement pageSize(file.handle(), QStringLiteral("PRAGMA page_size"));
        const qint64 expected = pages.step() == SQLITE_ROW && pageSize.step() == SQLITE_ROW
                                    ? sqlite3_column_int64(pages.get(), 0) * sqlite3_column_int64(pageSize.get(), 0)
                                    : -1;
        const qint64 size = QFileInfo(path).size();
        if (expected != size)
            return QCoreApplication::translate("DeckIntegrity", "The deck file %1 is %2 bytes long, but its pages take "
                                                                "%3 bytes, so it cannot be used.")
                .arg(QFileInfo(path).fileName(), QString::number(size), QString::number(expected));
    }
    if (tick)
        sqlite3_progress_handler(file.handle(), 20000, callTick, const_cast<std::function<void()> *>(&tick));
    QString problem;
    bool busy = false;
    {
        sqlite::Statement check(file.handle(), QStringLiteral("PRAGMA integrity_check(1)"));
        const int step = check.step();
        busy = step != SQLITE_ROW && sqlite::isBusy(check.errorCode());
        if (step != SQLITE_ROW)
            problem = check.errorText();
        else if (check.text(0) != QLatin1String("ok"))
            problem = check.text(0).left(200);
    }
    sqlite3_progress_handler(file.handle(), 0, nullptr, nullptr);
    // Held by another program is no sign of damage.
    if (busy)
        return file.busyText();
    if (problem.isEmpty())
        return {};
    return QCoreApplication::translate("DeckIntegrity", "The deck file %1 is damaged (%2), so it cannot be used.")
        .arg(QFileInfo(path).fileName(), problem);
}

} // namespace velmora
