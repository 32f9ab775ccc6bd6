#pragma once

// What a screen reader needs beyond what the toolkit tells it.

#include <QComboBox>

#include <functional>

class QAccessibleEvent;

namespace velmora {

// A drop-down list as a screen reader should read it: named by what it is
// for (its accessible name, else its label), its chosen entry as its value.
// Qt on Linux gives a QComboBox's chosen entry as its name too and leaves
// the purpose to a label relation, which the accessibility bus does not show.
class ChoiceList : public QComboBox
{
    Q_OBJECT

public:
    explicit ChoiceList(QWidget *parent = nullptr);
};

// Text that changes on its own (meanings shown, a score, an answer) is told
// as a change of the control that shows it: the toolkit tells only what the
// user types, and a reader speaks a box without focus only when told. The
// control must have a name of its own (or be a label, named by its text).
void announceChange(QWidget *control, const QString &text);

// Where the announcements go: by default to the accessibility layer, which
// passes them on only while a screen reader listens (never on the offscreen
// platform); tests take them here instead. An empty one restores the default.
void setAnnouncementSink(std::function<void(QAccessibleEvent &event)> sink);

// A picture that only decorates (the program's icon beside its name) says
// so, so that a screen reader and scripts/a11y-check pass it over.
inline constexpr char kDecorativeDescription[] = "Decoration";
void markDecorative(QWidget *picture);

} // namespace velmora
