#include "everywindow.h"

#include "app/services.h"
#include "app/shell.h"
#include "app/translations.h"
#include "goals/goalsfile.h"
#include "learn/languagechoice.h"
#include "learn/settingspage.h"
#include "learn/testreport.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <set>

using namespace velmora;
using namespace velmora::test;

namespace {

// One message of a translation file.
struct Message
{
    QString context;
    QString source;
    QString comment;
    QStringList translations; // one per plural form
    bool numerus = false;
    bool unfinished = false;
};

// An element's text; lupdate writes a control character as <byte value="xd"/>.
QString readText(QXmlStreamReader &xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        if (xml.hasError())
            break;
    }
    return text;
}

QList<Message> readTranslationFile(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                messages.append(message);
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = readText(xml);
        } else if (name == QLatin1String("message")) {
            message = Message{
                context, {}, {}, {}, xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes"), false};
        } else if (name == QLatin1String("source")) {
            message.source = readText(xml);
        } else if (name == QLatin1String("comment")) {
            message.comment = readText(xml);
        } else if (name == QLatin1String("translation")) {
            message.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            if (!message.numerus)
                message.translations.append(readText(xml));
        } else if (name == QLatin1String("numerusform")) {
            message.translations.append(readText(xml));
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QString sourceFolder()
{
    return qEnvironmentVariable("VELMORA_SOURCE_DIR");
}

QString builtTranslations()
{
    return qEnvironmentVariable("VELMORA_BUILD_DIR") + QStringLiteral("/translations");
}

// What a reader compares: without access-key marks, markup, the colon a
// caption ends with, or runs of spaces.
QString comparable(QString text)
{
    if (Qt::mightBeRichText(text))
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0x2026)) || text.endsWith(QLatin1String("...")))
        text.chop(text.endsWith(QLatin1String("...")) ? 3 : 1);
    return text.trimmed();
}

bool hasWords(const QString &text)
{
    int letters = 0;
    for (const QChar c : text)
        letters += c.isLetter() ? 1 : 0;
    return letters >= 2;
}

// The texts a user sees in a window or hears of it, by where they are.
std::map<QString, QString> shownTexts(QWidget *window)
{
    std::map<QString, QString> shown;
    const auto add = [&shown](const QObject *where, const char *what, const QString &text) {
        if (!text.trimmed().isEmpty())
            shown[where->objectName() + QLatin1Char('/') + QString::fromLatin1(what) + QLatin1Char('#') +
                  QString::number(quintptr(where), 16)] = text;
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    add(window, "title", window->windowTitle());
    for (QWidget *widget : widgets) {
        // A tab bar's scroll buttons are Qt's, with Qt's texts.
        if (qobject_cast<QTabBar *>(widget->parentWidget()))
            continue;
        // A shortcut's name is Qt's text.
        const QKeySequence shortcut(widget->toolTip());
        add(widget, !shortcut.isEmpty() && shortcut.toString() == widget->toolTip() ? "Qt's text" : "tooltip",
            widget->toolTip());
        add(widget, "accessible name", widget->accessibleName());
        add(widget, "accessible description", widget->accessibleDescription());
        add(widget, "status tip", widget->statusTip());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(label, "text", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            // Qt's own buttons come with Qt's translation, not the program's.
            const auto *box = qobject_cast<QDialogButtonBox *>(button->parentWidget());
            const bool qtOwn = box && box->standardButton(button) != QDialogButtonBox::NoButton;
            add(button, qtOwn ? "Qt's text" : "text", button->text());
        }
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            add(group, "title", group->title());
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            add(edit, "placeholder", edit->placeholderText());
        if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
            add(edit, "placeholder", edit->placeholderText());
        if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                shown[tabs->objectName() + QStringLiteral("/tab %1").arg(i)] = tabs->tabText(i);
                if (!tabs->tabToolTip(i).isEmpty())
                    shown[tabs->objectName() + QStringLiteral("/tab tooltip %1").arg(i)] = tabs->tabToolTip(i);
            }
        }
        if (auto *box = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < box->count(); ++i)
                shown[box->objectName() + QStringLiteral("/item %1").arg(i)] = box->itemText(i);
        }
    }
    for (QAction *action : window->findChildren<QAction *>()) {
        if (action->isSeparator())
            continue;
        add(action, "text", action->text());
        if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            add(action, "tooltip", action->toolTip());
        add(action, "status tip", action->statusTip());
    }
    return shown;
}

const QStringList &walkedWindows()
{
    static const QStringList windows = {
        QStringLiteral("start screen"), QStringLiteral("about box"),      QStringLiteral("deck manager"),
        QStringLiteral("card editor"),  QStringLiteral("picture loader"), QStringLiteral("exchange 0"),
        QStringLiteral("exchange 1"),   QStringLiteral("exchange 2"),     QStringLiteral("export message"),
        QStringLiteral("progress"),     QStringLiteral("review"),         QStringLiteral("readings"),
        QStringLiteral("journal"),      QStringLiteral("main window"),    QStringLiteral("message box")};
    return windows;
}

// Texts of the test's own program folder: the deck's name and file, its
// cards, and what is made of them.
bool isData(const QString &text)
{
    // The program's name and version are no words to translate, nor the
    // tray menu's inner name, nor a language's name for itself; the message
    // box's text is the test's own.
    static const QRegularExpression identity(QStringLiteral("^(Velmora( v[\\d.]+)?|mnuPopUp|English|Deutsch)$"));
    if (identity.match(text).hasMatch())
        return true;
    static const QRegularExpression data(
        QStringLiteral("(Card|normal|reversed) \\d|Design|Tutor1|\\.vdk|/|^Delete\\?$"));
    static const QRegularExpression noWords(QStringLiteral("^[\\d\\s.,:;%()+\\-\\x{2013}\\x{2212}/#]*$"));
    return data.match(text).hasMatch() || noWords.match(text).hasMatch();
}

} // namespace

// The interface's language: the settings' choice or the desktop's, the
// program's own translation and Qt's, and every window in it.
class TstTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setProcessEnder([] {});
        QVERIFY(home_.make() && makeDesignDeck(QStringLiteral("Tutor1.vdk"), {plainCard(1), plainCard(2)}));
        messages_ = readTranslationFile(sourceFolder() + QStringLiteral("/translations/velmora_de.ts"));
        QVERIFY(!messages_.isEmpty());
        for (const Message &message : std::as_const(messages_)) {
            const QString source = comparable(message.source);
            if (message.source.contains(QLatin1Char('%'))) {
                static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
                QStringList pieces = source.split(placeholder);
                for (QString &piece : pieces)
                    piece = QRegularExpression::escape(piece);
                patterns_.append(
                    QRegularExpression(QLatin1Char('^') + pieces.join(QStringLiteral(".*")) + QLatin1Char('$'),
                                       QRegularExpression::DotMatchesEverythingOption));
            }
            sources_.insert(source);
            if (!message.translations.isEmpty() && comparable(message.translations.constFirst()) == source)
                sameInGerman_.insert(source);
        }
    }

    void cleanup() { installTranslations(QLocale::c(), {}); }

    void interfaceLocale_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("language");
        QTest::newRow("nothing chosen") << ""
                                        << "de_DE"
                                        << "de";
        QTest::newRow("System") << "System"
                                << "de_DE"
                                << "de";
        QTest::newRow("system, in other case") << "system"
                                               << "fr_FR"
                                               << "fr";
        QTest::newRow("German on an English desktop") << "de"
                                                      << "en_US"
                                                      << "de";
        QTest::newRow("a name of no language") << "Klingon!"
                                               << "en_GB"
                                               << "en";
        QTest::newRow("spaces around") << " de "
                                       << "C"
                                       << "de";
    }

    void interfaceLocale()
    {
        QFETCH(QString, setting);
        QFETCH(QString, system);
        QFETCH(QString, language);
        QCOMPARE(velmora::interfaceLocale(setting, QLocale(system)).name().left(2), QLocale(language).name().left(2));
    }

    // Every message of the German file reaches the program as written, and
    // Qt's own buttons come along; a language without a translation, and the
    // C locale, leave everything English.
    void german_installsOwnAndQtTranslations()
    {
        QCOMPARE(translatedLanguages({builtTranslations()}), QStringList{QStringLiteral("de")});
        QCOMPARE(languageName(QStringLiteral("de")), QStringLiteral("Deutsch"));
        QVERIFY(installTranslations(QLocale(QStringLiteral("de_DE")),
                                    {QStringLiteral("/nonexistent"), builtTranslations()}));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        QCOMPARE(QLocale().language(), QLocale::German);
        int unfinished = 0;
        for (const Message &message : std::as_const(messages_)) {
            unfinished += message.unfinished ? 1 : 0;
            if (message.unfinished || message.translations.isEmpty())
                continue;
            const QByteArray context = message.context.toUtf8();
            const QByteArray source = message.source.toUtf8();
            const QByteArray comment = message.comment.toUtf8();
            const QString translated = QCoreApplication::translate(context.constData(), source.constData(),
                                                                   comment.isEmpty() ? nullptr : comment.constData(),
                                                                   message.numerus ? 1 : -1);
            QString expected = message.translations.constFirst();
            if (message.numerus)
                expected.replace(QLatin1String("%n"), QLatin1String("1"));
            QVERIFY2(translated == expected, qPrintable(message.source));
        }
        QCOMPARE(unfinished, 0);

        for (const char *name : {"fr_FR", "C", "en_US"}) {
            QVERIFY(!installTranslations(QLocale(QString::fromLatin1(name)), {builtTranslations()}));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
        }
    }

    // Under the C locale every text a window shows is one of the program's
    // English source texts (or the deck's own data): nothing is shown that
    // bypasses the translation, and nothing German leaks in.
    void cLocale_everyTextIsAnEnglishSource_data() { windows(); }
    void cLocale_everyTextIsAnEnglishSource()
    {
        QFETCH(QString, window);
        QVERIFY(!installTranslations(velmora::interfaceLocale(QStringLiteral("System"), QLocale::c()),
                                     {builtTranslations()}));
        ServicesRig rig;
        const std::unique_ptr<QWidget> shown = makeWindow(window, rig.services);
        QVERIFY(shown);
        QStringList strangers;
        for (const auto &[where, text] : shownTexts(shown.get())) {
            const QString seen = comparable(text);
            if (!hasWords(seen) || isData(seen) || isSource(seen) || where.contains(QLatin1String("/Qt's text")))
                continue;
            strangers.append(where.section(QLatin1Char('#'), 0, 0) + QStringLiteral(": ") + seen);
        }
        QVERIFY2(strangers.isEmpty(), qPrintable(strangers.join(QStringLiteral("\n"))));
    }

    // In German no text of any window is still its English source, unless
    // the translation says that German writes it the same way.
    void german_noTextIsLeftEnglish_data() { windows(); }
    void german_noTextIsLeftEnglish()
    {
        QFETCH(QString, window);
        std::map<QString, QString> english;
        {
            ServicesRig rig;
            const std::unique_ptr<QWidget> shown = makeWindow(window, rig.services);
            QVERIFY(shown);
            for (const auto &[where, text] : shownTexts(shown.get()))
                english[where.section(QLatin1Char('#'), 0, 0)] = text;
        }
        QVERIFY(installTranslations(QLocale(QStringLiteral("de_DE")), {builtTranslations()}));
        ServicesRig rig;
        const std::unique_ptr<QWidget> shown = makeWindow(window, rig.services);
        QVERIFY(shown);
        QStringList leftEnglish;
        for (const auto &[where, text] : shownTexts(shown.get())) {
            const QString seen = comparable(text);
            const auto before = english.find(where.section(QLatin1Char('#'), 0, 0));
            if (before == english.end() || comparable(before->second) != seen || !hasWords(seen) || isData(seen) ||
                sameInGerman_.contains(seen))
                continue;
            leftEnglish.append(where.section(QLatin1Char('#'), 0, 0) + QStringLiteral(": ") + seen);
        }
        QVERIFY2(leftEnglish.isEmpty(), qPrintable(leftEnglish.join(QStringLiteral("\n"))));
    }

    // The settings tab offers the desktop's language, English and German;
    // the choice is in the settings for the next start, which then shows it.
    void languageChoice_isKeptForTheNextStart()
    {
        ServicesRig rig;
        SettingsPage page(new QWidget);
        offerInterfaceLanguages(page, rig.settings, {builtTranslations()});
        auto *box = page.findChild<QComboBox *>(QStringLiteral("cboLanguage"));
        QVERIFY(box);
        QStringList offered;
        for (int i = 0; i < box->count(); ++i)
            offered.append(box->itemText(i));
        QCOMPARE(offered,
                 (QStringList{QStringLiteral("System"), QStringLiteral("English"), QStringLiteral("Deutsch")}));
        QCOMPARE(box->currentIndex(), 0);

        box->setCurrentIndex(2);
        emit box->activated(2);
        QCOMPARE(rig.settings.value(languageSettingKey()), QStringLiteral("de"));
        QVERIFY(installTranslations(velmora::interfaceLocale(rig.settings.value(languageSettingKey()), QLocale::c()),
                                    {builtTranslations()}));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));

        SettingsPage again(new QWidget);
        offerInterfaceLanguages(again, rig.settings, {builtTranslations()});
        auto *shown = again.findChild<QComboBox *>(QStringLiteral("cboLanguage"));
        QCOMPARE(shown->currentIndex(), 2);
        emit shown->activated(0);
        QCOMPARE(rig.settings.value(languageSettingKey()), QStringLiteral("System"));
        emit shown->activated(1);
        QVERIFY(!installTranslations(
            velmora::interfaceLocale(rig.settings.value(languageSettingKey()), QLocale(QStringLiteral("de_DE"))),
            {builtTranslations()}));
    }

    // German changes none of the files: the goals file's lines, and the
    // report's numbers, marks and dates, are as in English.
    void german_leavesFileFormatsAlone()
    {
        const goals::GoalRecord goal{QStringLiteral("Learn the Cups"),
                                     QDate(2026, 12, 7),
                                     QDate(2027, 1, 31),
                                     QStringLiteral("all fourteen"),
                                     true,
                                     45};
        ReportInput input{QStringLiteral("Velmora"),
                          TestType::Keywords,
                          {{QStringLiteral("The Star"), true, 3}, {QStringLiteral("The Moon"), false, 7}},
                          10,
                          7,
                          2};
        const QString englishGoal = goals::goalLine(goal);
        const TestReport englishReport = buildTestReport(input);
        input.type = TestType::Description;
        const TestReport englishDescription = buildTestReport(input);
        input.type = TestType::Keywords;

        QVERIFY(installTranslations(QLocale(QStringLiteral("de_DE")), {builtTranslations()}));
        QCOMPARE(goals::goalLine(goal), englishGoal);
        const TestReport germanReport = buildTestReport(input);
        input.type = TestType::Description;
        const TestReport germanDescription = buildTestReport(input);
        QVERIFY(germanReport.text != englishReport.text);
        static const QRegularExpression figures(QStringLiteral("\\d[\\d.,:/%]*"));
        const auto figuresOf = [](const QString &text) {
            QStringList found;
            for (const QRegularExpressionMatch &match : figures.globalMatch(text))
                found.append(match.captured());
            return found;
        };
        QCOMPARE(figuresOf(germanReport.text), figuresOf(englishReport.text));
        QCOMPARE(figuresOf(germanDescription.text), figuresOf(englishDescription.text));
        QCOMPARE(germanReport.text.count(QLatin1Char('\n')), englishReport.text.count(QLatin1Char('\n')));
    }

private:
    static void windows()
    {
        QTest::addColumn<QString>("window");
        for (const QString &window : walkedWindows())
            QTest::newRow(qPrintable(window)) << window;
    }

    [[nodiscard]] bool isSource(const QString &text) const
    {
        if (sources_.contains(text))
            return true;
        return std::any_of(patterns_.cbegin(), patterns_.cend(),
                           [&text](const QRegularExpression &pattern) { return pattern.match(text).hasMatch(); });
    }

    DeckHome home_;
    QList<Message> messages_;
    QSet<QString> sources_;
    QSet<QString> sameInGerman_;
    QList<QRegularExpression> patterns_;
};

QTEST_MAIN(TstTranslation)
#include "tst_translation.moc"
