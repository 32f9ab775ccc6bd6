#pragma once

// The mapping screen of a flashcard package's import: the first notes of the
// package, the new deck's name and, per card field, the note field it comes
// from. A passive page: the import screen fills it and reads the choice.

#include "flashcards/cardmapping.h"

#include <QDialog>
#include <QStringList>
#include <QVector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace velmora {

class FrmPackageMapping : public QDialog
{
    Q_OBJECT

public:
    explicit FrmPackageMapping(QWidget *parent = nullptr);
    ~FrmPackageMapping() override;

    // The note type's fields and its first notes (markup, shown as text).
    void showNotes(const QString &noteType, const QStringList &fields, const QVector<QStringList> &notes,
                   int noteCount);
    void setMapping(const flashcards::FieldMapping &mapping);
    [[nodiscard]] flashcards::FieldMapping mapping() const;
    void setDeckName(const QString &name);
    [[nodiscard]] QString deckName() const;

    QLabel *lblNotes = nullptr;
    QTableWidget *tblNotes = nullptr;
    QLineEdit *txtDeckName = nullptr;
    QComboBox *cboName = nullptr;
    QComboBox *cboGroup = nullptr;
    QComboBox *cboKeywords = nullptr;
    QComboBox *cboUpright = nullptr;
    QComboBox *cboReversed = nullptr;
    QComboBox *cboPicture = nullptr;
    QPushButton *cmdImport = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void updateImportable();
};

} // namespace velmora
