#pragma once

#include <QLabel>
#include <QVarLengthArray>

#include <memory>
#include <optional>
#include <utility>

class QTextLayout;

namespace velmora {

// A word-wrapped plain-text label that shapes its text once. While a window
// is laid out, its layouts ask a word-wrapped label for its size hints and
// its height at a few widths again and again, and a QLabel lays its whole
// text out anew for every answer, shaping it each time: the start screen's
// four links were laid out 59 times before it first painted, and each test
// question laid its answers out dozens of times across the main window's
// pages. This label keeps its shaped text and only breaks it into lines
// again for each width, measuring as QLabel measures, and keeps the heights
// per width for the text, font and spacing they were measured with.
//
// What QLabel measures in other ways (a buddy's mnemonic, tabs, selectable
// or rich text, wrapping turned off) it measures as QLabel does. It paints
// as QLabel does, through the style.
class WrappedLabel : public QLabel
{
public:
    explicit WrappedLabel(const QString &text = QString(), QWidget *parent = nullptr);
    ~WrappedLabel() override;
    WrappedLabel(const WrappedLabel &) = delete;
    WrappedLabel &operator=(const WrappedLabel &) = delete;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;
    [[nodiscard]] int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    static constexpr qsizetype kKept = 8;
    // What shapes the sizes besides the font and the style: QLabel's and
    // QWidget's setters tell no event, so these are compared at each call.
    struct Shape
    {
        QString text;
        int margin = 0;
        int indent = -1;
        int frameWidth = 0;
        Qt::Alignment alignment;
        QMargins contentsMargins;
        QSize minimumSize;
        int maximumWidth = 0;
        bool wordWrap = false;
        Qt::TextFormat format = Qt::AutoText;
        Qt::TextInteractionFlags interaction;
        bool buddy = false;
        bool operator==(const Shape &) const = default;
    };
    [[nodiscard]] Shape shape() const;
    // Drops what was measured when the shape changed since.
    void follow() const;
    void forget() const;
    [[nodiscard]] bool measuresItself() const;
    [[nodiscard]] QSize sizeForWidth(int width) const;
    [[nodiscard]] QSize textSize(int lineWidth) const;

    mutable std::optional<Shape> measured_;
    mutable bool ownMeasure_ = false;
    mutable std::unique_ptr<QTextLayout> shaped_;
    mutable std::optional<std::pair<QSize, QSize>> hints_; // size hint, minimum size hint
    mutable QVarLengthArray<std::pair<int, int>, kKept> heights_;
};

} // namespace velmora
