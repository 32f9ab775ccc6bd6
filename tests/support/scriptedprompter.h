#pragma once

#include "app/prompter.h"

#include <QList>
#include <QQueue>

namespace velmora::test {

// Records every prompt and answers from queues. A prompt that finds no answer
// queued fails the running test instead of blocking on a window. Message
// boxes with a single OK button are answered by themselves unless
// strictOk is set.
class ScriptedPrompter : public Prompter
{
public:
    struct Record
    {
        enum class Kind { Message, SaveFile, OpenFile, Folder } kind = Kind::Message;
        Prompt prompt;
        FileDialogRequest request;
    };

    PromptAnswer ask(const Prompt &prompt, QWidget *parent = nullptr) override;
    QString saveFileName(const FileDialogRequest &request, QWidget *parent = nullptr) override;
    QString openFileName(const FileDialogRequest &request, QWidget *parent = nullptr) override;
    QString existingFolder(const FileDialogRequest &request, QWidget *parent = nullptr) override;

    void queueAnswer(PromptAnswer answer) { answers_.enqueue(answer); }
    void queueFileName(const QString &path) { fileNames_.enqueue(path); }

    [[nodiscard]] const QList<Record> &records() const { return records_; }
    [[nodiscard]] QList<Prompt> messages() const;
    [[nodiscard]] QStringList messageTexts() const;
    [[nodiscard]] int pendingAnswers() const { return int(answers_.size() + fileNames_.size()); }
    void clear() { records_.clear(); }

    bool strictOk = false;

private:
    QList<Record> records_;
    QQueue<PromptAnswer> answers_;
    QQueue<QString> fileNames_;
};

} // namespace velmora::test
