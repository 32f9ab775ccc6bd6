#include "review/reviewsettings.h"

#include "review/fsrsoptimizer.h"

#include "app/services.h"

namespace velmora::review {

namespace {

int readNumber(const SettingsStore &store, const char *key, int lowest, int highest, int fallback)
{
    bool ok = false;
    const int value = store.value(QString::fromLatin1(key)).trimmed().toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : fallback;
}

} // namespace

ReviewSettings readReviewSettings(const SettingsStore &store)
{
    const ReviewSettings defaults;
    ReviewSettings settings;
    settings.limits.newFacets =
        readNumber(store, settingskeys::kNewFacetsPerDay, 0, kMaxNewFacetsPerDay, defaults.limits.newFacets);
    settings.limits.reviews =
        readNumber(store, settingskeys::kReviewsPerDay, 0, kMaxReviewsPerDay, defaults.limits.reviews);
    settings.retentionPercent = readNumber(store, settingskeys::kRetention, kMinRetentionPercent, kMaxRetentionPercent,
                                           defaults.retentionPercent);
    settings.limits.backlog = readNumber(store, settingskeys::kBacklog, 0, kMaxBacklog, defaults.limits.backlog);
    settings.dayStartHour = readNumber(store, settingskeys::kDayStartHour, 0, 23, defaults.dayStartHour);
    settings.testFeed = TestFeed(readNumber(store, settingskeys::kTestFeed, int(TestFeed::Never), int(TestFeed::Always),
                                            int(defaults.testFeed)));
    settings.holdSiblings = readNumber(store, settingskeys::kHoldSiblings, 0, 1, defaults.holdSiblings ? 1 : 0) != 0;
    const QString weights = store.value(QString::fromLatin1(settingskeys::kWeights)).left(1000);
    settings.weights = parseWeights(weights).value_or(defaults.weights);
    return settings;
}

void writeReviewSettings(SettingsStore &store, const ReviewSettings &settings)
{
    store.setValue(QString::fromLatin1(settingskeys::kNewFacetsPerDay), QString::number(settings.limits.newFacets));
    store.setValue(QString::fromLatin1(settingskeys::kReviewsPerDay), QString::number(settings.limits.reviews));
    store.setValue(QString::fromLatin1(settingskeys::kRetention), QString::number(settings.retentionPercent));
    store.setValue(QString::fromLatin1(settingskeys::kBacklog), QString::number(settings.limits.backlog));
    store.setValue(QString::fromLatin1(settingskeys::kDayStartHour), QString::number(settings.dayStartHour));
    store.setValue(QString::fromLatin1(settingskeys::kTestFeed), QString::number(int(settings.testFeed)));
    store.setValue(QString::fromLatin1(settingskeys::kHoldSiblings), QString::number(settings.holdSiblings ? 1 : 0));
    writeReviewWeights(store, settings.weights);
}

void writeReviewWeights(SettingsStore &store, const std::array<double, 21> &weights)
{
    const bool own = weights != FsrsSettings::kDefaultWeights;
    store.setValue(QString::fromLatin1(settingskeys::kWeights), own ? weightsText(weights, 6) : QString());
}

} // namespace velmora::review
