#pragma once

// The results tab: the report of the last test and "Save Current Result".

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace velmora {

class ResultsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsPage(QWidget *parent = nullptr);

    // The report's lines may end in CR LF; the box keeps lines of its own.
    void showReport(const QString &text, const QString &summary);

signals:
    void saveRequested();

private:
    QPlainTextEdit *txtResult = nullptr;
    QLabel *lblResultInfo = nullptr;
    QPushButton *Command5 = nullptr;
};

} // namespace velmora
