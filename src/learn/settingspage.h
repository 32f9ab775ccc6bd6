#pragma once

// The settings tab: the deck list, the card groups, the test type and level,
// the start-up options and the vendor links. It shows what the window gives
// it and signals what the user asked; the window holds the practice.

#include "review/reviewsettings.h"

#include "app/vendorlinks.h"
#include "learn/cardselection.h"
#include "learn/testsettings.h"

#include <QList>
#include <QPair>
#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;

namespace velmora {

class LinkLabel;

class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    // The run-at-start-up frame is made and driven by the window.
    explicit SettingsPage(QWidget *startupFrame, QWidget *parent = nullptr);

    // The list starts with no entry chosen.
    void setDeckNames(const QStringList &names);
    [[nodiscard]] QStringList deckNames() const;
    // -1 when no deck is chosen.
    [[nodiscard]] int chosenDeck() const;
    [[nodiscard]] QString chosenDeckName() const;
    void chooseDeck(int position);

    // Each change runs the reactions a click would.
    void setTestSettings(const TestSettings &settings);
    [[nodiscard]] TestSettings testSettings() const;
    [[nodiscard]] GroupChoice groupChoice() const;
    [[nodiscard]] bool anyGroup() const;
    [[nodiscard]] TestType testType() const;
    [[nodiscard]] int difficulty() const;
    [[nodiscard]] bool reversedAllowed() const;

    // Runs no reaction.
    void setReviewSettings(const review::ReviewSettings &settings);
    [[nodiscard]] review::ReviewSettings reviewSettings() const;
    // While the weights are being fitted: the share done so far (0..100) in
    // place of the weights, and neither button available.
    void showFitting(int percent);
    void endFitting();
    // The number of facets due now; none leaves the button unavailable.
    void setDueCount(int count);
    // The interface languages offered, as (code, name) after "System" (the
    // empty code); chosen is the code in the settings.
    void setLanguages(const QList<QPair<QString, QString>> &languages, const QString &chosen);

signals:
    void deckActivated();
    void memorizeRequested();
    void testRequested();
    void reviewRequested();
    // A daily cap or the desired retention was changed.
    void reviewSettingsChanged();
    void saveDefaultsRequested();
    void optimizeRequested();
    void resetWeightsRequested();
    // Major or Minor Arcana was ticked or unticked.
    void groupsChanged();
    void reversedChanged();
    void vendorPageRequested(velmora::VendorPage page);
    // A language code, or empty for the desktop's language.
    void languageChosen(const QString &code);

private:
    void buildTutorChoice(QVBoxLayout *column);
    void buildGroups(QVBoxLayout *column);
    void buildTestOptions(QVBoxLayout *column, QWidget *startupFrame);
    void buildReviewOptions(QVBoxLayout *column);
    void connectReactions();
    void keepOneSuitTicked(int index);
    void showWeights();

    QComboBox *cboTutors = nullptr;
    QPushButton *cmdSetOption = nullptr;
    QPushButton *cmdStartTest2 = nullptr;
    QPushButton *cmdReview = nullptr;
    QSpinBox *spnNewPerDay = nullptr;
    QSpinBox *spnReviewsPerDay = nullptr;
    QSpinBox *spnRetention = nullptr;
    QSpinBox *spnBacklog = nullptr;
    QSpinBox *spnDayStart = nullptr;
    QComboBox *cboTestFeed = nullptr;
    QComboBox *cboLanguage = nullptr;
    QCheckBox *chkHoldSiblings = nullptr;
    QLineEdit *txtWeights = nullptr;
    QPushButton *cmdOptimize = nullptr;
    QPushButton *cmdResetWeights = nullptr;
    // Shown, not edited: fitted or reset by the buttons.
    std::array<double, 21> weights_ = review::FsrsSettings::kDefaultWeights;
    QCheckBox *chkMajor = nullptr;
    QCheckBox *chkMinor = nullptr;
    std::array<QCheckBox *, kSuitCount> chkGroup{};
    QCheckBox *chkReversed = nullptr;
    std::array<QRadioButton *, kTestTypeCount> optTestType{};
    std::array<QRadioButton *, kDifficultyCount> optDifficulty{};
    QPushButton *cmdSaveSettings = nullptr;
    LinkLabel *Label6 = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
};

} // namespace velmora
