#pragma once

// The review window on the installed deck with a history of its own in a
// temporary folder, for screenshots: the program folder's history is left
// alone.

#include <QString>
#include <QStringList>

class QWidget;

namespace velmora {

struct Services;

[[nodiscard]] QStringList reviewShowcaseNames();
// "review": the first question; "review-answer": its answer with the grade
// buttons; "review-summary": the end of a session of reversed meanings.
QWidget *openReviewShowcase(Services &services, const QString &name);

} // namespace velmora
