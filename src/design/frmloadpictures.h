#pragma once

// The picture loader: a folder tree and its ".jpg" files, the list of chosen
// files, and Save, which stores them in list order into the cards without a
// picture, one card at a time under a progress dialog.

#include "app/services.h"
#include "design/designrules.h"
#include "store/backgroundjob.h"

#include <QDialog>
#include <QPointer>
#include <QProgressDialog>

#include <deque>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QListWidget;
class QMimeData;
class QPushButton;
class QTreeWidget;

namespace velmora {

class Deck;
class FolderChoice;

// Draws the picture into the box's inner area as the preview's stretch rule
// says and keeps the drawing as the box's picture.
void FitPictureToBox(QLabel &box, const QImage &picture);
// The drawing FitPictureToBox keeps, on the given background; safe off the
// user-interface thread. The stretch rule goes by pictureSize when given, the
// size of a picture decoded smaller than it is.
[[nodiscard]] QImage fittedPreview(const QImage &picture, const QColor &background, QSize pictureSize = {});

// The preview box in twips: 2385 x 3735 outside, this inside, and the sizes a
// smaller picture is stretched to.
inline constexpr QSize kPreviewInnerTwips{2325, 3675};
inline constexpr QSize kPreviewFixedTwips{2225, 3615};
inline constexpr int kTwipsPerPixel = 15;

// The setting that remembers the loader's "Keep pictures compact (JPEG)".
inline constexpr char kCompactPicturesKey[] = "CompactPictures";

class FrmLoadPictures : public QDialog
{
    Q_OBJECT

public:
    FrmLoadPictures(Services &services, Deck &deck, QWidget *parent = nullptr);
    ~FrmLoadPictures() override;

    void showFolder(const QString &path);
    [[nodiscard]] QString folder() const { return folder_; }
    [[nodiscard]] const PictureChoice &choice() const { return choice_; }
    [[nodiscard]] bool isSaving() const { return progress_ != nullptr; }

    // The files chosen in the file list, in its order.
    void addPicture();
    // Paths as Add takes them: in order, up to the free cards.
    void addFiles(const QStringList &paths);
    void deletePicture();
    void savePictures();

    FolderChoice *dirSelected = nullptr;
    QListWidget *filSelected = nullptr;
    QPushButton *cmdAddPictures = nullptr;
    QTreeWidget *lstSelectedPictures = nullptr;
    QPushButton *cmdDeletePictures = nullptr;
    QPushButton *cmdSavePictures = nullptr;
    QCheckBox *chkCompact = nullptr;
    QLabel *pBox = nullptr;

signals:
    // 0-based position of a card whose picture is now stored.
    void cardStored(int index);
    void picturesSaved();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The dragged files that the file list would show, as full paths.
    [[nodiscard]] static QStringList droppedPictures(const QMimeData *data);

    // One chosen file made ready for storing: decoded, drawn for the preview
    // and turned into the bytes to store.
    struct Prepared
    {
        QImage preview;
        QByteArray stored;
        QString error;
    };
    [[nodiscard]] std::unique_ptr<BackgroundJob<Prepared>> prepare(int index) const;
    void storeNext();
    void finishSaving();
    void showChoice();

    Services &services_;
    Deck &deck_;
    QString folder_;
    QVector<int> cardIds_;
    QVector<bool> hasPicture_;
    PictureChoice choice_;

    QPointer<QProgressDialog> progress_;
    QVector<int> targets_;
    int next_ = 0;
    // The files after the ones being stored are prepared meanwhile on threads.
    std::deque<std::unique_ptr<BackgroundJob<Prepared>>> preparing_;
    QStringList failures_;
};

} // namespace velmora
