#include "exchange/frmpackagemapping.h"

#include "app/accessibility.h"
#include "app/appicon.h"
#include "app/plaintext.h"
#include "app/prompter.h"
#include "app/widgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

// A preview cell keeps to this; the whole text is its tooltip.
constexpr int kShownCell = 80;
constexpr int kNotesShown = 5;

QComboBox *makeFieldChoice(QWidget *parent, const char *name, const QString &accessibleName)
{
    auto *combo = new ChoiceList(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(accessibleName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(20);
    return combo;
}

} // namespace

FrmPackageMapping::FrmPackageMapping(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPackageMapping"));
    setWindowTitle(QString::fromLatin1(kWindowCaption));
    setWindowIcon(appIcon());
    setModal(true);

    tblNotes = new QTableWidget(this);
    tblNotes->setObjectName(QStringLiteral("tblNotes"));
    tblNotes->setAccessibleName(QStringLiteral("First notes of the package"));
    tblNotes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblNotes->setWordWrap(false);
    tblNotes->setTextElideMode(Qt::ElideRight);
    tblNotes->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblNotes->horizontalHeader()->setDefaultSectionSize(140);
    lblNotes = makeLabel(this, "lblNotes", QStringLiteral("&Notes in the package"), tblNotes);
    lblNotes->setWordWrap(true);

    txtDeckName = new QLineEdit(this);
    txtDeckName->setObjectName(QStringLiteral("txtDeckName"));
    txtDeckName->setAccessibleName(QStringLiteral("Name of the new deck"));
    txtDeckName->setMaxLength(200);
    cboName = makeFieldChoice(this, "cboName", QStringLiteral("Field for the card name"));
    cboGroup = makeFieldChoice(this, "cboGroup", QStringLiteral("Field for the group"));
    cboKeywords = makeFieldChoice(this, "cboKeywords", QStringLiteral("Field for the keywords"));
    cboUpright = makeFieldChoice(this, "cboUpright", QStringLiteral("Field for the upright meaning"));
    cboReversed = makeFieldChoice(this, "cboReversed", QStringLiteral("Field for the reversed meaning"));
    cboPicture = makeFieldChoice(this, "cboPicture", QStringLiteral("Field for the picture"));

    auto *form = new QFormLayout;
    form->addRow(makeLabel(this, "lblDeckName", QStringLiteral("&Deck name"), txtDeckName), txtDeckName);
    form->addRow(makeLabel(this, "lblName", QStringLiteral("Card na&me"), cboName), cboName);
    form->addRow(makeLabel(this, "lblGroup", QStringLiteral("&Group (else from the tags)"), cboGroup), cboGroup);
    form->addRow(makeLabel(this, "lblKeywords", QStringLiteral("&Keywords (split on , or ;)"), cboKeywords),
                 cboKeywords);
    form->addRow(makeLabel(this, "lblUpright", QStringLiteral("&Upright meaning"), cboUpright), cboUpright);
    form->addRow(makeLabel(this, "lblReversed", QStringLiteral("&Reversed meaning"), cboReversed), cboReversed);
    form->addRow(makeLabel(this, "lblPicture", QStringLiteral("&Picture (first image)"), cboPicture), cboPicture);

    cmdImport = makeButton(this, "cmdImport", QStringLiteral("&Import"));
    cmdCancel = makeButton(this, "cmdCancel", QStringLiteral("&Cancel"));
    cmdImport->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblNotes);
    layout->addWidget(tblNotes, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(cmdImport, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtDeckName, &QLineEdit::textChanged, this, &FrmPackageMapping::updateImportable);
    connect(cboName, &QComboBox::currentIndexChanged, this, &FrmPackageMapping::updateImportable);
    resize(720, 520);
}

FrmPackageMapping::~FrmPackageMapping() = default;

void FrmPackageMapping::showNotes(const QString &noteType, const QStringList &fields, const QVector<QStringList> &notes,
                                  int noteCount)
{
    lblNotes->setText(QStringLiteral("&Notes in the package: %1 of type \u201c%2\u201d, the first %3 shown")
                          .arg(noteCount)
                          .arg(noteType.left(60))
                          .arg(std::min<int>(kNotesShown, int(notes.size()))));
    tblNotes->clear();
    tblNotes->setColumnCount(int(fields.size()));
    tblNotes->setHorizontalHeaderLabels(fields);
    const int rows = std::min<int>(kNotesShown, int(notes.size()));
    tblNotes->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < fields.size(); ++column) {
            const QString markup = notes[row].value(column);
            QString text = flashcards::htmlToPlainText(markup).simplified();
            if (text.isEmpty() && !flashcards::firstImageSource(markup).isEmpty())
                text = QStringLiteral("[picture: %1]").arg(flashcards::firstImageSource(markup));
            auto *item =
                new QTableWidgetItem(text.size() <= kShownCell ? text : text.left(kShownCell - 1) + QChar(0x2026));
            item->setToolTip(plainToolTip(text.left(2000)));
            tblNotes->setItem(row, column, item);
        }
    }
    for (QComboBox *combo : {cboName, cboGroup, cboKeywords, cboUpright, cboReversed, cboPicture}) {
        combo->clear();
        combo->addItem(QStringLiteral("(none)"), -1);
        for (int i = 0; i < fields.size(); ++i)
            combo->addItem(fields[i].left(60), i);
    }
    updateImportable();
}

void FrmPackageMapping::setMapping(const flashcards::FieldMapping &m)
{
    const auto pick = [](QComboBox *combo, int field) { combo->setCurrentIndex(std::max(0, combo->findData(field))); };
    pick(cboName, m.name);
    pick(cboGroup, m.group);
    pick(cboKeywords, m.keywords);
    pick(cboUpright, m.upright);
    pick(cboReversed, m.reversed);
    pick(cboPicture, m.picture);
}

flashcards::FieldMapping FrmPackageMapping::mapping() const
{
    const auto field = [](const QComboBox *combo) {
        return combo->currentData().isValid() ? combo->currentData().toInt() : -1;
    };
    return {field(cboName),    field(cboGroup),    field(cboKeywords),
            field(cboUpright), field(cboReversed), field(cboPicture)};
}

void FrmPackageMapping::setDeckName(const QString &name)
{
    txtDeckName->setText(name);
}

QString FrmPackageMapping::deckName() const
{
    return txtDeckName->text().simplified();
}

void FrmPackageMapping::updateImportable()
{
    // Without a name field every note would be skipped.
    cmdImport->setEnabled(!deckName().isEmpty() && mapping().name >= 0);
}

} // namespace velmora
