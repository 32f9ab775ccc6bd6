#pragma once

// Every message box and file dialog of the program goes through a Prompter,
// so that tests can read what the user would see and answer it.

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace velmora {

// The application title shown in message boxes that name no title of their own.
inline constexpr char kAppTitle[] = "Velmora";
// The caption of every window.
inline constexpr char kWindowCaption[] = "Velmora v1.70";

enum class PromptIcon { None, Information, Warning, Critical, Question };
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct Prompt
{
    Prompt() = default;
    // The fields in order, so that a braced list may leave out the trailing ones.
    Prompt(QString text, PromptIcon icon = PromptIcon::Information, PromptButtons buttons = PromptButtons::Ok,
           QString title = QString::fromLatin1(kAppTitle), std::optional<PromptAnswer> defaultAnswer = {})
        : text(std::move(text)), icon(icon), buttons(buttons), title(std::move(title)), defaultAnswer(defaultAnswer)
    {}

    QString text;
    PromptIcon icon = PromptIcon::Information;
    PromptButtons buttons = PromptButtons::Ok;
    QString title = QString::fromLatin1(kAppTitle);
    // The button Enter presses; the toolkit's choice when unset. A
    // destructive answer is never the default.
    std::optional<PromptAnswer> defaultAnswer;
};

struct FileDialogRequest
{
    QString title;
    QString filter;    // Qt form: "Text file (*.txt)"
    QString startName; // file name or folder the dialog starts with
    bool confirmOverwrite = true;
};

class Prompter
{
public:
    virtual ~Prompter() = default;
    virtual PromptAnswer ask(const Prompt &prompt, QWidget *parent = nullptr) = 0;
    // Empty when the user cancels.
    virtual QString saveFileName(const FileDialogRequest &request, QWidget *parent = nullptr) = 0;
    virtual QString openFileName(const FileDialogRequest &request, QWidget *parent = nullptr) = 0;
    virtual QString existingFolder(const FileDialogRequest &request, QWidget *parent = nullptr) = 0;

    // An OK box with the application title.
    void tell(const QString &text, PromptIcon icon = PromptIcon::Information, QWidget *parent = nullptr)
    {
        ask(Prompt{text, icon, PromptButtons::Ok, QString::fromLatin1(kAppTitle)}, parent);
    }
};

// Converts the "Description|*.ext|..." filter form to Qt's "Description (*.ext);;...".
QString qtFileFilter(const QString &pipeFilter);

// The message box QtPrompter shows: plain text (names from decks and files
// are never read as markup), line breaks as the program writes them, and
// wide enough to show its whole title.
[[nodiscard]] std::unique_ptr<QMessageBox> makeMessageBox(const Prompt &prompt, QWidget *parent = nullptr);
// The save dialog QtPrompter shows: with a single "*.ext" filter a name typed
// without a suffix gets that one.
[[nodiscard]] std::unique_ptr<QFileDialog> makeSaveDialog(const FileDialogRequest &request, QWidget *parent = nullptr);

class QtPrompter : public Prompter
{
public:
    PromptAnswer ask(const Prompt &prompt, QWidget *parent = nullptr) override;
    QString saveFileName(const FileDialogRequest &request, QWidget *parent = nullptr) override;
    QString openFileName(const FileDialogRequest &request, QWidget *parent = nullptr) override;
    QString existingFolder(const FileDialogRequest &request, QWidget *parent = nullptr) override;
};

} // namespace velmora
