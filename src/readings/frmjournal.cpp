#include "readings/frmjournal.h"

#include "readings/frmreadings.h"
#include "readings/journalmodel.h"
#include "readings/readingpages.h"

#include "app/accessibility.h"
#include "app/prompter.h"
#include "app/safesave.h"
#include "app/services.h"
#include "app/widgets.h"
#include "app/windowkeys.h"
#include "app/windowplace.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace velmora::readings {

FrmJournal::FrmJournal(Services &services, QString journalPath, QWidget *parent)
    : QWidget(parent, Qt::Window), services_(services), journalPath_(std::move(journalPath))
{
    setObjectName(QStringLiteral("frmJournal"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    closeOnEscape(*this);
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    txtSearch = named(new QLineEdit(this), "txtSearch", tr("Search questions and interpretations"));
    txtSearch->setClearButtonEnabled(true);
    top->addWidget(makeLabel(this, "lblSearch", tr("&Search:"), txtSearch));
    top->addWidget(txtSearch, 1);
    lblCount = named(new QLabel(this), "lblCount");
    lblCount->setTextFormat(Qt::PlainText);
    top->addWidget(lblCount);
    barLoading = new QProgressBar(this);
    barLoading->setObjectName(QStringLiteral("barJournalLoading"));
    barLoading->setRange(0, 0);
    barLoading->setTextVisible(false);
    barLoading->setMaximumWidth(160);
    barLoading->setAccessibleName(tr("Reading the journal"));
    barLoading->hide();
    top->addWidget(barLoading);
    layout->addLayout(top);
    // A read that ends within a moment shows nothing.
    loadingShown_ = new QTimer(this);
    loadingShown_->setSingleShot(true);
    loadingShown_->setInterval(200);
    connect(loadingShown_, &QTimer::timeout, this, [this] {
        lblCount->setText(tr("Reading the journal..."));
        barLoading->show();
    });

    model_ = new JournalModel(this);
    lstReadings = named(new QListView(this), "lstReadings", tr("Readings, newest first"));
    lstReadings->setModel(model_);
    lstReadings->setUniformItemSizes(true);
    lstReadings->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *middle = new QHBoxLayout;
    auto *readingsColumn = new QVBoxLayout;
    readingsColumn->addWidget(makeLabel(this, "lblReadings", tr("&Readings, newest first:"), lstReadings));
    readingsColumn->addWidget(lstReadings, 1);
    middle->addLayout(readingsColumn, 3);
    middle->addLayout(buildPatterns(), 2);
    layout->addLayout(middle, 1);

    auto *buttons = new QHBoxLayout;
    cmdOpen = makeButton(this, "cmdOpen", tr("&Open"));
    cmdDelete = makeButton(this, "cmdDelete", tr("&Delete"));
    cmdExport = makeButton(this, "cmdExport", tr("E&xport all..."));
    cmdClose = makeButton(this, "cmdClose", tr("&Close"));
    buttons->addWidget(cmdOpen);
    buttons->addWidget(cmdDelete);
    buttons->addStretch(1);
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);

    connect(txtSearch, &QLineEdit::textChanged, this, [this](const QString &text) {
        model_->setSearch(text);
        updateButtons();
    });
    connect(lstReadings->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FrmJournal::updateButtons);
    connect(model_, &QAbstractItemModel::modelReset, this, &FrmJournal::updateButtons);
    connect(lstReadings, &QListView::activated, this, &FrmJournal::openChosen);
    connect(cmdOpen, &QPushButton::clicked, this, &FrmJournal::openChosen);
    connect(cmdDelete, &QPushButton::clicked, this, &FrmJournal::deleteChosen);
    connect(cmdExport, &QPushButton::clicked, this, [this] { (void)exportAll(); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    keepWindowPlace(*this, services_.settings, QSize(900, 600));
    updateButtons();
}

QVBoxLayout *FrmJournal::buildPatterns()
{
    auto *column = new QVBoxLayout;
    lblStreak = named(new QLabel(this), "lblStreak");
    lblStreak->setTextFormat(Qt::PlainText);
    lblStreak->setWordWrap(true);
    column->addWidget(lblStreak);
    cboPeriod = named(new ChoiceList(this), "cboPeriod", tr("Patterns over"));
    for (const int days : kPatternPeriods)
        cboPeriod->addItem(tr("the last %1 days").arg(days), days);
    auto *period = new QHBoxLayout;
    period->addWidget(makeLabel(this, "lblPeriod", tr("&Patterns over:"), cboPeriod));
    period->addWidget(cboPeriod, 1);
    column->addLayout(period);
    lstPatterns = named(new QListWidget(this), "lstPatterns", tr("Cards that keep coming back"));
    lstPatterns->setUniformItemSizes(true);
    lstPatterns->setWordWrap(false);
    column->addWidget(lstPatterns, 1);
    auto *buttons = new QHBoxLayout;
    cmdWithCard = makeButton(this, "cmdWithCard", tr("Readings &with this card"));
    cmdShowAll = makeButton(this, "cmdShowAll", tr("Show &all readings"));
    buttons->addWidget(cmdWithCard);
    buttons->addWidget(cmdShowAll);
    column->addLayout(buttons);
    connect(cboPeriod, &QComboBox::currentIndexChanged, this,
            [this] { showPatterns(cboPeriod->currentData().toInt()); });
    connect(lstPatterns, &QListWidget::itemSelectionChanged, this, &FrmJournal::updateButtons);
    connect(cmdWithCard, &QPushButton::clicked, this, [this] {
        const QList<QListWidgetItem *> chosen = lstPatterns->selectedItems();
        if (!chosen.isEmpty())
            showReadingsWithCard(chosen.first()->data(Qt::UserRole).toString());
    });
    connect(cmdShowAll, &QPushButton::clicked, this, &FrmJournal::showAll);
    return column;
}

void FrmJournal::showPatterns(std::optional<QVector<DrawnCard>> drawn, const std::optional<QSet<QDate>> &days,
                              const QString &why)
{
    if (!drawn || !days) {
        lblStreak->setText(tr("The patterns cannot be read: %1").arg(why));
        return;
    }
    drawn_ = std::move(*drawn);
    streak_ = currentStreak(*days, services_.clock.now().date());
    lblStreak->setText(streak_ == 1 ? tr("Current streak: 1 day with a reading or review")
                                    : tr("Current streak: %1 days with a reading or review").arg(streak_));
    showPatterns(days_);
}

void FrmJournal::showPatterns(int days)
{
    days_ = days;
    const int index = cboPeriod->findData(days);
    if (index >= 0 && index != cboPeriod->currentIndex()) {
        const QSignalBlocker quiet(cboPeriod);
        cboPeriod->setCurrentIndex(index);
    }
    patterns_ = cardPatterns(drawn_, services_.clock.today().addDays(1 - days));
    lstPatterns->clear();
    for (const CardPattern &pattern : std::as_const(patterns_)) {
        auto *item = new QListWidgetItem(patternText(pattern), lstPatterns);
        item->setData(Qt::UserRole, pattern.name);
        item->setToolTip(item->text().toHtmlEscaped());
    }
    if (patterns_.isEmpty())
        (new QListWidgetItem(tr("No cards drawn in this time."), lstPatterns))->setFlags(Qt::NoItemFlags);
    updateButtons();
}

QStringList FrmJournal::patternLines() const
{
    QStringList lines;
    for (const CardPattern &pattern : patterns_)
        lines.append(patternText(pattern));
    return lines;
}

void FrmJournal::showReadingsWithCard(const QString &cardName)
{
    // The read under way limits the list once it is done.
    if (loading_) {
        limitedTo_ = cardName;
        return;
    }
    if (!openJournal())
        return;
    std::optional<QSet<qint64>> ids = journal_.readingsWithCard(cardName);
    if (!ids) {
        services_.prompter.tell(journal_.errorText(), PromptIcon::Critical, this);
        return;
    }
    limitedTo_ = cardName;
    model_->setOnly(std::move(ids));
    updateButtons();
}

void FrmJournal::showAll()
{
    limitedTo_.clear();
    model_->setOnly(std::nullopt);
    updateButtons();
}

FrmJournal::~FrmJournal() = default;

bool FrmJournal::openJournal()
{
    if (journal_.isOpen() || journal_.open(journalPath_))
        return true;
    services_.prompter.tell(journal_.errorText(), PromptIcon::Critical, this);
    return false;
}

FrmJournal::Read FrmJournal::readJournal(Journal &journal, const QDateTime &now)
{
    Read read;
    read.readings = journal.list();
    if (!read.readings) {
        read.readingsError = journal.errorText();
        return read;
    }
    read.searchable = JournalModel::searchableTexts(*read.readings);
    const QDate today = now.date();
    read.drawn = journal.drawnSince(today.addDays(1 - kPatternPeriods[std::size(kPatternPeriods) - 1]).startOfDay());
    read.days = journal.practiceDays(today.addDays(-3660).startOfDay());
    if (!read.drawn || !read.days)
        read.patternsError = journal.errorText();
    return read;
}

void FrmJournal::reload()
{
    if (loading_) {
        readAgain_ = true;
        return;
    }
    const QDateTime now = services_.clock.now();
    if (!journal_.isOpen() && QFileInfo(journalPath_).size() >= loadAsideFrom_ &&
        store::HistoryDb::checkDue(journalPath_)) {
        // Its own connection: the check's verdict is kept for the file as it
        // is, so that the window's own opening after it does not check again.
        const QString path = journalPath_;
        loading_ = std::make_unique<BackgroundJob<Read>>(
            [path, now] {
                Journal journal;
                if (!journal.open(path))
                    return Read{journal.errorText(), {}, {}, {}, {}, {}, {}};
                return readJournal(journal, now);
            },
            this, [this] { loaded(); });
        loadingShown_->start();
        return;
    }
    if (!openJournal())
        return;
    showRead(readJournal(journal_, now));
}

void FrmJournal::loaded()
{
    if (!loading_)
        return;
    Read read = loading_->take();
    loading_.reset();
    loadingShown_->stop();
    barLoading->hide();
    updateButtons();
    if (!read.openError.isEmpty()) {
        services_.prompter.tell(read.openError, PromptIcon::Critical, this);
        return;
    }
    showRead(std::move(read));
    if (std::exchange(readAgain_, false))
        reload();
}

void FrmJournal::showRead(Read read)
{
    if (!read.readings) {
        services_.prompter.tell(read.readingsError, PromptIcon::Critical, this);
        return;
    }
    model_->setReadings(std::move(*read.readings), std::move(read.searchable));
    if (!limitedTo_.isEmpty())
        showReadingsWithCard(limitedTo_);
    showPatterns(std::move(read.drawn), read.days, read.patternsError);
}

qint64 FrmJournal::chosenId() const
{
    // Only a reading the user picked, never the row the cursor rests on.
    const QModelIndexList chosen = lstReadings->selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? 0 : chosen.first().data(Qt::UserRole).toLongLong();
}

void FrmJournal::updateButtons()
{
    const bool chosen = chosenId() != 0;
    cmdOpen->setEnabled(chosen);
    cmdDelete->setEnabled(chosen);
    cmdExport->setEnabled(model_->totalCount() > 0);
    const QString count = tr("%1 of %2").arg(model_->rowCount()).arg(model_->totalCount());
    lblCount->setText(limitedTo_.isEmpty() ? count : tr("With %1: %2").arg(limitedTo_, count));
    if (cmdWithCard) {
        cmdWithCard->setEnabled(!lstPatterns->selectedItems().isEmpty());
        cmdShowAll->setEnabled(!limitedTo_.isEmpty());
    }
}

void FrmJournal::openChosen()
{
    const qint64 id = chosenId();
    if (id == 0 || !openJournal())
        return;
    const std::optional<Reading> reading = journal_.reading(id);
    if (!reading) {
        services_.prompter.tell(journal_.errorText().isEmpty() ? tr("This reading is no longer in the "
                                                                    "journal.")
                                                               : journal_.errorText(),
                                PromptIcon::Information, this);
        return;
    }
    auto *window = new FrmReadings(services_, journalPath_, *reading, this);
    connect(window, &FrmReadings::testRequested, this, &FrmJournal::testRequested);
    connect(window, &FrmReadings::journalRequested, this, [this] {
        raise();
        activateWindow();
    });
    window->show();
}

void FrmJournal::deleteChosen()
{
    const qint64 id = chosenId();
    if (id == 0)
        return;
    const QString title = lstReadings->selectionModel()->selectedIndexes().first().data().toString();
    const PromptAnswer answer =
        services_.prompter.ask(Prompt{tr("Delete this reading from the journal?\n%1").arg(title), PromptIcon::Question,
                                      PromptButtons::YesNo, QString::fromLatin1(kAppTitle), PromptAnswer::No},
                               this);
    if (answer != PromptAnswer::Yes || !openJournal())
        return;
    if (!journal_.remove(id)) {
        services_.prompter.tell(journal_.errorText(), PromptIcon::Critical, this);
        return;
    }
    reload();
}

bool FrmJournal::exportAll()
{
    if (!openJournal())
        return false;
    FileDialogRequest request;
    request.title = tr("Export Readings");
    request.filter = exportFilter();
    request.startName = QStringLiteral("readings.md");
    QString path = services_.prompter.saveFileName(request, this);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo::exists(path))
        path += QStringLiteral(".md");
    const std::optional<QVector<Reading>> readings = journal_.all();
    QString why = journal_.errorText();
    if (readings && saveFileAtomically(path, exportedBytes(path, *readings), &why))
        return true;
    services_.prompter.tell(tr("The readings could not be exported to %1\n%2").arg(QDir::toNativeSeparators(path), why),
                            PromptIcon::Critical, this);
    return false;
}

} // namespace velmora::readings
