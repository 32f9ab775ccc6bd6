#pragma once

#include "app/prompter.h"

namespace velmora {

// For runs with nobody at the screen (scripts, start-up timing, process
// tests): each prompt is written to standard error as one line, "prompt: "
// and the text with carriage returns and line feeds shown as \r and \n, and
// answered the cautious way (OK, No, Cancel, no file) without a window.
class UnattendedPrompter : public Prompter
{
public:
    PromptAnswer ask(const Prompt &prompt, QWidget *parent = nullptr) override;
    QString saveFileName(const FileDialogRequest &request, QWidget *parent = nullptr) override;
    QString openFileName(const FileDialogRequest &request, QWidget *parent = nullptr) override;
    QString existingFolder(const FileDialogRequest &request, QWidget *parent = nullptr) override;
};

// The line UnattendedPrompter writes for a prompt text.
[[nodiscard]] QString unattendedPromptLine(const QString &text);

} // namespace velmora
