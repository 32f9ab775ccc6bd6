// Every writer of the user's work, run as a process of its own
// (velmora-faultwriter) on a throw-away program folder: killed at random
// moments while it writes, and run on a nearly full file system. After each,
// every file must be as before or as after, open and pass its checks.

#include "tinyfilesystem.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using velmora::test::TinyFileSystem;

namespace {

using State = QMap<QString, QString>; // relative path -> digest or "BAD ..."

QString tool()
{
    return QString::fromUtf8(VELMORA_FAULTWRITER);
}

bool copyTree(const QString &from, const QString &to)
{
    return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), from, to}) == 0;
}

State stateOf(const QString &folder)
{
    QProcess process;
    process.start(tool(), {QStringLiteral("state"), folder});
    process.waitForFinished(60000);
    State state;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const qsizetype space = line.indexOf(QLatin1Char(' '));
        if (space > 0)
            state.insert(line.left(space), line.mid(space + 1));
    }
    return state;
}

// What a killed write may leave that is no file of the user's: a rollback
// journal that is not hot (a hot one is rolled back by the first open), the
// deck being created, which the next creation removes, working copies in the
// exchange folder, which the next import or export removes, and the hidden
// files a copy or a replaced file is written under before it takes its name,
// among them the one an atomic save links in just before its rename
// ("report.txt.kTKhcn").
bool harmlessLeftover(const QString &path)
{
    static const QRegularExpression savedUnder(QStringLiteral("^.+\\.[^.]+\\.[A-Za-z0-9]{6}$"));
    const QString name = path.section(QLatin1Char('/'), -1);
    return path.endsWith(QLatin1String("-journal")) || name == QLatin1String("~new-deck.vdk.part") ||
           savedUnder.match(name).hasMatch() || path.startsWith(QLatin1String("home/temp/")) ||
           (name.startsWith(QLatin1Char('.')) && name.endsWith(QLatin1String(".part"))) ||
           name.startsWith(QLatin1String(".~velmora-"));
}

// Every file as before or as after: a file in neither is wrong, and so is
// one both had that is gone.
QStringList mismatches(const State &now, const State &before, const State &after)
{
    QStringList problems;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (harmlessLeftover(it.key()) && !it.value().startsWith(QLatin1String("BAD")))
            continue;
        if (it.value().startsWith(QLatin1String("BAD")) ||
            (it.value() != before.value(it.key()) && it.value() != after.value(it.key())))
            problems.append(it.key() + QLatin1Char(' ') + it.value());
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (after.contains(it.key()) && !now.contains(it.key()))
            problems.append(it.key() + QStringLiteral(" is gone"));
    }
    return problems;
}

struct Run
{
    bool finished = false;
    int exitCode = -1;
    qint64 writeMs = 0; // from "ready" to the end
    QString errorText;
};

// Starts the writer; kills it killAfterUs microseconds after it says "ready"
// unless that is negative.
Run runWriter(const QString &writer, const QString &folder, qint64 killAfterUs = -1)
{
    Run run;
    QProcess process;
    process.start(tool(), {QStringLiteral("write"), writer, folder});
    if (!process.waitForStarted(30000))
        return run;
    while (!process.canReadLine() && process.waitForReadyRead(30000)) {
    }
    QElapsedTimer clock;
    clock.start();
    if (killAfterUs >= 0) {
        QThread::usleep(static_cast<unsigned long>(killAfterUs));
        process.kill();
    }
    process.waitForFinished(60000);
    run.writeMs = clock.elapsed();
    run.finished = process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.errorText = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QStringList kWriters = {QStringLiteral("goals"),   QStringLiteral("create"), QStringLiteral("modify"),
                              QStringLiteral("picture"), QStringLiteral("import"), QStringLiteral("export"),
                              QStringLiteral("entry"),   QStringLiteral("report"), QStringLiteral("grades"),
                              QStringLiteral("reading")};

} // namespace

class TestWriteFaults : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString prepared_;
    State before_;

    [[nodiscard]] QString freshCopy(const QString &name)
    {
        const QString copy = dir_.filePath(name);
        QDir(copy).removeRecursively();
        return copyTree(prepared_, copy) ? copy : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        prepared_ = dir_.filePath(QStringLiteral("prepared"));
        QCOMPARE(QProcess::execute(tool(), {QStringLiteral("prepare"), prepared_}), 0);
        before_ = stateOf(prepared_);
        QVERIFY(!before_.isEmpty());
        QVERIFY(mismatches(before_, before_, before_).isEmpty());
    }

    void killedWhileWriting_data()
    {
        QTest::addColumn<QString>("writer");
        for (const QString &writer : kWriters)
            QTest::newRow(qPrintable(writer)) << writer;
    }
    void killedWhileWriting()
    {
        QFETCH(QString, writer);
        const QString reference = freshCopy(QStringLiteral("reference"));
        const Run complete = runWriter(writer, reference);
        QVERIFY2(complete.finished && complete.exitCode == 0, qPrintable(complete.errorText));
        const State after = stateOf(reference);
        QVERIFY2(after != before_, "the writer changed nothing");

        const int rounds =
            qEnvironmentVariableIsSet("VELMORA_KILL_ROUNDS") ? qEnvironmentVariableIntValue("VELMORA_KILL_ROUNDS") : 20;
        // Fixed seed: a failing round is repeated by running the test again.
        QRandomGenerator random(quint32(qHash(writer)));
        int midWrite = 0;
        for (int round = 0; round < rounds; ++round) {
            const QString folder = freshCopy(QStringLiteral("round"));
            const qint64 killAfterUs = qint64(random.bounded(complete.writeMs * 1100 + 1));
            const Run killed = runWriter(writer, folder, killAfterUs);
            if (!killed.finished)
                ++midWrite;
            const QStringList problems = mismatches(stateOf(folder), before_, after);
            QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("round %1, killed after %2 us: %3")
                                                        .arg(round)
                                                        .arg(killAfterUs)
                                                        .arg(problems.join(QStringLiteral("; ")))));
        }
        qInfo("%s: %d rounds survived, %d of them killed before the write ended (it takes %lld ms)", qPrintable(writer),
              rounds, midWrite, complete.writeMs);
    }

    // A grade the learner saw taken (the next card is on screen) is stored,
    // wherever the kill lands.
    void reviewWindowKilled_keepsEveryGradeWhoseNextCardShowed()
    {
        const int rounds =
            qEnvironmentVariableIsSet("VELMORA_KILL_ROUNDS") ? qEnvironmentVariableIntValue("VELMORA_KILL_ROUNDS") : 20;
        QRandomGenerator random(32);
        qint64 sessionMs = 0;
        for (int round = 0; round <= rounds; ++round) {
            const QString folder = freshCopy(QStringLiteral("review"));
            QProcess count;
            count.start(tool(), {QStringLiteral("reviews"), folder});
            QVERIFY(count.waitForFinished(60000) && count.exitCode() == 0);
            const int before = count.readAllStandardOutput().trimmed().toInt();
            QProcess process;
            process.start(tool(), {QStringLiteral("review"), folder});
            QVERIFY(process.waitForStarted(30000));
            while (!process.canReadLine() && process.waitForReadyRead(30000)) {
            }
            QElapsedTimer clock;
            clock.start();
            // The first round runs whole, to learn how long a session takes.
            if (round > 0) {
                QThread::usleep(static_cast<unsigned long>(random.bounded(sessionMs * 1000 + 1)));
                process.kill();
            }
            QVERIFY(process.waitForFinished(60000));
            if (round == 0) {
                QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
                sessionMs = clock.elapsed();
            }
            const int graded = int(process.readAllStandardOutput().count("graded "));
            count.start(tool(), {QStringLiteral("reviews"), folder});
            QVERIFY(count.waitForFinished(60000) && count.exitCode() == 0);
            const int stored = count.readAllStandardOutput().trimmed().toInt() - before;
            QVERIFY2(stored >= graded && stored <= graded + 1,
                     qPrintable(QStringLiteral("round %1: %2 grades shown as taken, %3 stored")
                                    .arg(round)
                                    .arg(graded)
                                    .arg(stored)));
            if (round == 0)
                QVERIFY(graded > 20);
        }
    }

    void fullDisk_data()
    {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<int>("spareBytes");
        // The entry is smaller than any spare room, so its disk is full.
        for (const QString &writer : kWriters)
            QTest::newRow(qPrintable(writer)) << writer << (writer == QLatin1String("entry") ? 0 : 8 * 1024);
    }
    void fullDisk()
    {
        QFETCH(QString, writer);
        QFETCH(int, spareBytes);
        TinyFileSystem disk(QStringLiteral("4m"));
        if (!disk.mounted())
            QSKIP("no small file system can be mounted here (needs root and tmpfs)");
        const QString folder = disk.filePath(QStringLiteral("w"));
        QVERIFY(copyTree(prepared_, folder));
        QVERIFY(disk.fill(spareBytes));
        const Run run = runWriter(writer, folder);
        QVERIFY(run.finished);
        QVERIFY2(run.exitCode == 1 && run.errorText.contains(QLatin1String("faultwriter:")),
                 qPrintable(QStringLiteral("exit %1: %2").arg(run.exitCode).arg(run.errorText)));
        QVERIFY(QFile::remove(disk.filePath(QStringLiteral("filler"))));
        const QStringList problems = mismatches(stateOf(folder), before_, before_);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
    }
};

QTEST_GUILESS_MAIN(TestWriteFaults)
#include "tst_writefaults.moc"
