#include "app/prompter.h"

#include "app/dialogfolder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>

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

std::unique_ptr<QMessageBox> makeMessageBox(const Prompt &prompt, QWidget *parent)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // What a screen reader says of the icon: the kind of message it is.
    QString iconDescription;
    switch (prompt.icon) {
    case PromptIcon::None:
        break;
    case PromptIcon::Information:
        icon = QMessageBox::Information;
        iconDescription = QCoreApplication::translate("Prompter", "Information");
        break;
    case PromptIcon::Warning:
        icon = QMessageBox::Warning;
        iconDescription = QCoreApplication::translate("Prompter", "Warning");
        break;
    case PromptIcon::Critical:
        icon = QMessageBox::Critical;
        iconDescription = QCoreApplication::translate("Prompter", "Error");
        break;
    case PromptIcon::Question:
        icon = QMessageBox::Question;
        iconDescription = QCoreApplication::translate("Prompter", "Question");
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
    auto box = std::make_unique<QMessageBox>(icon, prompt.title, QString(), buttons, parent);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    // The style lets the mouse select the text, which makes it focusable
    // where Tab cannot go; Tab reaches it too, to read it again and copy it.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (auto *textLabel = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        textLabel->setFocusPolicy(Qt::StrongFocus);
    if (auto *iconLabel = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label")))
        iconLabel->setAccessibleDescription(iconDescription);
    if (prompt.defaultAnswer) {
        constexpr QMessageBox::StandardButton kButtonOf[] = {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes,
                                                             QMessageBox::No};
        box->setDefaultButton(kButtonOf[int(*prompt.defaultAnswer)]);
    }

    // A message box sizes itself to its text; a short text left the title
    // bar too narrow for the title. The title bar also holds the window's
    // icon and buttons.
    const int titleWidth = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(prompt.title);
    constexpr int kTitleBarExtras = 160;
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(new QSpacerItem(titleWidth + kTitleBarExtras, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

PromptAnswer QtPrompter::ask(const Prompt &prompt, QWidget *parent)
{
    const std::unique_ptr<QMessageBox> box = makeMessageBox(prompt, parent);
    switch (box->exec()) {
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

namespace {
QString &lastDialogFolder()
{
    static QString folder;
    return folder;
}
} // namespace

QString dialogStartPath(const QString &startName)
{
    if (!startName.isEmpty() && QDir::isAbsolutePath(startName))
        return startName;
    const QString folder =
        lastDialogFolder().isEmpty() || !QFileInfo(lastDialogFolder()).isDir() ? QDir::homePath() : lastDialogFolder();
    return startName.isEmpty() ? folder : QDir(folder).filePath(startName);
}

void rememberDialogChoice(const QString &chosen, bool isFolder)
{
    if (chosen.isEmpty())
        return;
    lastDialogFolder() = isFolder ? QDir::cleanPath(chosen) : QFileInfo(chosen).absolutePath();
}

std::unique_ptr<QFileDialog> makeSaveDialog(const FileDialogRequest &request, QWidget *parent)
{
    auto dialog =
        std::make_unique<QFileDialog>(parent, request.title, dialogStartPath(request.startName), request.filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    if (!request.confirmOverwrite)
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    static const QRegularExpression singlePattern(QStringLiteral("^[^(;]*\\(\\*\\.(\\w+)\\)$"));
    if (const QRegularExpressionMatch match = singlePattern.match(request.filter); match.hasMatch())
        dialog->setDefaultSuffix(match.captured(1));
    return dialog;
}

QString QtPrompter::saveFileName(const FileDialogRequest &request, QWidget *parent)
{
    const std::unique_ptr<QFileDialog> dialog = makeSaveDialog(request, parent);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    rememberDialogChoice(dialog->selectedFiles().constFirst());
    return dialog->selectedFiles().constFirst();
}

QString QtPrompter::openFileName(const FileDialogRequest &request, QWidget *parent)
{
    const QString chosen =
        QFileDialog::getOpenFileName(parent, request.title, dialogStartPath(request.startName), request.filter);
    rememberDialogChoice(chosen);
    return chosen;
}

QString QtPrompter::existingFolder(const FileDialogRequest &request, QWidget *parent)
{
    const QString chosen = QFileDialog::getExistingDirectory(parent, request.title, dialogStartPath(request.startName));
    rememberDialogChoice(chosen, true);
    return chosen;
}

} // namespace velmora
