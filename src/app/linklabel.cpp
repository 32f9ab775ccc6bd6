#include "app/linklabel.h"

#include "app/readablecolour.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>
#include <QVarLengthArray>

#include <utility>

namespace velmora {

// While a window is first laid out, its layouts ask a word-wrapped label for
// its height at the same few widths again and again, and every answer lays
// the whole text out anew: the start screen's four links were laid out 59
// times before it first painted. The answers are kept until the text or
// anything that shapes it changes.
class WrappedText : public QLabel
{
public:
    using QLabel::QLabel;

    void setWrappedText(const QString &text)
    {
        heights_.clear();
        setText(text);
    }

    [[nodiscard]] int heightForWidth(int width) const override
    {
        for (const auto &[known, height] : heights_)
            if (known == width)
                return height;
        const int height = QLabel::heightForWidth(width);
        if (heights_.size() == kKept)
            heights_.remove(0);
        heights_.append({width, height});
        return height;
    }

protected:
    void changeEvent(QEvent *event) override
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

private:
    static constexpr qsizetype kKept = 8;
    mutable QVarLengthArray<std::pair<int, int>, kKept> heights_;
};

namespace {

// A label is announced as text; this one is announced as a link, named by
// its text, with the press action that follows it.
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const LinkLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    // The text is the link's name; its label is not a second object to read.
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] QAccessibleInterface *child(int) const override { return nullptr; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && widget()->isEnabled())
            emit static_cast<LinkLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *linkInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("velmora::LinkLabel") && object && object->isWidgetType())
        return new AccessibleLink(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QWidget(parent), text_(new WrappedText(this))
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(linkInterface);
        return true;
    }();

    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setWrappedText(text);
    text_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    setSizePolicy(text_->sizePolicy());

    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    followPalette();
}

QString LinkLabel::text() const
{
    return text_->text();
}

void LinkLabel::setText(const QString &text)
{
    text_->setWrappedText(text);
}

void LinkLabel::followPalette()
{
    // The link colour of the palette in force, also after the desktop's
    // palette changes.
    QPalette linkPalette = text_->palette();
    linkPalette.setColor(QPalette::WindowText, readableLink(palette(), backgroundRole()));
    text_->setPalette(linkPalette);
}

void LinkLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        followPalette();
    QWidget::changeEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit clicked();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace velmora
