#include "app/wrappedlabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStyle>
#include <QTextLayout>
#include <QTextOption>
#include <QtMath>

#include <algorithm>

namespace velmora {

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

WrappedLabel::~WrappedLabel() = default;

WrappedLabel::Shape WrappedLabel::shape() const
{
    return Shape{text(),
                 margin(),
                 indent(),
                 frameWidth(),
                 alignment(),
                 contentsMargins(),
                 minimumSize(),
                 maximumWidth(),
                 wordWrap(),
                 textFormat(),
                 textInteractionFlags(),
                 buddy() != nullptr};
}

void WrappedLabel::forget() const
{
    shaped_.reset();
    hints_.reset();
    heights_.clear();
}

void WrappedLabel::follow() const
{
    Shape now = shape();
    if (now == measured_)
        return;
    // A new font or style arrives as an event; a changed spacing or size
    // leaves the shaped text as it was.
    std::unique_ptr<QTextLayout> shaping = measured_ && now.text == measured_->text ? std::move(shaped_) : nullptr;
    forget();
    shaped_ = std::move(shaping);
    measured_ = std::move(now);
    ownMeasure_ = measuresItself();
}

// Plain text that wraps, with nothing QLabel would lay out otherwise: a
// buddy's mnemonic hides '&', tabs are expanded to stops, '\x9c' separates
// length variants, and selectable text goes through a text document. An
// empty label may not be a text label to QLabel at all.
bool WrappedLabel::measuresItself() const
{
    const Shape &s = *measured_;
    return !s.text.isEmpty() && s.wordWrap && s.format == Qt::PlainText && !s.buddy &&
           !(s.interaction & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard)) &&
           !(s.alignment & Qt::AlignJustify) && !s.text.contains(u'\t') && !s.text.contains(QChar(0x9c));
}

// The text's bounding size in lines at most `lineWidth` wide, as
// QFontMetrics::boundingRect() gives it for a QLabel: the same lines, each
// placed on a whole pixel below the leading, and rounded out to pixels.
QSize WrappedLabel::textSize(int lineWidth) const
{
    const QFontMetricsF metrics(font());
    if (!shaped_) {
        QString lines = measured_->text;
        for (QChar &c : lines) {
            if (c == u'\r')
                c = u' ';
            else if (c == u'\n')
                c = QChar::LineSeparator;
        }
        shaped_ = std::make_unique<QTextLayout>(lines, font());
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setAlignment(Qt::AlignLeft);
        shaped_->setTextOption(option);
        // Never ended: ending or beginning again drops the shaped glyphs,
        // while clearing the lines keeps them for the next width.
        shaped_->beginLayout();
    }
    shaped_->clearLayout();
    const qreal leading = metrics.leading();
    const qreal available = std::max(0, lineWidth);
    qreal height = -leading;
    qreal width = 0;
    for (QTextLine line = shaped_->createLine(); line.isValid(); line = shaped_->createLine()) {
        line.setLineWidth(available);
        height = qCeil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
        width = std::max(width, line.naturalTextWidth());
    }
    return {qCeil(width), qCeil(height)};
}

// QLabel's own measure of plain text at a width (-1: the width it would
// choose), with the kept shaping.
QSize WrappedLabel::sizeForWidth(int width) const
{
    const Shape &s = *measured_;
    if (s.minimumSize.width() > 0)
        width = std::max(width, s.minimumSize.width());
    const QSize contentsMargin(s.contentsMargins.left() + s.contentsMargins.right(),
                               s.contentsMargins.top() + s.contentsMargins.bottom());
    int hextra = 2 * s.margin;
    int vextra = hextra;
    const QFontMetrics metrics(font());
    const Qt::Alignment align =
        QStyle::visualAlignment(s.text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, s.alignment);
    int indentBy = s.indent;
    if (indentBy < 0 && s.frameWidth != 0)
        indentBy = metrics.horizontalAdvance(u'x') - s.margin * 2;
    if (indentBy > 0) {
        if (align & (Qt::AlignLeft | Qt::AlignRight))
            hextra += indentBy;
        if (align & (Qt::AlignTop | Qt::AlignBottom))
            vextra += indentBy;
    }
    const bool chooseWidth = width < 0;
    if (chooseWidth)
        width = std::min(metrics.averageCharWidth() * 80, s.maximumWidth);
    width -= hextra + contentsMargin.width();
    QSize text = textSize(width);
    if (chooseWidth && text.height() < 4 * metrics.lineSpacing() && text.width() > width / 2)
        text = textSize(width / 2);
    if (chooseWidth && text.height() < 2 * metrics.lineSpacing() && text.width() > width / 4)
        text = textSize(width / 4);
    return (QSize(text.width() + hextra, text.height() + vextra) + contentsMargin).expandedTo(s.minimumSize);
}

QSize WrappedLabel::sizeHint() const
{
    follow();
    if (!ownMeasure_)
        return QLabel::sizeHint();
    (void)minimumSizeHint();
    return hints_->first;
}

QSize WrappedLabel::minimumSizeHint() const
{
    ensurePolished();
    follow();
    if (!ownMeasure_)
        return QLabel::minimumSizeHint();
    if (!hints_) {
        const QSize hint = sizeForWidth(-1);
        const QSize minimum(sizeForWidth(0).width(), std::min(sizeForWidth(QWIDGETSIZE_MAX).height(), hint.height()));
        hints_.emplace(hint, minimum);
    }
    return hints_->second;
}

int WrappedLabel::heightForWidth(int width) const
{
    follow();
    for (const auto &[known, height] : heights_)
        if (known == width)
            return height;
    const int height = ownMeasure_ ? sizeForWidth(width).height() : QLabel::heightForWidth(width);
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
        forget();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

} // namespace velmora
