#pragma once

// The message after an export: where the deck file went, with the help
// page's address as a link that a left click opens in the desktop's browser.

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace velmora {

class FrmExportMessage : public QDialog
{
    Q_OBJECT

public:
    explicit FrmExportMessage(QWidget *parent = nullptr);

    // Empties the text box, then fills it with the five lines.
    void setExport(const QString &fileName, const QString &exportedPath);
    // The five lines as set, joined by CR LF.
    [[nodiscard]] const QString &text() const { return text_; }

    QTextBrowser *RTB = nullptr;
    QPushButton *cmdOK = nullptr;

private:
    QString text_;
};

} // namespace velmora
