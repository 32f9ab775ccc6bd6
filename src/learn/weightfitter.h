#pragma once

// Fits the memory model's weights to the learner's own grades when the
// settings tab's Optimize is pressed: the history is read and the weights
// fitted off the screen thread, the share done shown on the tab once it takes
// longer than a moment, and the outcome told. Weights that predict the
// learner better are kept in the settings at once; Reset goes back to the
// defaults.

#include "review/fsrsoptimizer.h"

#include "store/backgroundjob.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>

class QWidget;

namespace velmora {

struct Services;
class SettingsPage;

class WeightFitter : public QObject
{
    Q_OBJECT

public:
    WeightFitter(Services &services, SettingsPage &page, QString historyPath, QWidget *window);
    // Stops a fit in flight and waits for its thread.
    ~WeightFitter() override;
    WeightFitter(const WeightFitter &) = delete;
    WeightFitter &operator=(const WeightFitter &) = delete;

    [[nodiscard]] bool fitting() const { return job_ != nullptr; }

    // What the fit found, in the words the learner is told.
    [[nodiscard]] static QString outcomeText(const review::OwnWeights &own);

private:
    struct Fit
    {
        QString error; // the history could not be read
        review::OwnWeights own;
    };

    void start();
    void poll();
    void finish();
    void reset();

    Services &services_;
    SettingsPage &page_;
    QString historyPath_;
    QWidget *window_;
    QTimer poll_;
    QElapsedTimer started_;
    std::atomic<bool> stop_{false};
    std::atomic<int> percent_{0};
    std::unique_ptr<BackgroundJob<Fit>> job_; // last: joined before what it uses goes
};

} // namespace velmora
