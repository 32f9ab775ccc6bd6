#include "design/frmloadpictures.h"

#include "app/appicon.h"
#include "app/folderchoice.h"
#include "app/plaintext.h"
#include "app/prompter.h"
#include "app/widgets.h"
#include "app/windowplace.h"
#include "store/deck.h"
#include "store/pictures.h"

#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmora {

QImage fittedPreview(const QImage &picture, const QColor &background, QSize pictureSize)
{
    const QSize innerPixels = kPreviewInnerTwips / kTwipsPerPixel;
    QImage drawing(innerPixels, QImage::Format_RGB32);
    drawing.fill(background);
    if (!picture.isNull()) {
        const QSize ruled = pictureSize.isValid() ? pictureSize : picture.size();
        const QRect twips =
            fitPictureRect(QSizeF(ruled) * kTwipsPerPixel, QSizeF(kPreviewInnerTwips), QSizeF(kPreviewFixedTwips));
        const QRectF target(QPointF(twips.topLeft()) / kTwipsPerPixel, QSizeF(twips.size()) / kTwipsPerPixel);
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, picture);
    }
    return drawing;
}

void FitPictureToBox(QLabel &box, const QImage &picture)
{
    box.clear();
    box.setPixmap(QPixmap::fromImage(fittedPreview(picture, box.palette().color(QPalette::Window))));
}

FrmLoadPictures::FrmLoadPictures(Services &services, Deck &deck, QWidget *parent)
    : QDialog(parent), services_(services), deck_(deck)
{
    setObjectName(QStringLiteral("frmLoadPictures"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    dirSelected = new FolderChoice(services_.prompter, "dirSelected", tr("Folder of the pictures"), this);
    filSelected = new QListWidget(this);
    filSelected->setObjectName(QStringLiteral("filSelected"));
    filSelected->setAccessibleName(tr("Picture files"));
    filSelected->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cmdAddPictures = makeButton(this, "cmdAddPictures", tr("&Add"));
    lstSelectedPictures = new QTreeWidget(this);
    lstSelectedPictures->setObjectName(QStringLiteral("lstSelectedPictures"));
    lstSelectedPictures->setAccessibleName(tr("Chosen pictures"));
    lstSelectedPictures->setHeaderLabels({tr("Card No")});
    lstSelectedPictures->setRootIsDecorated(false);
    lstSelectedPictures->setTextElideMode(Qt::ElideMiddle);
    // Picture files dragged from a file manager are added as Add adds them.
    lstSelectedPictures->setAcceptDrops(true);
    lstSelectedPictures->viewport()->setAcceptDrops(true);
    lstSelectedPictures->viewport()->installEventFilter(this);
    cmdDeletePictures = makeButton(this, "cmdDeletePictures", tr("&Delete"));
    cmdSavePictures = makeButton(this, "cmdSavePictures", tr("&Save"));
    chkCompact = named(new QCheckBox(tr("&Keep pictures compact (JPEG)"), this), "chkCompact",
                       tr("Keep pictures compact (JPEG)"));
    chkCompact->setChecked(services_.settings.value(QLatin1String(kCompactPicturesKey)) == QLatin1String("True"));
    QLabel *compactHint =
        makeHint(this, "lblCompactHint",
                 tr("Checked: a JPEG file is stored as it is, byte for byte, and any other picture as a JPEG "
                    "file; a 1000 x 1700 photo takes about 0.6 MB, so a deck of 78 such cards is about 50 MB "
                    "and can be sent to friends.\n"
                    "Unchecked: every picture is stored as a BMP file, about 5 MB for the same photo, so such "
                    "a deck is about 400 MB."),
                 chkCompact);
    pBox = new QLabel(this);
    pBox->setObjectName(QStringLiteral("pBox"));
    pBox->setAccessibleName(tr("Preview"));
    pBox->setAccessibleDescription(tr("Each picture as it is stored into its card"));
    pBox->setFrameShape(QFrame::Box);
    pBox->setLineWidth(2);
    pBox->setFixedSize(QSize(2385, 3735) / kTwipsPerPixel);
    pBox->setAlignment(Qt::AlignCenter);

    auto *browse = new QVBoxLayout;
    browse->addWidget(dirSelected);
    browse->addWidget(filSelected, 1);
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(cmdAddPictures);
    listButtons->addWidget(cmdDeletePictures);
    listButtons->addWidget(cmdSavePictures);
    auto *compact = new QHBoxLayout;
    compact->addWidget(chkCompact);
    compact->addWidget(compactHint);
    compact->addStretch(1);
    auto *chosen = new QVBoxLayout;
    chosen->addWidget(lstSelectedPictures, 1);
    chosen->addLayout(compact);
    chosen->addLayout(listButtons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(browse, 1);
    layout->addLayout(chosen, 1);
    layout->addWidget(pBox, 0, Qt::AlignTop);

    connect(dirSelected, &FolderChoice::folderChanged, this, &FrmLoadPictures::showFolder);
    connect(filSelected, &QListWidget::itemActivated, this, &FrmLoadPictures::addPicture);
    connect(cmdAddPictures, &QPushButton::clicked, this, &FrmLoadPictures::addPicture);
    connect(cmdDeletePictures, &QPushButton::clicked, this, &FrmLoadPictures::deletePicture);
    connect(cmdSavePictures, &QPushButton::clicked, this, &FrmLoadPictures::savePictures);
    connect(chkCompact, &QCheckBox::toggled, this, [this](bool ticked) {
        services_.settings.setValue(QLatin1String(kCompactPicturesKey),
                                    ticked ? QStringLiteral("True") : QStringLiteral("False"));
    });

    int freeSlots = 0;
    for (const Card &card : deck_.cards().value_or(QVector<Card>())) {
        cardIds_.append(card.id);
        hasPicture_.append(card.isSaved);
        freeSlots += card.isSaved ? 0 : 1;
    }
    choice_ = PictureChoice(freeSlots);

    showFolder(dirSelected->folder());
    keepWindowPlace(*this, services_.settings, QSize(820, 420));
}

FrmLoadPictures::~FrmLoadPictures() = default;

void FrmLoadPictures::showFolder(const QString &path)
{
    // The folder shown above the list follows, and that brings it back here.
    if (QFileInfo(path).isDir() && dirSelected->folder() != QDir::cleanPath(QDir(path).absolutePath())) {
        dirSelected->setFolder(path);
        return;
    }
    folder_ = path;
    filSelected->clear();
    const QFileInfoList entries = QDir(path).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &entry : entries) {
        // A link to a device or a pipe is listed by QDir::Files; only what
        // leads to a regular file can be read as a picture.
        if (entry.isFile() && isListedPicture(entry.fileName()))
            filSelected->addItem(entry.fileName());
    }
    if (filSelected->count() > 0)
        filSelected->setCurrentRow(0);
}

void FrmLoadPictures::addPicture()
{
    QList<QListWidgetItem *> files = filSelected->selectedItems();
    if (files.isEmpty() && filSelected->currentItem())
        files = {filSelected->currentItem()};
    // In the order of the file list, whatever order they were picked in.
    std::sort(files.begin(), files.end(),
              [this](QListWidgetItem *a, QListWidgetItem *b) { return filSelected->row(a) < filSelected->row(b); });
    QStringList paths;
    for (const QListWidgetItem *file : files)
        paths.append(QDir(folder_).filePath(file->text()));
    addFiles(paths);
}

void FrmLoadPictures::addFiles(const QStringList &paths)
{
    // Each file as one press of Add would take it: the limit stops the rest,
    // a duplicate is told and passed over.
    if (choice_.freeSlots() <= 0) {
        services_.prompter.tell(limitMessage(choice_.slotsAtOpening()), PromptIcon::Critical, this);
        return;
    }
    bool duplicate = false;
    bool added = false;
    for (const QString &path : paths) {
        if (choice_.freeSlots() <= 0) {
            services_.prompter.tell(limitMessage(choice_.slotsAtOpening()), PromptIcon::Critical, this);
            break;
        }
        const PictureChoice::Refusal refusal = choice_.add(path);
        duplicate = duplicate || refusal == PictureChoice::Refusal::Duplicate;
        added = added || refusal == PictureChoice::Refusal::None;
    }
    if (added)
        showChoice();
    if (duplicate)
        services_.prompter.tell(duplicateMessage(), PromptIcon::Warning, this);
}

QStringList FrmLoadPictures::droppedPictures(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        const QFileInfo file(url.toLocalFile());
        if (url.isLocalFile() && file.isFile() && isListedPicture(file.fileName()))
            paths.append(file.absoluteFilePath());
    }
    return paths;
}

bool FrmLoadPictures::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != lstSelectedPictures->viewport())
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (!droppedPictures(drag->mimeData()).isEmpty() && !isSaving()) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList paths = droppedPictures(drop->mimeData());
        if (paths.isEmpty() || isSaving()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        addFiles(paths);
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void FrmLoadPictures::deletePicture()
{
    const int row = lstSelectedPictures->indexOfTopLevelItem(lstSelectedPictures->currentItem());
    if (!choice_.remove(row)) {
        services_.prompter.tell(tr("Picture has been deleted. Please add another picture"), PromptIcon::Information,
                                this);
        return;
    }
    showChoice();
}

void FrmLoadPictures::showChoice()
{
    lstSelectedPictures->clear();
    for (const QString &path : choice_.files()) {
        auto *item = new QTreeWidgetItem(lstSelectedPictures, QStringList{path});
        item->setToolTip(0, plainToolTip(path));
    }
    if (lstSelectedPictures->topLevelItemCount() > 0)
        lstSelectedPictures->setCurrentItem(
            lstSelectedPictures->topLevelItem(lstSelectedPictures->topLevelItemCount() - 1));
}

void FrmLoadPictures::savePictures()
{
    if (isSaving())
        return;
    if (choice_.files().isEmpty()) {
        services_.prompter.tell(tr("Please Select Picture(s)"), PromptIcon::Information, this);
        return;
    }
    targets_ = pictureTargets(hasPicture_, int(choice_.files().size()));
    next_ = 0;
    failures_.clear();
    progress_ = new QProgressDialog(this);
    progress_->setObjectName(QStringLiteral("progressSaving"));
    // The label names picture files, which are shown as they are named.
    auto *label = new QLabel(progress_);
    label->setTextFormat(Qt::PlainText);
    progress_->setLabel(label);
    progress_->setWindowTitle(QString::fromLatin1(kWindowCaption));
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setRange(0, int(targets_.size()));
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setValue(0);
    progress_->show();
    QTimer::singleShot(0, this, &FrmLoadPictures::storeNext);
}

std::unique_ptr<BackgroundJob<FrmLoadPictures::Prepared>> FrmLoadPictures::prepare(int index) const
{
    const StoredForm form = chkCompact->isChecked() ? StoredForm::Compact : StoredForm::Bmp;
    return std::make_unique<BackgroundJob<Prepared>>(
        [path = choice_.files().at(index), form, background = pBox->palette().color(QPalette::Window)] {
            Prepared prepared;
            PictureFile file = readPictureFile(path, form, kPreviewInnerTwips / kTwipsPerPixel);
            if (!file.error.isEmpty()) {
                prepared.error = file.error;
                return prepared;
            }
            prepared.preview = fittedPreview(file.image, background, file.size);
            prepared.stored = std::move(file.stored);
            return prepared;
        });
}

void FrmLoadPictures::storeNext()
{
    if (!progress_)
        return;
    if (next_ >= targets_.size() || progress_->wasCanceled()) {
        finishSaving();
        return;
    }
    // Each write waits for the disk, and that wait costs more than a compact
    // picture's bytes: the files prepared by then are stored in one write.
    // A BMP is ten times the bytes, so fewer are prepared ahead.
    const qsizetype ahead = chkCompact->isChecked() ? 4 : 2;
    const auto prepareAhead = [&] {
        while (qsizetype(preparing_.size()) < ahead && next_ + qsizetype(preparing_.size()) < targets_.size())
            preparing_.push_back(prepare(next_ + int(preparing_.size())));
    };
    prepareAhead();
    std::vector<Prepared> batch;
    do {
        batch.push_back(preparing_.front()->take());
        preparing_.pop_front();
    } while (!preparing_.empty() && preparing_.front()->wait(QDeadlineTimer(0)));
    const int first = next_;
    next_ += int(batch.size());
    prepareAhead();
    const auto write = [&](std::size_t i) {
        return batch[i].error.isEmpty() && deck_.savePicture(cardIds_[targets_[first + int(i)]], batch[i].stored);
    };
    const bool together = deck_.writeTogether([&] {
        for (std::size_t i = 0; i < batch.size(); ++i) {
            if (batch[i].error.isEmpty() && !write(i))
                return false;
        }
        return true;
    });
    for (std::size_t i = 0; i < batch.size(); ++i) {
        const int card = targets_[first + int(i)];
        const QString path = choice_.files().at(first + int(i));
        // A long file name is shortened in the middle rather than widening the dialog.
        const QString name = progress_->fontMetrics().elidedText(QFileInfo(path).fileName(), Qt::ElideMiddle, 320);
        progress_->setLabelText(
            tr("Card %1 of %2: %3").arg(QString::number(first + int(i) + 1), QString::number(targets_.size()), name));
        if (!batch[i].error.isEmpty()) {
            failures_.append(batch[i].error);
        } else if (!together && !write(i)) {
            // One picture the deck refused: the others are stored one by one.
            failures_.append(tr("%1: %2").arg(QFileInfo(path).fileName(), deck_.errorText()));
        } else {
            pBox->setPixmap(QPixmap::fromImage(batch[i].preview));
            hasPicture_[card] = true;
            emit cardStored(card);
        }
        progress_->setValue(first + int(i) + 1);
    }
    QTimer::singleShot(0, this, &FrmLoadPictures::storeNext);
}

void FrmLoadPictures::finishSaving()
{
    const bool cancelled = progress_ && progress_->wasCanceled() && next_ < targets_.size();
    delete progress_;
    preparing_.clear(); // waits for files prepared for cards that are not stored now
    if (cancelled) {
        failures_.append(tr("Saving was cancelled after %1 of %2 pictures; the rest were not stored.")
                             .arg(next_)
                             .arg(targets_.size()));
    }
    if (!failures_.isEmpty())
        services_.prompter.tell(failedFilesMessage(failures_), PromptIcon::Warning, this);
    choice_.clear();
    lstSelectedPictures->clear();
    emit picturesSaved();
    accept();
}

} // namespace velmora
