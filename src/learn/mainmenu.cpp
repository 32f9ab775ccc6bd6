#include "learn/mainmenu.h"

#include "readings/cardofday.h"

#include "app/helpmenu.h"
#include "app/prompter.h"
#include "app/safesave.h"
#include "app/services.h"
#include "learn/studycards.h"
#include "store/pictures.h"
#include "store/practice.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>

namespace velmora {

MainMenu buildMainMenu(QMainWindow &window, Services &services)
{
    QMenu *mnuFile = window.menuBar()->addMenu(QCoreApplication::translate("velmora::FrmMain", "&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const auto action = [mnuFile](const QString &text, const QString &name) {
        QAction *item = mnuFile->addAction(text);
        item->setObjectName(name);
        return item;
    };
    MainMenu menu;
    menu.mnuTabGoals =
        action(QCoreApplication::translate("velmora::FrmMain", "&My Personal Goals"), QStringLiteral("mnuTabGoals"));
    menu.mnuTabSettings =
        action(QCoreApplication::translate("velmora::FrmMain", "Setings"), QStringLiteral("mnuTabSettings"));
    menu.mnuProgress =
        action(QCoreApplication::translate("velmora::FrmMain", "&Progress..."), QStringLiteral("mnuProgress"));
    menu.mnuReadings =
        action(QCoreApplication::translate("velmora::FrmMain", "&Readings..."), QStringLiteral("mnuReadings"));
    menu.mnuJournal =
        action(QCoreApplication::translate("velmora::FrmMain", "Readings &Journal..."), QStringLiteral("mnuJournal"));
    menu.mnuStudyCards = action(QCoreApplication::translate("velmora::FrmMain", "Print &Study Cards..."),
                                QStringLiteral("mnuStudyCards"));
    menu.mnuDayCard = action(QCoreApplication::translate("velmora::FrmMain", "Card of the &Day at Start"),
                             QStringLiteral("mnuDayCard"));
    menu.mnuDayCard->setCheckable(true);
    menu.mnuDayCard->setChecked(readings::cardOfTheDayEnabled(services));
    menu.mnuBack = action(QCoreApplication::translate("velmora::FrmMain", "&Back"), QStringLiteral("mnuBack"));
    mnuFile->addSeparator();
    menu.mnuExit1 = action(QCoreApplication::translate("velmora::FrmMain", "&Exit"), QStringLiteral("mnuExit1"));
    menu.mnuExit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    addHelpMenu(window.menuBar(), services, &window);
    return menu;
}

bool printStudyCards(Services &services, Practice &practice, QWidget *parent)
{
    FileDialogRequest request;
    request.title = QCoreApplication::translate("velmora::FrmMain", "Print Study Cards");
    request.filter = QCoreApplication::translate("velmora::FrmMain", "PDF file (*.pdf)");
    request.startName = QStringLiteral("study cards.pdf");
    QString path = services.prompter.saveFileName(request, parent);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo::exists(path))
        path += QStringLiteral(".pdf");
    QVector<StudyCard> cards;
    for (const Card &card : std::as_const(practice.cards)) {
        QStringList keywords = practice.deck.keywords(card.id).value_or(QStringList());
        keywords.removeAll(QString());
        cards.append(StudyCard{card.name, keywords.join(QStringLiteral(", ")), card.normalMeaning, card.reversedMeaning,
                               decodePicture(practice.deck.picture(card.id), QSize(750, 1050))});
    }
    QString why;
    if (saveFileAtomically(path, studyCardsPdf(cards, localStudyPaper(), practice.deckName), &why))
        return true;
    services.prompter.tell(
        QCoreApplication::translate("velmora::FrmMain", "The study cards could not be written to %1\n%2")
            .arg(QDir::toNativeSeparators(path), why),
        PromptIcon::Critical, parent);
    return false;
}

} // namespace velmora
