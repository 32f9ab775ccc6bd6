#include "learn/settingspage.h"

#include "review/fsrsoptimizer.h"

#include "app/accessibility.h"
#include "app/linklabel.h"
#include "app/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

namespace {

// Chooses an option from the program; its reaction runs also when the option
// was already the chosen one.
void chooseOption(QRadioButton *option)
{
    if (option->isChecked())
        emit option->toggled(true);
    else
        option->setChecked(true);
}

} // namespace

SettingsPage::SettingsPage(QWidget *startupFrame, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabSettings"));
    auto *columns = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    buildTutorChoice(left);
    buildGroups(left);
    buildTestOptions(right, startupFrame);

    // The state the window is designed with; setTestSettings changes it.
    chkMajor->setChecked(true);
    chkMinor->setChecked(true);
    for (QCheckBox *box : chkGroup)
        box->setChecked(true);
    chkReversed->setChecked(true);
    chkReversed->setEnabled(false);
    optTestType[int(TestType::Keywords)]->setChecked(true);
    optDifficulty[0]->setChecked(true);
    setReviewSettings({});
    connectReactions();
}

void SettingsPage::buildTutorChoice(QVBoxLayout *column)
{
    auto *fraSelectTutor = named(new QGroupBox(tr("Select Tarot Tutor")), QStringLiteral("fraSelectTutor"));
    auto *tutorLayout = new QVBoxLayout(fraSelectTutor);
    cboTutors = named(new ChoiceList, QStringLiteral("cboTutors"));
    // A long deck name is cut short in the box instead of widening the window.
    cboTutors->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboTutors->setMinimumContentsLength(16);
    cboTutors->setAccessibleName(fraSelectTutor->title());
    tutorLayout->addWidget(cboTutors);
    auto *tutorButtons = new QHBoxLayout;
    cmdSetOption = makeButton(nullptr, "cmdSetOption", tr("&Memorize Meaning / Keywords"));
    cmdStartTest2 = makeButton(nullptr, "cmdStartTest2", tr("Test M&e"));
    tutorButtons->addWidget(cmdSetOption);
    tutorButtons->addWidget(cmdStartTest2);
    tutorLayout->addLayout(tutorButtons);
    // A row of its own: beside the other two its count would be cut short.
    cmdReview = makeButton(nullptr, "cmdReview", QString());
    setDueCount(0);
    tutorLayout->addWidget(cmdReview);
    column->addWidget(fraSelectTutor);

    column->addWidget(wrappingLabel(QStringLiteral("Label18"),
                                    tr("Here you can select the cards you want to practice / memorize. You "
                                       "can change these whenever you want or when you have cleared one "
                                       "objective.")));
}

void SettingsPage::buildGroups(QVBoxLayout *column)
{
    auto *frame4 = named(new QGroupBox(tr("Select Objectives")), QStringLiteral("Frame4"));
    auto *groups = new QGridLayout(frame4);
    chkMajor = named(new QCheckBox(tr("Ma&jor Arcana")), QStringLiteral("chkMajor"));
    chkMinor = named(new QCheckBox(tr("Mi&nor Arcana")), QStringLiteral("chkMinor"));
    groups->addWidget(chkMajor, 0, 0, 1, 2);
    groups->addWidget(chkMinor, 1, 0, 1, 2);
    const std::array<QString, kSuitCount> suits{tr("&Cups"), tr("&Wands"), tr("&Pentacles"), tr("&Swords")};
    for (int i = 0; i < kSuitCount; ++i) {
        chkGroup[i] = named(new QCheckBox(suits[i]), QStringLiteral("chkGroup%1").arg(i));
        groups->addWidget(chkGroup[i], 2 + i, 1);
    }
    groups->setColumnMinimumWidth(0, 20);
    groups->setColumnStretch(1, 1);
    chkReversed = named(new QCheckBox(tr("&Reversed")), QStringLiteral("chkReversed"));
    groups->addWidget(chkReversed, 6, 0, 1, 2);
    column->addWidget(frame4);

    column->addWidget(
        wrappingLabel(QStringLiteral("Label21"),
                      tr("A card's keywords are the same whether it falls upright or reversed. The keyword test "
                         "therefore never turns a card, and the memorize tab shows the upright picture, the reversed "
                         "picture and the keywords together on one screen.")));
    column->addStretch(1);

    Label6 = named(new LinkLabel(tr("Share what you learn with other students of the cards: click here "
                                    "to visit our online discussion forum.")),
                   QStringLiteral("Label6"));
    column->addWidget(Label6);
    auto *fraFullBrand = named(new QGroupBox, QStringLiteral("fraFullBrand"));
    auto *brandLayout = new QVBoxLayout(fraFullBrand);
    lblCobrand = named(new LinkLabel(tr("Co-brand this software for your site. Put your own name, web "
                                        "address and logo on Velmora and hand it out to your visitors. "
                                        "Click Here for more info on co-branding.")),
                       QStringLiteral("lblCobrand"));
    lblFullBrand = named(new LinkLabel(tr("Home Business Opportunity. Start your own Internet business and make "
                                          "money online. Get this software fully branded for your website. Click "
                                          "here for more details.")),
                         QStringLiteral("lblFullBrand"));
    brandLayout->addWidget(lblCobrand);
    brandLayout->addWidget(lblFullBrand);
    column->addWidget(fraFullBrand);
}

void SettingsPage::buildTestOptions(QVBoxLayout *column, QWidget *startupFrame)
{
    auto *frame2 = named(new QGroupBox(tr("Test Type")), QStringLiteral("Frame2"));
    auto *typeLayout = new QHBoxLayout(frame2);
    auto *typeOptions = new QVBoxLayout;
    optTestType[0] = named(new QRadioButton(tr("&Description")), QStringLiteral("optTestType0"));
    optTestType[1] = named(new QRadioButton(tr("&Keywords")), QStringLiteral("optTestType1"));
    typeOptions->addWidget(optTestType[0]);
    typeOptions->addWidget(optTestType[1]);
    typeOptions->addStretch(1);
    typeLayout->addLayout(typeOptions);
    typeLayout->addWidget(
        wrappingLabel(QStringLiteral("Label20"),
                      tr("This option applies only when you take the test. The test can be based on the "
                         "keywords or on the descriptions of the cards. Knowing the keywords matters "
                         "more: the meaning of a card in a reading depends on the question asked.")),
        1);
    column->addWidget(frame2);

    auto *frame1 = named(new QGroupBox(tr("Test Level")), QStringLiteral("Frame1"));
    auto *levelLayout = new QHBoxLayout(frame1);
    auto *levelOptions = new QVBoxLayout;
    const std::array<QString, kDifficultyCount> levels{tr("Be&ginner"), tr("&Intermediate"), tr("&Advanced")};
    for (int i = 0; i < kDifficultyCount; ++i) {
        optDifficulty[i] = named(new QRadioButton(levels[i]), QStringLiteral("optDifficulty%1").arg(i));
        levelOptions->addWidget(optDifficulty[i]);
    }
    levelOptions->addStretch(1);
    levelLayout->addLayout(levelOptions);
    levelLayout->addWidget(
        wrappingLabel(QStringLiteral("Label19"), tr("This option applies only when you take the test. Each "
                                                    "level is more difficult than the one before.")),
        1);
    column->addWidget(frame1);

    buildReviewOptions(column);
    column->addWidget(startupFrame);

    // Read once at start-up, before any window: a change takes effect at the
    // next start, as its tip says.
    cboLanguage = named(new ChoiceList, "cboLanguage");
    cboLanguage->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboLanguage->setMinimumContentsLength(8);
    cboLanguage->setAccessibleName(tr("Interface language"));
    cboLanguage->setToolTip(tr("Takes effect at the next start"));
    cboLanguage->setAccessibleDescription(tr("Takes effect at the next start"));
    auto *languageRow = new QHBoxLayout;
    languageRow->addWidget(makeLabel(this, "lblLanguage", tr("Language (&2):"), cboLanguage));
    languageRow->addWidget(cboLanguage);
    languageRow->addStretch(1);
    connect(cboLanguage, &QComboBox::activated, this,
            [this](int index) { emit languageChosen(cboLanguage->itemData(index).toString()); });
    // One row with the save button: neither column has height to spare.
    cmdSaveSettings = makeButton(nullptr, "cmdSaveSettings", tr("Save Current Settings As Defau&lt"));
    languageRow->addWidget(cmdSaveSettings);
    column->addLayout(languageRow);
    column->addStretch(1);
}

void SettingsPage::buildReviewOptions(QVBoxLayout *column)
{
    auto *fraReview = named(new QGroupBox(tr("Spaced Review")), QStringLiteral("fraReview"));
    auto *grid = new QGridLayout(fraReview);
    // Two controls a row: the pane has no height to spare.
    int placed = 0;
    const auto spin = [this, fraReview, grid, &placed](const char *name, const QString &caption, int lowest,
                                                       int highest) {
        auto *box = named(new QSpinBox, name);
        box->setRange(lowest, highest);
        const int row = placed / 2;
        const int column = placed % 2 * 2;
        ++placed;
        QLabel *label = makeLabel(fraReview, QByteArray(name).replace("spn", "lbl").constData(), caption, box);
        box->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
        grid->addWidget(label, row, column);
        grid->addWidget(box, row, column + 1);
        connect(box, &QSpinBox::valueChanged, this, &SettingsPage::reviewSettingsChanged);
        return box;
    };
    spnNewPerDay = spin("spnNewPerDay", tr("Ma&x. new facets per day:"), 0, review::kMaxNewFacetsPerDay);
    spnReviewsPerDay = spin("spnReviewsPerDay", tr("Max. reviews per day:"), 0, review::kMaxReviewsPerDay);
    spnRetention =
        spin("spnRetention", tr("Desired retention:"), review::kMinRetentionPercent, review::kMaxRetentionPercent);
    spnRetention->setSuffix(QStringLiteral(" %"));
    spnDayStart = spin("spnDayStart", tr("Day starts at:"), 0, 23);
    spnDayStart->setSuffix(QStringLiteral(":00"));
    spnBacklog = spin("spnBacklog", tr("Review backlog:"), 0, review::kMaxBacklog);
    spnBacklog->setToolTip(tr("No new facets while more reviews than this are due"));

    cboTestFeed = named(new ChoiceList, "cboTestFeed");
    cboTestFeed->addItems({tr("Never"), tr("New facets and those not yet due"), tr("Every facet tested")});
    cboTestFeed->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboTestFeed->setMinimumContentsLength(12);
    const QString feedCaption = tr("Test answers grade:");
    cboTestFeed->setAccessibleName(tr("Test answers grade"));
    const int feedRow = grid->rowCount();
    grid->addWidget(makeLabel(fraReview, "lblTestFeed", feedCaption, cboTestFeed), feedRow, 0);
    grid->addWidget(cboTestFeed, feedRow, 1, 1, 3);
    connect(cboTestFeed, &QComboBox::currentIndexChanged, this, &SettingsPage::reviewSettingsChanged);

    chkHoldSiblings = named(new QCheckBox(tr("Other facets next day (&1)")), "chkHoldSiblings");
    chkHoldSiblings->setAccessibleName(tr("Other facets next day"));
    chkHoldSiblings->setToolTip(tr("Once a facet of a card is reviewed, its other facets wait for the next day"));
    grid->addWidget(chkHoldSiblings, 2, 2, 1, 2);
    connect(chkHoldSiblings, &QCheckBox::toggled, this, &SettingsPage::reviewSettingsChanged);

    // The weights are long: the box shows what fits, its tip all of them.
    txtWeights = named(new QLineEdit, "txtWeights");
    txtWeights->setReadOnly(true);
    txtWeights->setAccessibleName(tr("Memory model weights"));
    const int weightsRow = grid->rowCount();
    grid->addWidget(makeLabel(fraReview, "lblWeights", tr("Weights (&4):"), txtWeights), weightsRow, 0);
    grid->addWidget(txtWeights, weightsRow, 1);
    auto *weightButtons = new QHBoxLayout;
    cmdOptimize = makeButton(nullptr, "cmdOptimize", tr("Optimi&ze"));
    cmdOptimize->setToolTip(tr("Fit the weights to your own reviews"));
    cmdResetWeights = makeButton(nullptr, "cmdResetWeights", tr("Reset (&3)"));
    cmdResetWeights->setToolTip(tr("Back to the default weights"));
    weightButtons->addWidget(cmdOptimize);
    weightButtons->addWidget(cmdResetWeights);
    grid->addLayout(weightButtons, weightsRow, 2, 1, 2);
    connect(cmdOptimize, &QPushButton::clicked, this, &SettingsPage::optimizeRequested);
    connect(cmdResetWeights, &QPushButton::clicked, this, &SettingsPage::resetWeightsRequested);
    showWeights();
    column->addWidget(fraReview);
}

void SettingsPage::setLanguages(const QList<QPair<QString, QString>> &languages, const QString &chosen)
{
    cboLanguage->clear();
    cboLanguage->addItem(tr("System"), QString());
    for (const auto &[code, name] : languages)
        cboLanguage->addItem(name, code);
    cboLanguage->setCurrentIndex(std::max(0, cboLanguage->findData(chosen)));
}

void SettingsPage::connectReactions()
{
    connect(cboTutors, &QComboBox::activated, this, &SettingsPage::deckActivated);
    connect(cmdSetOption, &QPushButton::clicked, this, &SettingsPage::memorizeRequested);
    connect(cmdStartTest2, &QPushButton::clicked, this, &SettingsPage::testRequested);
    connect(cmdReview, &QPushButton::clicked, this, &SettingsPage::reviewRequested);
    connect(chkReversed, &QCheckBox::toggled, this, &SettingsPage::reversedChanged);
    connect(cmdSaveSettings, &QPushButton::clicked, this, &SettingsPage::saveDefaultsRequested);
    // Reactions follow the boxes' changes, so a change made by the program
    // has the same effect as a click.
    const auto groupsChanged = [this] {
        chkReversed->setEnabled(anyGroup());
        emit this->groupsChanged();
    };
    connect(chkMajor, &QCheckBox::toggled, this, groupsChanged);
    connect(chkMinor, &QCheckBox::toggled, this, [this, groupsChanged] {
        for (QCheckBox *box : chkGroup)
            box->setEnabled(chkMinor->isChecked());
        groupsChanged();
    });
    for (int i = 0; i < kSuitCount; ++i)
        connect(chkGroup[i], &QCheckBox::toggled, this, [this, i] { keepOneSuitTicked(i); });
    for (int i = 0; i < kTestTypeCount; ++i) {
        connect(optTestType[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                chkReversed->setEnabled(TestType(i) == TestType::Description);
        });
    }
    connect(Label6, &LinkLabel::clicked, this, [this] { emit vendorPageRequested(VendorPage::HomePage); });
    connect(lblCobrand, &LinkLabel::clicked, this, [this] { emit vendorPageRequested(VendorPage::CoBrand); });
    connect(lblFullBrand, &LinkLabel::clicked, this, [this] { emit vendorPageRequested(VendorPage::FullyBranded); });
}

void SettingsPage::keepOneSuitTicked(int index)
{
    for (const QCheckBox *box : chkGroup) {
        if (box->isChecked())
            return;
    }
    chkGroup[index]->setChecked(true);
}

void SettingsPage::setDeckNames(const QStringList &names)
{
    cboTutors->clear();
    cboTutors->addItems(names);
    cboTutors->setCurrentIndex(-1);
}

int SettingsPage::chosenDeck() const
{
    return cboTutors->currentIndex();
}

QString SettingsPage::chosenDeckName() const
{
    return cboTutors->currentIndex() >= 0 ? cboTutors->currentText().trimmed() : QString();
}

QStringList SettingsPage::deckNames() const
{
    QStringList names;
    for (int i = 0; i < cboTutors->count(); ++i)
        names.append(cboTutors->itemText(i));
    return names;
}

void SettingsPage::chooseDeck(int position)
{
    cboTutors->setCurrentIndex(position);
}

void SettingsPage::setTestSettings(const TestSettings &settings)
{
    chkMajor->setChecked(settings.major);
    chkMinor->setChecked(settings.minor);
    for (int i = 0; i < kSuitCount; ++i)
        chkGroup[i]->setChecked(settings.suits[i]);
    chooseOption(optTestType[int(settings.testType)]);
    chooseOption(optDifficulty[settings.difficulty]);
}

TestSettings SettingsPage::testSettings() const
{
    TestSettings settings;
    settings.major = chkMajor->isChecked();
    settings.minor = chkMinor->isChecked();
    for (int i = 0; i < kSuitCount; ++i)
        settings.suits[i] = chkGroup[i]->isChecked();
    settings.testType = testType();
    settings.difficulty = difficulty();
    return settings;
}

GroupChoice SettingsPage::groupChoice() const
{
    GroupChoice choice;
    choice.major = chkMajor->isChecked();
    for (int i = 0; i < kSuitCount; ++i) {
        choice.suitChecked[i] = chkGroup[i]->isChecked();
        choice.suitAvailable[i] = chkGroup[i]->isEnabled();
    }
    return choice;
}

bool SettingsPage::anyGroup() const
{
    return chkMajor->isChecked() || chkMinor->isChecked();
}

TestType SettingsPage::testType() const
{
    return optTestType[int(TestType::Description)]->isChecked() ? TestType::Description : TestType::Keywords;
}

int SettingsPage::difficulty() const
{
    for (int i = 0; i < kDifficultyCount; ++i) {
        if (optDifficulty[i]->isChecked())
            return i;
    }
    return 0;
}

bool SettingsPage::reversedAllowed() const
{
    return chkReversed->isChecked();
}

void SettingsPage::setReviewSettings(const review::ReviewSettings &settings)
{
    const QSignalBlocker blockNew(spnNewPerDay);
    const QSignalBlocker blockReviews(spnReviewsPerDay);
    const QSignalBlocker blockRetention(spnRetention);
    const QSignalBlocker blockBacklog(spnBacklog);
    const QSignalBlocker blockDayStart(spnDayStart);
    const QSignalBlocker blockFeed(cboTestFeed);
    const QSignalBlocker blockSiblings(chkHoldSiblings);
    spnNewPerDay->setValue(settings.limits.newFacets);
    spnReviewsPerDay->setValue(settings.limits.reviews);
    spnRetention->setValue(settings.retentionPercent);
    spnBacklog->setValue(settings.limits.backlog);
    spnDayStart->setValue(settings.dayStartHour);
    cboTestFeed->setCurrentIndex(int(settings.testFeed));
    chkHoldSiblings->setChecked(settings.holdSiblings);
    weights_ = settings.weights;
    showWeights();
}

void SettingsPage::showWeights()
{
    // The box has room for a word: the defaults are named, own weights start
    // to show, and the tip and the description give all of them.
    const bool own = weights_ != review::FsrsSettings::kDefaultWeights;
    const QString all = review::weightsText(weights_);
    const QString text = own ? tr("Own: %1").arg(all) : tr("Defaults");
    txtWeights->setText(text);
    txtWeights->setCursorPosition(0);
    const QString full = own ? text : tr("Defaults: %1").arg(all);
    txtWeights->setToolTip(QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(full.toHtmlEscaped()));
    txtWeights->setAccessibleDescription(full);
    cmdResetWeights->setEnabled(own && cmdOptimize->isEnabled());
}

void SettingsPage::showFitting(int percent)
{
    cmdOptimize->setEnabled(false);
    cmdResetWeights->setEnabled(false);
    txtWeights->setText(tr("Fitting the weights to your reviews: %1%").arg(percent));
}

void SettingsPage::endFitting()
{
    cmdOptimize->setEnabled(true);
    showWeights();
}

review::ReviewSettings SettingsPage::reviewSettings() const
{
    review::ReviewSettings settings;
    settings.limits.newFacets = spnNewPerDay->value();
    settings.limits.reviews = spnReviewsPerDay->value();
    settings.retentionPercent = spnRetention->value();
    settings.limits.backlog = spnBacklog->value();
    settings.dayStartHour = spnDayStart->value();
    settings.testFeed = review::TestFeed(std::clamp(cboTestFeed->currentIndex(), 0, int(review::TestFeed::Always)));
    settings.holdSiblings = chkHoldSiblings->isChecked();
    settings.weights = weights_;
    return settings;
}

void SettingsPage::setDueCount(int count)
{
    cmdReview->setText(tr("Re&view Due Cards (%1)").arg(count));
    cmdReview->setEnabled(count > 0);
}

} // namespace velmora
