#include "app/prompter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace velmora {

QString qtFileFilter(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts[i] + QStringLiteral(" (") +
                       QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')'));
    return filters.join(QStringLiteral(";;"));
}

PromptAnswer QtPrompter::ask(const Prompt &prompt, QWidget *parent)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (prompt.icon) {
    case PromptIcon::None:
        break;
    case PromptIcon::Information:
        icon = QMessageBox::Information;
        break;
    case PromptIcon::Warning:
        icon = QMessageBox::Warning;
        break;
    case PromptIcon::Critical:
        icon = QMessageBox::Critical;
        break;
    case PromptIcon::Question:
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (prompt.buttons) {
    case PromptButtons::Ok:
        break;
    case PromptButtons::OkCancel:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case PromptButtons::YesNo:
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case PromptButtons::YesNoCancel:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }
    // A lone carriage return is the line break of the program's messages.
    QString text = prompt.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(icon, prompt.title, text, buttons, parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    default:
        return prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

QString QtPrompter::saveFileName(const FileDialogRequest &request, QWidget *parent)
{
    const QFileDialog::Options options =
        request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return QFileDialog::getSaveFileName(parent, request.title, request.startName, request.filter, nullptr, options);
}

QString QtPrompter::openFileName(const FileDialogRequest &request, QWidget *parent)
{
    return QFileDialog::getOpenFileName(parent, request.title, request.startName, request.filter);
}

QString QtPrompter::existingFolder(const FileDialogRequest &request, QWidget *parent)
{
    return QFileDialog::getExistingDirectory(parent, request.title, request.startName);
}

} // namespace velmora
