#include "startupentry.h"

#include "app/prompter.h"
#include "app/safesave.h"
#include "store/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace velmora {

namespace {

constexpr char kGroupHeader[] = "[Desktop Entry]";
constexpr qint64 kMaxEntryBytes = 64 * 1024;

enum class FailedStep { Opening, Setting };

void tellFailure(Prompter &prompter, int error, FailedStep step, QWidget *parent)
{
    if (error == 0)
        error = EIO;
    const QString number = QString::number(error);
    const QString said = step == FailedStep::Opening
                             ? QCoreApplication::translate("StartupEntry", "Error %1 opening key").arg(number)
                             : QCoreApplication::translate("StartupEntry", "Error %1 setting key").arg(number);
    prompter.ask(Prompt{said + QStringLiteral("\r\n") + QString::fromLocal8Bit(std::strerror(error)), PromptIcon::None,
                        PromptButtons::Ok, QString::fromLatin1(kAppTitle)},
                 parent);
}

// The value of Hidden in the [Desktop Entry] group; blanks around '=' do not count.
bool markedHidden(const QByteArray &text)
{
    bool inMainGroup = false;
    for (const QByteArray &rawLine : text.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == kGroupHeader;
            continue;
        }
        if (!inMainGroup || line.startsWith('#'))
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed() == "Hidden")
            return line.mid(equals + 1).trimmed() == "true";
    }
    return false;
}

} // namespace

QString autostartFolder()
{
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString base = !configHome.isEmpty() && QDir::isAbsolutePath(configHome)
                             ? configHome
                             : QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/autostart"));
}

QString startupEntryPath(const QString &exeName)
{
    return autostartFolder() + QLatin1Char('/') + exeName + QStringLiteral(".desktop");
}

QString quotedExecArgument(const QString &argument)
{
    QString quoted;
    quoted.reserve(argument.size() + 8);
    quoted += QLatin1Char('"');
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted += QLatin1Char('"');

    // The Exec value is a string value: its backslashes and line breaks are
    // escaped once more, and '%' would start a field code.
    QString value;
    value.reserve(quoted.size() + 8);
    for (const QChar c : quoted) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else if (c == QLatin1Char('%'))
            value += QStringLiteral("%%");
        else
            value += c;
    }
    return value;
}

QByteArray startupEntryText(const QString &exeName, const QString &programFolder)
{
    const QString executable = QDir::cleanPath(programFolder + QLatin1Char('/') + exeName);
    const QString text = QLatin1String(kGroupHeader) + QStringLiteral("\nType=Application\nName=") +
                         QLatin1String(kAppTitle) + QStringLiteral("\nExec=") + quotedExecArgument(executable) +
                         QLatin1Char(' ') + QLatin1String(kStartupSwitch) +
                         QStringLiteral("\nTerminal=false\nX-GNOME-Autostart-enabled=true\n");
    return text.toUtf8();
}

bool StartupEntryExists(const QString &exeName)
{
    // An entry of ours is a few hundred bytes; a link to a device or a pipe
    // in its place is refused rather than read without end.
    const store::BoundedRead entry = store::readRegularFile(startupEntryPath(exeName), kMaxEntryBytes);
    return entry.ok && !markedHidden(entry.bytes);
}

void SetStartupEntry(Prompter &prompter, const QString &exeName, const QString &programFolder, bool run,
                     QWidget *parent)
{
    const QString path = startupEntryPath(exeName);
    if (!run) {
        QFile::remove(path);
        return;
    }

    std::error_code made;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(autostartFolder()).toStdString()),
                                        made);
    if (made) {
        tellFailure(prompter, made.value(), FailedStep::Opening, parent);
        return;
    }

    // The entry is the program's alone: a link in its place is replaced,
    // never written through to the file it names.
    const ReplaceOutcome saved = replaceFileAtomically(path, startupEntryText(exeName, programFolder));
    if (!saved.ok())
        tellFailure(prompter, saved.error, saved.beforeWriting ? FailedStep::Opening : FailedStep::Setting, parent);
}

} // namespace velmora
