#include "app/widgets.h"

#include "app/wrappedlabel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace velmora {

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QPushButton(caption, parent), name);
}

QLabel *makeHint(QWidget *parent, const char *name, const QString &hint, QWidget *describes)
{
    auto *label = named(new QLabel(QStringLiteral("[ ? ]"), parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(hint);
    label->setAccessibleName(QCoreApplication::translate("Hint", "Hint"));
    label->setAccessibleDescription(hint);
    if (describes && describes->accessibleDescription().isEmpty())
        describes->setAccessibleDescription(hint);
    return label;
}

QLabel *wrappingLabel(const QString &name, const QString &text)
{
    return named(new WrappedLabel(text), name);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QWidget *buddy)
{
    auto *label = named(new QLabel(caption, parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

QScrollArea *scrollingArea(QWidget *parent, const char *name, QWidget *content)
{
    auto *area = named(new QScrollArea(parent), name);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);
    QSizePolicy policy = content->sizePolicy();
    policy.setHeightForWidth(true);
    content->setSizePolicy(policy);
    area->setWidget(content);
    return area;
}

} // namespace velmora
