#pragma once

// Fits the memory model's 21 weights to one learner's grades, by the method
// the model was published with: the binary log loss of its recall predictions
// over the history, minimised by Adam over mini-batches, the weights clamped
// to the published bounds after every step. Widget-free and thread-free: the
// caller runs it off the screen thread.

#include "review/fsrs.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace velmora::review {

inline constexpr int kWeightCount = 21;
using Weights = std::array<double, kWeightCount>;

// One grade of a facet, in learning days since the facet's previous grade (0
// for its first and for one on the same learning day).
struct TrainingReview
{
    Grade grade = Grade::Good;
    int elapsedDays = 0;
};
// A facet's grades from its first on, in order.
using FacetHistory = std::vector<TrainingReview>;

// A grade as the review log holds it; `facet` tells facets apart, however the
// caller numbers them.
struct LoggedGrade
{
    int facet = 0;
    qint64 reviewedMs = 0;
    Grade grade = Grade::Good;
    bool fromNew = false; // the grade that began the facet's state
};

// The facets' histories, days counted as the scheduler counts them. A history
// starts at a grade from new: the grades of a facet before one are of a state
// the log no longer holds the start of. Histories with nothing to predict are
// left out.
[[nodiscard]] std::vector<FacetHistory> facetHistories(std::vector<LoggedGrade> grades, const LearningDays &days);

// The published bounds; w17 and w18 are bounded for one relearning step.
[[nodiscard]] Weights clampWeights(const Weights &weights);
[[nodiscard]] bool withinBounds(const Weights &weights);
// "0.2120, 1.2931, ..." and back; nothing unless all 21 are there and within bounds.
[[nodiscard]] QString weightsText(const Weights &weights, int decimals = 4);
[[nodiscard]] std::optional<Weights> parseWeights(const QString &text);

struct LossSum
{
    double loss = 0.0; // summed over the predictions
    int predictions = 0;

    [[nodiscard]] double mean() const { return predictions > 0 ? loss / predictions : 0.0; }
};

// Each grade after a facet's first that comes on a later learning day is a
// prediction: recall (any grade but Again) from the state before it and the
// days elapsed. Same-day grades move the state but predict nothing, as the
// model's short-term part is not a forgetting curve.
[[nodiscard]] LossSum logLoss(const std::vector<FacetHistory> &histories, const Weights &weights);

struct FitOptions
{
    int epochs = 5;
    // A short history is gone through more often, so that it gets as many
    // steps as the descent needs to settle.
    int minSteps = 200;
    int batchPredictions = 512; // facets are gathered until a batch holds this many
    double learningRate = 0.04; // annealed to nothing along a cosine
    // The batches' order: the same history gives the same weights.
    std::uint64_t seed = 2026;
};

// Called after each step with the steps done and all to do; stops the fit
// when it returns false.
using FitProgress = std::function<bool(int done, int total)>;

// Weights fitted from `start`; nothing when stopped.
[[nodiscard]] std::optional<Weights> fitWeights(const std::vector<FacetHistory> &histories, const Weights &start,
                                                const FitOptions &options = {}, const FitProgress &progress = {});

// Below this many predictions a fit learns the noise of a few facets.
inline constexpr int kMinPredictions = 400;

struct OwnWeights
{
    enum class Verdict { Fitted, DefaultsKept, TooFewReviews, Stopped };
    Verdict verdict = Verdict::TooFewReviews;
    Weights weights = FsrsSettings::kDefaultWeights; // the fitted ones, also when the defaults stay
    int predictions = 0;                             // in the whole history
    double heldOutLoss = 0.0;                        // mean, of the fitted weights
    double heldOutDefaultLoss = 0.0;                 // mean, of the defaults
};

// Whether the history at this place judges a fit rather than makes it: one
// facet in five, picked by a fixed hash of the place, so that no pattern in the
// order of cards or facets decides.
[[nodiscard]] bool judgesTheFit(size_t index);

// Fits on four facets in five and judges on the fifth, so that a fit that
// merely remembers its own facets does not win. Kept only when the held-out
// facets are predicted better than by the defaults.
[[nodiscard]] OwnWeights fitOwnWeights(const std::vector<FacetHistory> &histories, const FitOptions &options = {},
                                       const FitProgress &progress = {});

} // namespace velmora::review
