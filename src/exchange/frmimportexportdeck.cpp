#include "exchange/frmimportexportdeck.h"

#include "app/appicon.h"
#include "app/plaintext.h"
#include "app/widgets.h"
#include "app/windowplace.h"
#include "decks/deckexchange.h"
#include "exchange/frmexportmessage.h"
#include "exchange/frmpackagemapping.h"
#include "store/backgroundjob.h"
#include "store/catalog.h"
#include "store/paths.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>

namespace velmora {

namespace {

QListWidget *makeFileList(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->setTextElideMode(Qt::ElideMiddle);
    list->setUniformItemSizes(true);
    return list;
}

void fillList(QListWidget *list, const QStringList &names)
{
    list->clear();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, list);
        item->setToolTip(plainToolTip(name));
    }
}

// Deck names come from shared files; a list entry keeps to this.
constexpr int kShownDeckName = 60;

// Deck names by lower-case file name; empty when the catalog cannot be read.
QHash<QString, QString> catalogDeckNames()
{
    QHash<QString, QString> names;
    Catalog catalog;
    if (!catalog.open())
        return names;
    for (const CatalogEntry &entry : catalog.decks().value_or(QVector<CatalogEntry>())) {
        QString &name = names[entry.dbName.toLower()];
        name = name.isEmpty() ? entry.deckName : name + QStringLiteral(", ") + entry.deckName;
    }
    return names;
}

QStringList filesIn(const QString &folder, const QStringList &patterns = {})
{
    if (folder.isEmpty())
        return {};
    QDir dir(folder);
    dir.setNameFilters(patterns);
    return dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

} // namespace

ExportFrame::ExportFrame(Prompter &prompter, QWidget *parent) : QGroupBox(tr("Export Deck"), parent)
{
    setObjectName(QStringLiteral("fraExport"));
    File4 = makeFileList(this, "File4", tr("Deck file to export"));
    Dir3 = new FolderChoice(prompter, "Dir3", tr("Folder to export to"), this);
    File3 = makeFileList(this, "File3", tr("Files in the folder to export to"));
    cmdExport = makeButton(this, "cmdExport", tr("E&xport Deck"));
    cmdExport->setAutoDefault(false);
    // For study on a phone, in the flashcard programs learners already use.
    cmdExportPackage = makeButton(this, "cmdExportPackage", tr("Export as &Flashcard Package"));
    cmdExportPackage->setAutoDefault(false);
    cmdExportCsv = makeButton(this, "cmdExportCsv", tr("Export as C&SV"));
    cmdExportCsv->setAutoDefault(false);
    chkReviewState = new QCheckBox(tr("Include &review state"), this);
    chkReviewState->setObjectName(QStringLiteral("chkReviewState"));
    chkReviewState->setToolTip(tr("The package carries where each card's review stands, so that "
                                  "study goes on where it stopped."));
    auto *exportButtons = new QHBoxLayout;
    exportButtons->addWidget(chkReviewState);
    exportButtons->addStretch();
    exportButtons->addWidget(cmdExportCsv);
    exportButtons->addWidget(cmdExportPackage);
    exportButtons->addWidget(cmdExport);

    auto *layout = new QGridLayout(this);
    layout->addWidget(makeLabel(this, "lblDeckFiles", tr("&Deck file"), File4), 0, 0);
    layout->addWidget(File4, 1, 0, 3, 1);
    layout->addWidget(makeLabel(this, "lblExportTo", tr("Export &to"), Dir3), 0, 1);
    layout->addWidget(Dir3, 1, 1, Qt::AlignTop);
    layout->addWidget(makeLabel(this, "lblFolderFiles", tr("Files &in that folder"), File3), 2, 1);
    layout->addWidget(File3, 3, 1);
    layout->addLayout(exportButtons, 4, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 2);
    layout->setRowStretch(1, 2);
    layout->setRowStretch(3, 1);
    setTabOrder(File4, Dir3);
    setTabOrder(Dir3, File3);
    setTabOrder(File3, cmdExportCsv);
    setTabOrder(cmdExportCsv, chkReviewState);
    setTabOrder(chkReviewState, cmdExportPackage);
    setTabOrder(cmdExportPackage, cmdExport);
    connect(cmdExport, &QPushButton::clicked, this, &ExportFrame::exportRequested);
    connect(cmdExportPackage, &QPushButton::clicked, this, &ExportFrame::packageExportRequested);
    connect(cmdExportCsv, &QPushButton::clicked, this, &ExportFrame::csvExportRequested);
}

void ExportFrame::setDeckFiles(const QStringList &names, const QHash<QString, QString> &deckNames)
{
    fillList(File4, names);
    // Files are named by number; the catalog's name says which deck each is.
    for (int row = 0; row < File4->count(); ++row) {
        QListWidgetItem *item = File4->item(row);
        item->setData(Qt::UserRole, item->text());
        const QString deckName = deckNames.value(item->text().toLower());
        if (deckName.isEmpty())
            continue;
        const QString shown =
            deckName.size() <= kShownDeckName ? deckName : deckName.left(kShownDeckName - 1) + QChar(0x2026);
        item->setText(item->text() + QStringLiteral(" \u2013 ") + shown);
        item->setToolTip(plainToolTip(item->data(Qt::UserRole).toString() + QStringLiteral(" \u2013 ") + deckName));
    }
}

void ExportFrame::setDestinationFiles(const QStringList &names)
{
    fillList(File3, names);
}

QString ExportFrame::selectedDeckFile() const
{
    const QListWidgetItem *item = File4->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toString() : QString();
}

ImportFrame::ImportFrame(Prompter &prompter, QWidget *parent) : QGroupBox(tr("Import Deck"), parent)
{
    setObjectName(QStringLiteral("fraImport"));
    Dir1 = new FolderChoice(prompter, "Dir1", tr("Folder to import from"), this);
    File1 = makeFileList(this, "File1", tr("File to import"));
    Label1 = makeLabel(this, "Label1", tr("Import From"), Dir1);
    Label2 = makeLabel(this, "Label2", tr("Import To"), nullptr);
    cmdImportDeck = makeButton(this, "cmdImportDeck", tr("&Import Deck"));
    cmdImportDeck->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(Dir1, 1, 0, Qt::AlignTop);
    layout->addWidget(File1, 1, 1);
    layout->addWidget(Label2, 2, 0, 1, 2);
    layout->addWidget(cmdImportDeck, 3, 1, Qt::AlignRight);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    layout->setRowStretch(1, 1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, cmdImportDeck);
    connect(cmdImportDeck, &QPushButton::clicked, this, &ImportFrame::importRequested);
    connect(File1, &QListWidget::itemActivated, this, &ImportFrame::importRequested);
}

void ImportFrame::setFiles(const QStringList &names)
{
    fillList(File1, names);
}

QString ImportFrame::selectedPath() const
{
    const QListWidgetItem *item = File1->currentItem();
    const QString folder = Dir1->folder();
    if (!item || !item->isSelected() || folder.isEmpty())
        return {};
    return QDir(folder).filePath(item->text());
}

FrmImportExportDeck::FrmImportExportDeck(Services &services, ExchangeOpener opener, QWidget *parent,
                                         ExportMessageOpener showExportMessage, PackageMappingOpener mapPackage)
    : QDialog(parent), services_(services), opener_(opener), showExportMessage_(std::move(showExportMessage)),
      mapPackage_(std::move(mapPackage))
{
    setObjectName(QStringLiteral("frmImportExportDeck"));
    setWindowIcon(appIcon());
    setModal(true);
    if (!showExportMessage_) {
        showExportMessage_ = [](QWidget *over, const QString &fileName, const QString &exportedPath) {
            FrmExportMessage message(over);
            message.setExport(fileName, exportedPath);
            message.exec();
        };
    }

    if (!mapPackage_) {
        mapPackage_ = [](QWidget *over, const flashcards::PackageReader &reader, flashcards::PackageChoice &choice) {
            FrmPackageMapping mapping(over);
            QStringList fields;
            QString typeName;
            for (const flashcards::NoteType &type : reader.noteTypes()) {
                if (type.id == choice.noteType) {
                    fields = type.fields;
                    typeName = type.name;
                }
            }
            QVector<QStringList> notes;
            int count = 0;
            for (const flashcards::PackageNote &note : reader.notes()) {
                if (note.typeId != choice.noteType)
                    continue;
                ++count;
                if (notes.size() < 5)
                    notes.append(note.fields);
            }
            mapping.showNotes(typeName, fields, notes, count);
            mapping.setMapping(choice.mapping);
            mapping.setDeckName(choice.deckName);
            if (mapping.exec() != QDialog::Accepted)
                return false;
            choice.mapping = mapping.mapping();
            choice.deckName = mapping.deckName();
            return true;
        };
    }

    export_ = new ExportFrame(services_.prompter, this);
    import_ = new ImportFrame(services_.prompter, this);
    frames_ = new QStackedWidget(this);
    frames_->addWidget(export_);
    frames_->addWidget(import_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frames_);

    switch (opener_) {
    case ExchangeOpener::DeckManagerExport:
        setWindowTitle(tr("Export Tutor"));
        // Deck files only: the engine's journals beside them are no decks.
        export_->setDeckFiles(filesIn(paths::deckFolder(), {QStringLiteral("*.vdk")}), catalogDeckNames());
        frames_->setCurrentWidget(export_);
        break;
    case ExchangeOpener::DeckManagerImport:
        setWindowTitle(tr("Import Tutor"));
        frames_->setCurrentWidget(import_);
        break;
    case ExchangeOpener::StartScreenImport:
        setWindowTitle(tr("Import"));
        import_->setTitle(tr("Import"));
        import_->cmdImportDeck->setText(tr("&Import"));
        frames_->setCurrentWidget(import_);
        break;
    }

    connect(export_->Dir3, &FolderChoice::folderChanged, this, &FrmImportExportDeck::listDestination);
    connect(import_->Dir1, &FolderChoice::folderChanged, this, &FrmImportExportDeck::listImportFolder);
    connect(export_, &ExportFrame::exportRequested, this, &FrmImportExportDeck::cmdExport_Click);
    connect(export_, &ExportFrame::packageExportRequested, this, &FrmImportExportDeck::cmdExportPackage_Click);
    connect(export_, &ExportFrame::csvExportRequested, this, &FrmImportExportDeck::cmdExportCsv_Click);
    connect(import_, &ImportFrame::importRequested, this, &FrmImportExportDeck::cmdImportDeck_Click);
    listDestination(export_->Dir3->folder());
    listImportFolder(import_->Dir1->folder());
    keepWindowPlace(*this, services_.settings, QSize(760, 520));
}

FrmImportExportDeck::~FrmImportExportDeck() = default;

void FrmImportExportDeck::listDestination(const QString &folder)
{
    export_->setDestinationFiles(filesIn(folder));
}

void FrmImportExportDeck::listImportFolder(const QString &folder)
{
    import_->setFiles(filesIn(folder));
}

template <typename Work>
auto FrmImportExportDeck::withProgress(const QString &label, Work work)
{
    QProgressDialog progress(label, QString(), 0, 1000, this);
    progress.setObjectName(QStringLiteral("exchangeProgress"));
    progress.setWindowTitle(QString::fromLatin1(kAppTitle));
    progress.setWindowModality(Qt::WindowModal);
    progress.setCancelButton(nullptr);
    progress.setMinimumDuration(300);
    frames_->setEnabled(false);
    // The work runs on a thread of its own (each part of it opens its own
    // connections), so that the screen keeps painting between its steps,
    // which take a picture's length each. Input waits until the work ends.
    std::atomic<int> reached{0};
    const auto report = [&reached](qint64 done, qint64 total) {
        reached.store(total > 0 ? int(done * 1000 / total) : 0, std::memory_order_relaxed);
    };
    using Outcome = decltype(work(report));
    QEventLoop waiting;
    bool finished = false;
    BackgroundJob<Outcome> job([&work, &report] { return work(report); }, &waiting,
                               [&waiting, &finished] {
                                   finished = true;
                                   waiting.quit();
                               });
    // setValue paints only once the dialog shows and only when the value
    // moves; an import's checks hold it still for seconds, while the loop
    // keeps painting.
    QTimer ticks;
    ticks.setInterval(20);
    connect(&ticks, &QTimer::timeout, &progress,
            [&progress, &reached] { progress.setValue(reached.load(std::memory_order_relaxed)); });
    ticks.start();
    if (!finished)
        waiting.exec(QEventLoop::ExcludeUserInputEvents);
    ticks.stop();
    frames_->setEnabled(true);
    return job.take();
}

void FrmImportExportDeck::cmdExport_Click()
{
    if (opener_ != ExchangeOpener::DeckManagerExport)
        return;
    const QString name = export_->selectedDeckFile();
    const QString folder = export_->Dir3->folder();
    auto form = exchange::ExportForm::AsStored;
    // Weighing the offer decodes and encodes the largest picture.
    const auto offer = withProgress(tr("Exporting the deck..."),
                                    [&](const auto & /*progress*/) { return exchange::compactOffer(name, folder); });
    if (offer) {
        const PromptAnswer answer = services_.prompter.ask(exchange::compactOfferPrompt(*offer), this);
        if (answer == PromptAnswer::Cancel)
            return;
        if (answer == PromptAnswer::Yes)
            form = exchange::ExportForm::Compact;
    }
    const QString label = form == exchange::ExportForm::Compact
                              ? tr("Making a compact copy of the deck and exporting it...")
                              : tr("Exporting the deck...");
    const ExchangeOutcome outcome =
        withProgress(label, [&](const auto &progress) { return exchange::exportDeck(name, folder, progress, form); });
    listDestination(folder);
    if (!outcome.ok) {
        services_.prompter.ask(outcome.message, this);
        return;
    }
    showExportMessage_(this, outcome.fileName, outcome.exportedPath);
}

void FrmImportExportDeck::cmdExportPackage_Click()
{
    if (opener_ != ExchangeOpener::DeckManagerExport)
        return;
    const QString name = export_->selectedDeckFile();
    const QString folder = export_->Dir3->folder();
    const qint64 now = services_.clock.now().toMSecsSinceEpoch();
    const bool reviewStates = export_->chkReviewState->isChecked();
    const ExchangeOutcome outcome = withProgress(tr("Writing the flashcard package..."), [&](const auto &progress) {
        return flashcards::exportPackage(name, folder, now, progress, reviewStates);
    });
    listDestination(folder);
    if (!outcome.ok) {
        services_.prompter.ask(outcome.message, this);
        return;
    }
    showExportMessage_(this, outcome.fileName, outcome.exportedPath);
}

void FrmImportExportDeck::cmdExportCsv_Click()
{
    if (opener_ != ExchangeOpener::DeckManagerExport)
        return;
    const QString folder = export_->Dir3->folder();
    const ExchangeOutcome outcome = flashcards::exportCsv(export_->selectedDeckFile(), folder);
    listDestination(folder);
    if (!outcome.ok) {
        services_.prompter.ask(outcome.message, this);
        return;
    }
    showExportMessage_(this, outcome.fileName, outcome.exportedPath);
}

void FrmImportExportDeck::importPackage(const QString &source)
{
    flashcards::PackageReader reader;
    const bool opened = withProgress(tr("Reading the flashcard package..."), [&](const auto & /*progress*/) {
        return reader.open(source, paths::exchangeFolder());
    });
    if (!opened) {
        services_.prompter.ask(Prompt{reader.errorText(), PromptIcon::Critical}, this);
        return;
    }
    flashcards::PackageChoice choice = flashcards::guessChoice(reader);
    if (!mapPackage_(this, reader, choice))
        return;
    const ExchangeOutcome outcome = withProgress(tr("Importing the flashcard package..."), [&](const auto &progress) {
        return flashcards::importPackage(reader, choice, progress);
    });
    services_.prompter.ask(outcome.message, this);
}

void FrmImportExportDeck::cmdImportDeck_Click()
{
    const QString source = import_->selectedPath();
    if (source.endsWith(QLatin1String(".apkg"), Qt::CaseInsensitive) && QFileInfo(source).isFile()) {
        importPackage(source);
        return;
    }
    if (source.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) && QFileInfo(source).isFile()) {
        const ExchangeOutcome outcome = withProgress(
            tr("Importing the CSV..."), [&](const auto &progress) { return flashcards::importCsv(source, progress); });
        services_.prompter.ask(outcome.message, this);
        return;
    }
    const ExchangeOutcome outcome = withProgress(
        tr("Importing the deck..."), [&](const auto &progress) { return exchange::importDeck(source, progress); });
    services_.prompter.ask(outcome.message, this);
}

} // namespace velmora
