#pragma once

// The journal's list: every reading read once, and the ones a search finds
// shown newest first. Searching works on what is in memory, so a keystroke
// never waits for the file.

#include "readings/reading.h"

#include <QAbstractListModel>
#include <QSet>

#include <optional>

namespace velmora::readings {

class JournalModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Newest first, as Journal::list() gives them, with searchableText() of
    // each where the caller made them already (searchableTexts()).
    void setReadings(QVector<Reading> readings, QVector<QString> searchable = {});
    void setSearch(const QString &search);
    // Only these readings, or every one again when nothing is given.
    void setOnly(std::optional<QSet<qint64>> ids);
    [[nodiscard]] bool isLimited() const { return only_.has_value(); }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    // Display: the title and the question; Qt::UserRole: the reading's id.
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] int totalCount() const { return int(readings_.size()); }

    // What setReadings() is given with the readings: made on the thread that
    // reads them, so that neither the list's showing nor a search waits.
    [[nodiscard]] static QVector<QString> searchableTexts(const QVector<Reading> &readings);

private:
    void refilter();

    QVector<Reading> readings_;
    QVector<QString> searchable_; // searchableText() of each reading
    QVector<int> shown_;          // indexes into readings_
    QString search_;
    std::optional<QSet<qint64>> only_;
};

} // namespace velmora::readings
