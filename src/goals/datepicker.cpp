#include "goals/datepicker.h"

#include "app/accessibility.h"
#include "goals/goaltimer.h"

#include <QComboBox>
#include <QHBoxLayout>

#include <algorithm>

namespace velmora::goals {

namespace {

QComboBox *list(const QString &name, QWidget *parent)
{
    auto *box = new ChoiceList(parent);
    box->setObjectName(name);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setMaxVisibleItems(12);
    return box;
}

} // namespace

DatePicker::DatePicker(const QDate &today, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    cboDate = list(QStringLiteral("cboDate"), this);
    cboMonth = list(QStringLiteral("cboMonth"), this);
    cboYear = list(QStringLiteral("cboYear"), this);
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    cboMonth->addItems({tr("January"), tr("February"), tr("March"), tr("April"), tr("May"), tr("June"), tr("July"),
                        tr("August"), tr("September"), tr("October"), tr("November"), tr("December")});
    for (int year = kFirstYear; year <= kLastYear; ++year)
        cboYear->addItem(QString::number(year));
    layout->addWidget(cboDate);
    layout->addWidget(cboMonth);
    layout->addWidget(cboYear);
    // Sized by its lists, never by its container.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusProxy(cboDate);
    setAccessibleTitle(tr("Date"));
    setValue(today);

    for (QComboBox *box : {cboDate, cboMonth, cboYear})
        connect(box, &QComboBox::currentIndexChanged, this, &DatePicker::listChanged);
}

QDate DatePicker::value() const
{
    return {kFirstYear + cboYear->currentIndex(), cboMonth->currentIndex() + 1, cboDate->currentIndex() + 1};
}

void DatePicker::setValue(const QDate &date)
{
    if (!date.isValid())
        return;
    cboDate->setCurrentIndex(date.day() - 1);
    cboMonth->setCurrentIndex(date.month() - 1);
    cboYear->setCurrentIndex(std::clamp(date.year(), kFirstYear, kLastYear) - kFirstYear);
    // The day may have been corrected for the month shown before the year
    // changed (29 February while a common year was shown): select it again.
    if (cboDate->currentIndex() != date.day() - 1 && value().daysInMonth() >= date.day())
        cboDate->setCurrentIndex(date.day() - 1);
}

QColor DatePicker::foreColor() const
{
    return cboDate->palette().color(QPalette::Text);
}

void DatePicker::setForeColor(const QColor &color)
{
    for (QComboBox *box : {cboDate, cboMonth, cboYear}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, color);
        palette.setColor(QPalette::ButtonText, color);
        box->setPalette(palette);
    }
}

void DatePicker::setAccessibleTitle(const QString &title)
{
    cboDate->setAccessibleName(tr("%1, day").arg(title));
    cboMonth->setAccessibleName(tr("%1, month").arg(title));
    cboYear->setAccessibleName(tr("%1, year").arg(title));
}

void DatePicker::listChanged()
{
    if (cboMonth->currentIndex() >= 0 && cboYear->currentIndex() >= 0) {
        const int last = daysInMonth(kFirstYear + cboYear->currentIndex(), cboMonth->currentIndex() + 1);
        if (cboDate->currentIndex() + 1 > last)
            cboDate->setCurrentIndex(last - 1);
    }
    emit dateChanged();
}

} // namespace velmora::goals
