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
    tblNotes->setAccessibleName(tr("First notes of the package"));
    tblNotes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblNotes->setWordWrap(false);
    tblNotes->setTextElideMode(Qt::ElideRight);
    tblNotes->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblNotes->horizontalHeader()->setDefaultSectionSize(140);
    lblNotes = makeLabel(this, "lblNotes", tr("&Notes in the package"), tblNotes);
    lblNotes->setWordWrap(true);

    txtDeckName = new QLineEdit(this);
    txtDeckName->setObjectName(QStringLiteral("txtDeckName"));
    txtDeckName->setAccessibleName(tr("Name of the new deck"));
    txtDeckName->setMaxLength(200);
    cboName = makeFieldChoice(this, "cboName", tr("Field for the card name"));
    cboGroup = makeFieldChoice(this, "cboGroup", tr("Field for the group"));
    cboKeywords = makeFieldChoice(this, "cboKeywords", tr("Field for the keywords"));
    cboUpright = makeFieldChoice(this, "cboUpright", tr("Field for the upright meaning"));
    cboReversed = makeFieldChoice(this, "cboReversed", tr("Field for the reversed meaning"));
    cboPicture = makeFieldChoice(this, "cboPicture", tr("Field for the picture"));

    auto *form = new QFormLayout;
    form->addRow(makeLabel(this, "lblDeckName", tr("&Deck name"), txtDeckName), txtDeckName);
    form->addRow(makeLabel(this, "lblName", tr("Card na&me"), cboName), cboName);
    form->addRow(makeLabel(this, "lblGroup", tr("&Group (else from the tags)"), cboGroup), cboGroup);
    form->addRow(makeLabel(this, "lblKeywords", tr("&Keywords (split on , or ;)"), cboKeywords), cboKeywords);
    form->addRow(makeLabel(this, "lblUpright", tr("&Upright meaning"), cboUpright), cboUpright);
    form->addRow(makeLabel(this, "lblReversed", tr("&Reversed meaning"), cboReversed), cboReversed);
    form->addRow(makeLabel(this, "lblPicture", tr("&Picture (first image)"), cboPicture), cboPicture);

    cmdImport = makeButton(this, "cmdImport", tr("&Import"));
    cmdCancel = makeButton(this, "cmdCancel", tr("&Cancel"));
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
    lblNotes->setText(tr("&Notes in the package: %1 of type “%2”, the first %3 shown")
                          .arg(QString::number(noteCount), noteType.left(60),
                               QString::number(std::min<int>(kNotesShown, int(notes.size())))));
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
                text = tr("[picture: %1]").arg(flashcards::firstImageSource(markup));
            auto *item =
                new QTableWidgetItem(text.size() <= kShownCell ? text : text.left(kShownCell - 1) + QChar(0x2026));
            item->setToolTip(plainToolTip(text.left(2000)));
            tblNotes->setItem(row, column, item);
        }
    }
    for (QComboBox *combo : {cboName, cboGroup, cboKeywords, cboUpright, cboReversed, cboPicture}) {
        combo->clear();
        combo->addItem(tr("(none)"), -1);
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
