#pragma once

// The date picker (UserControl1): three lists side by side for day, month
// and year, 1980 to 2099. Any change of a list corrects an impossible day,
// then raises dateChanged().

#include <QColor>
#include <QDate>
#include <QWidget>

class QComboBox;

namespace velmora::goals {

class DatePicker : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kFirstYear = 1980;
    static constexpr int kLastYear = 2099;

    // Shows today.
    explicit DatePicker(const QDate &today, QWidget *parent = nullptr);

    [[nodiscard]] QDate value() const;
    // Selects the day, the month and the year, in this order; a year outside
    // the lists is taken as the nearest one they hold.
    void setValue(const QDate &date);

    [[nodiscard]] QColor foreColor() const;
    void setForeColor(const QColor &color);

    // Accessible names of the three lists: title + ", day", ", month", ", year".
    void setAccessibleTitle(const QString &title);

    [[nodiscard]] QComboBox *dayList() const { return cboDate; }
    [[nodiscard]] QComboBox *monthList() const { return cboMonth; }
    [[nodiscard]] QComboBox *yearList() const { return cboYear; }

signals:
    void dateChanged();

private:
    void listChanged();

    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;
};

} // namespace velmora::goals
