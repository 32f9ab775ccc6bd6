#include "unattendedprompter.h"

#include <cstdio>

namespace velmora {

namespace {

void writeLine(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

} // namespace

QString unattendedPromptLine(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QStringLiteral("prompt: ") + shown;
}

PromptAnswer UnattendedPrompter::ask(const Prompt &prompt, QWidget * /*parent*/)
{
    writeLine(unattendedPromptLine(prompt.text));
    switch (prompt.buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::OkCancel:
        return PromptAnswer::Cancel;
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    case PromptButtons::YesNoCancel:
        return PromptAnswer::Cancel;
    }
    return PromptAnswer::Cancel;
}

QString UnattendedPrompter::saveFileName(const FileDialogRequest &request, QWidget * /*parent*/)
{
    writeLine(QStringLiteral("file dialog: ") + request.title);
    return {};
}

QString UnattendedPrompter::openFileName(const FileDialogRequest &request, QWidget * /*parent*/)
{
    writeLine(QStringLiteral("file dialog: ") + request.title);
    return {};
}

QString UnattendedPrompter::existingFolder(const FileDialogRequest &request, QWidget * /*parent*/)
{
    writeLine(QStringLiteral("folder dialog: ") + request.title);
    return {};
}

} // namespace velmora
