#include "app/dialogfolder.h"
#include "app/enterkey.h"
#include "app/prompter.h"

#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace velmora;

namespace {

QLabel *textLabel(QMessageBox &box)
{
    return box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
}

} // namespace

class TestPrompter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installEnterActivatesButtons(*qApp); }

    // Names come from decks and files: whatever they hold is shown as typed.
    void messageText_isPlainTextWithTheProgramsLineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addRow("picture markup") << QStringLiteral("Deck <img src=\"/dev/zero\"> opened")
                                        << QStringLiteral("Deck <img src=\"/dev/zero\"> opened");
        QTest::addRow("bold then a line break")
            << QStringLiteral("<b>X</b>\rsecond line") << QStringLiteral("<b>X</b>\nsecond line");
        QTest::addRow("font colour") << QStringLiteral("<font color=red>Warning</font>\r\nnext")
                                     << QStringLiteral("<font color=red>Warning</font>\nnext");
    }
    void messageText_isPlainTextWithTheProgramsLineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        const std::unique_ptr<QMessageBox> box = makeMessageBox(Prompt{text});
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->text(), shown);
        QLabel *label = textLabel(*box);
        QVERIFY(label);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    // A short text must not make the box too narrow for its title.
    void messageBox_isWiderThanItsTitle()
    {
        const std::unique_ptr<QMessageBox> box =
            makeMessageBox(Prompt{QStringLiteral("Test Complete"), PromptIcon::Information});
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const int titleWidth =
            QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(QStringLiteral("Velmora"));
        QVERIFY2(box->width() >= titleWidth + 150, qPrintable(QString::number(box->width())));
    }

    // What a screen reader meets: the icon says what kind of message it is,
    // Tab comes round to the text, and Enter there still answers the default.
    void messageBox_textReachedByTabIconDescribed()
    {
        const std::unique_ptr<QMessageBox> box =
            makeMessageBox(Prompt{QStringLiteral("Delete?"), PromptIcon::Question, PromptButtons::YesNo,
                                  QStringLiteral("Velmora"), PromptAnswer::No});
        box->show();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        auto *icon = box->findChild<QLabel *>(QStringLiteral("qt_msgboxex_icon_label"));
        QVERIFY(icon);
        QCOMPARE(icon->accessibleDescription(), QStringLiteral("Question"));
        QLabel *label = textLabel(*box);
        bool reached = false;
        for (int i = 0; i < 4 && !reached; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached = QApplication::focusWidget() == label;
        }
        QVERIFY(reached);
        QTest::keyClick(label, Qt::Key_Return);
        QCOMPARE(box->clickedButton(), box->button(QMessageBox::No));
    }

    void enter_pressesTheFocusedButtonOfAMessageBox_data()
    {
        QTest::addColumn<int>("focused");
        QTest::addRow("Yes") << int(QMessageBox::Yes);
        QTest::addRow("No") << int(QMessageBox::No);
        QTest::addRow("Cancel") << int(QMessageBox::Cancel);
    }
    void enter_pressesTheFocusedButtonOfAMessageBox()
    {
        QFETCH(int, focused);
        const std::unique_ptr<QMessageBox> box =
            makeMessageBox(Prompt{QStringLiteral("Save?"), PromptIcon::Question, PromptButtons::YesNoCancel});
        box->show();
        QVERIFY(QTest::qWaitForWindowActive(box.get()));
        QAbstractButton *button = box->button(QMessageBox::StandardButton(focused));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(box->clickedButton(), button);
    }

    // Enter in a text box of several lines still breaks the line.
    void enter_inAMultiLineTextBoxBreaksTheLine()
    {
        QWidget window;
        auto *text = new QPlainTextEdit(&window);
        auto *button = new QPushButton(QStringLiteral("OK"), &window);
        int clicks = 0;
        connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("one"));
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QStringLiteral("two"));
        QCOMPARE(text->toPlainText(), QStringLiteral("one\ntwo"));
        QCOMPARE(clicks, 0);
    }

    // A name typed without a suffix gets the only filter's.
    void saveDialog_addsTheFiltersSuffix_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("suffix");
        QTest::addRow("text file") << qtFileFilter(QStringLiteral("Text file|*.txt")) << QStringLiteral("txt");
        QTest::addRow("two filters") << qtFileFilter(QStringLiteral("Text file|*.txt|All files|*.*")) << QString();
        QTest::addRow("any file") << qtFileFilter(QStringLiteral("All files|*.*")) << QString();
        QTest::addRow("none") << QString() << QString();
    }
    void saveDialog_addsTheFiltersSuffix()
    {
        QFETCH(QString, filter);
        QFETCH(QString, suffix);
        FileDialogRequest request;
        request.filter = filter;
        const std::unique_ptr<QFileDialog> dialog = makeSaveDialog(request);
        QCOMPARE(dialog->defaultSuffix(), suffix);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
    }

    // A bare name ("progress.csv") once opened in the working folder.
    void saveDialog_startsInTheFolderLastUsedElseHome()
    {
        QTemporaryDir elsewhere;
        const QString working = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        FileDialogRequest request;
        request.startName = QStringLiteral("progress.csv");
        QCOMPARE(QDir(makeSaveDialog(request)->directory()).canonicalPath(), QDir(QDir::homePath()).canonicalPath());

        QTemporaryDir used;
        rememberDialogChoice(used.filePath(QStringLiteral("readings.md")));
        QCOMPARE(dialogStartPath(request.startName), used.filePath(QStringLiteral("progress.csv")));
        rememberDialogChoice(elsewhere.path(), true);
        QCOMPARE(dialogStartPath(QString()), elsewhere.path());
        QCOMPARE(dialogStartPath(used.filePath(QStringLiteral("a.txt"))), used.filePath(QStringLiteral("a.txt")));
        QDir::setCurrent(working);
    }
};

QTEST_MAIN(TestPrompter)
#include "tst_prompter.moc"
