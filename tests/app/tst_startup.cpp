// Starts the program's start-up as real processes, through velmora-showcase
// (the same start-up with switches that answer prompts on standard error and
// announce the painted start screen): a second copy handing over to the first, the
// missing-data check, and the start-up switch. That copies in other folders
// take locks of their own is the shell test's.

#include "filebytes.h"
#include "testhome.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace velmora::test;

namespace {

const QByteArray kShown = "velmora: shown begin";

class Installation
{
public:
    Installation()
    {
        QDir(home.path()).mkpath(QStringLiteral("tutor"));
        QDir(home.path()).mkpath(QStringLiteral("temp"));
        for (const char *file : {"tutor/Tutor1.vdk", "update.vdk", "tutor.vdk"}) {
            QFile touched(home.filePath(QLatin1String(file)));
            touched.open(QIODevice::WriteOnly);
        }
    }

    // A process of the program with this folder, settings of its own and a
    // private runtime folder for the lock, started.
    std::unique_ptr<QProcess> start(QTemporaryDir &runtime, const QStringList &arguments) const
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VELMORA_HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process->setProcessEnvironment(env);
        process->start(qEnvironmentVariable("VELMORA_BUILD_DIR") + QStringLiteral("/velmora-showcase"), arguments);
        return process;
    }

    // Named after the executable, as the product's is.
    QString settingsFile() const { return config.filePath(QStringLiteral("velmora-showcase.conf")); }

    QTemporaryDir home;
    QTemporaryDir config;
};

bool waitForLine(QProcess &process, const QByteArray &line, int ms = 20000)
{
    QByteArray seen;
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        seen += process.readAllStandardOutput();
        if (seen.contains(line))
            return true;
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(100);
    }
    return false;
}

QList<QByteArray> promptLines(const QByteArray &stderrText)
{
    QList<QByteArray> prompts;
    for (const QByteArray &line : stderrText.split('\n'))
        if (line.startsWith("prompt: "))
            prompts.append(line);
    return prompts;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir runtime_;

private slots:
    void initTestCase()
    {
        QVERIFY2(QFile::exists(qEnvironmentVariable("VELMORA_BUILD_DIR") + QStringLiteral("/velmora-showcase")),
                 "VELMORA_BUILD_DIR must name the build folder");
    }

    // A second start brings the running copy's window to the front and ends
    // without a word; only when the running copy cannot be reached is it
    // told. Either way it reads and writes nothing of its own.
    void secondStart_raisesTheRunningCopyAndTouchesNothing()
    {
        Installation installation;
        auto first = installation.start(runtime_, {"--unattended", "--show", "begin"});
        QVERIFY(waitForLine(*first, kShown));

        // The first start notes its date once its window is painted.
        QTRY_VERIFY_WITH_TIMEOUT(fileBytes(installation.settingsFile()).contains("Duration="), 20000);
        // An old reminder date: a start that got past the lock would ask.
        QFile settings(installation.settingsFile());
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                settings.write("[Settings]\nDuration=1 Jan 2001 10:00:00\n") > 0);
        settings.close();
        const QByteArray before = fileBytes(installation.settingsFile());

        auto second = installation.start(runtime_, {"--unattended"});
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(promptLines(second->readAllStandardError()), QList<QByteArray>());
        QVERIFY(!second->readAllStandardOutput().contains(kShown));
        QVERIFY(waitForLine(*first, "velmora: raised frmBegin"));

        const QStringList sockets =
            QDir(runtime_.path()).entryList({QStringLiteral("*.socket")}, QDir::Files | QDir::System);
        QCOMPARE(sockets.size(), 1);
        QVERIFY(QFile::remove(runtime_.filePath(sockets.constFirst())));
        auto unheard = installation.start(runtime_, {"--unattended"});
        QVERIFY(unheard->waitForFinished(20000));
        QCOMPARE(promptLines(unheard->readAllStandardError()),
                 QList<QByteArray>{"prompt: Application is already running"});
        QCOMPARE(fileBytes(installation.settingsFile()), before);

        QCOMPARE(first->state(), QProcess::Running);
        first->kill();
        QVERIFY(first->waitForFinished(10000));

        // The lock left by the killed copy does not keep the program out.
        auto third = installation.start(runtime_, {"--unattended", "--quit-when-shown"});
        QVERIFY(third->waitForFinished(20000));
        QVERIFY(third->readAllStandardOutput().contains(kShown));
        QVERIFY(!third->readAllStandardError().contains("already running"));
    }

    // Missing data is told and ends the program before the start screen; the
    // logon switch changes nothing about the start screen, and the first start
    // records the reminder date and asks nothing.
    void start_showsTheStartScreenOnlyWithTheData_data()
    {
        QTest::addColumn<bool>("dataComplete");
        QTest::addColumn<QStringList>("arguments");
        QTest::addRow("folder missing") << false << QStringList{"--unattended", "--quit-when-shown"};
        QTest::addRow("logon start") << true << QStringList{"/STARTUP", "--unattended", "--quit-when-shown"};
    }
    void start_showsTheStartScreenOnlyWithTheData()
    {
        QFETCH(bool, dataComplete);
        QFETCH(QStringList, arguments);
        Installation installation;
        if (!dataComplete)
            QVERIFY(QDir(installation.home.filePath(QStringLiteral("temp"))).removeRecursively());
        auto process = installation.start(runtime_, arguments);
        QVERIFY(process->waitForFinished(20000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 0);
        QCOMPARE(process->readAllStandardOutput().contains(kShown), dataComplete);
        QCOMPARE(promptLines(process->readAllStandardError()),
                 dataComplete ? QList<QByteArray>()
                              : QList<QByteArray>{"prompt: Required files are missing\\rPlease Reinstall Software"});
        if (dataComplete)
            QVERIFY(fileBytes(installation.settingsFile()).contains("Duration="));
    }

    // The product itself, before any window: the help and the version need no
    // display, and a missing display is told on one line, not by an abort.
    void commandLine_answersWithoutAWindow_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        QTest::addRow("help") << QStringList{"--help"} << QString() << 0 << QByteArray("Usage: velmora [/STARTUP]\n");
        QTest::addRow("version") << QStringList{"/STARTUP", "--version"} << "xcb" << 0 << QByteArray("Velmora 1.70\n");
        QTest::addRow("no display") << QStringList{} << QString() << 1 << QByteArray();
        QTest::addRow("X11 asked, none there") << QStringList{"-platform", "xcb"} << "offscreen" << 1 << QByteArray();
    }
    void commandLine_answersWithoutAWindow()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QLatin1String(name));
        if (!platform.isEmpty())
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        process.setProcessEnvironment(env);
        process.start(qEnvironmentVariable("VELMORA_BUILD_DIR") + QStringLiteral("/velmora"), arguments);
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QTEST(process.exitCode(), "exitCode");
        QFETCH(QByteArray, output);
        const QByteArray out = process.readAllStandardOutput();
        const QByteArray err = process.readAllStandardError();
        QVERIFY2(output.isEmpty() ? out.isEmpty() && err.count('\n') == 1 && err.endsWith('\n')
                                  : out.startsWith(output),
                 QByteArray(out + err).constData());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
