#include "learn/ownmeaningkeeper.h"

#include "app/prompter.h"
#include "app/services.h"
#include "learn/memorizepage.h"
#include "store/historydb.h"

#include <QFileInfo>

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
    });
}

bool OwnMeaningKeeper::asksOwn() const
{
    return services_.settings.value(QString::fromLatin1(kAskOwnKey)) == QLatin1String("True");
}

progress::PersonalMeaningMap OwnMeaningKeeper::meaningsOf(const QString &deckName)
{
    if (deckName != deckName_ || (!readable_ && !reading_)) {
        (void)flush();
        loadDeck(deckName);
    }
    if (reading_) {
        takeRead(reading_->take());
        reading_.reset();
    }
    return meanings_;
}

void OwnMeaningKeeper::loadDeck(const QString &deckName)
{
    deckName_ = deckName;
    store_.close();
    std::erase_if(abandoned_, [](const auto &job) { return job->wait(QDeadlineTimer(0)); });
    if (reading_)
        abandoned_.push_back(std::move(reading_));
    const auto read = [path = path_, deckName] {
        Read read;
        read.meanings = progress::readPersonalMeanings(path, deckName, &read.why);
        return read;
    };
    if (QFileInfo(path_).size() >= readAsideFrom_ && store::HistoryDb::checkDue(path_)) {
        readable_ = false;
        meanings_.clear();
        page_.setOwnMeaningStatus(QString());
        reading_ = std::make_unique<BackgroundJob<Read>>(read, this, [this] { deckRead(); });
        return;
    }
    takeRead(read());
}

void OwnMeaningKeeper::deckRead()
{
    // The end of a read no longer wanted arrives here too.
    if (!reading_ || !reading_->wait(QDeadlineTimer(0)))
        return;
    takeRead(reading_->take());
    reading_.reset();
    if (!cardName_.isEmpty())
        showOwn();
}

void OwnMeaningKeeper::takeRead(Read read)
{
    readable_ = read.meanings.has_value();
    meanings_ = read.meanings.value_or(progress::PersonalMeaningMap());
    page_.setOwnMeaningStatus(readable_ ? QString()
                                        : tr("Your own meanings cannot be read, so they are left as they "
                                             "are and nothing is written over them. %1")
                                              .arg(read.why));
}

void OwnMeaningKeeper::showCard(const QString &deckName, const QString &cardName)
{
    if (unsaved_ && !flush())
        services_.prompter.tell(tr("Your own meaning of %1 could not be saved. %2").arg(cardName_, error_),
                                PromptIcon::Warning, page_.window());
    unsaved_ = false;
    if (deckName != deckName_ || (!readable_ && !reading_))
        loadDeck(deckName);
    cardName_ = cardName;
    showOwn();
}

void OwnMeaningKeeper::showOwn()
{
    // While the deck's are read, the box is empty and closed to typing.
    const progress::PersonalMeaning own = meanings_.value(cardName_);
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
