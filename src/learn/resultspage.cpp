#include "learn/resultspage.h"

#include "app/accessibility.h"
#include "app/widgets.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

ResultsPage::ResultsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabResults"));
    auto *layout = new QVBoxLayout(this);
    txtResult = named(new QPlainTextEdit, QStringLiteral("txtResult"));
    txtResult->setReadOnly(true);
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtResult->setAccessibleName(tr("Test report"));
    // The report pads its columns with blanks, so it needs a fixed pitch. A
    // missing family would be replaced by whatever the font matcher likes, so
    // the system's own fixed font stands in for it instead.
    const QString courier = QStringLiteral("Courier New");
    txtResult->setFont(QFontDatabase::families().contains(courier, Qt::CaseInsensitive)
                           ? QFont(courier)
                           : QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(txtResult, 1);
    lblResultInfo = wrappingLabel(QStringLiteral("lblResultInfo"), QString());
    layout->addWidget(lblResultInfo);
    auto *buttons = new QHBoxLayout;
    Command5 = makeButton(nullptr, "Command5", tr("&Save Current Result"));
    buttons->addStretch(1);
    buttons->addWidget(Command5);
    layout->addLayout(buttons);
    connect(Command5, &QPushButton::clicked, this, &ResultsPage::saveRequested);
}

void ResultsPage::showReport(const QString &text, const QString &summary)
{
    txtResult->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    lblResultInfo->setText(summary);
    announceChange(lblResultInfo, summary);
    txtResult->moveCursor(QTextCursor::End);
    txtResult->ensureCursorVisible();
}

} // namespace velmora
