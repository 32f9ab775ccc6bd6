#include "reviewscreens.h"

#include "review/frmreview.h"

#include "store/deck.h"
#include "store/paths.h"

#include <QPushButton>
#include <QTemporaryDir>

namespace velmora {

QStringList reviewShowcaseNames()
{
    return {QStringLiteral("review"), QStringLiteral("review-answer"), QStringLiteral("review-summary")};
}

QWidget *openReviewShowcase(Services &services, const QString &name)
{
    static QTemporaryDir folder;
    Deck deck;
    std::optional<QVector<Card>> cards = deck.open(paths::defaultDeck()) ? deck.cards() : std::nullopt;
    if (!folder.isValid() || !cards)
        return nullptr;
    // The reversed meaning of a card shows its picture turned.
    review::ReviewSettings settings;
    settings.limits.newFacets = 12;
    auto *window = new review::FrmReview(
        services, review::ReviewRequest{deck.path(), QStringLiteral("Classic Tarot"), cards->mid(2, 4), true, settings,
                                        folder.filePath(QStringLiteral("history.db"))});
    if (!window->start())
        return nullptr;
    window->show();
    const auto press = [window](const char *button) {
        if (auto *found = window->findChild<QPushButton *>(QLatin1String(button)); found && found->isVisible())
            found->click();
    };
    if (name == QLatin1String("review-answer")) {
        press("cmdShowAnswer");
    } else if (name == QLatin1String("review-summary")) {
        for (int grade = 0; grade < 40 && !window->session()->finished(); ++grade) {
            press("cmdShowAnswer");
            press(grade % 5 == 1 ? "cmdGradeAgain" : "cmdGradeEasy");
        }
    }
    return window;
}

} // namespace velmora
