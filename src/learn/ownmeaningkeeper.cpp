#include "learn/ownmeaningkeeper.h"

#include "app/prompter.h"
#include "app/services.h"
#include "learn/memorizepage.h"

namespace velmora {

namespace {

constexpr int kSaveDelayMs = 700;
constexpr char kAskOwnKey[] = "AskOwnMeanings";

} // namespace

OwnMeaningKeeper::OwnMeaningKeeper(Services &services, MemorizePage &page, QString historyPath, QObject *parent)
    : QObject(parent), services_(services), page_(page), path_(std::move(historyPath))
{
    timer_.setSingleShot(true);
    timer_.setInterval(kSaveDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] { (void)flush(); });
    connect(&page_, &MemorizePage::ownMeaningEdited, this, &OwnMeaningKeeper::edited);
    page_.setAskOwnMeanings(asksOwn());
    connect(&page_, &MemorizePage::askOwnMeaningsToggled, this, [this](bool ask) {
        if (ask)
            services_.settings.setValue(QString::fromLatin1(kAskOwnKey), QStringLiteral("True"));
        else
            services_.settings.remove(QString::fromLatin1(kAskOwnKey));
        services_.settings.sync();
    });
}

bool OwnMeaningKeeper::asksOwn() const
{
    return services_.settings.value(QString::fromLatin1(kAskOwnKey)) == QLatin1String("True");
}

progress::PersonalMeaningMap OwnMeaningKeeper::meaningsOf(const QString &deckName)
{
    if (deckName != deckName_ || !readable_) {
        (void)flush();
        loadDeck(deckName);
    }
    return meanings_;
}

void OwnMeaningKeeper::loadDeck(const QString &deckName)
{
    deckName_ = deckName;
    store_.close();
    QString why;
    std::optional<progress::PersonalMeaningMap> read = progress::readPersonalMeanings(path_, deckName, &why);
    readable_ = read.has_value();
    meanings_ = read.value_or(progress::PersonalMeaningMap());
    page_.setOwnMeaningStatus(readable_ ? QString()
                                        : tr("Your own meanings cannot be read, so they are left as they "
                                             "are and nothing is written over them. %1")
                                              .arg(why));
}

void OwnMeaningKeeper::showCard(const QString &deckName, const QString &cardName)
{
    if (unsaved_ && !flush())
        services_.prompter.tell(tr("Your own meaning of %1 could not be saved. %2").arg(cardName_, error_),
                                PromptIcon::Warning, page_.window());
    unsaved_ = false;
    if (deckName != deckName_ || !readable_)
        loadDeck(deckName);
    cardName_ = cardName;
    const progress::PersonalMeaning own = meanings_.value(cardName);
    page_.showOwnMeaning(own.upright, own.reversed);
    page_.setOwnMeaningEditable(readable_);
}

void OwnMeaningKeeper::clear()
{
    if (unsaved_)
        (void)flush();
    cardName_.clear();
}

void OwnMeaningKeeper::edited()
{
    if (!readable_ || cardName_.isEmpty())
        return;
    unsaved_ = true;
    timer_.start();
}

bool OwnMeaningKeeper::flush()
{
    timer_.stop();
    if (!unsaved_)
        return true;
    const progress::PersonalMeaning own{page_.ownUpright().trimmed(), page_.ownReversed().trimmed()};
    if ((store_.isOpen() || store_.open(path_)) && store_.save(deckName_, cardName_, own, services_.clock.now())) {
        unsaved_ = false;
        error_.clear();
        if (own.isEmpty())
            meanings_.remove(cardName_);
        else
            meanings_.insert(cardName_, own);
        page_.setOwnMeaningStatus(tr("Your own meanings are saved."));
        return true;
    }
    error_ = store_.errorText();
    store_.close();
    page_.setOwnMeaningStatus(tr("Your own meaning could not be saved: %1").arg(error_));
    return false;
}

bool OwnMeaningKeeper::finishOrAsk(QWidget *window)
{
    if (flush())
        return true;
    const PromptAnswer answer = services_.prompter.ask(
        Prompt{tr("Your own meaning of %1 could not be saved. %2\n\nClose without saving it?").arg(cardName_, error_),
               PromptIcon::Question, PromptButtons::YesNo, QString::fromLatin1(kAppTitle), PromptAnswer::No},
        window);
    if (answer != PromptAnswer::Yes)
        return false;
    unsaved_ = false;
    return true;
}

} // namespace velmora
