#pragma once

// The export and import screen: two passive frames, one in front, and the
// window that coordinates them over the exchange rules.

#include "app/folderchoice.h"
#include "flashcards/flashcardexchange.h"

#include "app/services.h"

#include <QDialog>
#include <QGroupBox>
#include <QHash>

#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace velmora {

// Who opened the screen; it sets the caption and the frame in front.
enum class ExchangeOpener { DeckManagerExport, DeckManagerImport, StartScreenImport };

class ExportFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit ExportFrame(Prompter &prompter, QWidget *parent = nullptr);
    // Each file is listed with its deck's name from `deckNames` (by lower-case
    // file name) beside it; the selection gives the file name alone.
    void setDeckFiles(const QStringList &names, const QHash<QString, QString> &deckNames = {});
    void setDestinationFiles(const QStringList &names);
    [[nodiscard]] QString selectedDeckFile() const;

    QListWidget *File4 = nullptr;
    FolderChoice *Dir3 = nullptr;
    QListWidget *File3 = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdExportPackage = nullptr;
    QPushButton *cmdExportCsv = nullptr;
    QCheckBox *chkReviewState = nullptr;

signals:
    void exportRequested();
    void packageExportRequested();
    void csvExportRequested();
};

class ImportFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit ImportFrame(Prompter &prompter, QWidget *parent = nullptr);
    void setFiles(const QStringList &names);
    // The chosen file's full path; empty when none is chosen.
    [[nodiscard]] QString selectedPath() const;

    QLabel *Label1 = nullptr;
    FolderChoice *Dir1 = nullptr;
    QListWidget *File1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *cmdImportDeck = nullptr;

signals:
    void importRequested();
};

class FrmImportExportDeck : public QDialog
{
    Q_OBJECT

public:
    // Shows the message after an export; the default opens FrmExportMessage modally.
    using ExportMessageOpener =
        std::function<void(QWidget *parent, const QString &fileName, const QString &exportedPath)>;

    // Shows the mapping of a flashcard package's notes; false when the user
    // cancels. The default runs FrmPackageMapping modally.
    using PackageMappingOpener = std::function<bool(QWidget *parent, const flashcards::PackageReader &reader,
                                                    flashcards::PackageChoice &choice)>;

    FrmImportExportDeck(Services &services, ExchangeOpener opener, QWidget *parent = nullptr,
                        ExportMessageOpener showExportMessage = {}, PackageMappingOpener mapPackage = {});
    ~FrmImportExportDeck() override;

    [[nodiscard]] ExportFrame *exportFrame() const { return export_; }
    [[nodiscard]] ImportFrame *importFrame() const { return import_; }

public slots:
    void cmdExport_Click();
    void cmdImportDeck_Click();
    void cmdExportPackage_Click();
    void cmdExportCsv_Click();

private:
    void listDestination(const QString &folder);
    void listImportFolder(const QString &folder);
    void importPackage(const QString &source);
    // Runs work with a progress dialog over this window; the window paints.
    template <typename Work>
    auto withProgress(const QString &label, Work work);

    Services &services_;
    ExchangeOpener opener_;
    ExportMessageOpener showExportMessage_;
    PackageMappingOpener mapPackage_;
    QStackedWidget *frames_ = nullptr;
    ExportFrame *export_ = nullptr;
    ImportFrame *import_ = nullptr;
};

} // namespace velmora
