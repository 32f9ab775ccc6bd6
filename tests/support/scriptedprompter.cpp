#include "scriptedprompter.h"

#include <QTest>

namespace velmora::test {

PromptAnswer ScriptedPrompter::ask(const Prompt &prompt, QWidget *)
{
    records_.append({Record::Kind::Message, prompt, {}});
    if (!answers_.isEmpty())
        return answers_.dequeue();
    if (prompt.buttons == PromptButtons::Ok && !strictOk)
        return PromptAnswer::Ok;
    QTest::qFail(qPrintable(QStringLiteral("unanswered prompt: ") + prompt.text), __FILE__, __LINE__);
    return PromptAnswer::Cancel;
}

static QString nextFileName(QQueue<QString> &names, const FileDialogRequest &request)
{
    if (!names.isEmpty())
        return names.dequeue();
    QTest::qFail(qPrintable(QStringLiteral("unanswered file dialog: ") + request.title), __FILE__, __LINE__);
    return {};
}

QString ScriptedPrompter::saveFileName(const FileDialogRequest &request, QWidget *)
{
    records_.append({Record::Kind::SaveFile, {}, request});
    return nextFileName(fileNames_, request);
}

QString ScriptedPrompter::openFileName(const FileDialogRequest &request, QWidget *)
{
    records_.append({Record::Kind::OpenFile, {}, request});
    return nextFileName(fileNames_, request);
}

QString ScriptedPrompter::existingFolder(const FileDialogRequest &request, QWidget *)
{
    records_.append({Record::Kind::Folder, {}, request});
    return nextFileName(fileNames_, request);
}

QList<Prompt> ScriptedPrompter::messages() const
{
    QList<Prompt> prompts;
    for (const Record &record : records_) {
        if (record.kind == Record::Kind::Message)
            prompts.append(record.prompt);
    }
    return prompts;
}

QStringList ScriptedPrompter::messageTexts() const
{
    QStringList texts;
    for (const Prompt &prompt : messages())
        texts.append(prompt.text);
    return texts;
}

} // namespace velmora::test
