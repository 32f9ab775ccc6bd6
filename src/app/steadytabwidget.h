#pragma once

#include <QTabWidget>

namespace velmora {

// A tab widget that lays itself out again only when that can change
// something. QTabWidget answers every layout request of a page, even one
// whose sizes came out as before, by painting itself and everything on it
// and telling its parent: a test question or a card shown on a page of the
// main window repainted the whole window, scroll bars included. Here a
// request is let through when the tab widget's own size hints, its size or
// its tab bar's hint differ from the last one let through.
class SteadyTabWidget : public QTabWidget
{
public:
    using QTabWidget::QTabWidget;

protected:
    bool event(QEvent *event) override;

private:
    struct Hints
    {
        QSize size;
        QSize hint;
        QSize minimumHint;
        QSize tabBarHint;
        int heightForWidth = -1;
        bool operator==(const Hints &) const = default;
    };
    [[nodiscard]] Hints hints() const;

    Hints laidOutFor_;
    bool laidOut_ = false;
};

} // namespace velmora
