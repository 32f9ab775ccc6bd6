#pragma once

#include <QLabel>
#include <QVarLengthArray>

#include <utility>

namespace velmora {

// A word-wrapped label that remembers its height per width. While a window
// is laid out, its layouts ask a word-wrapped label for its height at the
// same few widths again and again, and a QLabel lays its whole text out anew
// for every answer: the start screen's four links were laid out 59 times
// before it first painted, and each test question laid its answers out dozens
// of times across the main window's pages. The heights are kept for the text,
// font and spacing they were measured with.
class WrappedLabel : public QLabel
{
public:
    explicit WrappedLabel(const QString &text = QString(), QWidget *parent = nullptr);

    [[nodiscard]] int heightForWidth(int width) const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    static constexpr qsizetype kKept = 8;
    // What shapes the heights besides the font and the style: QLabel's setters
    // tell no event, so they are compared at each call.
    struct Shape
    {
        QString text;
        int margin = 0;
        int indent = -1;
        Qt::Alignment alignment;
        bool operator==(const Shape &) const = default;
    };
    [[nodiscard]] Shape shape() const;

    mutable Shape measured_;
    mutable QVarLengthArray<std::pair<int, int>, kKept> heights_;
};

} // namespace velmora
