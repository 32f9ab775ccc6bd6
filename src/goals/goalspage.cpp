#include "goals/goalspage.h"

#include "app/accessibility.h"
#include "app/widgets.h"
#include "goals/datepicker.h"

#include <QAbstractListModel>
#include <QBitArray>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace velmora::goals {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1; // the hidden sub-item

QLabel *caption(const QString &name, const QString &text, QWidget *buddy)
{
    auto *label = wrappingLabel(name, text);
    label->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return label;
}

QLabel *valueLabel(const QString &name, const QString &accessibleName)
{
    auto *label = named(new QLabel, name);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(accessibleName);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-00000")));
    label->setFrameShape(QFrame::StyledPanel);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return label;
}

} // namespace

// The goal list's rows: a name each, its tick box, and the key and index the
// goals controller asks for. One list of entries rather than an item object
// per row, so that ten thousand goals are shown and let go in a moment.
class GoalListModel : public QAbstractListModel
{
public:
    GoalListModel(QString header, QObject *parent) : QAbstractListModel(parent), header_(std::move(header)) {}

    void setEntries(const QList<GoalEntry> &entries)
    {
        beginResetModel();
        entries_ = entries;
        ticked_ = QBitArray(entries.size());
        endResetModel();
    }
    [[nodiscard]] bool ticked(int row) const { return ticked_.testBit(row); }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(entries_.size());
    }
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override
    {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
            return {};
        const GoalEntry &entry = entries_.at(index.row());
        switch (role) {
        case Qt::DisplayRole:
            return entry.name;
        case Qt::CheckStateRole:
            return ticked_.testBit(index.row()) ? Qt::Checked : Qt::Unchecked;
        case kKeyRole:
            return QString(u'_' + QString::number(entry.index));
        case kIndexRole:
            return QString::number(entry.index);
        default:
            return {};
        }
    }
    bool setData(const QModelIndex &index, const QVariant &value, int role) override
    {
        if (role != Qt::CheckStateRole ||
            !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
            return false;
        ticked_.setBit(index.row(), value.toInt() == Qt::Checked);
        emit dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid()
                   ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren
                   : Qt::NoItemFlags;
    }
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        return section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole ? QVariant(header_)
                                                                                        : QVariant();
    }

private:
    QString header_;
    QList<GoalEntry> entries_;
    QBitArray ticked_;
};

GoalsPage::GoalsPage(const QDate &today, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tabGoals"));
    auto *columns = new QHBoxLayout(this);
    auto *left = new QWidget(this);
    auto *right = new QWidget(this);
    buildLeftColumn(left);
    buildRightColumn(right, today);
    columns->addWidget(left, 2);
    columns->addWidget(right, 3);

    setDetailsEnabled(false);
    setSaveEnabled(false);
    setPickersEnabled(false);

    for (int i = 0; i < 2; ++i)
        connect(optGoals[i], &QPushButton::clicked, this, [this, i] { emit viewRequested(i); });
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!filling_ && current.isValid())
                    emit entryChosen(current.row());
            });
    connect(ListView1, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { emit entryChosen(index.row()); });
    connect(cmdNewGoal, &QPushButton::clicked, this, &GoalsPage::newGoalRequested);
    connect(cmdSaveGoals, &QPushButton::clicked, this, &GoalsPage::saveRequested);
    connect(cmdMarkAchived, &QPushButton::clicked, this, &GoalsPage::markAchievedRequested);
    connect(cmdDeleteGoals, &QPushButton::clicked, this, &GoalsPage::deleteRequested);
    connect(mydtpStartingDate, &DatePicker::dateChanged, this, &GoalsPage::datesChanged);
    connect(mydtpEndingDate, &DatePicker::dateChanged, this, &GoalsPage::datesChanged);
}

void GoalsPage::buildLeftColumn(QWidget *column)
{
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    // Two buttons on top of each other: the visible one names the view not shown.
    optGoalsStack = named(new QStackedWidget(column), QStringLiteral("optGoalsStack"));
    optGoals[0] = makeButton(nullptr, "optGoals0", tr("&View Current Goals"));
    optGoals[1] = makeButton(nullptr, "optGoals1", tr("&View Achieved Goals"));
    optGoalsStack->addWidget(optGoals[0]);
    optGoalsStack->addWidget(optGoals[1]);
    optGoalsStack->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    bringViewButtonToFront(1);
    layout->addWidget(optGoalsStack);

    ListView1 = named(new QTreeView(column), QStringLiteral("ListView1"));
    entries_ = new GoalListModel(tr("Goals"), ListView1);
    ListView1->setModel(entries_);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setTextElideMode(Qt::ElideRight);
    ListView1->header()->setStretchLastSection(true);
    ListView1->setAccessibleName(tr("Goals"));
    layout->addWidget(ListView1, 1);

    auto *commands = new QGridLayout;
    cmdNewGoal = makeButton(nullptr, "cmdNewGoal", tr("Set &New Goals"));
    cmdSaveGoals = makeButton(nullptr, "cmdSaveGoals", tr("&Save / Update Goal"));
    cmdMarkAchived = makeButton(nullptr, "cmdMarkAchived", tr("&Mark Selected Goals As Achieved"));
    cmdDeleteGoals = makeButton(nullptr, "cmdDeleteGoals", tr("&Delete Selected Goals"));
    commands->addWidget(cmdNewGoal, 0, 0);
    commands->addWidget(cmdSaveGoals, 0, 1);
    commands->addWidget(cmdMarkAchived, 1, 0, 1, 2);
    commands->addWidget(cmdDeleteGoals, 2, 0, 1, 2);
    layout->addLayout(commands);
}

void GoalsPage::buildRightColumn(QWidget *column, const QDate &today)
{
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    Label10 = wrappingLabel(
        QStringLiteral("Label10"),
        tr("It is important to set goals and targets to be able to see and measure your achievements. This seemingly "
           "small task will yield tremendous results, when taken seriously. Setting goals will help you keep a clear, "
           "focussed and dedicated mindset towards fulfilling your aims in life."));
    layout->addWidget(Label10);

    txtGoalName = named(new QLineEdit, QStringLiteral("txtGoalName"));
    Label15 = caption(QStringLiteral("Label15"), tr("Name Of Goal"), txtGoalName);
    layout->addWidget(Label15);
    layout->addWidget(txtGoalName);

    txtGoalDesc = named(new QPlainTextEdit, QStringLiteral("txtGoalDesc"));
    txtGoalDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtGoalDesc->setTabChangesFocus(true);
    Label16 = caption(QStringLiteral("Label16"), tr("Description Of Goal"), txtGoalDesc);
    layout->addWidget(Label16);
    layout->addWidget(txtGoalDesc, 1);

    auto *dates = new QGridLayout;
    mydtpStartingDate = named(new DatePicker(today), QStringLiteral("mydtpStartingDate"));
    Label12 = caption(QStringLiteral("Label12"), tr("Goal Starting Date:"), mydtpStartingDate->dayList());
    mydtpEndingDate = named(new DatePicker(today), QStringLiteral("mydtpEndingDate"));
    Label11 = caption(QStringLiteral("Label11"), tr("Goal Ending Date:"), mydtpEndingDate->dayList());
    // Each list is named by the caption and its part of the date.
    mydtpStartingDate->setAccessibleTitle(tr("Goal Starting Date"));
    mydtpEndingDate->setAccessibleTitle(tr("Goal Ending Date"));
    dates->addWidget(Label12, 0, 0);
    dates->addWidget(mydtpStartingDate, 0, 1, Qt::AlignLeft);
    dates->addWidget(Label11, 1, 0);
    dates->addWidget(mydtpEndingDate, 1, 1, Qt::AlignLeft);
    dates->setColumnStretch(1, 1);
    layout->addLayout(dates);

    lblNewGoal = wrappingLabel(QStringLiteral("lblNewGoal"), tr("New goal: saving adds it to your goals."));
    lblNewGoal->setVisible(false);
    layout->addWidget(lblNewGoal);

    Frame3 = named(new QGroupBox(tr("Goal Timer")), QStringLiteral("Frame3"));
    auto *timer = new QGridLayout(Frame3);
    Combo3 = named(new ChoiceList, QStringLiteral("Combo3"));
    for (int percent = 0; percent <= 100; ++percent)
        Combo3->addItem(QString::number(percent));
    Combo3->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Label13 = caption(QStringLiteral("Label13"), tr("Select  Achieved Percentage Of Goal"), Combo3);
    lblDayCount = valueLabel(QStringLiteral("lblDayCount"), tr("Total Day(s) To Achieve Goal"));
    Label7 = caption(QStringLiteral("Label7"), tr("Total Day(s) To Achieve Goal"), lblDayCount);
    lblDaysRemaining = valueLabel(QStringLiteral("lblDaysRemaining"), tr("Day(s) Remaining To Achieve Goal"));
    Label1 = caption(QStringLiteral("Label1"), tr("Day(s) Remaining To Achieve Goal"), lblDaysRemaining);
    timer->addWidget(Label13, 0, 0);
    timer->addWidget(Combo3, 0, 1);
    timer->addWidget(Label7, 1, 0);
    timer->addWidget(lblDayCount, 1, 1);
    timer->addWidget(Label1, 2, 0);
    timer->addWidget(lblDaysRemaining, 2, 1);
    timer->setColumnStretch(0, 1);
    layout->addWidget(Frame3);

    lblInfo = wrappingLabel(QStringLiteral("lblInfo"), QString());
    lblInfo->setAccessibleName(tr("Goal timer message"));
    lblInfo->setMinimumHeight(2 * lblInfo->fontMetrics().lineSpacing());
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(lblInfo);

    setTabOrder(txtGoalName, txtGoalDesc);
    setTabOrder(txtGoalDesc, mydtpStartingDate->dayList());
    setTabOrder(mydtpStartingDate->dayList(), mydtpStartingDate->monthList());
    setTabOrder(mydtpStartingDate->monthList(), mydtpStartingDate->yearList());
    setTabOrder(mydtpStartingDate->yearList(), mydtpEndingDate->dayList());
    setTabOrder(mydtpEndingDate->dayList(), mydtpEndingDate->monthList());
    setTabOrder(mydtpEndingDate->monthList(), mydtpEndingDate->yearList());
    setTabOrder(mydtpEndingDate->yearList(), Combo3);
}

void GoalsPage::bringViewButtonToFront(int index)
{
    const bool hadFocus = optGoalsStack->currentWidget() && optGoalsStack->currentWidget()->hasFocus();
    optGoalsStack->setCurrentIndex(index);
    if (hadFocus)
        optGoals[index]->setFocus();
}

int GoalsPage::visibleViewButton() const
{
    return optGoalsStack->currentIndex();
}

void GoalsPage::showEntries(const QList<GoalEntry> &entries, bool currentView)
{
    filling_ = true;
    entries_->setEntries(entries);
    ListView1->setAlternatingRowColors(currentView);
    filling_ = false;
}

int GoalsPage::entryCount() const
{
    return entries_->rowCount();
}

QString GoalsPage::entryKey(int row) const
{
    // A row outside the list has no index, and so no key.
    return entries_->index(row).data(kKeyRole).toString();
}

QString GoalsPage::entryIndexText(int row) const
{
    return entries_->index(row).data(kIndexRole).toString();
}

int GoalsPage::selectedRow() const
{
    const QModelIndex current = ListView1->currentIndex();
    return current.isValid() && ListView1->selectionModel()->isSelected(current) ? current.row() : -1;
}

void GoalsPage::selectEntry(int row)
{
    filling_ = true;
    ListView1->setCurrentIndex(entries_->index(row));
    filling_ = false;
}

void GoalsPage::clearSelection()
{
    ListView1->clearSelection();
}

QList<int> GoalsPage::tickedRows() const
{
    QList<int> rows;
    for (int row = 0; row < entries_->rowCount(); ++row) {
        if (entries_->ticked(row))
            rows.append(row);
    }
    return rows;
}

void GoalsPage::showDetails(const QString &name, const QString &description, const QDate &start, const QDate &end,
                            int percentage)
{
    setGoalName(name);
    txtGoalDesc->setPlainText(description);
    setDates(start, end);
    setPercentage(percentage);
}

QString GoalsPage::goalName() const
{
    return txtGoalName->text();
}

QString GoalsPage::goalDescription() const
{
    return txtGoalDesc->toPlainText();
}

void GoalsPage::setGoalName(const QString &name)
{
    txtGoalName->setText(name);
    txtGoalName->setCursorPosition(0); // a long name shows its beginning
}

void GoalsPage::setGoalDescription(const QString &description)
{
    txtGoalDesc->setPlainText(description);
}

QDate GoalsPage::startingDate() const
{
    return mydtpStartingDate->value();
}

QDate GoalsPage::endingDate() const
{
    return mydtpEndingDate->value();
}

void GoalsPage::setDates(const QDate &start, const QDate &end)
{
    mydtpStartingDate->setValue(start);
    mydtpEndingDate->setValue(end);
}

int GoalsPage::percentage() const
{
    return Combo3->currentIndex();
}

void GoalsPage::setPercentage(int percentage)
{
    Combo3->setCurrentIndex(std::clamp(percentage, 0, 100));
}

bool GoalsPage::percentageEnabled() const
{
    return Combo3->isEnabled();
}

void GoalsPage::setDayCount(const QString &text)
{
    lblDayCount->setText(text);
}

void GoalsPage::setTimer(const GoalTimerText &timer)
{
    lblInfo->setText(timer.info);
    lblDaysRemaining->setText(timer.daysRemaining);
}

void GoalsPage::setDetailsEnabled(bool enabled)
{
    txtGoalName->setEnabled(enabled);
    txtGoalDesc->setEnabled(enabled);
    Combo3->setEnabled(enabled);
}

void GoalsPage::showNewGoalMode(bool on)
{
    lblNewGoal->setVisible(on);
}

void GoalsPage::setSaveEnabled(bool enabled)
{
    cmdSaveGoals->setEnabled(enabled);
}

void GoalsPage::setPickersEnabled(bool enabled)
{
    mydtpStartingDate->setEnabled(enabled);
    mydtpEndingDate->setEnabled(enabled);
}

void GoalsPage::focusGoalName()
{
    txtGoalName->setFocus(Qt::OtherFocusReason);
}

} // namespace velmora::goals
