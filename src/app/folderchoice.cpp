#include "app/folderchoice.h"

#include "app/dialogfolder.h"
#include "app/plaintext.h"
#include "app/prompter.h"
#include "app/widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace velmora {

FolderChoice::FolderChoice(Prompter &prompter, const char *objectName, const QString &accessibleName, QWidget *parent)
    : QWidget(parent), prompter_(prompter), accessibleName_(accessibleName)
{
    path_ = new QLineEdit(this);
    path_->setObjectName(QLatin1String(objectName));
    path_->setAccessibleName(accessibleName);
    path_->setReadOnly(true);
    cmdBrowse = makeButton(this, QByteArray("cmdBrowse" + QByteArray(objectName)).constData(), tr("Br&owse..."));
    cmdBrowse->setAutoDefault(false);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(path_, 1);
    layout->addWidget(cmdBrowse);
    setFocusProxy(path_);
    setTabOrder(path_, cmdBrowse);
    connect(cmdBrowse, &QPushButton::clicked, this, &FolderChoice::browse);
    setFolder(dialogStartPath(QString()));
}

QString FolderChoice::folder() const
{
    return path_->text();
}

void FolderChoice::setFolder(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return;
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    path_->setText(folder);
    path_->setToolTip(plainToolTip(folder));
    emit folderChanged(folder);
}

void FolderChoice::browse()
{
    FileDialogRequest request;
    request.title = accessibleName_;
    request.startName = folder();
    const QString chosen = prompter_.existingFolder(request, this);
    if (chosen.isEmpty())
        return;
    rememberDialogChoice(chosen, true);
    setFolder(chosen);
}

} // namespace velmora
