#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace velmora {

class Prompter;

// The folder shown, and a button that chooses another through the desktop's
// own folder dialog, starting in the folder shown: the last one used, or home.
class FolderChoice : public QWidget
{
    Q_OBJECT

public:
    FolderChoice(Prompter &prompter, const char *objectName, const QString &accessibleName, QWidget *parent = nullptr);
    [[nodiscard]] QString folder() const;
    void setFolder(const QString &path);
    // Asks for a folder; a cancelled dialog keeps the one shown.
    void browse();

signals:
    void folderChanged(const QString &path);

private:
    Prompter &prompter_;
    QString accessibleName_;
    QLineEdit *path_ = nullptr;
    QPushButton *cmdBrowse = nullptr;
};

} // namespace velmora
