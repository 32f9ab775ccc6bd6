#include "app/wrappedlabel.h"

#include <QEvent>

namespace velmora {

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

WrappedLabel::Shape WrappedLabel::shape() const
{
    return Shape{text(), margin(), indent(), alignment()};
}

int WrappedLabel::heightForWidth(int width) const
{
    if (Shape now = shape(); now != measured_) {
        heights_.clear();
        measured_ = std::move(now);
    }
    for (const auto &[known, height] : heights_)
        if (known == width)
            return height;
    const int height = QLabel::heightForWidth(width);
    if (heights_.size() == kKept)
        heights_.remove(0);
    heights_.append({width, height});
    return height;
}

void WrappedLabel::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
    case QEvent::LayoutDirectionChange:
    case QEvent::ContentsRectChange:
        heights_.clear();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

} // namespace velmora
