#include "readings/journalmodel.h"

namespace velmora::readings {

void JournalModel::setReadings(QVector<Reading> readings)
{
    beginResetModel();
    readings_ = std::move(readings);
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

void JournalModel::refilter()
{
    shown_.clear();
    for (int i = 0; i < readings_.size(); ++i) {
        if (readingMatches(readings_[i], search_))
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
        return QString(readingTitle(reading) + (question.isEmpty() ? QStringLiteral(" (no question)")
                                                                   : QString(QStringLiteral(": ") + question)));
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
