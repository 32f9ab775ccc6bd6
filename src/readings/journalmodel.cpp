#include "readings/journalmodel.h"

#include <numeric>

namespace velmora::readings {

QVector<QString> JournalModel::searchableTexts(const QVector<Reading> &readings)
{
    QVector<QString> texts;
    texts.reserve(readings.size());
    for (const Reading &reading : readings)
        texts.append(searchableText(reading));
    return texts;
}

void JournalModel::setReadings(QVector<Reading> readings, QVector<QString> searchable)
{
    beginResetModel();
    readings_ = std::move(readings);
    searchable_ = searchable.size() == readings_.size() ? std::move(searchable) : searchableTexts(readings_);
    refilter();
    endResetModel();
}

void JournalModel::setSearch(const QString &search)
{
    beginResetModel();
    search_ = search;
    refilter();
    endResetModel();
}

void JournalModel::setOnly(std::optional<QSet<qint64>> ids)
{
    beginResetModel();
    only_ = std::move(ids);
    refilter();
    endResetModel();
}

void JournalModel::refilter()
{
    shown_.clear();
    const QStringList words = searchWords(search_);
    if (only_) {
        for (int i = 0; i < readings_.size(); ++i) {
            if (only_->contains(readings_[i].id) && searchableMatches(searchable_[i], words))
                shown_.append(i);
        }
        return;
    }
    if (words.isEmpty()) {
        shown_.resize(readings_.size());
        std::iota(shown_.begin(), shown_.end(), 0);
        return;
    }
    for (int i = 0; i < searchable_.size(); ++i) {
        if (searchableMatches(searchable_[i], words))
            shown_.append(i);
    }
}

int JournalModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(shown_.size());
}

QVariant JournalModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= shown_.size())
        return {};
    const Reading &reading = readings_[shown_[index.row()]];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: {
        const QString question = reading.question.section(QLatin1Char('\n'), 0, 0);
        return question.isEmpty() ? tr("%1 (no question)").arg(readingTitle(reading))
                                  : tr("%1: %2").arg(readingTitle(reading), question);
    }
    case Qt::ToolTipRole:
        return reading.question.left(300).toHtmlEscaped();
    case Qt::UserRole:
        return reading.id;
    default:
        return {};
    }
}

} // namespace velmora::readings
