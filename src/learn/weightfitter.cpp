#include "learn/weightfitter.h"

#include "review/reviewlog.h"
#include "review/reviewsettings.h"

#include "app/prompter.h"
#include "app/services.h"
#include "learn/settingspage.h"
#include "store/historydb.h"

#include <QFileInfo>

namespace velmora {

namespace {

// Below this a fit is over before the learner would notice a wait.
constexpr int kShowProgressAfterMs = 200;
constexpr int kPollMs = 50;

} // namespace

WeightFitter::WeightFitter(Services &services, SettingsPage &page, QString historyPath, QWidget *window)
    : QObject(window), services_(services), page_(page), historyPath_(std::move(historyPath)), window_(window)
{
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &WeightFitter::poll);
    connect(&page_, &SettingsPage::optimizeRequested, this, &WeightFitter::start);
    connect(&page_, &SettingsPage::resetWeightsRequested, this, &WeightFitter::reset);
}

WeightFitter::~WeightFitter()
{
    stop_ = true;
    job_.reset();
}

void WeightFitter::start()
{
    if (job_)
        return;
    stop_ = false;
    percent_ = 0;
    // Days as the scheduler counts them now, also if the start hour was
    // changed and not yet saved.
    const review::LearningDays days = page_.reviewSettings().fsrs().days;
    job_ = std::make_unique<BackgroundJob<Fit>>([path = historyPath_, days, stop = &stop_, percent = &percent_] {
        Fit fit;
        if (!QFileInfo::exists(path))
            return fit; // no grade yet: too few
        store::HistoryDb history;
        if (!history.open(path)) {
            fit.error = history.errorText();
            return fit;
        }
        const std::optional<std::vector<review::LoggedGrade>> grades = review::ReviewLog(history).loggedGrades();
        if (!grades) {
            fit.error = history.errorText();
            return fit;
        }
        fit.own = review::fitOwnWeights(review::facetHistories(*grades, days), {}, [&](int done, int total) {
            *percent = total > 0 ? done * 100 / total : 100;
            return !*stop;
        });
        return fit;
    });
    started_.start();
    poll_.start();
}

void WeightFitter::poll()
{
    if (!job_)
        return;
    if (job_->wait(QDeadlineTimer(0))) {
        finish();
        return;
    }
    if (started_.elapsed() >= kShowProgressAfterMs)
        page_.showFitting(percent_);
}

void WeightFitter::finish()
{
    poll_.stop();
    const Fit fit = job_->take();
    job_.reset();
    page_.endFitting();
    if (!fit.error.isEmpty()) {
        services_.prompter.tell(tr("The weights could not be fitted. %1").arg(fit.error), PromptIcon::Warning, window_);
        return;
    }
    // Weights that do not beat the defaults on the reviews kept aside give
    // way to them, also over weights fitted before.
    using Verdict = review::OwnWeights::Verdict;
    if (fit.own.verdict == Verdict::Fitted || fit.own.verdict == Verdict::DefaultsKept) {
        review::ReviewSettings settings = page_.reviewSettings();
        settings.weights = fit.own.verdict == Verdict::Fitted ? fit.own.weights : review::FsrsSettings::kDefaultWeights;
        page_.setReviewSettings(settings);
        review::writeReviewWeights(services_.settings, settings.weights);
        emit page_.reviewSettingsChanged();
    }
    services_.prompter.tell(outcomeText(fit.own), PromptIcon::Information, window_);
}

void WeightFitter::reset()
{
    if (job_)
        return;
    review::ReviewSettings settings = page_.reviewSettings();
    settings.weights = review::FsrsSettings::kDefaultWeights;
    page_.setReviewSettings(settings);
    review::writeReviewWeights(services_.settings, settings.weights);
    emit page_.reviewSettingsChanged();
}

QString WeightFitter::outcomeText(const review::OwnWeights &own)
{
    using Verdict = review::OwnWeights::Verdict;
    const QString losses = tr("Log loss on the reviews kept aside: %1 with the fitted weights, %2 with the defaults.")
                               .arg(own.heldOutLoss, 0, 'f', 4)
                               .arg(own.heldOutDefaultLoss, 0, 'f', 4);
    switch (own.verdict) {
    case Verdict::Fitted:
        return tr("The weights now follow your own reviews (%n reviews).", nullptr, own.predictions) +
               QLatin1Char('\n') + losses + QLatin1Char('\n') + review::weightsText(own.weights);
    case Verdict::DefaultsKept:
        return tr("The weights fitted to your reviews predict them no better than the defaults: the defaults stay.") +
               QLatin1Char('\n') + losses;
    case Verdict::TooFewReviews:
        return tr("Too few reviews to fit the weights to: %1 of the %2 needed.")
            .arg(own.predictions)
            .arg(review::kMinPredictions);
    case Verdict::Stopped:
        break;
    }
    return tr("The fitting was stopped; the weights stay as they were.");
}

} // namespace velmora
