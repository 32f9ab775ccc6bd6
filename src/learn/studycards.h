#pragma once

// A deck as study cards to print and cut: pages of card fronts (the
// pictures) each followed by the page of their backs (name, keywords and
// both meanings), laid mirrored so that printed on both sides, turned over
// the long edge, each back lies behind its front. No window here.

#include <QByteArray>
#include <QImage>
#include <QPageSize>
#include <QString>
#include <QVector>

namespace velmora {

struct StudyCard
{
    QString name;
    QString keywords;
    QString upright;
    QString reversed;
    QImage picture; // null for none
};

inline constexpr int kStudyColumns = 3;
inline constexpr int kStudyRows = 3;

// The paper of the learner's locale: Letter where it is the custom, else A4.
[[nodiscard]] QPageSize::PageSizeId localStudyPaper();
// The PDF, two pages per nine cards; the deck's name heads no page so that
// the backs stay blank of anything but their own card.
[[nodiscard]] QByteArray studyCardsPdf(const QVector<StudyCard> &cards, QPageSize::PageSizeId paper,
                                       const QString &deckName);

} // namespace velmora
