#include "progress/frmprogress.h"

#include "progress/chartloader.h"
#include "review/reviewsettings.h"

#include "app/accessibility.h"
#include "app/prompter.h"
#include "app/readablecolour.h"
#include "app/safesave.h"
#include "app/services.h"
#include "app/widgets.h"
#include "app/windowplace.h"
#include "store/deck.h"
#include "store/paths.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <utility>

namespace velmora::progress {

namespace {

// Deck names come from shared files; the legend and the table keep to this.
constexpr int kShownNameLength = 40;
// More rows than anyone reads; the practice buttons take what is listed.
constexpr int kMaxListedCards = 200;
// Markers help a few points and hide a thousand.
constexpr int kMaxMarkedPoints = 60;
// About one point per pixel of a wide chart.
constexpr int kMaxDrawnPoints = 600;
// A week's days each labelled; labels as wide as "6 Dec 14:00" still fit
// side by side on the narrowest window.
constexpr int kMaxTimeTicks = 8;

enum Column { ColCard, ColOrientation, ColDeck, ColMissed, ColAsked, ColRate, ColCount };

QString shortened(const QString &text)
{
    return text.size() <= kShownNameLength ? text : text.left(kShownNameLength - 1) + QChar(0x2026);
}

// The cards of a deck in the deck folder, by the file name the history keeps;
// none when the deck is gone or unreadable. A retired name ("Tutor1.vdk/3")
// or one that leaves the folder names no deck of the folder.
QVector<int> deckCardIds(const QString &deckFile)
{
    if (deckFile.isEmpty() || deckFile.contains(QLatin1Char('/')) || deckFile.contains(QLatin1Char('\\')) ||
        deckFile.startsWith(QLatin1Char('.')))
        return {};
    Deck deck;
    if (!deck.open(paths::deckDatabase(deckFile)))
        return {};
    return deck.cardIds().value_or(QVector<int>());
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(alignment);
    return item;
}

// Without its charts the window still lists, exports and practises.
QLabel *chartsMissing(const QString &why, QWidget *parent)
{
    auto *label = new QLabel(
        QCoreApplication::translate("velmora::progress::FrmProgress", "The charts could not be loaded: %1").arg(why),
        parent);
    label->setObjectName(QStringLiteral("lblChartsMissing"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// False when the history could not be read; what was read is kept anyway.
bool readReview(HistoryFile &history, const QVector<DeckEntry> &decks, ProgressRead &read)
{
    QStringList shown;
    const QString &chosen = read.filter.deckFile;
    if (!chosen.isEmpty())
        shown.append(chosen);
    for (const DeckEntry &deck : decks) {
        if (chosen.isEmpty())
            shown.append(deck.deckFile);
    }
    QVector<review::FacetDue> all;
    read.counts = review::FacetCounts();
    bool ok = true;
    for (const QString &deckFile : std::as_const(shown)) {
        const std::optional<QVector<review::FacetDue>> dues = history.facetDues(deckFile);
        if (!dues) {
            ok = false;
            break;
        }
        const review::FacetCounts deck = review::countFacets(*dues, deckCardIds(deckFile));
        read.counts.fresh += deck.fresh;
        read.counts.learning += deck.learning;
        read.counts.review += deck.review;
        all += *dues;
    }
    read.retention = ok && history.isOpen()
                         ? history.retention(HistoryFilter{chosen, periodStart(Period::Last30Days, read.now)})
                         : std::nullopt;
    read.forecast = review::dueForecast(ok ? all : QVector<review::FacetDue>(), read.now, read.days);
    return ok && (read.retention || !history.isOpen());
}

ProgressRead readProgress(HistoryFile &history, ProgressRead read)
{
    read.decks = history.decks();
    // A deck the history no longer holds gives way to all decks, as in the list.
    if (read.decks && std::none_of(read.decks->cbegin(), read.decks->cend(),
                                   [&read](const DeckEntry &deck) { return deck.deckFile == read.filter.deckFile; }))
        read.filter.deckFile.clear();
    read.points = read.decks ? history.scores(read.filter) : std::nullopt;
    const std::optional<QVector<CardTally>> tallies =
        read.points ? history.cardTallies(read.filter, read.recentTests) : std::nullopt;
    if (!tallies || !readReview(history, *read.decks, read)) {
        read.note = history.errorText();
        // A file damaged while open is opened afresh next time.
        history.close();
    }
    if (!tallies)
        (void)readReview(history, {}, read);
    read.ranked = rankMissedCards(tallies.value_or(QVector<CardTally>()));
    return read;
}

} // namespace

FrmProgress::FrmProgress(Services &services, QString historyPath, QWidget *parent)
    : QWidget(parent, Qt::Window), services_(services), historyPath_(std::move(historyPath))
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    keepWindowPlace(*this, services_.settings, QSize(960, 760));
}

FrmProgress::~FrmProgress() = default;

void FrmProgress::buildControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *filters = new QHBoxLayout;
    const auto labelled = [this, filters](const QString &caption, QWidget *control, const QString &accessible) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(control);
        control->setAccessibleName(accessible);
        filters->addWidget(label);
        filters->addWidget(control);
    };
    cboDeck = new ChoiceList(this);
    cboDeck->setObjectName(QStringLiteral("cboProgressDeck"));
    cboDeck->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboDeck->setMinimumContentsLength(24);
    labelled(tr("&Deck:"), cboDeck, tr("Deck"));
    cboPeriod = new ChoiceList(this);
    cboPeriod->setObjectName(QStringLiteral("cboProgressPeriod"));
    for (int period = 0; period < kPeriodCount; ++period)
        cboPeriod->addItem(periodName(Period(period)));
    cboPeriod->setCurrentIndex(int(Period::All));
    labelled(tr("&Period:"), cboPeriod, tr("Period"));
    spnRecentTests = new QSpinBox(this);
    spnRecentTests->setObjectName(QStringLiteral("spnRecentTests"));
    spnRecentTests->setRange(1, kMaxRecentTests);
    spnRecentTests->setValue(kDefaultRecentTests);
    labelled(tr("Misses over the &last"), spnRecentTests, tr("Misses over the last tests"));
    filters->addWidget(new QLabel(tr("tests"), this));
    filters->addStretch(1);
    layout->addLayout(filters);

    const LoadedCharts loaded = charts();
    // The scores and the review forecast share the room a chart needs, so
    // that the window still fits a small screen.
    tabCharts = new QTabWidget(this);
    tabCharts->setObjectName(QStringLiteral("tabProgressCharts"));
    tabCharts->setAccessibleName(tr("Charts"));
    // Two short captions always fit; scroll buttons would only be stops without a key.
    tabCharts->setUsesScrollButtons(false);
    if (loaded.factory)
        scoreChart_ = loaded.factory->scoreChart(tabCharts);
    tabCharts->addTab(scoreChart_ ? scoreChart_->widget() : chartsMissing(loaded.errorText, tabCharts), tr("&Scores"));
    auto *reviewPage = new QWidget(tabCharts);
    reviewPage->setObjectName(QStringLiteral("pageReview"));
    auto *reviewLayout = new QVBoxLayout(reviewPage);
    if (loaded.factory)
        forecastChart_ = loaded.factory->forecastChart(reviewPage);
    reviewLayout->addWidget(forecastChart_ ? forecastChart_->widget() : chartsMissing(loaded.errorText, reviewPage), 1);
    const auto reviewLabel = [reviewPage, reviewLayout](const char *name, const QString &accessible) {
        auto *label = new QLabel(reviewPage);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        label->setAccessibleName(accessible);
        reviewLayout->addWidget(label);
        return label;
    };
    lblRetention = reviewLabel("lblRetention", tr("True retention of the last 30 days"));
    lblFacetCounts = reviewLabel("lblFacetCounts", tr("New, learning and review facets"));
    tabCharts->addTab(reviewPage, tr("Spaced &review"));
    applyChartColours();
    layout->addWidget(tabCharts, 3);

    auto *missedCaption = new QLabel(tr("Most m&issed cards"), this);
    layout->addWidget(missedCaption);
    tblMissed = new QTableWidget(0, ColCount, this);
    tblMissed->setObjectName(QStringLiteral("tblMissed"));
    tblMissed->setAccessibleName(tr("Most missed cards"));
    missedCaption->setBuddy(tblMissed);
    tblMissed->setHorizontalHeaderLabels(
        {tr("Card"), tr("Orientation"), tr("Deck"), tr("Missed"), tr("Asked"), tr("Miss rate")});
    tblMissed->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblMissed->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblMissed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblMissed->setTabKeyNavigation(false);
    tblMissed->setWordWrap(false);
    tblMissed->setTextElideMode(Qt::ElideRight);
    tblMissed->verticalHeader()->setVisible(false);
    QHeaderView *header = tblMissed->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(ColCard, QHeaderView::Stretch);
    header->setSectionResizeMode(ColDeck, QHeaderView::Stretch);
    layout->addWidget(tblMissed, 2);

    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblProgressInfo"));
    lblInfo->setTextFormat(Qt::PlainText);
    lblInfo->setWordWrap(true);
    lblInfo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    barChecking = new QProgressBar(this);
    barChecking->setObjectName(QStringLiteral("barProgressChecking"));
    barChecking->setRange(0, 0);
    barChecking->setTextVisible(false);
    barChecking->setMaximumWidth(160);
    barChecking->hide();
    barChecking->setAccessibleName(tr("Checking the progress history"));
    auto *info = new QHBoxLayout;
    info->addWidget(lblInfo, 1);
    info->addWidget(barChecking);
    layout->addLayout(info);
    // A check that ends within a moment shows nothing.
    checkingShown_ = new QTimer(this);
    checkingShown_->setSingleShot(true);
    checkingShown_->setInterval(200);
    connect(checkingShown_, &QTimer::timeout, this, [this] {
        lblInfo->setText(tr("Checking the progress history..."));
        barChecking->show();
    });

    auto *buttons = new QHBoxLayout;
    const auto button = [this, buttons](const QString &caption, const char *name) {
        auto *pushButton = makeButton(this, name, caption);
        buttons->addWidget(pushButton);
        return pushButton;
    };
    cmdMemorize = button(tr("&Memorize these cards"), "cmdMemorizeMissed");
    cmdTestMe = button(tr("&Test me on these cards"), "cmdTestMissed");
    cmdReadings = button(tr("Readings &with this card"), "cmdMissedReadings");
    buttons->addStretch(1);
    cmdExport = button(tr("&Export CSV..."), "cmdExportCsv");
    cmdClose = button(tr("&Close"), "cmdCloseProgress");
    layout->addLayout(buttons);

    connect(cboDeck, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_)
            reload();
    });
    connect(cboPeriod, &QComboBox::currentIndexChanged, this, &FrmProgress::reload);
    connect(spnRecentTests, &QSpinBox::valueChanged, this, &FrmProgress::reload);
    connect(tblMissed, &QTableWidget::itemSelectionChanged, this, &FrmProgress::updateButtons);
    connect(cmdMemorize, &QPushButton::clicked, this, [this] {
        const PracticeRequest request = practiceCards(PracticeMode::Memorize);
        if (!request.cardIds.isEmpty())
            emit practiceRequested(request);
    });
    connect(cmdTestMe, &QPushButton::clicked, this, [this] {
        const PracticeRequest request = practiceCards(PracticeMode::Test);
        if (!request.cardIds.isEmpty())
            emit practiceRequested(request);
    });
    connect(cmdReadings, &QPushButton::clicked, this, [this] {
        const QList<QTableWidgetItem *> chosen = tblMissed->selectedItems();
        if (!chosen.isEmpty())
            emit readingsRequested(tblMissed->item(chosen.first()->row(), ColCard)->text());
    });
    connect(cmdExport, &QPushButton::clicked, this, &FrmProgress::exportCsv);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
}

HistoryFilter FrmProgress::filter() const
{
    return HistoryFilter{cboDeck->currentData().toString(),
                         periodStart(Period(cboPeriod->currentIndex()), services_.clock.now())};
}

void FrmProgress::checkAside()
{
    // Its own connection: the check's verdict is kept for the file as it is,
    // so that the opening after it does not check again.
    const QString path = historyPath_;
    check_ = std::make_unique<BackgroundJob<QString>>(
        [path] {
            HistoryFile file;
            return file.open(path) ? QString() : file.errorText();
        },
        this, [this] { checkDone(); });
    checkingShown_->start();
}

void FrmProgress::checkDone()
{
    if (!check_)
        return;
    checkTrouble_ = check_->take();
    check_.reset();
    checkingShown_->stop();
    barChecking->hide();
    reload();
}

void FrmProgress::historyChanged()
{
    // A hidden window is one closed and not yet deleted, or one about to be
    // shown: reading for it would only hold up the screen.
    if (isVisible())
        reload();
    else
        stale_ = true;
}

void FrmProgress::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (stale_)
        reload();
}

ProgressRead FrmProgress::asked() const
{
    ProgressRead read;
    read.filter = filter();
    read.recentTests = spnRecentTests->value();
    read.now = services_.clock.now();
    // Counted in the days the scheduler makes facets due by.
    read.days = review::readReviewSettings(services_.settings).fsrs().days;
    return read;
}

void FrmProgress::reload()
{
    stale_ = false;
    if (reading_) {
        // The reading under way was asked for with what has changed since.
        rereadWanted_ = true;
        return;
    }
    QString trouble;
    if (!history_.isOpen()) {
        if (!QFileInfo::exists(historyPath_)) {
            ProgressRead none = asked();
            none.filter.deckFile.clear();
            none.decks = QVector<DeckEntry>();
            none.note = tr("No test has been recorded yet. Every test you finish is added here.");
            (void)readReview(history_, {}, none);
            showRead(none);
            return;
        }
        if (check_)
            return; // read once the check is done
        if (!checkTrouble_.isEmpty()) {
            trouble = std::exchange(checkTrouble_, QString());
        } else if (QFileInfo(historyPath_).size() >= checkAsideFrom_ && store::HistoryDb::checkDue(historyPath_)) {
            checkAside();
            return;
        } else if (!history_.open(historyPath_)) {
            trouble = history_.errorText();
        }
    }
    ProgressRead read = asked();
    if (!trouble.isEmpty()) {
        read.note = trouble;
        (void)readReview(history_, {}, read);
        showRead(read);
        return;
    }
    if (QFileInfo(historyPath_).size() < readAsideFrom_) {
        showRead(readProgress(history_, std::move(read)));
        return;
    }
    HistoryFile *history = &history_;
    reading_ = std::make_unique<BackgroundJob<ProgressRead>>([history, read] { return readProgress(*history, read); },
                                                             this, [this] { readDone(); });
}

void FrmProgress::readDone()
{
    // The end of a reading already taken (by the export) arrives here too.
    if (!reading_ || !reading_->wait(QDeadlineTimer(0)))
        return;
    const ProgressRead read = reading_->take();
    reading_.reset();
    if (std::exchange(rereadWanted_, false)) {
        reload();
        return;
    }
    showRead(read);
}

void FrmProgress::showRead(const ProgressRead &read)
{
    if (read.decks)
        fillDecks(*read.decks);
    showForecast(read.forecast);
    lblRetention->setText(tr("True retention, last 30 days: %1")
                              .arg(review::retentionText(read.retention.value_or(review::Retention()))));
    lblFacetCounts->setText(tr("New: %1   Learning: %2   Review: %3")
                                .arg(read.counts.fresh)
                                .arg(read.counts.learning)
                                .arg(read.counts.review));
    showScores(read.points.value_or(QVector<ScorePoint>()), read.filter, read.now);
    showMissedCards(read.ranked);
    if (!read.note.isEmpty()) {
        lblInfo->setText(read.note);
        return;
    }
    lblInfo->setText(tr("%1 test(s) shown; %2 card(s) missed, upright and reversed counted apart, in "
                        "the last %3 test(s).")
                         .arg(read.points->size())
                         .arg(shownTallies_.size())
                         .arg(std::min(int(read.points->size()), read.recentTests)));
}

void FrmProgress::fillDecks(const QVector<DeckEntry> &decks)
{
    const QString chosen = cboDeck->currentData().toString();
    filling_ = true;
    cboDeck->clear();
    cboDeck->addItem(tr("All decks"), QString());
    for (const DeckEntry &deck : decks)
        cboDeck->addItem(shortened(deck.deckName), deck.deckFile);
    cboDeck->setCurrentIndex(std::max(0, cboDeck->findData(chosen)));
    filling_ = false;
}

void FrmProgress::showScores(const QVector<ScorePoint> &points, const HistoryFilter &shown, const QDateTime &now)
{
    if (!scoreChart_)
        return;
    ScoreChartData data;
    if (points.isEmpty()) {
        scoreChart_->showScores(data);
        return;
    }
    // One series per deck file and test type, named after the deck's latest name.
    std::map<std::pair<QString, int>, QList<QPointF>> byKey;
    std::map<std::pair<QString, int>, QString> names;
    // A period is shown whole; all tests from the first to the last. The
    // points come in the order taken.
    qint64 first = shown.since.isValid() ? shown.since.toMSecsSinceEpoch() : points.front().takenMs;
    qint64 last =
        std::max(points.back().takenMs, shown.since.isValid() ? now.toMSecsSinceEpoch() : points.back().takenMs);
    for (const ScorePoint &point : points) {
        const auto key = std::make_pair(point.deckFile, int(point.kind));
        byKey[key].append(QPointF(double(point.takenMs), scorePercent(point.score, point.maximum)));
        names[key] = point.deckName;
    }
    // A single moment would give the axis no width.
    if (last - first < 3600 * 1000) {
        first -= 12 * 3600 * 1000;
        last += 12 * 3600 * 1000;
    }
    // Room for the markers at either end; a period begins at a midnight,
    // where the axis begins anyway.
    const qint64 margin = (last - first) / 50;
    if (!shown.since.isValid())
        first -= margin;
    last += margin;

    const TimeScale scale = timeScale(first, last, kMaxTimeTicks);
    data.firstMs = double(scale.firstMs);
    data.lastMs = double(scale.lastMs);
    for (const TimeTick &tick : scale.ticks)
        data.ticks.append(ScoreTick{tick.label, double(tick.ms)});
    for (const auto &[key, list] : byKey) {
        // The legend lays a series name out as HTML: a deck name is escaped, or
        // its markup would be obeyed, images and all.
        data.lines.append(ScoreLine{seriesName(shortened(names[key]), TestKind(key.second)).toHtmlEscaped(),
                                    thinnedSeries(list, kMaxDrawnPoints), list.size() <= kMaxMarkedPoints});
    }
    scoreChart_->showScores(data);
}

void FrmProgress::showForecast(const QVector<int> &perDay)
{
    if (!forecastChart_)
        return;
    QStringList spoken;
    for (int day = 0; day < perDay.size() && spoken.size() < 7; ++day) {
        if (perDay[day] > 0)
            spoken.append(day == 0 ? tr("%1 today").arg(perDay[day])
                                   : tr("%1 in %n days", nullptr, day).arg(perDay[day]));
    }
    forecastChart_->widget()->setAccessibleDescription(spoken.isEmpty() ? tr("Nothing due")
                                                                        : spoken.join(QStringLiteral(", ")));
    forecastChart_->showForecast(perDay);
}

void FrmProgress::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyChartColours();
}

void FrmProgress::applyChartColours()
{
    // The theme gives line colours that suit a light or dark background, the
    // palette the background and the texts.
    const QPalette colours = palette();
    ChartColours chart;
    chart.background = colours.color(QPalette::Base);
    chart.text = readableOn(colours.color(QPalette::Text), chart.background);
    chart.dark = chart.background.lightnessF() < 0.5;
    chart.grid = chart.text;
    chart.grid.setAlphaF(0.2f);
    for (ChartPane *pane : {static_cast<ChartPane *>(scoreChart_), static_cast<ChartPane *>(forecastChart_)}) {
        if (pane)
            pane->setColours(chart);
    }
}

void FrmProgress::showMissedCards(const QVector<CardTally> &ranked)
{
    shownTallies_ = ranked.mid(0, kMaxListedCards);
    tblMissed->clearContents();
    tblMissed->setRowCount(int(shownTallies_.size()));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int row = 0; row < shownTallies_.size(); ++row) {
        const CardTally &tally = shownTallies_[row];
        tblMissed->setItem(row, ColCard, cell(tally.cardName));
        tblMissed->setItem(row, ColOrientation, cell(tally.reversed ? tr("Reversed") : tr("Upright")));
        tblMissed->setItem(row, ColDeck, cell(tally.deckName));
        tblMissed->setItem(row, ColMissed, cell(QString::number(tally.missed), right));
        tblMissed->setItem(row, ColAsked, cell(QString::number(tally.asked), right));
        tblMissed->setItem(row, ColRate, cell(missRateText(tally.missed, tally.asked), right));
    }
    updateButtons();
}

PracticeRequest FrmProgress::practiceCards(PracticeMode mode) const
{
    QVector<int> rows;
    for (const QModelIndex &index : tblMissed->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty()) {
        for (int row = 0; row < shownTallies_.size(); ++row)
            rows.append(row);
    }
    PracticeRequest request;
    request.mode = mode;
    for (int row : rows) {
        const CardTally &tally = shownTallies_.value(row);
        if (request.cardIds.isEmpty()) {
            request.deckFile = tally.deckFile;
            request.deckName = tally.deckName;
        } else if (tally.deckFile != request.deckFile) {
            return PracticeRequest{{}, {}, {}, mode};
        }
        // Upright and reversed rows of one card are one card to practise.
        if (!request.cardIds.contains(tally.cardId))
            request.cardIds.append(tally.cardId);
    }
    return request;
}

void FrmProgress::updateButtons()
{
    const bool oneDeck = !practiceCards(PracticeMode::Memorize).cardIds.isEmpty();
    cmdMemorize->setEnabled(oneDeck);
    cmdTestMe->setEnabled(oneDeck);
    QSet<int> chosenRows;
    for (const QTableWidgetItem *item : tblMissed->selectedItems())
        chosenRows.insert(item->row());
    cmdReadings->setEnabled(chosenRows.size() == 1);
    const QString why = shownTallies_.isEmpty() ? tr("No card has been missed in these tests.")
                        : oneDeck               ? QString()
                                                : tr("Choose one deck, or select cards of one deck, to practise them.");
    cmdMemorize->setToolTip(why);
    cmdTestMe->setToolTip(why);
}

void FrmProgress::exportCsv()
{
    // The history is a reading's until it ends.
    while (reading_) {
        (void)reading_->wait();
        readDone();
    }
    if (!history_.isOpen()) {
        services_.prompter.tell(tr("There is no test history to export yet."), PromptIcon::Information, this);
        return;
    }
    const QString path = services_.prompter.saveFileName(
        FileDialogRequest{tr("Export Progress"), qtFileFilter(tr("CSV file") + QStringLiteral("|*.csv")),
                          QStringLiteral("progress.csv"), true},
        this);
    if (path.isEmpty())
        return;
    QByteArray bytes = csvLine(csvHeader()).toUtf8() + "\r\n";
    const std::optional<int> rows = history_.forEachQuestion(filter(), [&bytes](const QuestionRow &row) {
        bytes += csvLine({row.taken.toString(Qt::ISODate), row.deckName, row.deckFile, testKindName(row.kind),
                          levelName(row.level), row.groups, QString::number(row.position),
                          QString::number(row.question.cardId), row.question.cardName,
                          row.question.reversed ? QStringLiteral("Reversed") : QStringLiteral("Upright"),
                          QString::number(row.question.score), QString::number(row.question.maximum)})
                     .toUtf8();
        bytes += "\r\n";
    });
    QString error;
    if (!rows)
        error = history_.errorText();
    else if (!saveFileAtomically(path, bytes, &error))
        error = tr("The file %1 could not be saved: %2").arg(QFileInfo(path).fileName(), error);
    if (!error.isEmpty()) {
        services_.prompter.tell(error, PromptIcon::Critical, this);
        return;
    }
    if (*rows >= kMaxExportRows)
        services_.prompter.tell(tr("Only the first %1 questions were exported.").arg(kMaxExportRows),
                                PromptIcon::Information, this);
}

} // namespace velmora::progress
